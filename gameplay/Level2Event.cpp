#include "gameplay/Level2Event.h"

#include <algorithm>

#include <imgui.h>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "gameplay/LightSwitch.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Collision.h"
#include "physics/Rigidbody.h"
#include "scenes/SceneSystem.h"

namespace {

const EventControllerBase::EventTable levelTwoEvents = {
    {"Event01PanToEnemy", 1}, {"Event02TurnOffTap", 2},      {"Event03PanToVent", 3}, {"Event04ClimbUp", 4},
    {"Event04ClimbEnd", 5},   {"Event05PickUpLightBulb", 6}, {"Event06ExitHouse", 7},
};

constexpr float drainedY = -130.0f;  // the flood's height once it has run away
constexpr float drainSpeed = -3.0f;  // the flood's sinking speed
constexpr float climbSpeed = 110.0f; // up the shaft's ladder, units per second
constexpr float doorPushTime = 1.2f; // seconds of pushing that open the swollen door
constexpr float cameraAbove = 35.0f; // the camera looks this far above the player
constexpr int32_t lampPowered = 1;   // the lamp's cell once the kitchen switch gives it power
constexpr int32_t lampLitColumn = 2;

void StopEmitter(const char* name) {
    if (std::shared_ptr<ParticleEmitter> emitter = FindComponent<ParticleEmitter>(name)) {
        emitter->playState = false;
        emitter->ResetEmitter();
    }
}

void ShowColumn(Sprite& sprite, int32_t column) {
    sprite.column = std::clamp(column, 0, std::max(sprite.numColumns, 1) - 1);
    sprite.uOffset = static_cast<float>(sprite.column) / std::max(sprite.numColumns, 1);
}

void StartWrap(GameObject& point) {
    if (std::shared_ptr<WrapPos> wrap = point.GetComponent<WrapPos>()) wrap->active = true;
    GameFlags.inputLocked = true;
}

bool Interactable(const GameObject& object) {
    std::shared_ptr<BoxCollider> box = object.GetComponent<BoxCollider>();
    return box && box->interactable;
}

} // namespace

void Level2Event::Initialize() {
    currentEvent = 0;
    interactionTarget.clear();
    player = FindObjectByName("Player");
    bulbPickedUp = exitOpen = panToEnemyDone = panToVentDone = lampLit = doorOpen = false;
    doorPush = 0.0f;
    GameFlagBlock& flags = GameFlags;
    flags.panToEnemy = flags.tapTurnedOff = flags.panToVent = flags.splashDisabled = flags.climbEndPending =
        false;
    // The flat's front door was unlocked on the way out of the first level; a game started here
    // has been through it too.
    flags.doorUnlocked = true;
}

void Level2Event::Update(float dt) {
    if (Framework::sceneSystem && Framework::sceneSystem->isPaused) return;
    if (!owner || !player) return;
    DetectEvent(*owner, *player, levelTwoEvents);
    HandleInteraction(*player, dt);
    PushDoor(dt);
    ApplyEventEffects(dt);
    DrainFlood();
    UpdateSequences(dt);
    // The kitchen is lit while its switch is on.
    if (std::shared_ptr<LightSwitch> kitchen = FindComponent<LightSwitch>("KitchenLight"))
        SetTransparency("FloodedKitchenLitFull", kitchen->isOn ? 1.0f : 0.0f);
    // The planks across the gap outside are gone once the lightning has shown the way round.
    if (std::shared_ptr<BoxCollider> planks = FindComponent<BoxCollider>("OutsideLightingFloor"))
        SetTransparency("OutsideLightingFloor", planks->ghosted ? 0.0f : 1.0f);
}

bool Level2Event::Touching(const char* name) const {
    GameObjectRef object = FindObjectByName(name);
    std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(object);
    return box && !box->ghosted && player && CollisionIntersection(*object, *player, vec3{}, 0.0f);
}

