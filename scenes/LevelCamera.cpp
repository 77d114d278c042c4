#include "scenes/LevelCamera.h"

#include <algorithm>
#include <cmath>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

constexpr float heartbeatScaleStep = 0.0043631438f; // camera zoom change per frame of a beat
constexpr float heartbeatHalfBeat = 0.123f;         // seconds of a contraction or an expansion
constexpr float heartbeatRestTime = 0.5f;           // seconds between beats
constexpr float frameStep = 1.0f / 60.0f;           // beats are counted in frames, not seconds
constexpr float restingZoom = 2.0f;
constexpr float hidingZoom = 2.7f;
constexpr float panSpeed = 500.0f;  // world units per second, out and back
constexpr float panArrival = 10.0f; // within this distance the camera has arrived
constexpr float panHoldTime = 2.0f; // seconds the camera looks before it comes back

} // namespace

// What the story asks the camera to look at. The pan starts when `request` is raised.
struct CameraPan {
    int32_t level;
    bool GameFlagBlock::*request;
    const char* target;             // object looked at
    const char* line;               // said by the player on arrival; null for none
    const char* cues[2];            // paused cues resumed on arrival
    bool GameFlagBlock::*onArrival; // raised on arrival; the camera holds while it stays set
    bool clearsRequest;             // the request is lowered once the camera is back
    bool GameFlagBlock::*onReturn;  // raised once the camera is back
};

namespace {

const CameraPan pans[] = {
    // Level 1: the lift at the far end of the deck is being forced open from inside.
    {1,
     &GameFlagBlock::pursuitStarted,
     "EventLiftBurstingOut",
     nullptr,
     {"ominousherald1", "liftdoorpryopen"},
     &GameFlagBlock::liftBurstPending,
     true,
     nullptr},
    {2, &GameFlagBlock::panToEnemy, "Echo", "That's a strange looking vase.", {}, nullptr, true, nullptr},
    {2,
     &GameFlagBlock::panToVent,
     "OutsideToVent",
     "I can escape through that vent.",
     {},
     nullptr,
     true,
     &GameFlagBlock::respawnedOutside},
    {3, &GameFlagBlock::finaleMusic, "FinalCamPos", nullptr, {}, nullptr, false, nullptr},
};
static_assert(sizeof(pans) / sizeof(pans[0]) == sizeof(LevelCamera::panAsked) / sizeof(bool),
              "one remembered request per pan");

// Moves `view` toward (x, y) at the pan's speed; true once within the arrival distance.
bool PanToward(Transform& view, float x, float y, float dt) {
    const vec2 next = MoveTowards(vec2{view.position.x, view.position.y}, vec2{x, y}, panSpeed, dt);
    view.SetPosition(next.x, next.y);
    return Length(vec2{x, y} - next) <= panArrival;
}

} // namespace

void LevelCamera::Start(std::shared_ptr<GameObject> cameraObject, std::shared_ptr<GameObject> playerObject) {
    camera = std::move(cameraObject);
    player = std::move(playerObject);
    heartbeatActive = false;
    heartbeatPhase = heartbeatHalfBeat;
    heartbeatStage = 0;
    heartbeatStageStarted = false;
    heartbeatRest = 0.0f;
    pan = nullptr;
    panStage = 0;
    panHold = 0.0f;
    for (bool& asked : panAsked) asked = false;

    std::shared_ptr<Transform> view = ComponentOf<Transform>(camera);
    std::shared_ptr<Transform> body = ComponentOf<Transform>(player);
    if (view && body) {
        view->SetPosition(body->position.x, body->position.y);
        GameFlags.cameraTargetY = view->position.y;
    }
}

void LevelCamera::Update(float dt, bool hiding, int32_t level) {
    Heartbeat(hiding);
    FollowAndZoom(dt, hiding);
    StartPans(level);
    StepPan(dt);
}

void LevelCamera::StartPans(int32_t level) {
    GameFlagBlock& flags = GameFlags;
    for (size_t i = 0; i < sizeof(pans) / sizeof(pans[0]); ++i) {
        const bool asked = pans[i].level == level && flags.*(pans[i].request);
        if (asked && !panAsked[i] && !pan && FindObjectByName(pans[i].target)) {
            pan = &pans[i];
            panStage = 0;
            panHold = 0.0f;
        }
        panAsked[i] = asked;
    }
}

