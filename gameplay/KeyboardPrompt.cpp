#include "gameplay/KeyboardPrompt.h"

#include <imgui.h>

#include <algorithm>
#include <string>

#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

void Show(const std::weak_ptr<GameObject>& key, bool shown) {
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(key.lock()))
        sprite->transparency = shown ? 1.0f : 0.0f;
}

} // namespace

KeyboardPrompt::KeyboardPrompt() : Component(ComponentType::KeyboardPrompt) {}

void KeyboardPrompt::Initialize() {
    GameFlagBlock& flags = GameFlags;
    flags.promptPosition = vec2{0.0f, 0.0f};
    flags.promptRequested = false;
    flags.lockPromptVisible = false;
    flags.liftUpPromptVisible = false;
    flags.liftDownPromptVisible = false;
    flags.promptPlaced = false;
    pulseAlpha = 0.0f;
    pulseFalling = false;
    interactKey = FindObjectByName("KeyboardPromptE");
    leftKey = FindObjectByName("KeyboardPromptA");
    rightKey = FindObjectByName("KeyboardPromptD");
    spaceKey = FindObjectByName("KeyboardPromptSPACE");
    liftUpKey = FindObjectByName("KeyboardPromptW");
    liftDownKey = FindObjectByName("KeyboardPromptS");
}

void KeyboardPrompt::Update(float dt) {
    const GameFlagBlock& flags = GameFlags;
    GameObjectRef key = interactKey.lock();
    std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(key);
    if (key && flags.promptRequested && !flags.lockPromptVisible) {
        if (key->parentName != "none") {
            key->RemoveParent();
            if (std::shared_ptr<Transform> transform = ComponentOf<Transform>(key))
                transform->SetPosition(flags.promptPosition.x, flags.promptPosition.y);
        } else if (sprite) {
            Pulse(*sprite, dt);
        }
    } else if (key && sprite && sprite->transparency > 0.0f) {
        sprite->transparency = 0.0f;
        pulseAlpha = 0.0f;
        pulseFalling = false;
        key->SetParent("Player");
    }

    if (flags.currentLevel != 1) return;
    Show(leftKey, flags.lockPromptVisible);
    Show(rightKey, flags.lockPromptVisible);
    Show(spaceKey, flags.lockPromptVisible);
    Show(liftUpKey, flags.liftUpPromptVisible);
    Show(liftDownKey, flags.liftDownPromptVisible);
}

void KeyboardPrompt::Pulse(Sprite& sprite, float dt) {
    if (!pulseFalling) {
        pulseAlpha += dt;
        if (pulseAlpha >= 1.0f) pulseFalling = true;
    } else {
        pulseAlpha -= dt;
        if (pulseAlpha <= 0.5f) pulseFalling = false;
    }
    // std::clamp keeps a NaN; an inverted max/min turns it into 0.5.
    pulseAlpha = std::min(1.0f, std::max(0.5f, pulseAlpha));
    sprite.transparency = pulseAlpha;
}

void KeyboardPrompt::Inspector(int objectId) {
    ImGui::CollapsingHeader((GetTypeName() + "##" + std::to_string(objectId)).c_str());
}
