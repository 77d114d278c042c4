#include "gameplay/Lift.h"

#include <imgui.h>

#include <cmath>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Weather.h"
#include "gameplay/PlayerContact.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Rigidbody.h"
#include "scenes/SceneSystem.h"

namespace {

constexpr float cameraAbove = 35.0f;   // the camera looks this far above the player
constexpr float doorsStayOpen = 4.0f;  // seconds before open doors close on an empty cabin
constexpr float playerDepthIn = -2.0f; // the player's z in the cabin: behind the doors
constexpr float stopTolerance = 0.01f; // pixels

// Sprites that keep their colours while the world goes dark around the cabin. The closed doors stay
// lit too: they cover the rider, and a darkened pair would leave the whole screen black for the ride.
const char* const keptLit[] = {
    "Liftinterior",      "LiftDoor",        "PauseMenuHUD", "ResumeButtonHUD", "HowToPlayButtonHUD",
    "QuitGameButtonHUD", "HowToPlayHUD",    "DividerHUD",   "YesButtonHUD",    "QuitConfirmationHUD",
    "NoButtonHUD",       "KeyboardPromptS",
};

bool KeptLit(const std::string& name) {
    for (const char* kept : keptLit)
        if (name == kept) return true;
    return false;
}

} // namespace

Lift::Lift() : Component(ComponentType::Lift) {}

void Lift::Initialize() {
    GameFlags.liftCalled = false;
    GameFlags.liftDoorsOpen = false;
    GameFlags.playerInLift = false;
    moving = false;
    doorTimer = 0.0f;
    playerInRange = false;
    speed = 160.0f;
    targetStop = 0;
    ready = !(Framework::sceneSystem && Framework::sceneSystem->currentScene == SceneEditor);
    ownName = owner ? owner->name : std::string();
    playerObject = FindObjectByName("Player");
    lowerStopObject = FindObjectByName("LiftLowerLevel");
    doorObject = FindObjectByName("LiftDoor");

    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    const vec3 start = own ? own->position : vec3{};
    liftDepth = start.z;
    stops[0] = vec2{start.x, start.y};
    // Without a lower stop the lift has nowhere to go: both stops are its start.
    std::shared_ptr<Transform> lower = ComponentOf<Transform>(lowerStopObject.lock());
    stops[1] = lower ? vec2{lower->position.x, lower->position.y} : stops[0];
}

void Lift::Update(float dt) {
    if (!owner || !ready) return;
    playerInRange = PlayerTouches(*owner, playerInRange);
    if (!IsCabin()) return;
    GameFlagBlock& flags = GameFlags;

    if (IsIdle()) {
        if (flags.playerInLift && moveSoundPending) {
            if (Framework::audioSystem) Framework::audioSystem->PlaySound("liftmoving", true);
            moveSoundPending = false;
        }
    } else if (!flags.playerInLift) {
        flags.liftCalled = false;
    }

    if (flags.liftDoorsOpen && !flags.playerInLift) {
        doorTimer += dt;
        if (doorTimer > doorsStayOpen) {
            flags.liftCalled = false;
            CloseDoors();
            flags.liftUpPromptVisible = false;
        }
    } else {
        doorTimer = 0.0f;
    }

    if (flags.playerInLift) Travel(dt);
}

void Lift::Use() {
    if (!owner || !playerInRange || moving) return;
    GameFlagBlock& flags = GameFlags;
    // The script sets liftCalled right before it presses the button. The cabin does not ask for it:
    // the lift clears it as soon as its doors start to open, so the player could never get in.
    // Every floor may have a call button; one answers only while the cabin stands at its floor.
    if (owner->type == ObjectType::LiftButton) {
        if (!flags.liftCalled || !IsIdle() || !CabinAtThisFloor()) return;
        OpenDoors();
        flags.liftUpPromptVisible = true;
    } else if (IsCabin() && flags.liftDoorsOpen) {
        if (flags.playerInLift)
            Exit();
        else
            Enter();
    }
}

bool Lift::CabinAtThisFloor() const {
    constexpr float floorReach = 300.0f; // a button is within this height of its floor's stop
    std::shared_ptr<Transform> cabin = FindComponent<Transform>("Lift");
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    return !cabin || !own || std::fabs(cabin->position.y - own->position.y) < floorReach;
}

bool Lift::IsIdle() const {
    if (GameFlags.liftDoorsOpen) return false;
    std::shared_ptr<Sprite> door = ComponentOf<Sprite>(doorObject.lock());
    return !door || !door->animate;
}

