#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/Random.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputSystem.h"
#include "scenes/MenuState.h"
#include "scenes/SceneSystem.h"
#include "tests/support/GameHarness.h"
#include "tests/support/ScriptedScene.h"

using namespace Framework;

namespace {

class Harness : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    }
};

TEST_F(Harness, InjectedKeysAndFixedFramesDriveTheScenes) {
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
    EXPECT_EQ(framesDown, 11);
    EXPECT_EQ(triggers, 2);

    game.Press(Key::Enter);
    game.RunFrame();
    EXPECT_EQ(game.Scene(), SceneMenu); // the id advances at the end of the requesting pass
    EXPECT_EQ(menu->loads, 0);
    game.RunFrame();
    EXPECT_EQ(menu->loads, 1);
    EXPECT_EQ(splash->unloads, 1);
    for (float dt : splash->updateTimes) EXPECT_FLOAT_EQ(dt, 1.0f / 60.0f);
}

TEST_F(Harness, QuitEndsTheRunAndTheNextHarnessStartsClean) {
    {
        GameHarness game;
        ASSERT_TRUE(game.IsRunning());
        EXPECT_NONFATAL_FAILURE({ GameHarness second; }, "only one harness may exist at a time");
        EXPECT_TRUE(game.IsRunning());
        GameFlags.currentLevel = 3;
        MenuState.inOptions = true;
        game.RunFrame();
        windowSystem->quitRequested = true;
        game.RunFrame();
        EXPECT_TRUE(game.HasEnded());
        EXPECT_EQ(sceneSystem->nextScene, SceneQuit);
        const int frames = game.FramesRun();
        game.RunFrames(10);
        EXPECT_EQ(game.FramesRun(), frames);
    }
    GameHarness again;
    ASSERT_TRUE(again.IsRunning());
    EXPECT_FALSE(windowSystem->quitRequested);
    EXPECT_EQ(GameFlags.currentLevel, 1);
    EXPECT_FALSE(MenuState.inOptions);
    // Every run starts from the same random numbers.
    const int first = Rand();
    ResetRunGlobals();
    EXPECT_EQ(Rand(), first);
    again.RunFrames(2);
    EXPECT_EQ(again.Scene(), SceneSplash);
    EXPECT_EQ(again.Screenshot().width, 1280u);
}

TEST_F(Harness, WindowedKeyKeepsTheStartUpProjectionWhileTheViewportFollows) {
    GameOptions options;
    options.fullScreen = true;
    GameHarness game(options);
    ASSERT_TRUE(game.IsRunning());
    const mat4 before = graphicsSystem->GetProjection();
    game.Press(Key::F11);
    game.RunFrames(3);
    EXPECT_FALSE(engine->isFullscreen);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[i], before.m[i]) << i;
    EXPECT_EQ(game.Screenshot().width, static_cast<unsigned>(windowSystem->width));
}

} // namespace
