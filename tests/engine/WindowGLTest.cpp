#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "engine/Engine.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

// A real game window (800 x 600 when windowed) with its OpenGL context and no scripted input.
class RealWindowTest : public ::testing::Test {
protected:
    Sandbox box;

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        box.WriteResource("init.ini", "800 600 Hollowtide\n");
        engine->isFullscreen = false;
        windowSystem->Initialize();
        ASSERT_NE(windowSystem->hwnd, nullptr);
        graphicsSystem->Initialize();
        ASSERT_NE(graphicsSystem->renderContext, nullptr);
        engine->systems = {windowSystem, inputSystem};
        Settle();
    }
    void TearDown() override {
        for (auto& entry : KeyTable) entry = {entry.vk, true, false};
        engine->systems.clear();
        if (windowSystem->hwnd) graphicsSystem->Shutdown(), windowSystem->Shutdown();
        engine->isFullscreen = false;
        appRunning = true;
    }
    // Lets the window manager answer: a few frames of message pumping.
    void Settle() {
        for (int i = 0; i < 25; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(20)))
            windowSystem->Update(0.016f);
    }
};

// Real X key events, down and up again before the next frame pumps them: only a press latched
// from the event stream sees such a tap.
TEST_F(RealWindowTest, TwelveMillisecondTapsOfF11AndF10SwitchWindowedAndBack) {
    if (std::system("command -v xdotool > /dev/null") != 0) GTEST_SKIP() << "xdotool is not installed";
    ASSERT_EQ(Platform::GetActiveWindow(), windowSystem->hwnd) << "the game window has no keyboard focus";
    for (const char* key : {"F11", "F10"}) {
        const bool wasFullscreen = engine->isFullscreen;
        const std::string tap =
            std::string("xdotool keydown ") + key + " && sleep 0.012 && xdotool keyup " + key;
        ASSERT_EQ(std::system(tap.c_str()), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        engine->Update();
        EXPECT_NE(engine->isFullscreen, wasFullscreen) << key;
        EXPECT_EQ(Platform::IsCursorVisible(), !engine->isFullscreen) << key;
        Settle();
    }
    EXPECT_TRUE(Platform::IsDesktopFullscreen(windowSystem->hwnd));
}

TEST(GameProcess, ClosingTheGameExitsCleanlyAndLeavesALogFile) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    if (!std::filesystem::exists(GameBinary())) GTEST_SKIP() << "game binary not built";
    Sandbox box;
    for (const char* file : {"SerializedKeys.txt", "KeyboardActionMap.txt", "icon_small.ico"})
        box.CopyResource(file);
    // The big icon is missing: a message, and the game runs on.
    ChildProcess game(GameBinary(), (box.root() / "run").string(), {{"HOLLOWTIDE_NO_MESSAGE_BOXES", "1"}});
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_TRUE(game.IsRunning()) << game.Errors();
    // SDL turns a termination request into the same quit event as the window's close box.
    game.Signal(SIGTERM);
    ASSERT_TRUE(game.WaitForExit(20)) << "the game did not stop";
    EXPECT_EQ(game.exitCode(), 0) << game.Errors();
    EXPECT_NE(game.Output().find("Using OpenGL: "), std::string::npos);
    EXPECT_NE(game.Errors().find("Could not load big icon!"), std::string::npos) << game.Errors();
    EXPECT_EQ(game.Errors().find("Could not load small icon!"), std::string::npos) << game.Errors();
    EXPECT_EQ(box.ReadResource("init.ini"), "1920\n1080\nHollowtide\n");
    const auto logs = std::count_if(std::filesystem::directory_iterator(box.root() / "Logs"), {},
                                    [](const auto& entry) { return entry.path().extension() == ".txt"; });
    EXPECT_EQ(logs, 1);
}

// Installed into a prefix and started from elsewhere: it finds its data under the prefix, and its
// settings and log go to the player's XDG folders, never into the prefix.
TEST(GameProcess, AnInstalledGameRunsFromItsPrefixAndWritesOnlyIntoTheUsersFolders) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    if (!std::filesystem::exists(GameBinary())) GTEST_SKIP() << "game binary not built";
    Sandbox box;
    const std::filesystem::path prefix = box.root() / "prefix", home = box.root() / "home";
    const std::string install = "cmake --install \"" HOLLOWTIDE_BUILD_DIR "\" --prefix \"" + prefix.string() +
                                "\" > \"" + (box.root() / "install.txt").string() + "\"";
    ASSERT_EQ(std::system(install.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(prefix / "share/applications/hollowtide.desktop"));
    const auto installed = std::filesystem::recursive_directory_iterator(prefix);
    const auto filesInstalled = std::distance(installed, {});

    std::filesystem::create_directories(home);
    ChildProcess game((prefix / "bin/hollowtide").string(), home.string(),
                      {{"HOLLOWTIDE_NO_MESSAGE_BOXES", "1"},
                       {"HOME", home.string()},
                       {"XDG_CONFIG_HOME", ""},
                       {"XDG_STATE_HOME", (home / "state").string()}},
                      {"--windowed"});
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_TRUE(game.IsRunning()) << game.Errors();
    game.Signal(SIGTERM);
    ASSERT_TRUE(game.WaitForExit(20)) << "the game did not stop";
    EXPECT_EQ(game.exitCode(), 0) << game.Errors();
    EXPECT_NE(game.Output().find("making font from"), std::string::npos) << game.Output();
    EXPECT_EQ(game.Errors().find("Could not load"), std::string::npos) << game.Errors();
    EXPECT_TRUE(std::filesystem::exists(home / ".config/hollowtide/init.ini"));
    const auto logs = std::distance(std::filesystem::directory_iterator(home / "state/hollowtide"), {});
    EXPECT_EQ(logs, 1);
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(prefix), {}), filesInstalled);
}

} // namespace