bool Lift::AtStop(int32_t stop) const {
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    if (!own) return true;
    const vec2 at = stops[stop];
    return std::fabs(own->position.x - at.x) < stopTolerance &&
           std::fabs(own->position.y - at.y) < stopTolerance;
}

void Lift::SetDoorSheet(const char* textureName, int32_t columns) {
    std::shared_ptr<Sprite> door = ComponentOf<Sprite>(doorObject.lock());
    if (!door) return;
    door->animationCount = 1;
    door->animate = true;
    if (door->textureName == textureName) return;
    door->textureName = textureName;
    door->numRows = 1;
    door->numColumns = columns;
    door->column = 0;
    door->row = 0;
    door->uOffset = 0.0f;
    door->vOffset = 0.0f;
    door->textureChanged = true;
}

void Lift::OpenDoors() {
    if (Framework::audioSystem) Framework::audioSystem->PauseSound("liftmoving");
    PlayEffect("liftdooropen");
    SetDoorSheet("lift_door_open_lit.png", 40);
    GameFlags.liftDoorsOpen = true;
}

void Lift::CloseDoors() {
    PlayEffect("liftdoorclose");
    SetDoorSheet("lift_door_close_lit.png", 45);
    GameFlags.liftDoorsOpen = false;
}

void Lift::Enter() {
    GameFlagBlock& flags = GameFlags;
    GameObjectRef player = playerObject.lock();
    if (std::shared_ptr<Transform> place = ComponentOf<Transform>(player)) {
        // Set before attaching, so the offset from the cabin keeps the player behind the doors.
        place->position.z = playerDepthIn;
        place->upToDate = false;
        player->SetParent(ownName);
    }
    if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player)) body->useGravity = false;
    CloseDoors();
    if (AtStop(targetStop)) targetStop = 1 - targetStop;
    flags.inputLocked = true;
    flags.playerInLift = true;
    moveSoundPending = true;
    flags.liftUpPromptVisible = false;
    Darken();
    SetWeather(false); // the deck's weather would show through the dark cabin
}

void Lift::Exit() {
    GameFlagBlock& flags = GameFlags;
    SetWeather(true);
    GameObjectRef player = playerObject.lock();
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    if (player) player->RemoveParent();
    if (place) {
        place->position.z = liftDepth;
        place->upToDate = false;
    }
    if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player)) body->useGravity = true;
    CloseDoors();
    flags.inputLocked = false;
    flags.playerInLift = false;
    if (place) {
        if (std::shared_ptr<Transform> camera = FindComponent<Transform>("Camera"))
            camera->SetPosition(place->position.x, place->position.y);
        flags.cameraTargetY = place->position.y + cameraAbove;
    }
    flags.liftCalled = false;
    RestoreColours();
    flags.liftDownPromptVisible = false;
}

void Lift::Travel(float dt) {
    const bool idle = IsIdle();
    const bool atTarget = AtStop(targetStop);
    moving = !atTarget && idle;
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    const vec2 target = stops[targetStop];
    if (moving) {
        const float dx = target.x - own->position.x, dy = target.y - own->position.y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        const float step = speed * dt;
        if (distance <= step)
            own->SetPosition(target.x, target.y);
        else
            own->SetPosition(own->position.x + dx / distance * step, own->position.y + dy / distance * step);
    } else if (atTarget && idle) {
        // Steps add up with rounding: the last one may stop a hair short of the stop.
        if (own) own->SetPosition(target.x, target.y);
        OpenDoors();
        GameFlags.liftDownPromptVisible = true;
    }
}

void Lift::Darken() {
    // Already dark: the tints remembered then are the ones to give back.
    if (!savedTints.empty()) return;
    for (const GameObjectRef& object : GameObjectList) {
        std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(object);
        if (!sprite || KeptLit(object->name)) continue;
        savedTints.emplace_back(sprite, sprite->colorTint);
        sprite->colorTint = vec3{0.0f, 0.0f, 0.0f};
    }
}

// Each sprite gets back the tint it had, not plain white: the levels tint some of their sprites.
void Lift::RestoreColours() {
    for (const auto& [weakSprite, tint] : savedTints)
        if (std::shared_ptr<Sprite> sprite = weakSprite.lock()) sprite->colorTint = tint;
    savedTints.clear();
}

void Lift::Inspector(int objectId) {
    ImGui::CollapsingHeader(("Lift##" + std::to_string(objectId)).c_str());
}
