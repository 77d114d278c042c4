#include "input/InputSystem.h"

#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedKeys.h"

using Framework::inputSystem;

namespace {

class InputTest : public ::testing::Test {
protected:
    ScriptedKeys keys;

    void SetUp() override { KeyNameMap.clear(), ActionMap.clear(); }
    void TearDown() override { KeyNameMap.clear(), ActionMap.clear(); }
    std::string LoadFiles(const std::string& names, const std::string& actions) {
        Sandbox box;
        if (!names.empty()) box.WriteResource("SerializedKeys.txt", names);
        if (!actions.empty()) box.WriteResource("KeyboardActionMap.txt", actions);
        ::testing::internal::CaptureStdout();
        inputSystem->Initialize();
        std::fflush(stdout);
        return ::testing::internal::GetCapturedStdout();
    }
};

TEST(OneShotPresses, EveryPressTriggersOnceToTheFirstCaller) {
    // d / u: Enter goes down / up; i / a: the game window loses / regains focus; '|': a frame
    // begins (the input system updates); '?': two callers ask whether Enter was pressed.
    const struct {
        const char* script;
        int triggers;
    } cases[] = {
        {"du|?", 1},    {"d|?|?|?|?|?|?", 1}, {"d?|?|?", 1},     {"du|?du|?", 2}, {"d|?u|d|?", 2},
        {"d|?ud|?", 2}, {"du||?", 0},         {"d|||?", 1},      {"idua?", 0},    {"dui|a?", 0},
        {"d|i?a?", 1},  {"id|a?", 1},         {"d|?iu|d?a?", 2},
    };
    for (const auto& c : cases) {
        ScriptedKeys keys;
        int triggers = 0;
        for (const char* s = c.script; *s; ++s) {
            if (*s == 'd' || *s == 'u') keys.Hold(Key::Enter, *s == 'd');
            if (*s == 'i' || *s == 'a') keys.SetActive(*s == 'a');
            if (*s == '|') inputSystem->Update(1 / 60.0f);
            if (*s == '?')
                triggers += inputSystem->IsKeyTriggered(Key::Enter) + inputSystem->IsKeyTriggered(Key::Enter);
        }
        EXPECT_EQ(triggers, c.triggers) << c.script;
    }
}

TEST_F(InputTest, HeldStateIsPolledAndOnlyInsideTheTable) {
    keys.Hold(Key::MouseLeft);
    EXPECT_TRUE(inputSystem->IsKeyDown(Key::MouseLeft));
    EXPECT_TRUE(inputSystem->IsKeyUp(Key::MouseRight));
    keys.SetActive(false);
    EXPECT_FALSE(inputSystem->IsKeyDown(Key::MouseLeft));
    EXPECT_FALSE(inputSystem->IsKeyUp(Key::MouseRight)); // not the negation of IsKeyDown here
    keys.SetActive(true);
    keys.Release(Key::MouseLeft);
    EXPECT_TRUE(inputSystem->IsKeyTriggered(Key::MouseLeft)); // the press was latched
    for (int bad : {-1, KEY_COUNT, 1000})
        EXPECT_FALSE(inputSystem->IsKeyDown(bad) || inputSystem->IsKeyTriggered(bad) ||
                     inputSystem->IsKeyUp(bad));
}

TEST_F(InputTest, KeyIndicesFollowTheVirtualKeyLayoutOfTheKeyFile) {
    const std::pair<int, uint8_t> spots[] = {
        {0, VK::BACK},           {Key::Escape, VK::ESCAPE}, {Key::Left, VK::LEFT},
        {Key::Letter('Z'), 'Z'}, {Key::F10, 0x79},          {89, VK::OEM_7},
        {93, VK::OEM_COMMA},     {99, VK::NUMLOCK},         {Key::MouseMiddle, VK::MBUTTON}};
    for (const auto& [index, vk] : spots) EXPECT_EQ(KeyTable[index].vk, vk) << index;
}

TEST_F(InputTest, ActionsResolveThroughBothFilesAndEachProblemIsOneLine) {
    std::string out =
        LoadFiles("BACKSPACE SPACE\nTAB ENTER",
                  "ACTION_JUMP TAB\nACTION_JUMP SPACE\nACTION_RUN ENTER\nACTION_LEFT NOSUCHKEY\nACTION_UP");
    for (const char* line :
         {"expected 103 key names, found 4", "'ACTION_LEFT' is bound to unknown key 'NOSUCHKEY'",
          "action 'ACTION_UP' has no key name"})
        EXPECT_NE(out.find(line), std::string::npos) << out;
    keys.Hold(Key::Space);
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_JUMP")); // the later binding wins
    EXPECT_TRUE(inputSystem->IsActionTriggered("ACTION_JUMP"));
    EXPECT_FALSE(inputSystem->IsActionTriggered("ACTION_JUMP"));
    keys.Hold(Key::Backspace);
    for (const char* action : {"ACTION_RUN", "ACTION_LEFT", "ACTION_UP", "ACTION_NOPE"})
        EXPECT_FALSE(inputSystem->IsActionDown(action) || inputSystem->IsActionTriggered(action)) << action;
    EXPECT_EQ(ActionMap.count("ACTION_NOPE"), 0u); // queries never grow the maps

    out = LoadFiles("", "");
    EXPECT_NE(out.find("SerializedKeys.txt: cannot open"), std::string::npos) << out;
    EXPECT_NE(out.find("KeyboardActionMap.txt: cannot open"), std::string::npos) << out;
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
    for (const char* action : {"ACTION_LEFT", "ACTION_RIGHT", "ACTION_JUMP", "ACTION_RUN", "ACTION_INTERACT",
                               "ACTION_UNLOCK", "ACTION_ENTERLIFT", "ACTION_EXITLIFT"})
        EXPECT_EQ(KeyNameMap.count(ActionMap[action]), 1u) << action;
    // The on-screen key prompts show W, A, S, D, E, SPACE and SHIFT.
    keys.Hold(Key::Letter('A'));
    keys.Hold(Key::Space);
    for (const char* action : {"ACTION_LEFT", "ACTION_JUMP", "ACTION_UNLOCK"})
        EXPECT_TRUE(inputSystem->IsActionDown(action)) << action;
}

} // namespace
