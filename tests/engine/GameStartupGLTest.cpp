#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "objects/GameObject.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "tests/support/GameHarness.h"
#include "tests/support/Sandbox.h"

using namespace Framework;

namespace {

// `hollowtide --level 2 --windowed`: the game's own start-up, then one frame. The window stays at
// init.ini's size, and that frame already plays level 2, as a new game.
TEST(StartOptions, LevelAndWindowedOpenAWindowOnThatLevel) {
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
