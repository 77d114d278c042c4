#pragma once

#include <functional>
#include <string>
#include <vector>

#include "scenes/Scene.h"

// A stand-in scene for tests. It keeps count of the protocol calls it receives, optionally loads a
// level file, runs its objects the way the game's scenes do (components initialised in list order,
// then updated each frame after the very first update) and draws every object's Sprite in list
// order. `script` runs at the start of each update, before the objects.
class ScriptedScene : public Scene {
public:
    explicit ScriptedScene(int32_t sceneId, std::string levelName = "", std::string levelPath = "");

    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    void Draw(mat4 projection, mat4 view) override;
    void Unload() override;

    std::function<void(ScriptedScene&, float dt)> script;

    int loads = 0;
    int initializes = 0;
    int updates = 0;
    int draws = 0;
    int unloads = 0;
    std::vector<float> updateTimes; // dt of every update, in order
    bool levelLoaded = false;

private:
    std::string levelName;
    std::string levelPath;
};