void Level2Event::OnInteract(GameObject& object) {
    GameFlagBlock& flags = GameFlags;
    ReadCaption(object);
    const std::string& name = object.name;
    if (name == "Event02TurnOffTap" && !flags.tapTurnedOff) TurnOffTap(object);
    if (name == "Event05PickUpLightBulb" && !bulbPickedUp) {
        bulbPickedUp = true;
        SetTransparency("LightBulb", 0.0f);
        PlayEffect("keypickup");
    }
    if (name == "Event06ExitHouse" && Interactable(object)) exitOpen = true;
    if (name == "Event04ClimbUp") StartClimb(object);
    if (NameStartsWith(name, "Lamp")) LightLamp(object);

    switch (object.type) {
    case ObjectType::WrapPos:
        if (name == "KitchenToRoom") {
            if (!flags.doorUnlocked) break;
            if (std::shared_ptr<Sprite> lamp = FindComponent<Sprite>("Lamp"))
                if (!lampLit) ShowColumn(*lamp, lampPowered);
        } else if (name == "RoomToOutside") {
            std::shared_ptr<Sprite> bedroom = FindComponent<Sprite>("UnlitBedroom");
            if (!bedroom || !bedroom->useAltTexture) break;
        } else if (name == "MotherBedroomToLivingRoom") {
            if (!Interactable(object)) break;
        } else if (name == "RoomToKitchen") {
            if (std::shared_ptr<Sprite> lamp = FindComponent<Sprite>("Lamp"))
                if (!lampLit) ShowColumn(*lamp, 0);
        }
        StartWrap(object);
        break;
    case ObjectType::Hiding:
        flags.isHiding = !flags.isHiding;
        if (flags.isHiding) flags.playerState = PlayerHide;
        break;
    case ObjectType::LightSwitch:
        if (name == "KitchenLight" && !flags.tapTurnedOff) {
            flags.kitchenSwitchArmed = true;
        } else if (std::shared_ptr<LightSwitch> lightSwitch = object.GetComponent<LightSwitch>()) {
            lightSwitch->FlipGroup();
            flags.lightSwitchUse = true;
        }
        break;
    default:
        break;
    }
}

void Level2Event::TurnOffTap(GameObject& tap) {
    GameFlagBlock& flags = GameFlags;
    flags.tapTurnedOff = true;
    flags.splashDisabled = true;
    if (Framework::AudioSystem* audio = Framework::audioSystem.get()) {
        audio->PlaySound("watertapturn", false);
        audio->SetSoundVolume("watertapturn", 0.6f);
        audio->PauseSound("watertap");
    }
    Say("Dialogue", "That should do it.");
    if (std::shared_ptr<BoxCollider> box = tap.GetComponent<BoxCollider>()) box->interactable = false;
    SetInteractable("KitchenLight", true);
    StopEmitter("WaterTapParticles");
}

// The lamp in the living room, once the kitchen switch has given it power (it is usable only then):
// lit for good, and the thing in the corner is gone with the dark.
void Level2Event::LightLamp(GameObject& lamp) {
    std::shared_ptr<Sprite> look = lamp.GetComponent<Sprite>();
    if (lampLit || !look || look->column != lampPowered || !Interactable(lamp)) return;
    lampLit = true;
    ShowColumn(*look, lampLitColumn);
    look->animate = false;
    look->transparency = 1.0f;
    SetInteractable("KitchenLight", false);
    SetInteractable(lamp.name, false);
    if (std::shared_ptr<Sprite> room = FindComponent<Sprite>("FloodedLivingRoom")) UseAltTexture(*room, true);
    SetTransparency("Echo", 0.0f);
    SetInteractable("DoorToRoom", true);
    PlayEffect("switchon");
}

void Level2Event::StartClimb(GameObject& ladder) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> rungs = ladder.GetComponent<Transform>();
    std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    if (!rungs || !body || !place) return;
    flags.inputLocked = flags.inVent = true;
    if (std::shared_ptr<BoxCollider> box = ladder.GetComponent<BoxCollider>()) {
        box->interactable = false;
        box->ghosted = true;
    }
    body->useGravity = false;
    body->velocity = vec2{};
    body->SetPosition(rungs->position.x, place->position.y, 1.0f);
    SetGhosted("ShaftFloor12", true);
    flags.isClimbing = flags.climbEndPending = true;
}

