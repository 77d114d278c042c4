#include "graphics/ParticleEmitter.h"

#include <GL/glew.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "engine/Random.h"
#include "graphics/DrawPlan.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"

namespace {

constexpr float pi = 3.1415927f;
constexpr size_t initialPoolSize = 100;
// A timed burst counts its alpha down by this much per update, not per second.
constexpr float burstStep = 0.008333334f;
// Float steps of 1/120 miss 0 by a few ulps; without this slack a burst of 0.5 would take 61 updates.
constexpr float burstEndSlack = burstStep * 0.01f;
const std::string fallbackTextureName = "particle.png";

// Uniform in [0, 1].
float Random01() {
    return static_cast<float>(Rand()) / static_cast<float>(RAND_LIMIT);
}

// Uniform in [-1, 1]: the magnitude first, then a second draw picks the sign.
float SignedRandom() {
    const float r = Random01();
    return Rand() % 2 == 0 ? -r : r;
}

// A NaN alpha has no place in an ordering; it sorts as a fully transparent particle.
float SortKey(const Particle& particle) {
    return std::isnan(particle.alpha) ? 0.0f : particle.alpha;
}

int32_t StoredShape(int32_t shape) {
    if (shape == ParticleEmitter::Line || shape == ParticleEmitter::Rectangle) return shape;
    return ParticleEmitter::Circle;
}

} // namespace

ParticleEmitter::ParticleEmitter(std::string name)
    : Component(ComponentType::ParticleEmitter), textureName(std::move(name)) {
    texture = Framework::textureSystem->GetTexture(textureName);
    particles.reserve(initialPoolSize);
}

ParticleEmitter::~ParticleEmitter() {
    shader.Release();
}

void ParticleEmitter::Initialize() {
    componentType = ComponentType::ParticleEmitter;
    shader.Init(VertexShaderPath("particle"), FragmentShaderPath("particle"));
    UpdateEmissionBox();
}

int32_t ParticleEmitter::Cap() const {
    return std::clamp(maxCount, 0, particleLimit);
}

float ParticleEmitter::OwnerDepth() const {
    std::shared_ptr<Transform> transform = ComponentOf<Transform>(owner);
    return transform ? transform->GetPosition().z : 0.0f;
}

void ParticleEmitter::UpdateEmissionBox() {
    std::shared_ptr<Transform> transform = ComponentOf<Transform>(owner);
    if (!transform) return;
    const vec3 p = transform->GetPosition();
    const vec3 s = transform->GetScale();
    areaMin = {p.x - s.x / 2.0f, p.y - s.y / 2.0f};
    areaMax = {p.x + s.x / 2.0f, p.y + s.y / 2.0f};
}

void ParticleEmitter::ResetEmitter() {
    particles.clear();
    particles.reserve(static_cast<size_t>(Cap()));
    liveCount = 0;
}

void ParticleEmitter::Update(float dt) {
    if (timedBurst) {
        initialAlpha -= burstStep;
        if (initialAlpha <= burstEndSlack) {
            initialAlpha = 0.0f;
            playState = false;
            ResetEmitter();
            initialAlpha = savedInitialAlpha;
            timedBurst = false;
        }
    }
    if (!playState) return;

    UpdateEmissionBox();
    const int32_t cap = Cap();
    for (int32_t i = 0; i < emissionRate && liveCount < cap; ++i) Spawn();

    for (Particle& particle : particles) {
        if (!particle.active) continue;
        particle.position.x += particle.velocity.x;
        particle.position.y += particle.velocity.y;
        particle.scale = particle.scale + particle.scaleRate * dt;
        particle.color = particle.color + particle.colorRate * dt;
        particle.alpha += particle.alphaRate * dt;
        particle.rotation += 2.0f * dt * particle.rotationRate;
        particle.age += dt;
        // Written so that a lifetime that is not a number retires the particle instead of keeping it forever.
        if (!(particle.age <= particle.lifetime)) {
            particle.active = false;
            liveCount -= 1;
        }
    }
}

