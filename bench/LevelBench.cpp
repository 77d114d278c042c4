// Level 1 at 1920 x 1080: how long the level takes to load, what each engine system costs per frame
// over a 600-frame scripted walk (skip the opening, walk, run, jump now and then), and the process's
// peak memory. Run under a display, e.g.
//     xvfb-run -a -s "-screen 0 1920x1080x24" ./bench/level_bench
// The figures are printed; nothing is asserted.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "audio/AudioSystem.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Camera.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "bench/BenchTiming.h"
#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

constexpr int walkFrames = 600;
constexpr float dt = 1.0f / 60.0f;

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // kilobytes on Linux
}

// The keys of the walk at a given frame: Escape first, then right all the way, a run from frame 60
// and a jump every two seconds.
void ScriptKeys(GameHarness& game, int frame) {
    auto set = [&](int key, bool down) { down ? game.Hold(key) : game.Release(key); };
    set(Key::Escape, frame == 0);
    set(Key::Letter('D'), frame >= 2);
    set(Key::LeftShift, frame == 60);
    set(Key::Space, frame > 0 && frame % 120 == 0);
}

} // namespace

int main() {
    if (!DisplayAvailable()) {
        std::printf("level_bench: no display (run it under xvfb-run)\n");
        return 0;
    }
    GameFlags.Reset();
    GameOptions options;
    options.width = 1920;
    options.height = 1080;
    options.dt = dt;
    GameHarness game(options);
    if (!game.IsRunning()) {
        std::printf("level_bench: the engine did not start\n");
        return 1;
    }
    SeedRandom(1);
    const long peakAtBoot = PeakKilobytes();

    // Reading the file alone, then the scene's Load and Initialize as a visit does them.
    Clock::time_point t0 = Clock::now();
    const bool whole = LoadLevel("Level1", "../Resources/Level/Level1.txt");
    const double parseMs = Milliseconds(Clock::now() - t0);
    const size_t objectCount = GameObjectList.size();
    InteractableObjects.clear();
    GameObjectList.clear();
    NextObjectId = 0;

    std::shared_ptr<Scene> level = sceneSystem->scenes.at(SceneLevel);
    t0 = Clock::now();
    level->Load();
    const double loadMs = Milliseconds(Clock::now() - t0);
    t0 = Clock::now();
    level->Initialize();
    const double initializeMs = Milliseconds(Clock::now() - t0);
    // The level is now the scene the system runs, as after its entering pass.
    sceneSystem->currentScene = sceneSystem->previousScene = sceneSystem->nextScene = SceneLevel;

    // Each frame as Engine::Update runs it, with every system's Update timed on its own.
    const size_t systemCount = engine->systems.size();
    std::vector<double> updateMs(systemCount, 0.0), timerMs(systemCount, 0.0), worstMs(systemCount, 0.0);
    double frameMs = 0, worstFrameMs = 0, tailMs = 0;
    for (int frame = 0; frame < walkFrames; ++frame) {
        ScriptKeys(game, frame);
        const Clock::time_point frameStart = Clock::now();
        for (size_t i = 0; i < systemCount; ++i) {
            const Clock::time_point start = Clock::now();
            engine->systems[i]->Update(dt);
            const double ms = Milliseconds(Clock::now() - start);
            updateMs[i] += ms;
            worstMs[i] = std::max(worstMs[i], ms);
            timerMs[i] += engine->systems[i]->timer.elapsed * 1000.0;
        }
        const Clock::time_point tailStart = Clock::now();
        audioSystem->UpdatePositionalVolumes();
        camera->RebuildMatrix();
        Platform::SwapWindow(windowSystem->hwnd);
        tailMs += Milliseconds(Clock::now() - tailStart);
        const double ms = Milliseconds(Clock::now() - frameStart);
        frameMs += ms;
        worstFrameMs = std::max(worstFrameMs, ms);
    }
    for (int key : {Key::Escape, Key::Letter('D'), Key::LeftShift, Key::Space}) game.Release(key);

    GameObjectRef player = FindObjectByName("Player");
    const float playerX = player ? player->GetComponent<Transform>()->position.x : 0.0f;

    std::printf("\nLevel 1, 1920 x 1080, %d frames of scripted walk (player ended at x %.0f)\n", walkFrames,
                playerX);
    std::printf("  first read          %8.2f ms  (%zu objects, %s; decodes the level's textures)\n", parseMs,
                objectCount, whole ? "whole file" : "stopped early");
    std::printf("  scene Load          %8.2f ms  (the same file again, textures cached)\n", loadMs);
    std::printf("  scene Initialize    %8.2f ms\n", initializeMs);
    std::printf("\n  %-18s %14s %12s %16s\n", "system", "update ms/frame", "worst ms", "own timer ms/frame");
    for (size_t i = 0; i < systemCount; ++i)
        std::printf("  %-18s %14.3f %12.3f %16.3f\n", engine->systems[i]->GetName().c_str(),
                    updateMs[i] / walkFrames, worstMs[i], timerMs[i] / walkFrames);
    // Software GL queues the frame's drawing and does the work when the buffers swap.
    std::printf("  %-18s %14.3f  (the frame is drawn here)\n", "sound, camera, swap", tailMs / walkFrames);
    std::printf("  %-18s %14.3f %12.3f\n", "whole frame", frameMs / walkFrames, worstFrameMs);
    std::printf("\n  peak memory         %8ld KB after start-up, %ld KB after the walk\n", peakAtBoot,
                PeakKilobytes());
    std::printf("  (a system's own timer spans from its previous update's end to this one's, as the\n"
                "   performance window shows it; the update column is the time inside its Update)\n");
    return 0;
}