void Level2Event::ApplyEventEffects(float) {
    GameFlagBlock& flags = GameFlags;
    switch (currentEvent) {
    case 1: // the opening look at the vase, once the screen has come up from black
        if (panToEnemyDone) break;
        flags.inputLocked = true;
        if (std::shared_ptr<Sprite> black = FindComponent<Sprite>("Black");
            !black || black->transparency <= 0.0f) {
            flags.panToEnemy = true;
            panToEnemyDone = true;
        }
        break;
    case 3:
        if (panToVentDone) break;
        panToVentDone = true;
        flags.panToVent = true;
        break;
    case 5: // off the ladder at the top of the shaft
        if (flags.climbEndPending) break;
        SetGhosted("ShaftFloor12", false);
        SetGhosted("ShaftToFloor12Vent", false);
        SetInteractable("ShaftToFloor12Vent", true);
        if (flags.inVent) {
            flags.inVent = flags.inputLocked = false;
            if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player)) {
                body->useGravity = true;
                if (std::shared_ptr<Transform> place = ComponentOf<Transform>(player))
                    body->SetPosition(place->position.x, place->position.y, 0.0f);
            }
        }
        break;
    case 6:
        if (!bulbPickedUp) break;
        if (std::shared_ptr<BoxCollider> bulb = FindComponent<BoxCollider>("Event05PickUpLightBulb");
            bulb && bulb->interactable) {
            Say("Dialogue", "It's time to end this.");
            bulb->interactable = false;
            SetInteractable("MotherBedroomToLivingRoom", true);
        }
        break;
    case 7:
        if (!exitOpen || flags.levelExitReached) break;
        flags.inputLocked = flags.levelExitReached = true;
        PlayEffect("doorunlocksuccess");
        break;
    default:
        break;
    }
}

// The water stops running in; what is on the floor drains away until the flat is dry.
void Level2Event::DrainFlood() {
    if (!GameFlags.splashDisabled) return;
    std::shared_ptr<Transform> level = FindComponent<Transform>("Flooded");
    std::shared_ptr<Rigidbody> water = FindComponent<Rigidbody>("Flooded");
    if (!level || !water) return;
    if (level->position.y > drainedY) {
        water->velocity = vec2{0.0f, drainSpeed};
        return;
    }
    if (water->velocity.y == 0.0f) return;
    water->velocity = vec2{};
    SetGhosted("Flooded", true);
    SetTransparency("Flooded", 0.0f);
    StopEmitter("PlayerSplashParticles");
}

// The bedroom door has swollen shut in the wet: holding "ACTION_INTERACT" against it forces it open.
void Level2Event::PushDoor(float dt) {
    std::shared_ptr<BoxCollider> door = FindComponent<BoxCollider>("DoorToRoom");
    Framework::InputSystem* input = Framework::inputSystem.get();
    if (doorOpen || !door || !door->interactable || GameFlags.inputLocked || !input) return;
    if (!Touching("DoorToRoom") || !input->IsActionDown("ACTION_INTERACT")) {
        doorPush = 0.0f;
        return;
    }
    if (doorPush == 0.0f) PlayEffect("doorunlockfail");
    doorPush += dt;
    if (doorPush < doorPushTime) return;
    doorOpen = true;
    door->interactable = false;
    door->ghosted = true;
    SetGhosted("LivingRoomDoorBlocker", true);
    if (std::shared_ptr<Sprite> look = FindComponent<Sprite>("FloodedLivingRoomDoor"))
        UseAltTexture(*look, true);
    PlayEffect("doorunlocksuccess");
}

// The ladder: the player goes up the shaft until level with its top, where the camera settles.
void Level2Event::UpdateSequences(float dt) {
    GameFlagBlock& flags = GameFlags;
    if (!flags.isClimbing) return;
    std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    std::shared_ptr<Transform> top = FindComponent<Transform>("Event04ClimbEnd");
    if (!body || !place || !top) {
        ClimbEnd();
        return;
    }
    const float y = std::min(top->position.y, place->position.y + climbSpeed * dt);
    body->velocity = vec2{};
    body->SetPosition(place->position.x, y, place->position.z);
    flags.cameraTargetY = y + cameraAbove;
    if (y >= top->position.y) ClimbEnd();
}

void Level2Event::ClimbEnd() {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> camera = FindComponent<Transform>("Camera");
    std::shared_ptr<Transform> top = FindComponent<Transform>("Event04ClimbEnd");
    if (camera && top) camera->SetPosition(top->position.x, top->position.y);
    if (camera) flags.cameraTargetY = camera->position.y + cameraAbove;
    if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player))
        if (std::shared_ptr<Transform> place = ComponentOf<Transform>(player))
            body->SetPosition(place->position.x, place->position.y, 10.0f);
    flags.climbEndPending = flags.isClimbing = false;
}

void Level2Event::Inspector(int objectId) {
    if (!ImGui::CollapsingHeader(("Level2Event##" + std::to_string(objectId)).c_str())) return;
    ImGui::Text("Event %d, bulb %d, exit %d, lamp %d, door %d", currentEvent, bulbPickedUp, exitOpen, lampLit,
                doorOpen);
}
