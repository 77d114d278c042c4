#include "gameplay/LightSwitch.h"

#include <imgui.h>

#include <algorithm>
#include <memory>
#include <string>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "gameplay/PlayerContact.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "physics/BoxCollider.h"

namespace {

void ShowFrame(Sprite& sprite, int32_t column) {
    const int32_t columns = std::max(sprite.numColumns, 1);
    sprite.column = std::min(column, columns - 1);
    sprite.row = 0;
    sprite.uOffset = static_cast<float>(sprite.column) / columns;
    sprite.vOffset = 0.0f;
}

} // namespace

LightSwitch::LightSwitch() : Component(ComponentType::LightSwitch) {}

void LightSwitch::Initialize() {
    playerInRange = false;
    isOn = false;
    GameFlags.lightSwitchUse = false;
    GameFlags.kitchenSwitchArmed = false;
}

void LightSwitch::Update(float) {
    if (!owner) return;
    playerInRange = PlayerTouches(*owner, playerInRange);
    GameObjectRef room = owner->GetParent();
    std::shared_ptr<BoxCollider> collider = ComponentOf<BoxCollider>(owner);
    if (!room || !playerInRange || !collider || !collider->interactable) return;
    if (GameFlags.lightSwitchUse)
        Use(*room);
    else
        KitchenHint(*room);
}

void LightSwitch::Use(GameObject& room) {
    GameFlagBlock& flags = GameFlags;
    const bool s = isOn;
    const std::string& name = room.name;
    std::shared_ptr<Sprite> roomSprite = ComponentOf<Sprite>(&room);
    bool roomChanged = false;
    auto light = [&](bool off) {
        flags.lightsOff = off;
        if (roomSprite) roomSprite->useAltTexture = off;
        roomChanged = true;
    };

    // In level 1 the living room's switch works the other way round: "on" lights it.
    if (flags.currentLevel == 1 && name == "Bedroom") {
        if (roomSprite && roomSprite->useAltTexture != s) light(s);
    } else if (flags.currentLevel == 1 && name == "Livingroom") {
        if (roomSprite && roomSprite->useAltTexture == s) light(!s);
    } else if (flags.currentLevel == 2 && name == "Livingroom") {
        light(s);
    } else if (name == "UnlitBedroom") {
        light(s);
        if (std::shared_ptr<BoxCollider> door = FindComponent<BoxCollider>("RoomToOutside"))
            door->interactable = s;
    }

    if (roomChanged && roomSprite) {
        roomSprite->textureChanged = true;
        roomSprite->animate = true;
        ShowFrame(*roomSprite, 0);
    }
    if (std::shared_ptr<Sprite> own = ComponentOf<Sprite>(owner)) {
        own->useAltTexture = s;
        own->textureChanged = true;
    }
    flags.lightSwitchUse = false;

    for (const GameObjectRef& child : room.children) {
        if (!child) continue;
        if (flags.currentLevel == 1 && name == "Livingroom" && child->type == ObjectType::Lock &&
            !flags.hasHouseKeys) {
            if (std::shared_ptr<Sprite> keys = ComponentOf<Sprite>(child))
                keys->transparency = s ? 1.0f : 0.0f;
        }
        if (NameStartsWith(name, "Bedroom") && child->type == ObjectType::Boundary) {
            if (std::shared_ptr<BoxCollider> blocker = ComponentOf<BoxCollider>(child)) blocker->ghosted = s;
        }
        if (NameStartsWith(name, "FloodedKitchen") && NameStartsWith(child->name, "Lamp")) {
            if (std::shared_ptr<Sprite> lamp = ComponentOf<Sprite>(child)) ShowFrame(*lamp, s ? 1 : 0);
            if (std::shared_ptr<BoxCollider> lampBox = ComponentOf<BoxCollider>(child))
                lampBox->interactable = s;
        }
    }
    if (NameStartsWith(name, "FloodedKitchen")) Say("Dialogue", "That should do it. It should be gone now.");
    PlayEffect(NameStartsWith(name, "HangingLamp") ? "switchpull" : "switchon");
}

void LightSwitch::KitchenHint(GameObject& room) {
    if (GameFlags.tapTurnedOff || !GameFlags.kitchenSwitchArmed || room.name != "FloodedKitchen") return;
    Say("Dialogue", "I should turn off the tap first.");
    if (std::shared_ptr<BoxCollider> collider = ComponentOf<BoxCollider>(owner))
        collider->interactable = false;
}

void LightSwitch::FlipGroup() {
    GameObjectRef room = owner ? owner->GetParent() : nullptr;
    if (!room) {
        isOn = !isOn;
        return;
    }
    for (const GameObjectRef& sibling : room->children)
        if (std::shared_ptr<LightSwitch> light = ComponentOf<LightSwitch>(sibling))
            light->isOn = !light->isOn;
}

void LightSwitch::LeverStep() {
    GameFlagBlock& flags = GameFlags;
    if (!owner || owner->name != "Event013CreatureSpawn(Left)" || !playerInRange || !flags.lightSwitchUse ||
        !flags.phaseTwoFlag || !flags.alternateWorld)
        return;
    flags.lightSwitchUse = false;
    flags.alternateWorld = false;
    PlayEffect("leverpull");
    // The jungle rain is a music track, not an effect.
    if (Framework::audioSystem) Framework::audioSystem->StopBGM("rainjungle");
    Say("DialogueInit", "Everything is back to normal.");
}

void LightSwitch::Inspector(int objectId) {
    ImGui::CollapsingHeader((GetTypeName() + "##" + std::to_string(objectId)).c_str());
}
