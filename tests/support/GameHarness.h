#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "input/KeyTable.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "tests/support/Image.h"
#include "tests/support/Sandbox.h" // with <filesystem>, <string> and <cstdlib>

// Plays the real game in a test: the engine boots in a Sandbox whose Resources/ links every file of
// `resourceFolders` (later folders win) and holds an init.ini of the chosen size; unless
// `fullScreen`, it runs in a window of exactly width x height (one world unit, one pixel). Frames
// run with a fixed dt; keys are injected. One harness at a time: the engine systems are singletons.
struct GameOptions {
    int width = 1280;
    int height = 720;
    bool fullScreen = false;
    float dt = 1.0f / 60.0f;    // seconds per frame
    bool drawEveryFrame = true; // false: only the frames a test looks at are drawn
    std::vector<std::filesystem::path> resourceFolders = {RepositoryResources()};
};

class GameHarness {
public:
    explicit GameHarness(GameOptions options = {});
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // True after a successful boot until the game has ended (quit requested or window destroyed).
    bool IsRunning() const { return booted && !ended; }
    bool HasEnded() const { return ended; }
    Sandbox& Box() { return *box; }
    // One Engine::Update with the fixed dt, then the main loop's quit check.
    void RunFrame();
    void RunFrames(int count) {
        for (int i = 0; i < count && IsRunning(); ++i) RunFrame();
    }
    // Runs frames until `done()` is true, at most `limit` frames; true when it became true.
    template <class Predicate> bool RunUntil(Predicate done, int limit) {
        for (int i = 0; i < limit && IsRunning() && !done(); ++i) RunFrame();
        return done();
    }
    // Keys by the game's key index (Key::Enter, ...). Press holds the key for the next frame only;
    // each Press is latched as a press of its own, as a quick tap on a keyboard is.
    void Press(int key) {
        Hold(key);
        releaseAfterFrame.push_back(key);
    }
    void Hold(int key, bool down = true) {
        if (key >= 0 && key < KEY_COUNT) Platform::Testing::InjectKey(KeyTable[key].vk, down);
    }
    void Release(int key) { Hold(key, false); }
    int Scene() const { return Framework::sceneSystem->currentScene; }
    // Replaces the registry entry of a scene id, e.g. scene 0 before the first frame runs it.
    void ReplaceScene(int id, std::shared_ptr<::Scene> scene) {
        Framework::sceneSystem->scenes[id] = std::move(scene);
    }
    // Draws the current state once more, without updating, and reads it back (opaque).
    Image Screenshot();
    // Draws the current state `frames` times without running the game.
    void DrawFrames(int frames);
    // Compares the screenshot with tests/golden/<name>.png (HOLLOWTIDE_UPDATE_GOLDENS=1 rewrites it);
    // a mismatch writes <name>.actual.png and .diff.png to $HOLLOWTIDE_TEST_OUTPUT or Testing/Temporary.
    testing::AssertionResult MatchesGolden(const std::string& name);

private:
    GameOptions options;
    std::unique_ptr<Sandbox> box;
    std::vector<int> releaseAfterFrame;
    bool booted = false, ended = false; // no box: a second harness, which never boots
};

// Puts back every run-wide global a run may change (quit flags, scenes, game flags, menu, objects,
// mute, debug lines, editor camera, keys) and seeds the random numbers with a fixed value.
void ResetRunGlobals();
inline std::filesystem::path TestsFolder() {
    return std::filesystem::path(HOLLOWTIDE_SOURCE_DIR) / "tests";
}
// GL tests skip without a display.
inline bool DisplayAvailable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}
