#include "engine/Engine.h"

#include <ctime>

#include "audio/AudioSystem.h"
#include "engine/LoggingSystem.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "graphics/Camera.h"
#include "graphics/FontRenderer.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ShapeTool.h"
#include "graphics/TextureSystem.h"
#include "input/InputSystem.h"
#include "physics/PhysicSystem.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "tools/DebugSystem.h"

namespace Framework {

std::shared_ptr<Engine> engine = std::make_shared<Engine>();
bool appRunning = true;

void Engine::AddSystems() {
    systems.reserve(10);
    systems.push_back(loggingSystem);
    systems.push_back(windowSystem);
    systems.push_back(graphicsSystem);
    systems.push_back(physicSystem);
    systems.push_back(textureSystem);
    systems.push_back(inputSystem);
    systems.push_back(audioSystem);
    systems.push_back(sceneSystem);
    debugSystem->windowHandle = &windowSystem->hwnd;
    systems.push_back(debugSystem);
}

bool Engine::Initialize() {
    SeedRandom(static_cast<unsigned int>(std::time(nullptr)));
    isFullscreen = false;
    for (size_t i = 0; i < systems.size(); ++i) {
        systems[i]->Initialize();
        if (systems[i]->InitializeFailed()) {
            for (size_t j = i + 1; j-- > 0;) systems[j]->Shutdown();
            systems.clear();
            return false;
        }
    }
    fontRenderer->Init();
    shapeTool->Init();
    return true;
}

void Engine::TickFrameTimer() {
    frameTimer.current = SteadyNowNanoseconds();
    frameTimer.elapsed = static_cast<float>(static_cast<double>(frameTimer.current - frameTimer.last)) / 1e9f;
    frameTimer.last = frameTimer.current;
}

void Engine::Update() {
    const float dt = frameTimer.elapsed;
    for (auto& system : systems) system->Update(dt);

    if (sceneSystem->currentScene == 2) audioSystem->UpdatePositionalVolumes();

    camera->RebuildMatrix();

    // Full-screen keys share the one-shot latch with the rest of the game: holding a key switches once.
    if (inputSystem->IsKeyTriggered(Key::F11)) windowSystem->SetFullscreen(false);
    if (inputSystem->IsKeyTriggered(Key::F10)) windowSystem->SetFullscreen(true);
    // F3 shows and hides the performance window; in the editor F3 belongs to the editor.
    if (sceneSystem->currentScene != SceneEditor && inputSystem->IsKeyTriggered(Key::F1 + 2))
        BroadcastMessage({debugSystem->showPerformance ? HidePerformance : ShowPerformance});

    if (graphicsSystem->drawFrames) Platform::SwapWindow(windowSystem->hwnd);
}

void Engine::BroadcastMessage(const SystemMessage& message) {
    for (auto& system : systems) system->HandleMessage(message);
}

void Engine::Shutdown() {
    for (auto it = systems.rbegin(); it != systems.rend(); ++it) (*it)->Shutdown();
    systems.clear();
}

void RunMainLoop(Engine& game) {
    // The first frame's dt spans all of start-up, from the engine's construction on.
    game.frameTimer.last = game.frameTimer.current;
    while (appRunning) {
        game.TickFrameTimer();
        game.Update();
        if (windowSystem->quitRequested) {
            game.BroadcastMessage({Quit});
            break;
        }
    }
    game.Shutdown();
}

bool StartGame(const StartOptions& start) {
    windowSystem->startFullscreen = !start.windowed;
    engine->AddSystems();
    if (!engine->Initialize()) return false;
    if (start.editor)
        sceneSystem->StartInEditor(start.editorLevel);
    else if (start.level != 0)
        sceneSystem->StartAtLevel(start.level);
    return true;
}

int RunGame(const StartOptions& start) {
    if (!StartGame(start)) return 1;
    RunMainLoop(*engine);
    return engine->exitCode;
}

} // namespace Framework
