#include "gameplay/WrapPos.h"

#include <imgui.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "gameplay/GameFlags.h"
#include "gameplay/Weather.h"
#include "gameplay/PlayerContact.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"

namespace {

constexpr float cameraAbove = 35.0f;       // the camera looks this far above the player
constexpr float fadeBackEnd = 0.1f;        // the fade back in ends below this
constexpr float finaleFadeLimit = 2.2f;    // the finale walk's timer runs at half speed up to this
constexpr float entryReturnSpacing = 1.6f; // the way back lands this many entry widths to its left
constexpr int32_t weatherArea = 5;         // level 3: a respawn here brings back the rain and mist

// What a named pair does besides moving the player.
enum class RouteRule {
    None,
    FaceRight,              // the player's sprite faces right on arrival
    WhileInteractable,      // only while the point's own collider is interactable
    EnterVent,              // the player crawls into the vents
    RespawnMarksOutside,    // level 2 death bed: remembers a respawn outside
    RespawnRestoresWeather, // level 3 death bed: weather and the fade's tint come back
    FinaleWalkOnly,         // only during the finale walk (runDisabled)
};

struct WrapRoute {
    int32_t level;
    const char* from;
    const char* to; // nullptr: the point GameFlags.respawnWrapTarget names
    RouteRule rule;
};

const WrapRoute routes[] = {
    {1, "DeathbedToXX", nullptr, RouteRule::None},
    {2, "RoomToKitchen", "KitchenToRoom", RouteRule::None},
    {2, "KitchenToRoom", "RoomToKitchen", RouteRule::None},
    {2, "LivingroomToFloor11", "Floor11ToLivingroom", RouteRule::None},
    {2, "Floor11ToLivingroom", "LivingroomToFloor11", RouteRule::None},
    {2, "OutsideToRoom", "RoomToOutside", RouteRule::FaceRight},
    {2, "RoomToOutside", "OutsideToRoom", RouteRule::None},
    {2, "MotherBedroomToLivingRoom", "LivingroomEnd", RouteRule::WhileInteractable},
    {2, "OutsideToVent", "VentWrap", RouteRule::EnterVent},
    {2, "ShaftToFloor12Vent", "MotherBedroomEnd", RouteRule::None},
    {2, "VentToShaft", "ShaftEnd", RouteRule::None},
    {2, "DeathbedToXX", nullptr, RouteRule::RespawnMarksOutside},
    {3, "RoofTopToContainer", "ContainerToRoofTop", RouteRule::None},
    {3, "ContainerToRoofTop", "RoofTopToContainer", RouteRule::None},
    {3, "DeathbedToXX", nullptr, RouteRule::RespawnRestoresWeather},
    {3, "RooftopToFinalEvent", "FinalEventEnd", RouteRule::FinaleWalkOnly},
};

const WrapRoute* FindRoute(int32_t level, const std::string& from) {
    for (const WrapRoute& route : routes)
        if (route.level == level && from == route.from) return &route;
    return nullptr;
}

// Shows the first frame of the sprite's main or alternative sheet and lets it play.
void ShowSheetFromStart(Sprite& sprite, bool alternative) {
    sprite.useAltTexture = alternative;
    sprite.textureChanged = true;
    sprite.animate = true;
    sprite.column = 0;
    sprite.row = 0;
    sprite.uOffset = 0.0f;
    sprite.vOffset = 0.0f;
}

void SetGravity(const GameObjectRef& player, bool on) {
    if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player)) body->useGravity = on;
}

} // namespace

WrapPos::WrapPos()
    : Component(ComponentType::WrapPos), lastPlayerX(std::numeric_limits<float>::quiet_NaN()) {}

void WrapPos::Initialize() {
    GameFlags.wrapReturn = false;
    GameFlags.wrapInProgress = false;
    GameFlags.respawnWrapTarget.clear();
    playerInRange = false;
    arrived = false;
    active = false;
    fadeLimit = 1.0f;
    fadeTimer = 0.0f;
    fadeObject = FindObjectByName("FadeInAndOut");
    playerObject = FindObjectByName("Player");
    cameraObject = FindObjectByName("Camera");
    backgroundGroup = FindObjectByName("BackgroundGroup");
    lastPlayerX = std::numeric_limits<float>::quiet_NaN();
    SetFade(0.0f);
}

