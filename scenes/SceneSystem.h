#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"
#include "scenes/Scene.h"

class GameObject;

namespace Framework {

// Owns one instance of every scene and runs exactly one of them. Other code requests a switch by
// writing `nextScene` and pauses the game by writing `isPaused`. A switch takes two passes: the old
// scene unloads at the end of the pass that requested it, the new one loads, initialises and
// updates in the next pass.
class SceneSystem : public System {
public:
    std::map<int32_t, std::shared_ptr<Scene>> scenes;
    int32_t currentScene = SceneSplash;
    int32_t nextScene = SceneNone;
    int32_t previousScene = SceneNone;
    bool isPaused = false; // the current scene still updates (with dt 0), sorts and draws
    float frameDt = 0.0f;  // this frame's real time in seconds, also while paused (for pause menus)

    // Quit: nextScene becomes 6 and the current scene unloads.
    void HandleMessage(const SystemMessage& message) override;
    // Builds the registry (a fresh scene object per id), starts at the splash and sets the fixed
    // OpenGL state.
    void Initialize() override;
    void Update(float dt) override;
    std::string GetName() override { return "Scene System"; }
    void Shutdown() override {}

    // Draws the current scene through the graphics system (the frame's clear and view included).
    void RenderFrame();

    // Makes a new game in `level` (1 to 3) the first scene instead of the splash, as the menu's
    // Play does for level 1 (without the loading screen). Call after Initialize.
    void StartAtLevel(int level);
    // Makes the editor the first scene, editing `levelName` from the level folder. Call after
    // Initialize.
    void StartInEditor(const std::string& levelName);

    // The scene registered under currentScene; empty when there is none.
    std::shared_ptr<Scene> GetCurrentScene() const;
};

extern std::shared_ptr<SceneSystem> sceneSystem;

} // namespace Framework

// Asks for a switch to `scene` at the end of the current pass; nothing without a scene system.
void RequestSceneChange(int32_t scene);
// Ends the game after this frame: the quit scene and the window system's quit request.
void RequestQuit();

// Reorders objects by the z of their Transform position, smallest first (drawn first, so behind).
// Equal z keeps list order. An object without a Transform, or with a z that is not a number, sorts
// as z 0.
void SortByDrawDepth(std::vector<std::shared_ptr<GameObject>>& objects);