void LevelCamera::StepPan(float dt) {
    std::shared_ptr<Transform> view = ComponentOf<Transform>(camera);
    std::shared_ptr<Transform> target = pan ? FindComponent<Transform>(pan->target) : nullptr;
    std::shared_ptr<Transform> body = ComponentOf<Transform>(player);
    if (!pan) return;
    if (!view || !target || !body) {
        pan = nullptr;
        return;
    }
    GameFlagBlock& flags = GameFlags;
    flags.inputLocked = true;

    if (panStage == 0) {
        if (!PanToward(*view, target->position.x, target->position.y, dt)) return;
        if (pan->line) Say("Dialogue", pan->line);
        if (Framework::audioSystem)
            for (const char* cue : pan->cues)
                if (cue) Framework::audioSystem->ResumeSound(cue);
        if (pan->onArrival) flags.*(pan->onArrival) = true;
        panStage = 1;
    } else if (panStage == 1) {
        view->SetPosition(target->position.x, target->position.y);
        panHold += dt;
        const bool stillShowing = pan->onArrival && flags.*(pan->onArrival);
        if (panHold >= panHoldTime && !stillShowing) panStage = 2;
    } else if (PanToward(*view, body->position.x, flags.cameraTargetY, dt)) {
        flags.inputLocked = false;
        if (pan->clearsRequest) flags.*(pan->request) = false;
        if (pan->onReturn) flags.*(pan->onReturn) = true;
        pan = nullptr;
    }
}

void LevelCamera::Heartbeat(bool hiding) {
    std::shared_ptr<Transform> view = ComponentOf<Transform>(camera);
    if (!view) return;

    if (hiding) {
        heartbeatActive = true;
        if (heartbeatStage == 0) {
            if (!heartbeatStageStarted) PlayEffect("heartbeat1");
            heartbeatStageStarted = true;
            view->SetScale(view->scale.x - heartbeatScaleStep, view->scale.y - heartbeatScaleStep);
            heartbeatPhase -= frameStep;
            if (heartbeatPhase < 0.0f) {
                heartbeatStage = 1;
                heartbeatStageStarted = false;
            }
        } else if (heartbeatStage == 1) {
            if (!heartbeatStageStarted) PlayEffect("heartbeat2");
            heartbeatStageStarted = true;
            view->SetScale(view->scale.x + heartbeatScaleStep, view->scale.y + heartbeatScaleStep);
            heartbeatPhase += frameStep;
            if (heartbeatPhase >= heartbeatHalfBeat) {
                heartbeatStage = 2;
                heartbeatRest = 0.0f;
            }
        } else {
            heartbeatRest += frameStep;
            if (heartbeatRest >= heartbeatRestTime) {
                heartbeatStage = 0;
                heartbeatStageStarted = false;
            }
        }
        return;
    }

    if (!heartbeatActive) return;
    heartbeatPhase = heartbeatHalfBeat;
    heartbeatStage = 0;
    heartbeatStageStarted = false;
    float x = view->scale.x, y = view->scale.y;
    while (x < restingZoom) x += heartbeatScaleStep;
    while (y < restingZoom) y += heartbeatScaleStep;
    view->SetScale(x, y);
    heartbeatActive = false;
}

void LevelCamera::FollowAndZoom(float dt, bool hiding) {
    std::shared_ptr<Transform> view = ComponentOf<Transform>(camera);
    std::shared_ptr<Transform> body = ComponentOf<Transform>(player);
    if (!view) return;
    const GameFlagBlock& flags = GameFlags;

    if (body && !pan) {
        if (flags.playerInLift)
            view->SetPosition(body->position.x, body->position.y + flags.cameraHeightOffset);
        else if (!flags.creatureHold)
            view->SetPosition(body->position.x, flags.cameraTargetY);
    }

    // Clamped at both ends: a step past the limit would leave the resting view a little off.
    if (hiding && view->scale.x < hidingZoom && view->scale.y < hidingZoom)
        view->SetScale(std::min(hidingZoom, view->scale.x + dt), std::min(hidingZoom, view->scale.y + dt));
    else if (!hiding && view->scale.x > restingZoom && view->scale.y > restingZoom)
        view->SetScale(std::max(restingZoom, view->scale.x - dt), std::max(restingZoom, view->scale.y - dt));
}
