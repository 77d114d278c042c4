#pragma once

#include <cstdint>
#include <memory>

class GameObject;
struct CameraPan;

// The level's view of the player: it follows the player's x at the height the rooms set
// (GameFlags.cameraTargetY), rides along in the lift, closes in while the player hides and beats
// with the heartbeat there, and returns to the resting zoom when they come out.
class LevelCamera {
public:
    // Takes the "Camera" and "Player" objects (either may be missing), resets the heartbeat and
    // places the camera on the player.
    void Start(std::shared_ptr<GameObject> camera, std::shared_ptr<GameObject> player);
    // hiding: the player hides and the building still stands. dt: seconds. level: which level's
    // pans may run.
    void Update(float dt, bool hiding, int32_t level);
    bool Panning() const { return pan != nullptr; }

    bool heartbeatActive = false; // the pulse ran and must be undone
    // A beat: a contraction, an expansion and a rest, stepped per frame.
    float heartbeatPhase = 0.123f; // seconds left of the current beat half
    int32_t heartbeatStage = 0;    // 0 contraction, 1 expansion, 2 rest
    bool heartbeatStageStarted = false;
    float heartbeatRest = 0.0f; // seconds

    // A pan: the story asks the camera to look at something, input waits while it travels there,
    // holds and comes back.
    const CameraPan* pan = nullptr;
    int32_t panStage = 0;  // 0 out, 1 holding, 2 back
    float panHold = 0.0f;  // seconds held at the target
    bool panAsked[4] = {}; // each pan's request flag as it was last frame: a pan starts when it is raised

private:
    void Heartbeat(bool hiding);
    void FollowAndZoom(float dt, bool hiding);
    void StartPans(int32_t level);
    void StepPan(float dt);

    std::shared_ptr<GameObject> camera;
    std::shared_ptr<GameObject> player;
};
