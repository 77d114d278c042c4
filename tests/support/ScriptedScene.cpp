#include "tests/support/ScriptedScene.h"

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"

ScriptedScene::ScriptedScene(int32_t sceneId, std::string name, std::string path)
    : Scene(sceneId), levelName(std::move(name)), levelPath(std::move(path)) {}

void ScriptedScene::Load() {
    ++loads;
    if (!levelPath.empty()) levelLoaded = LoadLevel(levelName, levelPath);
}

void ScriptedScene::Initialize() {
    ++initializes;
    InitializeObjects();
}

void ScriptedScene::Update(float dt) {
    ++updates;
    updateTimes.push_back(dt);
    if (script) script(*this, dt);
    UpdateObjects(dt);
}

void ScriptedScene::Draw(mat4 projection, mat4 view) {
    ++draws;
    for (const GameObjectRef& object : GameObjectList)
        if (auto sprite = object->GetComponent<Sprite>()) sprite->Draw(projection, view);
}

void ScriptedScene::Unload() {
    ++unloads;
    Scene::Unload();
}
