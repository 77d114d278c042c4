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

} // namespace