void ParticleEmitter::Spawn() {
    Particle particle;
    const float width = areaMax.x - areaMin.x;
    const float height = areaMax.y - areaMin.y;
    switch (shapeType) {
    case Line:
        particle.position.x = areaMin.x + Random01() * width;
        particle.position.y = (areaMin.y + areaMax.y) / 2.0f;
        break;
    case Rectangle:
        particle.position.x = areaMin.x + Random01() * width;
        particle.position.y = areaMin.y + Random01() * height;
        break;
    default: {
        // On the circle, not inside it.
        const float angle = Random01() * 360.0f * pi / 180.0f;
        particle.position.x = (areaMin.x + areaMax.x) / 2.0f + circleRadius * std::cos(angle);
        particle.position.y = (areaMin.y + areaMax.y) / 2.0f + circleRadius * std::sin(angle);
        break;
    }
    }
    particle.position.z = 0.0f;

    const float v = scaleVariance * SignedRandom();
    particle.scale = initialScale + vec3{v, v, 0.0f};
    particle.color = startColor;
    particle.rotation = spawnRotRandomly ? Random01() * 360.0f : 0.0f;
    const float w = velocityVariance * SignedRandom();
    particle.velocity = {initialVelocity.x + w, initialVelocity.y + w};
    particle.lifetime = totalLife + SignedRandom();
    particle.alpha = initialAlpha;
    particle.age = 0.0f;

    particle.scaleRate = scaleIncrement;
    // A life of zero (or less) would divide by zero: such particles keep their birth colour and alpha.
    const bool hasLife = totalLife > 0.0f;
    particle.colorRate = hasLife ? (endColor - startColor) / totalLife : vec3{};
    particle.alphaRate = hasLife ? (endAlpha - initialAlpha) / totalLife : 0.0f;
    particle.rotationRate = rotationSpeed;
    particle.active = true;
    liveCount += 1;

    auto slot = std::find_if(particles.begin(), particles.end(), [](const Particle& p) { return !p.active; });
    size_t index = static_cast<size_t>(slot - particles.begin());
    if (slot != particles.end())
        *slot = particle;
    else
        particles.push_back(particle);

    // Fainter particles first, and each one's depth follows its alpha, so they blend back to front.
    SortByAlpha(index);
    const float depth = OwnerDepth();
    for (Particle& p : particles) p.position.z = depth + p.alpha;
}

void ParticleEmitter::SortByAlpha(size_t changed) {
    const auto fainter = [](const Particle& a, const Particle& b) { return SortKey(a) < SortKey(b); };
    // Within one update every spawn finds the pool as the previous spawn left it: sorted but for the
    // newcomer. Moving only the newcomer gives what a stable sort of the whole pool would, without
    // sorting thousands of particles once per spawn.
    bool othersSorted = true;
    const Particle* previous = nullptr;
    for (size_t i = 0; i < particles.size() && othersSorted; ++i) {
        if (i == changed) continue;
        if (previous && fainter(particles[i], *previous)) othersSorted = false;
        previous = &particles[i];
    }
    if (!othersSorted) {
        std::stable_sort(particles.begin(), particles.end(), fainter);
        return;
    }
    const Particle newcomer = particles[changed];
    particles.erase(particles.begin() + static_cast<std::ptrdiff_t>(changed));
    const size_t equalFirst = static_cast<size_t>(
        std::lower_bound(particles.begin(), particles.end(), newcomer, fainter) - particles.begin());
    const size_t equalEnd = static_cast<size_t>(
        std::upper_bound(particles.begin(), particles.end(), newcomer, fainter) - particles.begin());
    // Among equal alphas a stable sort keeps pool order, so the newcomer stays behind those before its slot.
    const size_t target = std::clamp(changed, equalFirst, equalEnd);
    particles.insert(particles.begin() + static_cast<std::ptrdiff_t>(target), newcomer);
}

bool ParticleEmitter::LiveBounds(vec3& low, vec3& high, vec2& shownZ) const {
    bool any = false;
    shownZ = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
    for (const Particle& p : particles) {
        if (!p.active) continue;
        if (p.alpha > faintestVisibleAlpha)
            shownZ = {std::min(shownZ.x, p.position.z), std::max(shownZ.y, p.position.z)};
        // Half the diagonal reaches every corner at any rotation.
        const float reach = 0.5f * std::sqrt(p.scale.x * p.scale.x + p.scale.y * p.scale.y);
        const vec3 a{p.position.x - reach, p.position.y - reach, p.position.z};
        const vec3 b{p.position.x + reach, p.position.y + reach, p.position.z};
        if (!any) low = a, high = b, any = true;
        low = {std::min(low.x, a.x), std::min(low.y, a.y), std::min(low.z, a.z)};
        high = {std::max(high.x, b.x), std::max(high.y, b.y), std::max(high.z, b.z)};
    }
    return any;
}

