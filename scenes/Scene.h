#pragma once

#include <cstdint>

#include "objects/Math.h"

// Scene ids. 5 re-initialises the previous scene, 6 ends the game; 7 means "no scene yet".
enum SceneId : int32_t {
    SceneSplash = 0,
    SceneMenu = 1,
    SceneLevel = 2,
    SceneLoading = 3,
    SceneEditor = 4,
    SceneRestart = 5,
    SceneQuit = 6,
    SceneNone = 7,
};

// One screen of the game. The scene system keeps one instance of each for the whole run and takes
// it through any number of Load -> Initialize -> Update... -> Unload visits, so state that must be
// fresh per visit belongs in Initialize, not in the constructor.
class Scene {
public:
    explicit Scene(int32_t sceneId) : id(sceneId) {}
    virtual ~Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Brings the scene's objects into the object store (usually from its level file).
    virtual void Load() {}
    virtual void Initialize() {}
    // dt: seconds, 0 while the game is paused.
    virtual void Update(float dt) { (void)dt; }
    virtual void Draw(mat4 projection, mat4 view) {
        (void)projection;
        (void)view;
    }
    // Empties the object store and restarts object ids at 0.
    virtual void Unload();

    // Set at construction only: the first Update of the scene object runs no component updates.
    bool skipObjectUpdates = true;
    // Its Draw asks the graphics system for the frame's plan before drawing anything, so the frame's
    // depth buffer is cleared only when the plan needs the depth test.
    bool plansFrames = false;
    int32_t id;

protected:
    // Each object's components in order, then its parent link when it names one.
    void InitializeObjects();
    // Every component of every object in list order, unless this is the scene's very first update.
    void UpdateObjects(float dt);
    // Draws the sprites of the object list that the frame's draw plan keeps, in list order.
    static void DrawPlannedSprites(mat4 projection, mat4 view);
};
