#include <gtest/gtest.h>

#include <filesystem>

#include "engine/Engine.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "objects/GameObject.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/GameHarness.h"
#include "tests/support/Sandbox.h"

using namespace Framework;

namespace {

// Without a usable display the game must say why and stop, never hang or crash.
TEST(GameStartup, WithoutADisplayOrOpenGLTheGameExitsNonZeroWithOneLine) {
    if (!std::filesystem::exists(GameBinary())) GTEST_SKIP() << "game binary not built";
    const std::map<std::string, std::string> environments[] = {
        {{"SDL_VIDEODRIVER", "dummy"}},                                      // a video driver without OpenGL
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", ""}}, // no display at all
    };
    for (const auto& environment : environments) {
        Sandbox box;
        ChildProcess game(GameBinary(), (box.root() / "run").string(), environment);
        ASSERT_TRUE(game.WaitForExit(20)) << "the game hung";
        EXPECT_NE(game.exitCode(), 0);
        EXPECT_EQ(game.exitCode(), 1) << game.Errors();
        EXPECT_NE(game.Errors().find("Hollowtide: cannot"), std::string::npos) << game.Errors();
    }
}

// Command-line answers come before any window: with no display at all, a game that tried to open
// one would exit 1 instead.
TEST(GameStartup, BadOptionsExitTwoWithOneLineAndHelpExitsZero) {
    if (!std::filesystem::exists(GameBinary())) GTEST_SKIP() << "game binary not built";
    const std::map<std::string, std::string> noDisplay = {
        {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", ""}};
    const std::vector<std::string> badLines[] = {{"--bogus"}, {"--level", "4"}, {"--level"}};
    for (const auto& arguments : badLines) {
        Sandbox box;
        ChildProcess game(GameBinary(), (box.root() / "run").string(), noDisplay, arguments);
        ASSERT_TRUE(game.WaitForExit(20)) << "the game hung";
        EXPECT_EQ(game.exitCode(), 2) << arguments[0] << ": " << game.Errors();
        const std::string errors = game.Errors();
        EXPECT_TRUE(!errors.empty() && errors.find('\n') == errors.size() - 1) << errors;
        EXPECT_EQ(game.Output(), "");
    }
    Sandbox box;
    ChildProcess help(GameBinary(), (box.root() / "run").string(), noDisplay, {"--help"});
    ASSERT_TRUE(help.WaitForExit(20)) << "the game hung";
    EXPECT_EQ(help.exitCode(), 0) << help.Errors();
    EXPECT_NE(help.Output().find("--level N"), std::string::npos) << help.Output();
    EXPECT_NE(help.Output().find("--windowed"), std::string::npos) << help.Output();
    EXPECT_EQ(help.Errors(), "");
}

// `hollowtide --level 2 --windowed`: the game's own start-up, then one frame. The window stays at
// init.ini's size, and that frame already plays level 2, as a new game.
TEST(GameStartup, LevelAndWindowedOptionsOpenAWindowOnThatLevel) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    Sandbox box;
    for (const char* resource :
         {"SerializedKeys.txt", "KeyboardActionMap.txt", "icon.ico", "icon_small.ico", "Shaders", "Fonts"})
        box.CopyResource(resource);
    box.WriteResource("init.ini", "640 360 Hollowtide\n");
    box.WriteResource("Level/Level2.txt", "Level2\n\nLevelTwoMarker\n4\nnone\nEnd\n\n/Level2\n");
    GameFlags.hasHouseKeys = true; // left over from an earlier game

    ASSERT_TRUE(StartGame({2, true}));
    engine->frameTimer.elapsed = 1.0f / 60.0f;
    engine->Update();

    EXPECT_FALSE(engine->isFullscreen);
    EXPECT_FALSE(Platform::IsDesktopFullscreen(windowSystem->hwnd));
    const Platform::Rect window = Platform::GetWindowRect(windowSystem->hwnd);
    EXPECT_EQ(window.width, 640);
    EXPECT_EQ(window.height, 360);
    EXPECT_EQ(sceneSystem->currentScene, SceneLevel);
    EXPECT_EQ(GameFlags.currentLevel, 2);
    EXPECT_FALSE(GameFlags.hasHouseKeys);
    EXPECT_NE(FindObjectByName("LevelTwoMarker"), nullptr);

    engine->BroadcastMessage({Quit});
    engine->Shutdown();
    InteractableObjects.clear();
    GameObjectList.clear();
    NextObjectId = 0;
    GameFlags.Reset();
    windowSystem->startFullscreen = true;
    appRunning = true;
}

} // namespace
