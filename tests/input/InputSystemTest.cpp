#include "input/InputSystem.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/VirtualKeys.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ScriptedKeys.h"

using Framework::inputSystem;

namespace {

TEST(OneShotPresses, EveryPressTriggersOnceToTheFirstCaller) {
    // Script: d / u: Enter goes down / up; i / a: the game window loses / regains focus; '|': a
    // frame begins. Answers: '?' how many of two callers hear a press; 'h' down (D), up (U) or
    // neither (-) by the polled state.
    const std::pair<const char*, const char*> cases[] = {
        {"du|?", "1"},      {"d|?|?|?|?", "1000"}, {"d?|?", "10"},   {"du|?du|?", "11"},
        {"d|?u|d|?", "11"}, {"d|?ud|?", "11"},     {"du||?", "0"},   {"d|||?", "1"},
        {"idua?", "0"},     {"dui|a?", "0"},       {"d|i?a?", "01"}, {"id|a?", "1"},
        {"hd|hih", "UD-"},  {"d|?iu|d?a?", "101"},
    };
    for (const auto& [script, expected] : cases) {
        ScriptedKeys keys;
        std::string answers;
        for (const char* s = script; *s; ++s) {
            if (*s == 'd' || *s == 'u') keys.Hold(Key::Enter, *s == 'd');
            if (*s == 'i' || *s == 'a') keys.SetActive(*s == 'a');
            if (*s == '|') inputSystem->Update(1 / 60.0f);
            if (*s == '?')
                answers += std::to_string(inputSystem->IsKeyTriggered(Key::Enter) +
                                          inputSystem->IsKeyTriggered(Key::Enter));
            if (*s == 'h')
                answers += inputSystem->IsKeyDown(Key::Enter) ? 'D'
                           : inputSystem->IsKeyUp(Key::Enter) ? 'U'
                                                              : '-';
        }
        EXPECT_EQ(answers, expected) << script;
    }
    ScriptedKeys keys; // the window active: indices outside the table are never down, nor up
    for (int bad : {-1, KEY_COUNT, 1000})
        EXPECT_FALSE(inputSystem->IsKeyDown(bad) || inputSystem->IsKeyTriggered(bad) ||
                     inputSystem->IsKeyUp(bad));
}

// Reads the key files: the shipped one for nullptr, none for "", else the text given.
std::string LoadKeyFiles(const char* names, const char* actions, const char* pad = nullptr) {
    KeyNameMap.clear(), ActionMap.clear();
    Sandbox box;
    for (auto [file, text] : {std::pair{"SerializedKeys.txt", names}, {"KeyboardActionMap.txt", actions},
                              {"GamepadActionMap.txt", pad}})
        if (!text || *text) text ? box.WriteResource(file, text) : box.CopyResource(file);
    ::testing::internal::CaptureStdout();
    inputSystem->Initialize();
    std::fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}

TEST(InputTest, ActionsResolveThroughBothFilesAndEachProblemIsOneLine) {
    ScriptedKeys keys;
    std::string out =
        LoadKeyFiles("BACKSPACE SPACE\nTAB ENTER", "ACTION_JUMP TAB\nACTION_JUMP SPACE\nACTION_RUN "
                                                   "ENTER\nACTION_LEFT NOSUCHKEY\nACTION_UP");
    for (const char* line :
         {"expected 103 key names, found 4", "'ACTION_LEFT' is bound to unknown key 'NOSUCHKEY'",
          "action 'ACTION_UP' has no key name"})
        EXPECT_NE(out.find(line), std::string::npos) << out;
    keys.Hold(Key::Space);
    keys.Hold(Key::Backspace);
    EXPECT_TRUE(inputSystem->IsActionDown("ACTION_JUMP")); // the later binding wins
    EXPECT_TRUE(inputSystem->IsActionTriggered("ACTION_JUMP"));
    EXPECT_FALSE(inputSystem->IsActionTriggered("ACTION_JUMP"));
    for (const char* action : {"ACTION_RUN", "ACTION_LEFT", "ACTION_UP", "ACTION_NOPE"})
        EXPECT_FALSE(inputSystem->IsActionDown(action) || inputSystem->IsActionTriggered(action)) << action;
    EXPECT_EQ(ActionMap.count("ACTION_NOPE"), 0u); // queries never grow the maps
    out = LoadKeyFiles("", "");
    EXPECT_NE(out.find("SerializedKeys.txt: cannot open"), std::string::npos) << out;
    EXPECT_NE(out.find("KeyboardActionMap.txt: cannot open"), std::string::npos) << out;
    KeyNameMap.clear(), ActionMap.clear();
}

// The pad's map: a control it does not have, a word that is neither an action nor a key, or no file
// at all leave the pad on its defaults, said once.
TEST(InputTest, ABrokenPadMapFallsBackToTheDefaultsInOneLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"a ACTION_JUMP\nz SPACE\n", "line 2: 'z' is not a pad control"},
        {"leftx+ ACTION_RIGHT NOSUCHKEY\n", "line 1: 'NOSUCHKEY' is neither an action nor a key"},
        {"", "GamepadActionMap.txt: cannot open"},
    };
    for (const auto& [text, fault] : cases) {
        const std::string out = LoadKeyFiles(nullptr, nullptr, text);
        EXPECT_NE(out.find(fault), std::string::npos) << out;
        EXPECT_NE(out.find("the pad keeps its default bindings"), std::string::npos) << out;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    }
    KeyNameMap.clear(), ActionMap.clear();
}

TEST(InputTest, ShippedKeyFilesNameTheKeysInTableOrderAndBindEveryAction) {
    ScriptedKeys keys;
    EXPECT_EQ(LoadKeyFiles(nullptr, nullptr), "");
    EXPECT_EQ(KeyNameMap.size(), static_cast<size_t>(KEY_COUNT));
    const std::pair<const char*, int> names[] = {
        {"BACKSPACE", VK::BACK}, {"F10", 0x79}, {"OEM_7", VK::OEM_7}, {"MBUTTON", VK::MBUTTON}};
    for (const auto& [name, vk] : names) EXPECT_EQ(KeyTable[KeyNameMap.at(name)].vk, vk) << name;
    // The on-screen key prompts show W, A, S, D, E, SPACE and SHIFT.
    keys.Hold(Key::Letter('A'));
    keys.Hold(Key::Space);
    for (const char* action : {"ACTION_LEFT", "ACTION_JUMP", "ACTION_UNLOCK"})
        EXPECT_TRUE(inputSystem->IsActionDown(action)) << action;
    for (const char* action :
         {"ACTION_RIGHT", "ACTION_RUN", "ACTION_INTERACT", "ACTION_ENTERLIFT", "ACTION_EXITLIFT"})
        EXPECT_EQ(KeyNameMap.count(ActionMap[action]), 1u) << action;
    KeyNameMap.clear(), ActionMap.clear();
}

} // namespace
