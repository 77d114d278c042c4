#include "scenes/SceneSystem.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ShapeTool.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/Level.h"
#include "scenes/Loading.h"
#include "scenes/Menu.h"
#include "scenes/Splash.h"
#include "input/InputSystem.h"
#include "tools/DebugSystem.h"
#include "tools/Editor.h"

namespace Framework {

std::shared_ptr<SceneSystem> sceneSystem = std::make_shared<SceneSystem>();

void SceneSystem::HandleMessage(const SystemMessage& message) {
    if (message.id != Quit) return;
    nextScene = SceneQuit;
    if (std::shared_ptr<Scene> scene = GetCurrentScene()) scene->Unload();
}

void SceneSystem::Initialize() {
    scenes.clear();
    scenes[SceneSplash] = std::make_shared<Splash>();
    scenes[SceneMenu] = std::make_shared<Menu>();
    scenes[SceneLoading] = std::make_shared<Loading>();
    scenes[SceneLevel] = std::make_shared<Level>();
    scenes[SceneEditor] = std::make_shared<Editor>();
    scenes[SceneRestart] = std::make_shared<Scene>(SceneRestart);
    scenes[SceneQuit] = std::make_shared<Scene>(SceneQuit);
    currentScene = SceneSplash;
    nextScene = SceneNone;
    previousScene = SceneNone;

    if (graphicsSystem->renderContext) {
        glShadeModel(GL_SMOOTH);
        glClearDepth(1.0);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    }
}

void SceneSystem::StartInEditor(const std::string& levelName) {
    if (auto editor = std::dynamic_pointer_cast<Editor>(scenes[SceneEditor])) editor->levelName = levelName;
    currentScene = SceneEditor;
    nextScene = SceneNone;
    previousScene = SceneNone;
}

void SceneSystem::StartAtLevel(int level) {
    GameFlags.Reset();
    GameFlags.currentLevel = level;
    currentScene = SceneLevel;
    nextScene = SceneNone;
    previousScene = SceneNone;
}

std::shared_ptr<Scene> SceneSystem::GetCurrentScene() const {
    auto found = scenes.find(currentScene);
    return found == scenes.end() ? nullptr : found->second;
}

void SceneSystem::RenderFrame() {
    std::shared_ptr<Scene> scene = GetCurrentScene();
    const bool editor = currentScene == SceneEditor;
    graphicsSystem->RenderFrame(editor, [&scene, editor](mat4 projection, mat4 view) {
        if (scene) scene->Draw(projection, view);
        // Outlines queued this frame (the editor draws its own); the queues never outlive a frame.
        if (!editor) {
            shapeTool->DrawBatches();
            shapeTool->DrawUniformBatches();
        }
        shapeTool->Clear();
    }, scene && scene->plansFrames);
}

void SceneSystem::Update(float dt) {
    timer.Start();
    // The scene and the inspectors build their windows between here and the debug system's draw.
    debugSystem->BeginGuiFrame(dt, inputSystem->wheel);
    inputSystem->wheel = 0.0f;
    std::shared_ptr<Scene> scene = GetCurrentScene();
    if (currentScene != SceneQuit && scene) {
        if (currentScene != previousScene) {
            if (currentScene == SceneRestart) {
                currentScene = previousScene;
                scene = GetCurrentScene();
            } else {
                scene->Load();
                previousScene = currentScene;
            }
            nextScene = currentScene;
            if (scene) scene->Initialize();
        }

        // A request for an id with no scene behind it is dropped: the current scene keeps running.
        if (scenes.find(nextScene) == scenes.end()) nextScene = currentScene;
        if (scene && currentScene == nextScene) {
            frameDt = dt;
            scene->Update(isPaused ? 0.0f : dt);
            SortByDrawDepth(GameObjectList);
            RenderFrame();
        }

        if (scenes.find(nextScene) == scenes.end()) nextScene = currentScene;
        if (scene && currentScene != nextScene && nextScene != SceneRestart) scene->Unload();

        previousScene = currentScene;
        currentScene = nextScene;
    }
    timer.Stop();
}

} // namespace Framework

void RequestSceneChange(int32_t scene) {
    if (Framework::sceneSystem) Framework::sceneSystem->nextScene = scene;
}

void RequestQuit() {
    RequestSceneChange(SceneQuit);
    if (Framework::windowSystem) Framework::windowSystem->quitRequested = true;
}

void SortByDrawDepth(std::vector<std::shared_ptr<GameObject>>& objects) {
    // Keys are read once per object, not once per comparison.
    std::vector<std::pair<float, std::shared_ptr<GameObject>>> keyed;
    keyed.reserve(objects.size());
    for (auto& object : objects) {
        std::shared_ptr<Transform> transform = ComponentOf<Transform>(object);
        float z = transform ? transform->position.z : 0.0f;
        if (std::isnan(z)) z = 0.0f;
        keyed.emplace_back(z, std::move(object));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < objects.size(); ++i) objects[i] = std::move(keyed[i].second);
}
