#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "input/KeyTable.h"
#include "tests/support/Image.h"
#include "tests/support/Sandbox.h"

class Scene;

// Plays the real game in a test: the engine systems boot on a copy of Resources/, frames run with a
// fixed dt, keys are injected through the platform layer, and the frame can be read back and compared
// with a golden image (tests/golden/<name>.png; HOLLOWTIDE_UPDATE_GOLDENS=1 rewrites it).
//
//     GameHarness game;                       // needs a display: Xvfb
//     ASSERT_TRUE(game.IsRunning());
//     game.Press(Key::Enter);
//     game.RunFrames(120);
//     EXPECT_TRUE(game.MatchesGolden("menu_after_enter"));
//
// The engine systems are process-wide singletons: one harness may live at a time (a second one fails
// its test and does not boot). Booting and destruction both call ResetRunGlobals(), so harnesses may
// follow one another in one process. The game runs in a Sandbox whose Resources/ links every file of
// `resourceFolders` (later folders win) and holds an init.ini of the chosen size. Unless `fullScreen`
// is set, the harness then switches to a window of exactly width x height, so one world unit is one
// pixel of the screenshot. On a golden mismatch <name>.actual.png and <name>.diff.png are written to
// $HOLLOWTIDE_TEST_OUTPUT, or else <build>/Testing/Temporary/.
struct GameOptions {
    int width = 1280;
    int height = 720;
    bool fullScreen = false;
    float dt = 1.0f / 60.0f; // seconds per frame
    // Folders mirrored into the game's Resources/, later ones replacing files of earlier ones.
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
    int FramesRun() const { return frames; }

    // One Engine::Update with the fixed dt, then the main loop's quit check.
    void RunFrame();
    void RunFrames(int count);
    // Runs frames until `done()` is true or `limit` frames have run; true when it became true.
    template <class Predicate> bool RunUntil(Predicate done, int limit) {
        for (int i = 0; i < limit && IsRunning(); ++i) {
            if (done()) return true;
            RunFrame();
        }
        return done();
    }

    // Keys by the game's key index (Key::Enter, Key::Letter('E'), ...). Press holds the key for the
    // next frame only; pressing the same key in two frames in a row reads as one press, as it
    // would on a keyboard, so leave a frame between repeated presses.
    void Press(int key);
    void Hold(int key);
    void Release(int key);
    void ReleaseAll();

    int Scene() const;
    // Replaces the registry entry of a scene id, e.g. scene 0 before the first frame runs it.
    void ReplaceScene(int id, std::shared_ptr<::Scene> scene);

    // Draws the current state once more, without updating anything, and reads it back (opaque).
    // The debug GUI drawn after the scene is not part of it.
    Image Screenshot();
    testing::AssertionResult MatchesGolden(const std::string& name, const ImageTolerance& tolerance = {});

private:
    void Boot();
    void LeaveFullScreen();
    void MirrorResources();

    GameOptions options;
    std::unique_ptr<Sandbox> box;
    std::vector<int> releaseAfterFrame;
    bool owner = false; // false for a second harness, which never boots
    bool booted = false;
    bool ended = false;
    int frames = 0;
};

// Puts back every run-wide global a test or a run may leave changed: quit flags, pause and scene ids,
// the game flags, the menu state, the object store, mute, debug lines, the editor camera and its
// outlines, key latches, latched presses and injected keys. Seeds the game's random numbers with a
// fixed value, so runs repeat.
void ResetRunGlobals();
// The repository's tests/ folder (test data and golden images live below it).
std::filesystem::path TestsFolder();
// True when some display is there to open a window on; GL tests skip without one.
bool DisplayAvailable();