void WrapPos::Update(float dt) {
    if (!owner) return;
    playerInRange = PlayerTouches(*owner, playerInRange);

    // A side point fires only once the player has passed its centre walking out of the corridor,
    // so a player set down on the centre of the other side does not bounce straight back.
    const bool leftSide = owner->name == "WrapLeftSide";
    const bool sideWrap = leftSide || owner->name == "WrapRightSide";
    bool movingOutward = false;
    if (sideWrap) {
        std::shared_ptr<Transform> self = ComponentOf<Transform>(owner);
        std::shared_ptr<Transform> player = ComponentOf<Transform>(playerObject.lock());
        if (self && player) {
            const float x = player->position.x, centre = self->position.x;
            movingOutward = leftSide ? x < centre && x < lastPlayerX : x > centre && x > lastPlayerX;
            lastPlayerX = x;
        }
    }

    if (!playerInRange) {
        FadeBack(dt);
    } else if (owner->name == "WrapEntry" || owner->name == "WrapExit") {
        EntryExitStep(dt);
    } else if (sideWrap) {
        SideStep(movingOutward);
    } else if (active) {
        RequestedStep(dt);
    }
}

void WrapPos::FadeBack(float dt) {
    if (!arrived) return;
    fadeTimer -= dt;
    SetFade(fadeTimer);
    if (fadeTimer >= fadeBackEnd) return;
    GameFlags.inputLocked = false;
    GameFlags.wrapInProgress = false;
    fadeTimer = 0.0f;
    arrived = false;
    SetFade(0.0f);
    if (std::shared_ptr<Sprite> fade = ComponentOf<Sprite>(fadeObject.lock())) UseAltTexture(*fade, false);
    SetGravity(playerObject.lock(), true);
}

void WrapPos::EntryExitStep(float dt) {
    const bool toExit = owner->name == "WrapEntry" && !GameFlags.wrapReturn;
    if (arrived || (!toExit && !GameFlags.wrapReturn)) return;
    fadeTimer += dt;
    SetFade(fadeTimer);
    if (fadeTimer <= fadeLimit) return;
    if (toExit)
        SendToExit();
    else
        SendBackToEntry();
}

void WrapPos::SideStep(bool movingOutward) {
    if (!movingOutward) return;
    // A corridor without its other side simply has no way round.
    GameObjectRef destination =
        FindObjectByName(owner->name == "WrapLeftSide" ? "WrapRightSide" : "WrapLeftSide");
    if (!ComponentOf<Transform>(destination)) return;
    Complete(destination);
}

void WrapPos::RequestedStep(float dt) {
    Sprite* fade = ComponentOf<Sprite>(fadeObject.lock()).get();
    const bool finaleWalk = GameFlags.runDisabled;
    fadeTimer += finaleWalk ? dt / 2.0f : dt;
    if (fade) UseAltTexture(*fade, finaleWalk);
    SetFade(fadeTimer);
    GameFlags.wrapInProgress = true;
    if (fadeTimer > (finaleWalk ? finaleFadeLimit : fadeLimit)) Complete(RequestedDestination());
}

GameObjectRef WrapPos::RequestedDestination() const {
    const WrapRoute* route = FindRoute(GameFlags.currentLevel, owner->name);
    if (!route) return nullptr;
    if (route->rule == RouteRule::WhileInteractable) {
        std::shared_ptr<BoxCollider> collider = ComponentOf<BoxCollider>(owner);
        if (!collider || !collider->interactable) return nullptr;
    }
    if (route->rule == RouteRule::FinaleWalkOnly && !GameFlags.runDisabled) return nullptr;
    if (route->to) return FindObjectByName(route->to);
    if (GameFlags.respawnWrapTarget.empty()) return nullptr;
    return FindObjectByName(GameFlags.respawnWrapTarget);
}

void WrapPos::Complete(const GameObjectRef& destination) {
    if (!ComponentOf<Transform>(destination)) {
        Cancel();
        return;
    }
    const WrapRoute* route = FindRoute(GameFlags.currentLevel, owner->name);
    switch (route ? route->rule : RouteRule::None) {
    case RouteRule::FaceRight:
        if (std::shared_ptr<Sprite> sheet = ComponentOf<Sprite>(playerObject.lock())) sheet->flipX = false;
        break;
    case RouteRule::EnterVent:
        GameFlags.inVent = true;
        GameFlags.ventEntered = false;
        break;
    case RouteRule::RespawnMarksOutside:
        if (GameFlags.respawnWrapTarget == "OutsideToRoom") GameFlags.respawnedOutside = true;
        break;
    case RouteRule::RespawnRestoresWeather:
        if (GameFlags.currentArea == weatherArea) SetWeather(true);
        if (std::shared_ptr<Sprite> fade = ComponentOf<Sprite>(fadeObject.lock()))
            fade->colorTint = GameFlags.ambientColour;
        break;
    default:
        break;
    }
    Teleport(*destination);
    arrived = true;
    active = false;
}

