#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ChildProcess.h"
#include "tests/support/Sandbox.h"

namespace {

// Without a usable display the game must say why and stop, never hang or crash.
TEST(GameStartup, WithoutADisplayOrOpenGLTheGameExitsNonZeroWithOneLine) {
    if (!std::filesystem::exists(GameBinary())) GTEST_SKIP() << "game binary not built";
    const std::map<std::string, std::string> environments[] = {
        {{"SDL_VIDEODRIVER", "dummy"}},                                      // a video driver without OpenGL
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", ""}}, // no display at all
    };
    for (const auto& environment : environments) {
        Sandbox box;
        ChildProcess game(GameBinary(), (box.root() / "run").string(), environment);
        ASSERT_TRUE(game.WaitForExit(20)) << "the game hung";
        EXPECT_NE(game.exitCode(), 0);
        EXPECT_EQ(game.exitCode(), 1) << game.Errors();
        EXPECT_NE(game.Errors().find("Hollowtide: cannot"), std::string::npos) << game.Errors();
    }
}

// Command-line answers come before any window: with no display at all, a game that tried to open
// one would exit 1 instead.
TEST(GameStartup, BadOptionsExitTwoWithOneLineAndHelpExitsZero) {
    if (!std::filesystem::exists(GameBinary())) GTEST_SKIP() << "game binary not built";
    const std::map<std::string, std::string> noDisplay = {
        {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", ""}};
    const std::vector<std::string> badLines[] = {{"--bogus"}, {"--level", "4"}, {"--level"}};
    for (const auto& arguments : badLines) {
        Sandbox box;
        ChildProcess game(GameBinary(), (box.root() / "run").string(), noDisplay, arguments);
        ASSERT_TRUE(game.WaitForExit(20)) << "the game hung";
        EXPECT_EQ(game.exitCode(), 2) << arguments[0] << ": " << game.Errors();
        const std::string errors = game.Errors();
        EXPECT_TRUE(!errors.empty() && errors.find('\n') == errors.size() - 1) << errors;
        EXPECT_EQ(game.Output(), "");
    }
    Sandbox box;
    ChildProcess help(GameBinary(), (box.root() / "run").string(), noDisplay, {"--help"});
    ASSERT_TRUE(help.WaitForExit(20)) << "the game hung";
    EXPECT_EQ(help.exitCode(), 0) << help.Errors();
    EXPECT_NE(help.Output().find("--level N"), std::string::npos) << help.Output();
    EXPECT_NE(help.Output().find("--windowed"), std::string::npos) << help.Output();
    EXPECT_EQ(help.Errors(), "");
}

} // namespace