void ParticleEmitter::Draw(mat4 projection, mat4 view, const DrawArea* hidden) {
    if (!shader.IsUsable()) return;
    QuadMesh* quad = Framework::graphicsSystem->GetQuadMesh();
    if (!quad) return;

    const GLuint program = shader.program;
    const mat4 projectionView = projection * view;
    glUseProgram(program);
    const GLint mvpLocation = glGetUniformLocation(program, "MVP");
    const GLint alphaLocation = glGetUniformLocation(program, "alphaVal");
    const GLint colorLocation = glGetUniformLocation(program, "inColor");
    glUniform1i(glGetUniformLocation(program, "textureFlag"), useTexture ? 1 : 0);
    glUniform1f(glGetUniformLocation(program, "flipX"), flipX ? 1.0f : 0.0f);
    glUniform1f(glGetUniformLocation(program, "flipY"), flipY ? 1.0f : 0.0f);
    glUniform1i(glGetUniformLocation(program, "textureSampler"), 0);
    if (texture) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture->textureId);
    }
    // Without the depth test a fragment too faint to change a pixel does nothing at all, so a faint
    // particle is drawn only where its texels are strong enough to show, and a fainter one not at
    // all. With the test every fragment above alpha 0 still writes depth.
    const bool untested = !glIsEnabled(GL_DEPTH_TEST);
    quad->Bind();
    for (const Particle& particle : particles) {
        if (!particle.active || !(particle.alpha > (untested ? faintestVisibleAlpha : 0.0f))) continue;
        const mat4 model = translate(particle.position.x, particle.position.y, particle.position.z) *
                           rotateZ(particle.rotation * pi / 180.0f) *
                           scale(particle.scale.x, particle.scale.y, 1.0f);
        const mat4 mvp = projectionView * model;
        if (QuadOutsideView(mvp) || (hidden && QuadCovered(mvp, *hidden))) continue; // nothing would show
        DrawClip visible;
        const bool clipped = untested && useTexture &&
                             VisibleTexels(texture.get(), flipX, flipY, particle.alpha, mvp, visible);
        if (clipped && !(visible.minX < visible.maxX && visible.minY < visible.maxY)) continue;
        const bool scissored = clipped && Framework::graphicsSystem->ScissorTo(
                                              Framework::graphicsSystem->PixelsAround(visible));
        glUniformMatrix4fv(mvpLocation, 1, GL_FALSE, mvp.data());
        glUniform1f(alphaLocation, particle.alpha);
        glUniform3f(colorLocation, particle.color.x, particle.color.y, particle.color.z);
        quad->DrawBound();
        ++Framework::graphicsSystem->drawCounts.particles;
        if (scissored) glDisable(GL_SCISSOR_TEST);
    }
    quad->Unbind();
    if (texture) glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}

bool ParticleEmitter::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("TextureName");
    serializer.WriteString(textureName.empty() ? fallbackTextureName : textureName);
    serializer.WriteString("InitialVel");
    serializer.WriteVec3(initialVelocity);
    serializer.WriteString("InitialScale");
    serializer.WriteVec3(initialScale);
    serializer.WriteString("ScaleIncremental");
    serializer.WriteVec3(scaleIncrement);
    serializer.WriteString("StartColor");
    serializer.WriteVec3(startColor);
    serializer.WriteString("EndColor");
    serializer.WriteVec3(endColor);
    serializer.WriteString("EmissionRate");
    serializer.WriteInt(emissionRate);
    serializer.WriteString("ParticleMaxCount");
    serializer.WriteInt(maxCount);
    serializer.WriteString("EmissionVariance");
    serializer.WriteFloat(emissionVariance);
    serializer.WriteString("ScaleVariance");
    serializer.WriteFloat(scaleVariance);
    serializer.WriteString("LifetimeVariance");
    serializer.WriteFloat(lifetimeVariance);
    serializer.WriteString("VelVariance");
    serializer.WriteFloat(velocityVariance);
    serializer.WriteString("CircleShapeRadius");
    serializer.WriteFloat(circleRadius);
    serializer.WriteString("InitialAlpha");
    serializer.WriteFloat(initialAlpha);
    serializer.WriteString("EndAlpha");
    serializer.WriteFloat(endAlpha);
    serializer.WriteString("TotalLife");
    serializer.WriteFloat(totalLife);
    serializer.WriteString("IntermediateRotVal");
    serializer.WriteFloat(rotationSpeed);
    serializer.WriteString("ShapeType");
    serializer.WriteInt(StoredShape(shapeType));
    serializer.WriteString("UseTexture");
    serializer.WriteBool(useTexture);
    serializer.WriteString("SpawnRotRandomly");
    serializer.WriteBool(spawnRotRandomly);
    serializer.WriteString("PlayState");
    serializer.WriteBool(playState);
    return textureName.empty() || IsStorableWord(textureName);
}

