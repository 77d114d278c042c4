#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "scenes/MenuState.h"
#include "tests/support/GameHarness.h"
#include "tests/support/ScriptedScene.h"

using namespace Framework;

namespace {

TEST(Harness, QuitEndsTheRunAndTheNextHarnessStartsClean) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    {
        GameHarness game;
        ASSERT_TRUE(game.IsRunning());
        EXPECT_NONFATAL_FAILURE({ GameHarness second; }, "only one harness may exist at a time");
        EXPECT_TRUE(game.IsRunning());
        GameFlags.currentLevel = 3;
        MenuState.inOptions = true;
        windowSystem->quitRequested = true;
        game.RunFrame();
        EXPECT_TRUE(!game.IsRunning() && sceneSystem->nextScene == SceneQuit);
    }
    GameHarness again;
    ASSERT_TRUE(again.IsRunning());
    EXPECT_TRUE(!windowSystem->quitRequested && GameFlags.currentLevel == 1 && !MenuState.inOptions);
    again.RunFrames(2);
    EXPECT_TRUE(again.Scene() == SceneSplash && again.Screenshot().width == 1280u);
}

// Full screen on a 1920 x 1080 display with init.ini asking for a 2560 x 1440 window: F11 gives a
// window that fits the display, and the view stays the same.
TEST(Harness, WindowedKeyGivesAWindowThatFitsTheDisplay) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameOptions options;
    options.fullScreen = true;
    options.width = 2560;
    options.height = 1440;
    GameHarness game(options);
    ASSERT_TRUE(game.IsRunning());
    const mat4 before = graphicsSystem->GetProjection();
    game.Press(Key::F11);
    game.RunFrames(3);
    EXPECT_FALSE(engine->isFullscreen);
    const Platform::Rect window = Platform::GetWindowRect(windowSystem->hwnd);
    EXPECT_LE(window.width, 1920);
    EXPECT_LE(window.height, 1080);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[i], before.m[i]);
}

} // namespace
