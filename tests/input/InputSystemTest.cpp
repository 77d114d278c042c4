#include "input/InputSystem.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/WindowSystem.h"
#include "platform/Platform.h"
#include "platform/VirtualKeys.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedKeys.h"

using Framework::inputSystem;
using Framework::windowSystem;

namespace {

// Scripted keys and a pretend game window that is, or is not, the active one.
class InputTest : public ::testing::Test {
protected:
    ScriptedKeys keys;

    void SetUp() override {
        KeyNameMap.clear();
        ActionMap.clear();
    }
    void TearDown() override {
        KeyNameMap.clear();
        ActionMap.clear();
    }
    void SetActive(bool active) { keys.SetActive(active); }
    void Hold(int key, bool down) { keys.Hold(key, down); }
    // One frame of the input system: consumed presses of released keys re-arm.
    void Frame() { inputSystem->Update(1 / 60.0f); }
    std::string LoadFiles(const std::string& keys, const std::string& actions) {
        Sandbox box;
        if (!keys.empty()) box.WriteResource("SerializedKeys.txt", keys);
        if (!actions.empty()) box.WriteResource("KeyboardActionMap.txt", actions);
        ::testing::internal::CaptureStdout();
        inputSystem->Initialize();
        std::fflush(stdout);
        return ::testing::internal::GetCapturedStdout();
    }
};

TEST_F(InputTest, AHeldKeyTriggersOnceAndAgainOnlyAfterARelease) {
    Hold(Key::Enter, true);
    int downFrames = 0, triggers = 0;
    for (int frame = 0; frame < 10; ++frame) {
        Frame();
        downFrames += inputSystem->IsKeyDown(Key::Enter);
        triggers += inputSystem->IsKeyTriggered(Key::Enter);
    }
    EXPECT_EQ(downFrames, 10);
    EXPECT_EQ(triggers, 1);

    Hold(Key::Enter, false);
    Frame();
    EXPECT_FALSE(inputSystem->IsKeyTriggered(Key::Enter));
    EXPECT_TRUE(inputSystem->IsKeyUp(Key::Enter));
    Hold(Key::Enter, true);
    Frame();
    EXPECT_TRUE(inputSystem->IsKeyTriggered(Key::Enter));
}

TEST_F(InputTest, OnePressGoesToTheFirstCallerOnly) {
    Hold(Key::Escape, true);
    Frame();
    EXPECT_TRUE(inputSystem->IsKeyTriggered(Key::Escape));
    EXPECT_FALSE(inputSystem->IsKeyTriggered(Key::Escape));
    EXPECT_TRUE(inputSystem->IsKeyDown(Key::Escape));
}

TEST_F(InputTest, NothingAnswersWhileAnotherWindowIsActiveButReleasesStillRearm) {
    Hold(Key::Space, true);
    Frame();
    ASSERT_TRUE(inputSystem->IsKeyTriggered(Key::Space));
    SetActive(false);
    EXPECT_FALSE(inputSystem->IsKeyDown(Key::Space));
    EXPECT_FALSE(inputSystem->IsKeyUp(Key::Space)); // not the negation of IsKeyDown here
    EXPECT_FALSE(inputSystem->IsKeyUp(Key::Enter));
    Hold(Key::Space, false);
    Frame(); // the release is seen while unfocused
    Hold(Key::Space, true);
    EXPECT_FALSE(inputSystem->IsKeyTriggered(Key::Space));
    SetActive(true);
    EXPECT_TRUE(inputSystem->IsKeyTriggered(Key::Space));
}

TEST_F(InputTest, MouseButtonsAreKeysAndIndicesOutsideTheTableAreNeverDown) {
    Platform::Testing::InjectKey(VK::LBUTTON, true);
    Platform::Testing::InjectKey(VK::MBUTTON, true);
    EXPECT_TRUE(inputSystem->IsKeyTriggered(Key::MouseLeft));
    EXPECT_FALSE(inputSystem->IsKeyDown(Key::MouseRight));
    EXPECT_TRUE(inputSystem->IsKeyDown(Key::MouseMiddle));
    for (int bad : {-1, KEY_COUNT, 1000}) {
        EXPECT_FALSE(inputSystem->IsKeyDown(bad));
        EXPECT_FALSE(inputSystem->IsKeyTriggered(bad));
        EXPECT_FALSE(inputSystem->IsKeyUp(bad));
    }
}

TEST_F(InputTest, KeyTableFollowsTheVirtualKeyLayout) {
    EXPECT_EQ(KeyTable[0].vk, VK::BACK);
    EXPECT_EQ(KeyTable[Key::Escape].vk, VK::ESCAPE);
    EXPECT_EQ(KeyTable[Key::Left].vk, VK::LEFT);
    EXPECT_EQ(KeyTable[Key::Letter('Z')].vk, 'Z');
    EXPECT_EQ(KeyTable[Key::F10].vk, 0x79);
    EXPECT_EQ(KeyTable[89].vk, VK::OEM_7);
    EXPECT_EQ(KeyTable[93].vk, VK::OEM_COMMA);
    EXPECT_EQ(KeyTable[99].vk, VK::NUMLOCK);
    EXPECT_EQ(KeyTable[Key::MouseMiddle].vk, VK::MBUTTON);
    std::set<uint8_t> codes;
    for (const auto& entry : KeyTable) codes.insert(entry.vk);
    EXPECT_EQ(codes.size(), static_cast<size_t>(KEY_COUNT));
}

TEST_F(InputTest, ActionsResolveThroughBothFilesAndTheLaterBindingWins) {
    std::string out =
        LoadFiles("BACKSPACE SPACE\nTAB ENTER", "ACTION_JUMP TAB\nACTION_JUMP SPACE\nACTION_RUN ENTER\n");
    EXPECT_NE(out.find("expected 103 key names, found 4"), std::string::npos) << out;
    EXPECT_EQ(ActionMap.size(), 2u); // the trailing line break adds no empty action
    Hold(Key::Space, true);
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_JUMP"));
    EXPECT_TRUE(inputSystem->IsActionTriggered("ACTION_JUMP"));
    EXPECT_FALSE(inputSystem->IsActionTriggered("ACTION_JUMP"));
    EXPECT_FALSE(inputSystem->IsActionDown("ACTION_RUN"));
}

TEST_F(InputTest, AShortKeyFileNamesOnlyTheKeysItLists) {
    std::string names;
    for (int i = 0; i < 50; ++i) names += "K" + std::to_string(i) + " ";
    LoadFiles(names, "ACTION_LEFT K49\n");
    EXPECT_EQ(KeyNameMap.at("K49"), 49);
    for (const auto& entry : KeyNameMap) EXPECT_NE(entry.second, 102);
    Hold(49, true);
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_LEFT"));
}

TEST_F(InputTest, UnboundOrMisboundActionsNeverFireAndEachProblemIsReported) {
    std::string out = LoadFiles("BACKSPACE SPACE", "ACTION_LEFT NOSUCHKEY\nACTION_RIGHT");
    EXPECT_NE(out.find("action 'ACTION_LEFT' is bound to unknown key 'NOSUCHKEY'"), std::string::npos) << out;
    EXPECT_NE(out.find("action 'ACTION_RIGHT' has no key name"), std::string::npos) << out;
    Hold(Key::Backspace, true);
    EXPECT_FALSE(inputSystem->IsActionDown("ACTION_LEFT"));
    EXPECT_FALSE(inputSystem->IsActionDown("ACTION_RIGHT"));
    EXPECT_FALSE(inputSystem->IsActionDown("ACTION_NOPE"));
    EXPECT_FALSE(inputSystem->IsActionTriggered("ACTION_NOPE"));
    EXPECT_EQ(ActionMap.count("ACTION_NOPE"), 0u); // queries never grow the maps
}

TEST_F(InputTest, MissingKeyFilesLeaveTheGameRunningWithNoActions) {
    std::string out = LoadFiles("", "");
    EXPECT_NE(out.find("SerializedKeys.txt: cannot open"), std::string::npos) << out;
    EXPECT_NE(out.find("KeyboardActionMap.txt: cannot open"), std::string::npos) << out;
    Hold(Key::Backspace, true);
    EXPECT_FALSE(inputSystem->IsActionDown("ACTION_JUMP"));
    EXPECT_TRUE(inputSystem->IsKeyDown(Key::Backspace));
}

TEST_F(InputTest, ShippedKeyFilesBindEveryActionToANamedKey) {
    Sandbox box;
    box.CopyResource("SerializedKeys.txt");
    box.CopyResource("KeyboardActionMap.txt");
    ::testing::internal::CaptureStdout();
    inputSystem->Initialize();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(KeyNameMap.size(), static_cast<size_t>(KEY_COUNT));
    EXPECT_EQ(KeyNameMap.at("MBUTTON"), 102);
    const char* actions[] = {"ACTION_LEFT",     "ACTION_RIGHT",  "ACTION_JUMP",      "ACTION_RUN",
                             "ACTION_INTERACT", "ACTION_UNLOCK", "ACTION_ENTERLIFT", "ACTION_EXITLIFT"};
    for (const char* action : actions) {
        ASSERT_EQ(ActionMap.count(action), 1u) << action;
        EXPECT_EQ(KeyNameMap.count(ActionMap[action]), 1u) << action;
    }
    // The on-screen key prompts show W, A, S, D, E, SPACE and SHIFT.
    Hold(Key::Letter('A'), true);
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_LEFT"));
    Hold(Key::Space, true);
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_JUMP"));
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_UNLOCK"));
}

} // namespace
