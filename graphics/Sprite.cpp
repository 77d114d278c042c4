#include "graphics/Sprite.h"

#include <GL/glew.h>
#include <imgui.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"

namespace {
constexpr float slice = 0.016666668f; // animation runs in fixed 1/60 s steps
// Far beyond any sheet's rate; only an absurd AnimationDelay gets here, and it must not stall a frame.
constexpr int maxAdvancesPerStep = 4096;
const std::string fallbackTextureName = "empty.png";

bool IsOneWord(const std::string& text) {
    if (text.empty()) return true; // written as the fallback name
    for (char c : text)
        if (std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string Label(const char* text, int objectId) {
    return text + std::to_string(objectId);
}
} // namespace

Sprite::Sprite() : Component(ComponentType::Sprite) {}

Sprite::~Sprite() = default;

void Sprite::Initialize() {
    componentType = ComponentType::Sprite;
    // Builds the shared programs on the first sprite, so a scene's load pays for them, not its first frame.
    Framework::graphicsSystem->PrepareSpritePrograms();
}

bool Sprite::ShowsWholeTexture() const {
    return numColumns <= 1 && numRows <= 1 && uOffset == 0.0f && vOffset == 0.0f && !flipX && !flipY;
}

bool Sprite::IsUntinted() const {
    return colorTint.x == 1.0f && colorTint.y == 1.0f && colorTint.z == 1.0f && transparency == 1.0f;
}

bool Sprite::IsOpaque() const {
    return texture && texture->textureId != 0 && texture->opaque && transparency >= 1.0f;
}

void Sprite::ClampSheetSize() {
    // A sheet of zero rows or columns would divide by zero in the frame arithmetic.
    if (numRows < 1) numRows = 1;
    if (numColumns < 1) numColumns = 1;
}

bool Sprite::CanAdvance() const {
    return std::isfinite(framePeriod) && framePeriod > 0.0f;
}

void Sprite::RecomputeOffsets() {
    ClampSheetSize();
    vOffset = static_cast<float>(row) / static_cast<float>(numRows);
    uOffset = static_cast<float>(column) / static_cast<float>(numColumns);
}

void Sprite::AdvanceForward() {
    ClampSheetSize();
    if (animate && animationCount != 0) {
        column += 1;
        if (column >= numColumns) {
            row += 1;
            column = 0;
        }
        if (row >= numRows) {
            if (animationCount > 0) animationCount -= 1;
            row = row % numRows;
        }
        if (animationCount == 0) {
            animate = false;
            column = numColumns - 1;
            row = numRows - 1;
        }
    }
    RecomputeOffsets();
}

void Sprite::AdvanceBackward() {
    ClampSheetSize();
    if (animate && animationCount != 0) {
        column -= 1;
        if (column < 0) {
            row -= 1;
            column = numColumns - 1;
        }
        if (row < 1) {
            row = row < 0 ? numRows - 1 : row % numRows;
            if (animationCount >= 1 && row == 0 && column == 0) animationCount -= 1;
        }
        if (animationCount == 0 && row == 0 && column == 0) animate = false;
    }
    RecomputeOffsets();
}

void Sprite::AnimationStep(float t) {
    if (textureChanged) {
        const std::string& name = useAltTexture ? altTextureName : textureName;
        texture = Framework::textureSystem->GetTexture(name);
        currentTextureName = name;
        // The timer is compared before it grows, so this makes the next step advance at once.
        frameTimer = animationDelay;
        textureChanged = false;
    }
    // A rate of 0, a negative rate or one that is not a number shows a still frame.
    if (!CanAdvance()) {
        frameTimer += t;
        return;
    }
    if (t <= framePeriod) {
        if (framePeriod <= frameTimer) {
            reverse ? AdvanceBackward() : AdvanceForward();
            frameTimer = 0.0f;
        } else {
            frameTimer += t;
        }
        return;
    }
    longStepTime += t;
    for (int advances = 0; framePeriod < longStepTime; ++advances) {
        if (advances == maxAdvancesPerStep) {
            longStepTime = 0.0f;
            break;
        }
        reverse ? AdvanceBackward() : AdvanceForward();
        longStepTime -= framePeriod;
    }
}

void Sprite::Update(float dt) {
    updateRemainder = dt;
    if (dt <= slice) {
        AnimationStep(dt);
        return;
    }
    do {
        const float before = updateRemainder;
        updateRemainder -= slice;
        AnimationStep(slice);
        // An infinite or astronomically large dt no longer shrinks: stop instead of spinning.
        if (!(updateRemainder < before)) break;
    } while (updateRemainder > slice);
}

bool Sprite::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString(textureName.empty() ? fallbackTextureName : textureName);
    serializer.WriteString(altTextureName.empty() ? fallbackTextureName : altTextureName);
    serializer.WriteString("Transparency");
    serializer.WriteFloat(transparency);
    serializer.WriteString("NumColumns");
    serializer.WriteInt(numColumns);
    serializer.WriteString("NumRows");
    serializer.WriteInt(numRows);
    serializer.WriteString("uCoord");
    serializer.WriteInt(column);
    serializer.WriteString("vCoord");
    serializer.WriteInt(row);
    serializer.WriteString("AnimationDelay");
    serializer.WriteFloat(animationDelay);
    serializer.WriteString("AnimateFlag");
    serializer.WriteBool(animate);
    serializer.WriteString("AnimationCount");
    serializer.WriteInt(animationCount);
    serializer.WriteString("FlipX");
    serializer.WriteBool(flipX);
    serializer.WriteString("FlipY");
    serializer.WriteBool(flipY);
    serializer.WriteString("ColorTint");
    serializer.WriteVec3(colorTint);
    return IsOneWord(textureName) && IsOneWord(altTextureName);
}

bool Sprite::Deserialize(Serializer& serializer) {
    std::string key;
    if (!serializer.ReadWord(textureName)) return false;
    texture = Framework::textureSystem->GetTexture(textureName);
    if (!texture) texture = Framework::textureSystem->GetTexture(fallbackTextureName);
    currentTextureName = textureName;
    const bool ok =
        serializer.ReadWord(altTextureName) && serializer.ReadWord(key) &&
        serializer.ReadFloat(transparency) && serializer.ReadWord(key) && serializer.ReadInt(numColumns) &&
        serializer.ReadWord(key) && serializer.ReadInt(numRows) && serializer.ReadWord(key) &&
        serializer.ReadInt(column) && serializer.ReadWord(key) && serializer.ReadInt(row) &&
        serializer.ReadWord(key) && serializer.ReadFloat(animationDelay) && serializer.ReadWord(key) &&
        serializer.ReadBool(animate) && serializer.ReadWord(key) && serializer.ReadInt(animationCount) &&
        serializer.ReadWord(key) && serializer.ReadBool(flipX) && serializer.ReadWord(key) &&
        serializer.ReadBool(flipY) && serializer.ReadWord(key) && serializer.ReadVec3(colorTint);
    ClampSheetSize();
    framePeriod = 1.0f / animationDelay;
    return ok;
}

void Sprite::Draw(mat4 projection, mat4 view, bool depthTested, bool unblended) {
    if (!owner) return;
    ClampSheetSize();
    // A whole picture under a steady tint or strength is drawn from its tinted copy, untinted.
    const bool whole = ShowsWholeTexture();
    uint32_t textureId = texture ? texture->textureId : 0;
    bool untinted = IsUntinted();
    if (!untinted && !depthTested && whole && textureId != 0)
        if (const uint32_t copy = Framework::graphicsSystem->TintedCopy(*texture, colorTint, transparency)) {
            textureId = copy;
            untinted = true;
        }
    const Framework::SpriteProgram* program =
        Framework::graphicsSystem->GetSpriteProgram(depthTested, whole, untinted);
    std::shared_ptr<Transform> transform = owner->GetComponent<Transform>();
    QuadMesh* quad = Framework::graphicsSystem->GetQuadMesh();
    if (!program || !transform || !quad) return;

    glUseProgram(program->shader.program);
    const mat4 mvp = projection * (view * transform->GetModelMatrix());
    glUniformMatrix4fv(program->mvp, 1, GL_FALSE, mvp.data());
    glUniform1i(program->textureFlag, 1);
    glUniform3f(program->inColor, colorTint.x, colorTint.y, colorTint.z);
    glUniform1f(program->alphaVal, transparency);
    glUniform2f(program->frameSize, static_cast<float>(numColumns), static_cast<float>(numRows));
    glUniform1f(program->xsize, uOffset);
    glUniform1f(program->ysize, vOffset);
    glUniform1f(program->flipX, flipX ? 1.0f : 0.0f);
    glUniform1f(program->flipY, flipY ? 1.0f : 0.0f);
    glUniform1i(program->textureSampler, 0);
    if (texture) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, textureId);
    }
    // At alpha 1 blending gives the sprite's own colour: skipping it saves reading the frame back.
    const bool opaque = unblended || IsOpaque();
    if (opaque) glDisable(GL_BLEND);
    quad->Draw();
    if (opaque) glEnable(GL_BLEND);
    if (texture) glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}

