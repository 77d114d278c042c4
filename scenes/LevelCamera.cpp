#include "scenes/LevelCamera.h"

#include <algorithm>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

constexpr float heartbeatScaleStep = 0.0043631438f; // camera zoom change per frame of a beat
constexpr float heartbeatHalfBeat = 0.123f;         // seconds of a contraction or an expansion
constexpr float heartbeatRestTime = 0.5f;           // seconds between beats
constexpr float frameStep = 1.0f / 60.0f;           // beats are counted in frames, not seconds
constexpr float restingZoom = 2.0f;
constexpr float hidingZoom = 2.7f;

} // namespace

void LevelCamera::Start(std::shared_ptr<GameObject> cameraObject, std::shared_ptr<GameObject> playerObject) {
    camera = std::move(cameraObject);
    player = std::move(playerObject);
    heartbeatActive = false;
    heartbeatPhase = heartbeatHalfBeat;
    heartbeatStage = 0;
    heartbeatStageStarted = false;
    heartbeatRest = 0.0f;

    std::shared_ptr<Transform> view = ComponentOf<Transform>(camera);
    std::shared_ptr<Transform> body = ComponentOf<Transform>(player);
    if (view && body) {
        view->SetPosition(body->position.x, body->position.y);
        GameFlags.cameraTargetY = view->position.y;
    }
}

void LevelCamera::Update(float dt, bool hiding) {
    Heartbeat(hiding);
    FollowAndZoom(dt, hiding);
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

    if (body) {
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
