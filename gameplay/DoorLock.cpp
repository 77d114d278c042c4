#include "gameplay/DoorLock.h"

#include <imgui.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "gameplay/PlayerContact.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"

namespace {

constexpr float degreesToRadians = 3.14159265f / 180.0f;

GameObjectRef HouseKeys() {
    for (const GameObjectRef& object : GameObjectList)
        if (object && object->type == ObjectType::Lock && object->name == "HouseKeys") return object;
    return nullptr;
}

} // namespace

DoorLock::DoorLock() : Component(ComponentType::DoorLock) {}

void DoorLock::Initialize() {
    playerInRange = false;
    active = false;
    GameFlags.doorUnlocked = false;
    GameFlags.hasHouseKeys = false;
    dialDegrees = 0;
    for (const GameObjectRef& object : GameObjectList) {
        if (!object || object->type != ObjectType::Lock) continue;
        if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(object)) {
            sprite->transparency = 0.0f;
            sprite->textureChanged = true;
        }
    }
}

void DoorLock::Update(float) {
    if (!owner) return;
    playerInRange = PlayerTouches(*owner, playerInRange);
    if (!playerInRange) return;
    if (std::shared_ptr<Sprite> keys = ComponentOf<Sprite>(HouseKeys()))
        keys->transparency = active ? 1.0f : 0.0f;

    // Input locked by anything else (a cutscene, a fade) must not turn the dial or open the lock,
    // which would also unlock the player in the middle of that scene.
    Framework::InputSystem* input = Framework::inputSystem.get();
    if (!GameFlags.inputLocked || !active || !input) return;
    if (input->IsActionTriggered("ACTION_LEFT")) Turn(true);
    if (input->IsActionTriggered("ACTION_RIGHT")) Turn(false);
    if (input->IsActionTriggered("ACTION_UNLOCK")) TryOpen();
}

void DoorLock::Turn(bool left) {
    // The dial wraps to 0 past a full turn rather than counting on to 360.
    if (left)
        dialDegrees = dialDegrees < 315 ? dialDegrees + 45 : 0;
    else
        dialDegrees = dialDegrees > -315 ? dialDegrees - 45 : 0;
    if (std::shared_ptr<Transform> transform = ComponentOf<Transform>(owner)) {
        transform->rotation = static_cast<float>(dialDegrees) * degreesToRadians;
        transform->upToDate = false;
    }
    PlayEffect("doorlockturn");
}

void DoorLock::TryOpen() {
    const int32_t angle = std::abs(dialDegrees);
    if (angle <= 175 || angle >= 185) {
        PlayEffect("doorunlockfail");
        return;
    }
    for (const GameObjectRef& object : GameObjectList) {
        if (!object || object->name.compare(0, 13, "EventBoundary") != 0) continue;
        if (std::shared_ptr<BoxCollider> collider = ComponentOf<BoxCollider>(object))
            collider->ghosted = true;
    }
    if (std::shared_ptr<Sprite> keys = ComponentOf<Sprite>(HouseKeys())) keys->transparency = 0.0f;
    // Done even in a level without "HouseKeys": otherwise the player would stay locked for good.
    active = false;
    GameFlags.inputLocked = false;
    GameFlags.doorUnlocked = true;
    GameFlags.lockPromptVisible = false;
    PlayEffect("doorunlocksuccess");
}

void DoorLock::Inspector(int objectId) {
    ImGui::CollapsingHeader((GetTypeName() + "##" + std::to_string(objectId)).c_str());
}