void Sprite::Inspector(int objectId) {
    if (!ImGui::CollapsingHeader(Label("Sprite##", objectId).c_str())) return;
    const std::vector<std::string> names = Framework::textureSystem->GetLoadedTextureNames();

    ImGui::Text("Choose Texture");
    if (ImGui::BeginCombo(Label("Texture##", objectId).c_str(), textureName.c_str())) {
        for (const std::string& name : names)
            if (ImGui::Selectable(name.c_str(), name == textureName)) {
                textureName = name;
                texture = Framework::textureSystem->GetTexture(name);
                currentTextureName = name;
            }
        ImGui::EndCombo();
    }
    ImGui::Text("Choose Texture");
    if (ImGui::BeginCombo(Label("AltTexture##", objectId).c_str(), altTextureName.c_str())) {
        for (const std::string& name : names)
            if (ImGui::Selectable(name.c_str(), name == altTextureName)) altTextureName = name;
        ImGui::EndCombo();
    }

    int sheetSize[2] = {numColumns, numRows};
    if (ImGui::InputInt2(Label("Texture Size##", objectId).c_str(), sheetSize)) {
        numColumns = sheetSize[0];
        numRows = sheetSize[1];
        ClampSheetSize();
    }
    int cell[2] = {column, row};
    if (ImGui::InputInt2(Label("UV coordinates##", objectId).c_str(), cell)) {
        column = cell[0];
        row = cell[1];
    }
    if (ImGui::SliderFloat(Label("Frames Per Second##", objectId).c_str(), &animationDelay, 0.0f, 70.0f,
                           "%.2f"))
        framePeriod = 1.0f / animationDelay;
    if (ImGui::InputFloat(Label("FPS Input##", objectId).c_str(), &animationDelay))
        framePeriod = 1.0f / animationDelay;
    ImGui::InputInt(Label("Animation Count##", objectId).c_str(), &animationCount);
    ImGui::Checkbox(Label("Animate##", objectId).c_str(), &animate);
    ImGui::SliderFloat(Label("Transparency##", objectId).c_str(), &transparency, 0.01f, 1.0f, "%.3f");
    ImGui::InputFloat(Label("Transparency Input##", objectId).c_str(), &transparency);
    ImGui::Checkbox(Label("Flip X##", objectId).c_str(), &flipX);
    ImGui::Checkbox(Label("Flip Y##", objectId).c_str(), &flipY);
    if (ImGui::Checkbox(Label("Alt Texture ##", objectId).c_str(), &useAltTexture)) textureChanged = true;
    ImGui::ColorEdit3(Label("Tint Color##", objectId).c_str(), &colorTint.x, ImGuiColorEditFlags_Uint8);
}

bool StepFade(Sprite* fade, float target, float step) {
    if (!fade) return true;
    if (fade->transparency < target)
        fade->transparency = std::min(target, fade->transparency + step);
    else if (fade->transparency > target)
        fade->transparency = std::max(target, fade->transparency - step);
    return fade->transparency == target;
}

void SetTransparency(const std::shared_ptr<GameObject>& object, float transparency) {
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(object)) sprite->transparency = transparency;
}

void SetTransparency(const std::string& objectName, float transparency) {
    SetTransparency(FindObjectByName(objectName), transparency);
}

void UseAltTexture(Sprite& sprite, bool alternative) {
    if (sprite.useAltTexture == alternative) return;
    sprite.useAltTexture = alternative;
    sprite.textureChanged = true;
}
