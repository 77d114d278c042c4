#include "scenes/Menu.h"

#include <gtest/gtest.h>

#include "audio/AudioSystem.h"
#include "engine/WindowSystem.h"
#include "scenes/Button.h"
#include "gameplay/GameFlags.h"
#include "scenes/MenuState.h"
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

FrontEndObject Hud(const std::string& name, float z = 50) {
    return FrontEndObject{name, 12, 0, 0, z, -1, true};
}

// The menu scene run frame by frame on its own, with scripted keys and a pretend game window.
class MenuTest : public ::testing::Test {
protected:
    Sandbox box;
    ScopedObjectStore store;
    Menu menu;
    ScriptedKeys keys;
    int32_t savedNextScene = SceneNone;

    void SetUp() override {
        savedNextScene = sceneSystem->nextScene;
        AudioMuted = false;
        GameFlags.Reset();
    }
    void TearDown() override {
        menu.Unload();
        sceneSystem->nextScene = savedNextScene;
        AudioMuted = false;
        MenuState.Reset();
        GameFlags.Reset();
    }

    void Start(const std::vector<FrontEndObject>& objects) {
        box.WriteResource("Level/Menu.txt", FrontEndLevelText("Menu", objects));
        menu.Load();
        menu.Initialize();
    }
    void Frame(float dt = 1.0f / 60.0f) {
        inputSystem->Update(dt);
        menu.Update(dt);
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }
    // Down for one frame, then up for one, as a quick tap on a keyboard.
    void Press(int key) {
        keys.Hold(key);
        Frame();
        keys.Release(key);
        Frame();
    }
    std::string Selected() const { return menu.selection ? menu.selection->name : "(none)"; }
    std::shared_ptr<Sprite> SpriteNamed(const std::string& name) const {
        GameObjectRef object = FindObjectByName(name);
        return object ? object->GetComponent<Sprite>() : nullptr;
    }
    float Alpha(const std::string& name) const { return SpriteNamed(name)->transparency; }
};

TEST_F(MenuTest, ASingleQuitButtonIsNeverReadPastItsEnd) {
    Start({ButtonObject("PlayButton", Button::Play, 0, 100), ButtonObject("QuitButton", Button::Quit, 0, 0),
           ButtonObject("NoButtonHUD", Button::No, 0, -100), Hud("Black", 90)});
    Press(Key::Down);
    Press(Key::Down);
    EXPECT_EQ(Selected(), "QuitButton");
    EXPECT_EQ(MenuState.selectionIndex, 1);
    Press(Key::Enter);
    EXPECT_EQ(Selected(), "NoButtonHUD");
    EXPECT_EQ(MenuState.selectionIndex, 0);
    Press(Key::Right);
    Press(Key::Left);
    EXPECT_EQ(Selected(), "NoButtonHUD");
    Press(Key::Enter);
    Frames(30);
    EXPECT_EQ(Selected(), "QuitButton");
    Press(Key::Up);
    EXPECT_EQ(Selected(), "PlayButton");
}

TEST_F(MenuTest, MissingScreensAndBlackLeaveTheListUsable) {
    Start({ButtonObject("PlayButton", Button::Play, 0, 100),
           ButtonObject("HowToPlayButton", Button::HowToPlay, 0, 0),
           ButtonObject("OptionsButton", Button::Options, 0, -100),
           ButtonObject("QuitButton", Button::Quit, 0, -200),
           FrontEndObject{"Plain", 4, 0, 0, 0, -1, false}});
    Press(Key::Down);
    Press(Key::Enter); // no Back to leave how-to-play by: nothing opens
    EXPECT_EQ(Selected(), "HowToPlayButton");
    Press(Key::Down);
    Press(Key::Enter); // no option buttons
    EXPECT_FALSE(MenuState.inOptions);
    EXPECT_EQ(Selected(), "OptionsButton");
    Press(Key::Down);
    Press(Key::Enter); // no Yes or No
    EXPECT_EQ(Selected(), "QuitButton");
    for (int i = 0; i < 3; ++i) Press(Key::Up);
    EXPECT_EQ(Selected(), "PlayButton");
    // Without "Black" the fade before Play counts as finished at once.
    Press(Key::Enter);
    EXPECT_EQ(sceneSystem->nextScene, SceneLoading);
    EXPECT_EQ(GameFlags.currentLevel, 1);
}

TEST_F(MenuTest, AMenuWithoutPlayHasNoSelectionAndIgnoresKeys) {
    Start({ButtonObject("QuitButton", Button::Quit, 0, 0), ButtonObject("Odd", 42, 0, 100)});
    EXPECT_EQ(menu.mainButtons.size(), 1u);
    Press(Key::Enter);
    Press(Key::Down);
    EXPECT_EQ(menu.selection, nullptr);
    EXPECT_FALSE(MenuState.quitDialogRequested);
}

} // namespace