bool ParticleEmitter::Deserialize(Serializer& serializer) {
    std::string key;
    const bool ok =
        serializer.ReadWord(key) && serializer.ReadWord(textureName) && serializer.ReadWord(key) &&
        serializer.ReadVec3(initialVelocity) && serializer.ReadWord(key) &&
        serializer.ReadVec3(initialScale) && serializer.ReadWord(key) &&
        serializer.ReadVec3(scaleIncrement) && serializer.ReadWord(key) && serializer.ReadVec3(startColor) &&
        serializer.ReadWord(key) && serializer.ReadVec3(endColor) && serializer.ReadWord(key) &&
        serializer.ReadInt(emissionRate) && serializer.ReadWord(key) && serializer.ReadInt(maxCount) &&
        serializer.ReadWord(key) && serializer.ReadFloat(emissionVariance) && serializer.ReadWord(key) &&
        serializer.ReadFloat(scaleVariance) && serializer.ReadWord(key) &&
        serializer.ReadFloat(lifetimeVariance) && serializer.ReadWord(key) &&
        serializer.ReadFloat(velocityVariance) && serializer.ReadWord(key) &&
        serializer.ReadFloat(circleRadius) && serializer.ReadWord(key) &&
        serializer.ReadFloat(initialAlpha) && serializer.ReadWord(key) && serializer.ReadFloat(endAlpha) &&
        serializer.ReadWord(key) && serializer.ReadFloat(totalLife) && serializer.ReadWord(key) &&
        serializer.ReadFloat(rotationSpeed) && serializer.ReadWord(key) && serializer.ReadInt(shapeType) &&
        serializer.ReadWord(key) && serializer.ReadBool(useTexture) && serializer.ReadWord(key) &&
        serializer.ReadBool(spawnRotRandomly) && serializer.ReadWord(key) && serializer.ReadBool(playState);
    shapeType = StoredShape(shapeType);
    texture = Framework::textureSystem->GetTexture(textureName);
    if (!texture) texture = Framework::textureSystem->GetTexture(fallbackTextureName);
    savedInitialAlpha = initialAlpha;
    return ok;
}

void ParticleEmitter::Inspector(int objectId) {
    const std::string id = std::to_string(objectId);
    const auto label = [&id](const char* text) { return text + id; };
    if (!ImGui::CollapsingHeader(label("ParticleEmitter##").c_str())) return;
    if (ImGui::Button(label("Play/Pause Emitter##").c_str())) playState = !playState;
    if (ImGui::InputInt(label("Particle Shape##").c_str(), &shapeType))
        shapeType = std::clamp(shapeType, 0, 2);
    ImGui::TextUnformatted("0 - Line   1 - Rectangle   2 - Circle");
    ImGui::InputFloat(label("Circle Radius##").c_str(), &circleRadius);
    ImGui::TextUnformatted("Initials:");
    ImGui::InputFloat3(label("Init Velocity##").c_str(), &initialVelocity.x);
    ImGui::InputFloat3(label("Init Scale##").c_str(), &initialScale.x);
    ImGui::InputFloat3(label("Scale Increment##").c_str(), &scaleIncrement.x);
    ImGui::InputFloat(label("Rotation##").c_str(), &rotationSpeed);
    ImGui::ColorEdit3(label("Start Color##").c_str(), &startColor.x);
    ImGui::ColorEdit3(label("End Color##").c_str(), &endColor.x);
    ImGui::TextUnformatted("Values:");
    if (ImGui::InputInt(label("Emission Rate##").c_str(), &emissionRate))
        emissionRate = std::max(emissionRate, 0);
    if (ImGui::InputInt(label("Max Count##").c_str(), &maxCount))
        maxCount = std::clamp(maxCount, 0, particleLimit);
    ImGui::InputFloat(label("Initial Alpha##").c_str(), &initialAlpha);
    ImGui::InputFloat(label("End Alpha##").c_str(), &endAlpha);
    ImGui::InputFloat(label("Total Life##").c_str(), &totalLife);
    ImGui::TextUnformatted("Variances:");
    ImGui::InputFloat(label("Emission##").c_str(), &emissionVariance);
    ImGui::InputFloat(label("Scale##").c_str(), &scaleVariance);
    ImGui::InputFloat(label("LifeTime##").c_str(), &lifetimeVariance);
    ImGui::InputFloat(label("Velocity##").c_str(), &velocityVariance);
    ImGui::Checkbox(label("Spawn Rotated Randomly##").c_str(), &spawnRotRandomly);
    ImGui::Checkbox(label("Use Texture##").c_str(), &useTexture);
    ImGui::Checkbox(label("Flip X##").c_str(), &flipX);
    ImGui::Checkbox(label("Flip Y##").c_str(), &flipY);
    if (ImGui::BeginCombo(label("Texture##").c_str(), textureName.c_str())) {
        for (const std::string& name : Framework::textureSystem->GetLoadedTextureNames())
            if (ImGui::Selectable(name.c_str(), name == textureName)) {
                textureName = name;
                texture = Framework::textureSystem->GetTexture(name);
            }
        ImGui::EndCombo();
    }
    if (ImGui::Button(label("Reset Emitter##").c_str())) ResetEmitter();
}
