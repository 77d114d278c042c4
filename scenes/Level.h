#pragma once

#include <cstdint>
#include <memory>

#include "objects/Math.h"
#include "scenes/Scene.h"

class GameObject;

// The playable level. One object serves all three levels; GameFlags.currentLevel picks the file.
// Around the gameplay components it runs the frame of a visit: the fade in from black (in level 1
// the scripted opening), the camera that follows the player and closes in while they hide, the
// heartbeat, the background parallax, the developer warp keys and the hand-over to the next level.
class Level : public Scene {
public:
    Level() : Scene(SceneLevel) {}

    // Reads "Level1".."Level3" by GameFlags.currentLevel; any other number leaves the scene empty.
    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    // Each object in draw order: its text, then its sprite, then its particles.
    void Draw(mat4 projection, mat4 view) override;
    // Silences every sound, then empties the object store.
    void Unload() override;

    // Objects looked up once per visit; any of them may be missing.
    std::shared_ptr<GameObject> cameraObject;
    std::shared_ptr<GameObject> pauseMenuHUD;
    std::shared_ptr<GameObject> resumeButtonHUD;
    std::shared_ptr<GameObject> howToPlayButtonHUD;
    std::shared_ptr<GameObject> quitGameButtonHUD;
    std::shared_ptr<GameObject> howToPlayHUD;
    std::shared_ptr<GameObject> quitConfirmationHUD;
    std::shared_ptr<GameObject> yesButtonHUD;
    std::shared_ptr<GameObject> noButtonHUD;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> fadeInAndOut;
    std::shared_ptr<GameObject> black;
    std::shared_ptr<GameObject> outsideLightingFloor;
    std::shared_ptr<GameObject> outsideAirconUnit;
    std::shared_ptr<GameObject> bedroomLightningOverlay;
    std::shared_ptr<GameObject> dialogueInit;
    std::shared_ptr<GameObject> motherBedroomFloor;
    std::shared_ptr<GameObject> corridorBackground;
    std::shared_ptr<GameObject> corridorBackground1;
    std::shared_ptr<GameObject> backgroundGroup;
    std::shared_ptr<GameObject> foregroundGroup;
    std::shared_ptr<GameObject> eventLiftBurstingOut;
    std::shared_ptr<GameObject> cupboard;
    std::shared_ptr<GameObject> echo;
    std::shared_ptr<GameObject> vents;
    std::shared_ptr<GameObject> elevatorShaftOverlay;
    std::shared_ptr<GameObject> rooftopBackground;
    // What the parallax moves: "BackgroundGroup", or in level 3 "RooftopBackground" once the roof
    // is reached.
    std::shared_ptr<GameObject> scrolledBackground;

    bool hiding = false;          // the player hides and the building still stands
    bool heartbeatActive = false; // the camera pulse ran and must be undone
    bool fadeInDone = false;      // the opening fade has finished
    bool firstFrame = true;
    float introTimer = 0.0f; // seconds into the level-1 opening
    float hintTimer = 0.0f;  // seconds
    int32_t flashCount = 0;
    bool rooftopSwitched = false;

    vec3 pauseMenuHomePosition;
    vec3 pauseMenuHomeScale;
    vec3 rooftopBackgroundStart;

    // The heartbeat: a contraction, an expansion and a rest, stepped per frame.
    float heartbeatPhase = 0.123f; // seconds left of the current beat half
    int32_t heartbeatStage = 0;    // 0 contraction, 1 expansion, 2 rest
    bool heartbeatStageStarted = false;
    float heartbeatRest = 0.0f; // seconds

private:
    void LookUpObjects();
    void ScrollBackground();
    void Opening(float dt);
    void FadeIn(float dt);
    // True once "Black" is fully opaque again (or missing).
    bool FadeOut(float dt);
    void FinishLevel(int32_t level);
    void Heartbeat();
    void FollowAndZoom(float dt);
    void WarpKeys(int32_t level);
    void MovePlayerTo(float x, float y);
};
