#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/GLTexture.h"
#include "objects/Component.h"
#include "objects/Math.h"

// Draws its object as one textured quad (the Transform's model matrix scales the unit quad),
// optionally animated over a sheet of equal cells read from the top-left. Gameplay drives it by
// writing the fields directly; a texture swap is `useAltTexture` plus `textureChanged` = true.
class Sprite : public Component {
public:
    Sprite();
    ~Sprite() override;

    void Initialize() override;
    // Advances the animation in fixed 1/60 s slices; whatever is left of dt past the last whole
    // slice is dropped.
    void Update(float dt) override;
    // False when a texture name would not read back as one word.
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    void Inspector(int objectId) override;

    // MVP = projection x view x the owner's model matrix. Draws nothing when the owner has no
    // Transform or the sprites' program did not build. An opaque sprite is drawn without blending.
    // `depthTested` false: the frame is drawn without the depth test (GraphicsSystem::frameDepthTested).
    // `unblended`: drawn without blending even if see-through, where it shows only opaque texels.
    void Draw(mat4 projection, mat4 view, bool depthTested = true, bool unblended = false);
    // Every texel it shows has alpha 1 (an opaque texture, transparency 1 or more).
    bool IsOpaque() const;
    // It shows its texture whole and unmirrored: one cell, no offset, no flip.
    bool ShowsWholeTexture() const;
    // White tint at transparency exactly 1: its pixels are its texels unchanged.
    bool IsUntinted() const;
    vec3 GetColorTint() const { return colorTint; }

    std::shared_ptr<GLTexture> texture;
    std::string textureName;
    std::string altTextureName;
    std::string currentTextureName;
    bool textureChanged = false;
    float transparency = 1.0f; // alpha multiplier
    int32_t column = 0;
    int32_t row = 0;
    int32_t numRows = 1;    // at least 1 wherever it is used
    int32_t numColumns = 1; // at least 1 wherever it is used
    float uOffset = 0.0f;   // column / numColumns
    float vOffset = 0.0f;   // row / numRows
    vec3 colorTint{1.0f, 1.0f, 1.0f};
    float animationDelay = 1.0f; // frames per second, despite its stored key "AnimationDelay"
    float frameTimer = 0.0f;     // seconds since the last frame step
    bool animate = false;
    int32_t animationCount = -1; // full passes left; -1 loops forever, 0 never moves
    bool flipX = false;
    bool flipY = false;
    bool useAltTexture = false;
    int32_t buttonState = 0; // menu buttons: 0 idle, 1 highlighted, 2 pressed
    float updateRemainder = 0.0f;
    bool reverse = false;
    float longStepTime = 0.0f;
    float framePeriod = 1.0f; // 1 / animationDelay

private:
    void AnimationStep(float t);
    void AdvanceForward();
    void AdvanceBackward();
    void RecomputeOffsets();
    void ClampSheetSize();
    bool CanAdvance() const;
};

// Moves a full-screen fade's transparency ("Black", "FadeInAndOut") by `step` towards `target`
// (0 clear, 1 covered) and stops there. True once it is there; no sprite counts as there, so a scene
// without its fade object never waits on it.
bool StepFade(Sprite* fade, float target, float step);

class GameObject;
// Sets the transparency of an object's sprite (0 hidden, 1 fully shown); nothing without one.
void SetTransparency(const std::shared_ptr<GameObject>& object, float transparency);
void SetTransparency(const std::string& objectName, float transparency);
// Shows the alternative texture (or the main one again); nothing when it already shows.
void UseAltTexture(Sprite& sprite, bool alternative);
