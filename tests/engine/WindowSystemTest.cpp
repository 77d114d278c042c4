#include "engine/WindowSystem.h"

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "input/InputSystem.h"
#include "tests/support/Sandbox.h"

using Framework::windowSystem;

namespace {

struct Settings {
    int width;
    int height;
    std::string title;
    std::string output;
};

Settings Read(Sandbox& box) {
    Framework::WindowSystem window;
    ::testing::internal::CaptureStdout();
    window.ReadSettings((box.resources() / "init.ini").string());
    std::fflush(stdout);
    return {window.width, window.height, window.title, ::testing::internal::GetCapturedStdout()};
}

TEST(WindowSettings, AMissingFileIsCreatedWithTheDefaultsAtOnce) {
    Sandbox box;
    Settings s = Read(box);
    EXPECT_EQ(s.width, 1920);
    EXPECT_EQ(s.height, 1080);
    EXPECT_EQ(s.title, "Hollowtide");
    EXPECT_EQ(box.ReadResource("init.ini"), "1920\n1080\nHollowtide\n");
}

TEST(WindowSettings, AnExistingFileIsReadAndNeverRewritten) {
    Sandbox box;
    box.WriteResource("init.ini", "1280 720\nMy Game\n");
    Settings s = Read(box);
    EXPECT_EQ(s.width, 1280);
    EXPECT_EQ(s.height, 720);
    EXPECT_EQ(s.title, "My"); // the title is one word
    EXPECT_EQ(s.output, "");
    EXPECT_EQ(box.ReadResource("init.ini"), "1280 720\nMy Game\n");
}

TEST(WindowSettings, BadValuesFallBackToTheirDefaultsWithOneLine) {
    struct Case {
        const char* text;
        int width, height;
        const char* title;
    } cases[] = {
        {"", 1920, 1080, "Hollowtide"},
        {"abc", 1920, 1080, "Hollowtide"},
        {"0 -5 Storm", 1920, 1080, "Storm"},
        {"800 tall", 800, 1080, "Hollowtide"},
        {"99999999999999 600 X", 1920, 1080, "Hollowtide"},
        {"100000 600 X", 1920, 600, "X"},
    };
    for (const Case& c : cases) {
        Sandbox box;
        box.WriteResource("init.ini", c.text);
        Settings s = Read(box);
        EXPECT_EQ(s.width, c.width) << c.text;
        EXPECT_EQ(s.height, c.height) << c.text;
        EXPECT_EQ(s.title, c.title) << c.text;
        EXPECT_NE(s.output.find("init.ini: expected"), std::string::npos) << c.text;
        EXPECT_EQ(box.ReadResource("init.ini"), c.text);
    }
}

TEST(WindowSettings, AHugeTitleIsCut) {
    Sandbox box;
    box.WriteResource("init.ini", "640 480 " + std::string(100000, 'T'));
    Settings s = Read(box);
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.title, std::string(64, 'T'));
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
    window.WindowProcedure({MessageType::MouseWheel, 1});
    window.WindowProcedure({MessageType::MouseWheel, 1});
    window.WindowProcedure({MessageType::MouseWheel, 1});
    window.WindowProcedure({MessageType::MouseWheel, -1});
    EXPECT_FLOAT_EQ(input.wheel, 2.0f);
    input.wheel = 0;

    window.WindowProcedure({MessageType::MouseMove, -20, 700});
    EXPECT_EQ(input.mouseX, -20);
    EXPECT_EQ(input.mouseY, 700);
}

} // namespace