// A wrap whose destination is not in the level: stay put and clear the screen, so the player is
// neither frozen nor left in the dark.
void WrapPos::Cancel() {
    fadeTimer = 0.0f;
    SetFade(0.0f);
    active = false;
    arrived = false;
    GameFlags.wrapInProgress = false;
    GameFlags.wrapReturn = false;
    GameFlags.inputLocked = false;
}

void WrapPos::Teleport(const GameObject& destination) {
    const vec3 to = destination.GetComponent<Transform>()->position;
    SetGravity(playerObject.lock(), false);
    PlacePlayer(to.x, to.y);
    if (NameStartsWith(destination.name, "RoofTopToContainer")) {
        PlaceCamera(to.x, GameFlags.rooftopCameraY);
        GameFlags.cameraTargetY = GameFlags.rooftopCameraY;
    } else {
        PlaceCamera(to.x, to.y);
        GameFlags.cameraTargetY = to.y + cameraAbove;
    }
    if (GameFlags.inVent) {
        if (destination.name == "VentWrap") {
            if (std::shared_ptr<TextSprite> dialogue = FindComponent<TextSprite>("Dialogue"))
                dialogue->SetText("I hope this leads back to my house...");
        } else if (destination.name == "ShaftEnd" || destination.name == "MotherBedroomEnd") {
            GameFlags.inVent = false;
        }
    }
    GameFlags.inputLocked = false;
}

void WrapPos::SendToExit() {
    GameObjectRef exit = FindObjectByName("WrapExit");
    std::shared_ptr<Transform> exitPlace = ComponentOf<Transform>(exit);
    if (!exitPlace) {
        Cancel();
        return;
    }
    GameObjectRef player = playerObject.lock();
    SetGravity(player, false);
    PlacePlayer(exitPlace->position.x, exitPlace->position.y);
    std::shared_ptr<Transform> playerPlace = ComponentOf<Transform>(player);
    const vec3 at = playerPlace ? playerPlace->position : exitPlace->position;
    if (std::shared_ptr<Transform> background = ComponentOf<Transform>(backgroundGroup.lock()))
        background->SetPosition(at.x, at.y);
    PlaceCamera(at.x, at.y);
    std::shared_ptr<Transform> camera = ComponentOf<Transform>(cameraObject.lock());
    GameFlags.cameraTargetY = (camera ? camera->position.y : at.y) + cameraAbove;
    GameFlags.lightsOff = false;
    if (std::shared_ptr<Sprite> room = FindComponent<Sprite>("Livingroom")) ShowSheetFromStart(*room, false);
    arrived = true;
}

void WrapPos::SendBackToEntry() {
    std::shared_ptr<Transform> entry = FindComponent<Transform>("WrapEntry");
    if (!entry) {
        Cancel();
        return;
    }
    PlacePlayer(entry->position.x - entryReturnSpacing * entry->scale.x, entry->position.y);
    GameObjectRef player = playerObject.lock();
    if (std::shared_ptr<Transform> playerPlace = ComponentOf<Transform>(player)) {
        PlaceCamera(playerPlace->position.x, playerPlace->position.y);
        GameFlags.cameraTargetY = playerPlace->position.y + cameraAbove;
    }
    SetGravity(player, false);
    GameFlags.wrapReturn = false;
    if (std::shared_ptr<Sprite> room = FindComponent<Sprite>("Livingroom")) {
        ShowSheetFromStart(*room, !room->useAltTexture);
        GameFlags.lightsOff = room->useAltTexture;
    }
    arrived = true;
}

void WrapPos::SetFade(float value) {
    if (std::shared_ptr<Sprite> fade = ComponentOf<Sprite>(fadeObject.lock()))
        fade->transparency = std::clamp(value, 0.0f, 1.0f);
}

void WrapPos::PlacePlayer(float x, float y) {
    GameObjectRef player = playerObject.lock();
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    if (!place) return;
    if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player))
        body->SetPosition(x, y, place->position.z);
    else
        place->SetPosition(x, y);
}

void WrapPos::PlaceCamera(float x, float y) {
    if (std::shared_ptr<Transform> camera = ComponentOf<Transform>(cameraObject.lock()))
        camera->SetPosition(x, y);
}

void WrapPos::Inspector(int objectId) {
    ImGui::CollapsingHeader(("WrapPos##" + std::to_string(objectId)).c_str());
}
