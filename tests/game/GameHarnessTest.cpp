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

TEST(Harness, InjectedKeysAndFixedFramesDriveTheScenes) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game;
    ASSERT_TRUE(game.IsRunning());
    auto splash = std::make_shared<ScriptedScene>(SceneSplash);
    auto menu = std::make_shared<ScriptedScene>(SceneMenu);
    int triggers = 0, framesDown = 0;
    splash->script = [&](ScriptedScene&, float) {
        if (inputSystem->IsKeyDown(Key::Space)) ++framesDown;
        if (inputSystem->IsKeyTriggered(Key::Space)) ++triggers;
        if (inputSystem->IsKeyTriggered(Key::Enter)) sceneSystem->nextScene = SceneMenu;
    };
    game.ReplaceScene(SceneSplash, splash);
    game.ReplaceScene(SceneMenu, menu);

    // A held key triggers once; released and pressed again it triggers again.
    game.Hold(Key::Space);
    game.RunFrames(10);
    game.Release(Key::Space);
    game.RunFrame();
    game.Press(Key::Space);
    game.RunFrames(5);
    EXPECT_TRUE(framesDown == 11 && triggers == 2)
        << framesDown << " frames down, " << triggers << " triggers";

    game.Press(Key::Enter);
    game.RunFrames(2);
    EXPECT_EQ(game.Scene(), SceneMenu);
    EXPECT_TRUE(menu->loads == 1 && splash->unloads == 1);
    for (float dt : splash->updateTimes) EXPECT_FLOAT_EQ(dt, 1.0f / 60.0f);
}

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

TEST(Harness, WindowedKeyKeepsTheStartUpProjectionWhileTheViewportFollows) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameOptions options;
    options.fullScreen = true;
    GameHarness game(options);
    ASSERT_TRUE(game.IsRunning());
    const mat4 before = graphicsSystem->GetProjection();
    game.Press(Key::F11);
    game.RunFrames(3);
    EXPECT_FALSE(engine->isFullscreen);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[i], before.m[i]);
    EXPECT_EQ(game.Screenshot().width, static_cast<unsigned>(windowSystem->width));
}

} // namespace
