#pragma once

#include <cstdint>
#include <memory>

#include "objects/Math.h"
#include "scenes/LevelAmbience.h"
#include "scenes/LevelCamera.h"
#include "scenes/LevelHints.h"
#include "scenes/LevelOpening.h"
#include "scenes/LevelPauseMenu.h"
#include "scenes/Scene.h"

class GameObject;
struct LevelRules;

// The playable level. One object serves all three levels; GameFlags.currentLevel picks the file.
// Around the gameplay components it runs the frame of a visit: the fade in from black (in level 1
// the storm opening), the pause menu, the camera and its pans, the hints, the background parallax,
// the sound of each room, the developer warp keys and the hand-over to the next level.
class Level : public Scene {
public:
    Level() : Scene(SceneLevel) { plansFrames = true; }

    // Reads the level file of GameFlags.currentLevel; any number but 1 to 3 leaves the scene empty.
    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    // Each object in draw order: its text, then its sprite, then its particles.
    void Draw(mat4 projection, mat4 view) override;
    // Silences every sound, then empties the object store.
    void Unload() override;

    // Objects looked up once per visit; any of them may be missing.
    std::shared_ptr<GameObject> cameraObject;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> fadeInAndOut;
    std::shared_ptr<GameObject> black;
    std::shared_ptr<GameObject> foregroundGroup;
    std::shared_ptr<GameObject> backgroundGroup;
    std::shared_ptr<GameObject> rooftopBackground;
    // What the parallax moves: "BackgroundGroup", or in level 3 "RooftopBackground" once the roof
    // is reached.
    std::shared_ptr<GameObject> scrolledBackground;

    LevelOpening opening;
    LevelCamera camera;
    LevelPauseMenu pauseMenu;
    LevelAmbience ambience;
    LevelHints hints;
    bool fadeInDone = false; // the fade from black (or the opening) has finished
    bool firstFrame = true;
    bool rooftopSwitched = false;

    vec3 rooftopBackgroundStart;

private:
    void LookUpObjects();
    void ScrollBackground();
    void FadeIn(float dt);
    // True once "Black" is fully opaque again (or missing).
    bool FadeOut(float dt);
    void WarpKeys();
    void MovePlayerTo(float x, float y);

    const LevelRules* rules = nullptr; // of the level loaded; empty for none
};
