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

// Plays the real game in a test: the nine engine systems boot on a copy of Resources/, frames run
// with a fixed dt, keys are injected through the platform layer, and the frame can be read back and
// compared with a golden image.
//
//     GameHarness game;                       // boots the engine (needs a display: Xvfb)
//     ASSERT_TRUE(game.IsRunning());
//     game.Press(Key::Enter);
//     game.RunFrames(120);
//     EXPECT_EQ(game.Scene(), 3);
//     EXPECT_TRUE(game.MatchesGolden("menu_after_enter"));
//
// Lifetime. The engine systems are process-wide singletons, so one GameHarness may exist at a time.
// Each one boots the engine and its destructor shuts it down again the way the game ends (a Quit
// broadcast, then shutdown in reverse order) and resets the globals a run leaves behind (the quit
// flags, pause, the key latches, the test input overrides, the editor camera). Any number of
// harnesses may therefore follow one another in one test process.
//
// Files. The game runs in a Sandbox: its Resources/ holds links to every file of the given folders
// (later folders win), plus an init.ini with the chosen window size. Nothing in the repository is
// written, except golden images on request and failure images in the output folder.
//
// Window. The game starts full screen as always; the harness then switches to a window of exactly
// width x height and rebuilds the projection for it, so one world unit is one pixel of the
// screenshot. With `fullScreen` set it leaves the start-up as the player sees it.
//
// Goldens. MatchesGolden compares with tests/golden/<name>.png. HOLLOWTIDE_UPDATE_GOLDENS=1 writes
// the golden instead. On a mismatch <name>.actual.png, <name>.expected.png and <name>.diff.png go
// to $HOLLOWTIDE_TEST_OUTPUT, or else next to ctest's log (<build>/Testing/Temporary/), and the
// failure message names them.
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
    bool booted = false;
    bool ended = false;
    int frames = 0;
};

// The repository's tests/ folder (test data and golden images live below it).
std::filesystem::path TestsFolder();
// True when some display is there to open a window on; GL tests skip without one.
bool DisplayAvailable();
