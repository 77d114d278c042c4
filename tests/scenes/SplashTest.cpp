#include "scenes/Splash.h"

#include <gtest/gtest.h>

#include "engine/WindowSystem.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "platform/Platform.h"
#include "scenes/SceneSystem.h"
#include "tests/scenes/FrontEndLevelText.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedKeys.h"

using namespace Framework;

namespace {

constexpr float frame = 1.0f / 60.0f;

// The splash scene on its own, frame by frame, with scripted keys and a pretend game window.
class SplashTest : public ::testing::Test {
protected:
    Sandbox box;
    ScopedObjectStore store;
    Splash splash;
    ScriptedKeys keys;
    int32_t savedNextScene = SceneNone;
    float seconds = 0;

    void SetUp() override {
        savedNextScene = sceneSystem->nextScene;
        sceneSystem->nextScene = SceneSplash;
    }
    void TearDown() override {
        splash.Unload();
        sceneSystem->nextScene = savedNextScene;
    }

    void Start(bool withBlack) {
        std::vector<FrontEndObject> objects = {{"Tessary", 12, 0, 0, -20}, {"Orvex", 12, 0, 0, -10}};
        if (withBlack) objects.push_back({"Black", 12, 0, 0, 90});
        box.WriteResource("Level/Splash.txt", FrontEndLevelText("Splash", objects));
        splash.Load();
        splash.Initialize();
    }
    void Frame() {
        inputSystem->Update(frame);
        splash.Update(frame);
        seconds += frame;
    }
    // Runs until the splash asks for the menu or `limit` seconds have passed.
    void RunUntil(float limit, const std::function<bool()>& done) {
        while (seconds < limit && !done()) Frame();
    }
    void PressEnter() {
        keys.Hold(Key::Enter);
        Frame();
        keys.Release(Key::Enter);
    }
    float Alpha(const std::string& name) const {
        return FindObjectByName(name)->GetComponent<Sprite>()->transparency;
    }
    bool MenuRequested() const { return sceneSystem->nextScene == SceneMenu; }
};

TEST_F(SplashTest, WithoutBlackEachFadeEndsAtOnceAndTheMenuStillFollows) {
    Start(false);
    RunUntil(20.0f, [&] { return splash.stage == 2; });
    EXPECT_EQ(Alpha("Orvex"), 1.0f);
    EXPECT_EQ(Alpha("Tessary"), 0.0f);
    RunUntil(40.0f, [&] { return MenuRequested(); });
    EXPECT_TRUE(MenuRequested());
    EXPECT_NEAR(seconds, 6 + 5 + 5, 0.2f); // each logo still gets its five seconds
}

TEST_F(SplashTest, AnEmptySplashGoesStraightOnToTheMenu) {
    box.WriteResource("Level/Splash.txt", "Splash\n\n/Splash\n");
    splash.Load();
    splash.Initialize();
    RunUntil(30.0f, [&] { return MenuRequested(); });
    EXPECT_TRUE(MenuRequested());
}

} // namespace
