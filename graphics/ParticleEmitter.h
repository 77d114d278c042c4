#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/GLTexture.h"
#include "graphics/ShaderObject.h"
#include "objects/Component.h"
#include "objects/Math.h"

// One pooled particle.
struct DrawArea;

struct Particle {
    bool active = false;
    vec3 position; // world units
    vec3 scale;    // quad size in world units
    vec3 color;
    vec2 velocity; // world units per update, not per second
    float alpha = 0.0f;
    float rotation = 0.0f;     // degrees about z
    float age = 0.0f;          // seconds
    float lifetime = 0.0f;     // seconds
    vec3 scaleRate;            // per second
    vec3 colorRate;            // per second
    float alphaRate = 0.0f;    // per second
    float rotationRate = 0.0f; // half the rotation per second
};

// Rain, dust, sparks: spawns a fixed number of particles per update on a line, in a rectangle or on
// a circle inside its object's Transform box, ages, moves, scales, tints and fades them, and retires
// them when their life is over. Gameplay starts and stops it through `playState`, runs timed bursts
// and clears it with ResetEmitter.
class ParticleEmitter : public Component {
public:
    enum Shape : int32_t { Line = 0, Rectangle = 1, Circle = 2 };
    // However large a level file's "ParticleMaxCount", no emitter keeps more live particles.
    static constexpr int32_t particleLimit = 10000;

    explicit ParticleEmitter(std::string textureName = "particle.png");
    ~ParticleEmitter() override;

    void Initialize() override;
    // dt: seconds. Ages and fades by dt, but moves by `velocity` once per call.
    void Update(float dt) override;
    // False when the texture name is not one word.
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    void Inspector(int objectId) override;

    // Draws every live particle in pool order (fainter ones first).
    // `hidden`: the frame's plan for its object, whose covers hide the particles inside them.
    void Draw(mat4 projection, mat4 view, const DrawArea* hidden = nullptr);
    // The world-space box holding every live particle's quad, however turned; false when none is live.
    // `shownZ` gets the lowest (x) and highest (y) z of those strong enough to change a pixel (alpha
    // above faintestVisibleAlpha); x is above y when none is.
    bool LiveBounds(vec3& low, vec3& high, vec2& shownZ) const;
    // Drops every particle; the pool keeps room for `maxCount`.
    void ResetEmitter();

    ShaderObject shader;
    std::shared_ptr<GLTexture> texture;
    std::string textureName;
    vec2 areaMin; // emission box, world units
    vec2 areaMax;
    vec3 initialVelocity; // world units per update
    vec3 initialScale;
    vec3 scaleIncrement; // per second
    vec3 startColor;
    vec3 endColor;            // reached after totalLife seconds
    int32_t emissionRate = 1; // particles per update
    int32_t maxCount = 100;   // most live particles (never above particleLimit)
    int32_t liveCount = 0;
    float emissionVariance = 0.0f; // stored and edited, not used when spawning
    float scaleVariance = 0.0f;
    float lifetimeVariance = 0.0f; // stored and edited; the life spread is a fixed +-1 s
    float velocityVariance = 0.0f;
    float circleRadius = 0.0f;
    float initialAlpha = 1.0f; // alpha at birth; also the countdown of a timed burst
    float savedInitialAlpha = 1.0f;
    float endAlpha = 0.0f;
    float totalLife = 3.0f; // seconds
    float rotationSpeed = 0.0f;
    std::vector<Particle> particles;
    int32_t shapeType = Line;
    bool useTexture = false;
    bool spawnRotRandomly = false;
    bool playState = false;
    bool flipX = false;
    bool flipY = false;
    bool timedBurst = false;

private:
    void UpdateEmissionBox();
    void Spawn();
    // Restores the pool's order by alpha after particles[changed] was written.
    void SortByAlpha(size_t changed);
    float OwnerDepth() const;
    int32_t Cap() const;
};
