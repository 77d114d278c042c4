#include "engine/CommandLine.h"

#include <gtest/gtest.h>

using namespace Framework;

namespace {

TEST(CommandLine, UsableArgumentsGiveTheirStart) {
    struct Case {
        std::vector<std::string> arguments;
        int level;
        bool windowed;
        bool help;
    };
    const Case cases[] = {
        {{}, 0, false, false},
        {{"--level", "1"}, 1, false, false},
        {{"--level", "3", "--windowed"}, 3, true, false},
        {{"--windowed", "--level", "2"}, 2, true, false},
        {{"--level", "1", "--level", "2"}, 2, false, false},
        {{"--help"}, 0, false, true},
        {{"--windowed", "--help"}, 0, true, true},
    };
    for (const Case& c : cases) {
        const std::string shown = ::testing::PrintToString(c.arguments);
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.error, "") << shown;
        EXPECT_EQ(line.start.level, c.level) << shown;
        EXPECT_EQ(line.start.windowed, c.windowed) << shown;
        EXPECT_EQ(line.helpRequested, c.help) << shown;
    }
}

TEST(CommandLine, UnusableArgumentsGiveOneLineNamingTheFault) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--bogus"}, "'--bogus'"},
        {{"--level"}, "--level needs"},
        {{"--windowed", "--level"}, "--level needs"},
        {{"--level", "0"}, "'0'"},
        {{"--level", "4"}, "'4'"},
        {{"--level", "02"}, "'02'"},
        {{"--level", "-1"}, "'-1'"},
        {{"--level", "two"}, "'two'"},
        {{"--level", ""}, "''"},
        {{"--level", "--windowed"}, "'--windowed'"},
        {{"--help", "level"}, "'level'"},
        {{"--Windowed"}, "'--Windowed'"},
    };
    for (const auto& [arguments, expected] : cases) {
        const std::string shown = ::testing::PrintToString(arguments);
        const CommandLine line = ParseCommandLine(arguments);
        EXPECT_NE(line.error.find(expected), std::string::npos) << shown << ": " << line.error;
        EXPECT_EQ(line.error.find('\n'), std::string::npos) << shown;
    }
}

} // namespace
