#pragma once

#include <functional>
#include <string>
#include <vector>

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "scenes/Scene.h"

// A stand-in scene: counts the protocol calls, optionally loads a level, runs its objects as the
// game's scenes do and draws their Sprites in list order; `script` runs before the objects.
class ScriptedScene : public Scene {
public:
    explicit ScriptedScene(int32_t sceneId, std::string levelName = "", std::string levelPath = "")
        : Scene(sceneId), name(std::move(levelName)), path(std::move(levelPath)) {}

    void Load() override {
        ++loads;
        if (!path.empty()) levelLoaded = LoadLevel(name, path);
    }
    void Initialize() override {
        ++initializes;
        InitializeObjects();
    }
    void Update(float dt) override {
        ++updates;
        updateTimes.push_back(dt);
        if (script) script(*this, dt);
        UpdateObjects(dt);
    }
    void Draw(mat4 projection, mat4 view) override {
        ++draws;
        for (const GameObjectRef& object : GameObjectList)
            if (auto sprite = object->GetComponent<Sprite>()) sprite->Draw(projection, view);
    }
    void Unload() override {
        ++unloads;
        Scene::Unload();
    }

    std::function<void(ScriptedScene&, float dt)> script;
    int loads = 0, initializes = 0, updates = 0, draws = 0, unloads = 0;
    std::vector<float> updateTimes; // dt of every update, in order
    bool levelLoaded = false;

private:
    std::string name, path;
};
