#include "engine/WindowSystem.h"

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "input/InputSystem.h"
#include "tests/support/Sandbox.h"

namespace {

TEST(WindowSettings, AreReadOrDefaultedAndOnlyAMissingFileIsWritten) {
    const std::string defaults = "1920\n1080\nHollowtide\n", huge(100000, 'T');
    const struct {
        std::string text; // empty: no file
        int width, height;
        std::string title;
        bool complains;
    } cases[] = {
        {"", 1920, 1080, "Hollowtide", false},
        {"1280 720\nMy Game\n", 1280, 720, "My", false}, // the title is one word
        {"abc", 1920, 1080, "Hollowtide", true},
        {"0 -5 Storm", 1920, 1080, "Storm", true},
        {"800 tall", 800, 1080, "Hollowtide", true},
        {"99999999999999 600 X", 1920, 1080, "Hollowtide", true},
        {"100000 600 X", 1920, 600, "X", true},
        {"640 480 " + huge, 640, 480, huge.substr(0, 64), false},
    };
    for (const auto& c : cases) {
        Sandbox box;
        if (!c.text.empty()) box.WriteResource("init.ini", c.text);
        Framework::WindowSystem window;
        ::testing::internal::CaptureStdout();
        window.ReadSettings((box.resources() / "init.ini").string());
        std::fflush(stdout);
        const std::string said = ::testing::internal::GetCapturedStdout(), first = c.text.substr(0, 20);
        EXPECT_EQ(window.width, c.width) << first;
        EXPECT_EQ(window.height, c.height) << first;
        EXPECT_EQ(window.title, c.title) << first;
        EXPECT_EQ(said.find("init.ini: expected") != std::string::npos, c.complains) << first << said;
        EXPECT_EQ(box.ReadResource("init.ini"), c.text.empty() ? defaults : c.text) << first;
    }
}

TEST(WindowProcedure, SizeMouseAndWheelMessagesUpdateTheirOwners) {
    using Platform::MessageType;
    Framework::WindowSystem window;
    window.WindowProcedure({MessageType::Size, 960, 540});
    EXPECT_EQ(window.width, 960);
    EXPECT_EQ(window.height, 540);
    EXPECT_FLOAT_EQ(window.scaleX, 0.5f);
    EXPECT_FLOAT_EQ(window.scaleY, 0.5f);

    auto& input = *Framework::inputSystem;
    input.wheel = 0;
    for (int notch : {1, 1, 1, -1}) window.WindowProcedure({MessageType::MouseWheel, notch});
    EXPECT_FLOAT_EQ(input.wheel, 2.0f);
    input.wheel = 0;

    window.WindowProcedure({MessageType::MouseMove, -20, 700});
    EXPECT_EQ(input.mouseX, -20);
    EXPECT_EQ(input.mouseY, 700);
}

} // namespace
