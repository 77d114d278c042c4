#include "engine/WindowSystem.h"

#include <gtest/gtest.h>

#include "tests/support/Sandbox.h"

namespace {

TEST(WindowSettings, AreReadOrDefaultedAndOnlyAMissingFileIsWritten) {
    const std::string defaults = "1920\n1080\nHollowtide\n", huge(100000, 'T');
    const struct {
        std::string text; // empty: no file
        std::string read; // width, height and title
        bool complains;
    } cases[] = {
        {"", "1920 1080 Hollowtide", false},
        {"1280 720\nMy Game\n", "1280 720 My", false}, // the title is one word
        {"abc", "1920 1080 Hollowtide", true},
        {"0 -5 Storm", "1920 1080 Storm", true},
        {"800 tall", "800 1080 Hollowtide", true},
        {"99999999999999 600 X", "1920 1080 Hollowtide", true},
        {"100000 600 X", "1920 600 X", true},
        {"640 480 " + huge, "640 480 " + huge.substr(0, 64), false},
    };
    for (const auto& c : cases) {
        Sandbox box;
        if (!c.text.empty()) box.WriteResource("init.ini", c.text);
        Framework::WindowSystem window;
        ::testing::internal::CaptureStdout();
        window.ReadSettings((box.resources() / "init.ini").string());
        std::fflush(stdout);
        const std::string said = ::testing::internal::GetCapturedStdout(), first = c.text.substr(0, 20);
        EXPECT_EQ(std::to_string(window.width) + " " + std::to_string(window.height) + " " + window.title,
                  c.read)
            << first;
        EXPECT_EQ(said.find("init.ini: expected") != std::string::npos, c.complains) << first << said;
        EXPECT_EQ(box.ReadResource("init.ini"), c.text.empty() ? defaults : c.text) << first;
    }
}

} // namespace
