#include "graphics/TextureSystem.h"

#include <gtest/gtest.h>
#include <lodepng.h>

#include <fstream>

#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

std::string PngBytes(unsigned width, unsigned height) {
    std::vector<unsigned char> pixels(size_t(width) * height * 4, 200), png;
    lodepng::encode(png, pixels, width, height);
    return std::string(png.begin(), png.end());
}

// A PNG whose header claims a size no GPU takes; the pixel data is a few bytes.
std::string ForgedHugePng() {
    std::string png = PngBytes(2, 2);
    for (size_t at : {16, 20}) png.replace(at, 4, std::string("\0\x03\x0d\x40", 4)); // 200000 wide and high
    const uint32_t crc = lodepng_crc32(reinterpret_cast<const unsigned char*>(&png[12]), 17);
    for (int i = 0; i < 4; ++i) png[29 + i] = char((crc >> (24 - 8 * i)) & 0xFF);
    return png;
}

// The running engine with art files of the test's own beside the shipped ones.
TEST(TextureCache, OneTexturePerExactNameAndUnusableFilesReportOnceAndShowThePlaceholder) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game;
    ASSERT_TRUE(game.IsRunning());
    const std::pair<const char*, std::string> arts[] = {
        {"Door.png", PngBytes(4, 2)},
        {"door.png", PngBytes(2, 4)},
        {"zero.png", ""},
        {"text.png", "this is a text file\n"},
        {"truncated.png", PngBytes(64, 64).substr(0, 60)},
        {"huge.png", ForgedHugePng()},
    };
    for (const auto& [name, bytes] : arts) {
        const auto path = game.Box().resources() / "Arts" / name;
        std::filesystem::remove(path); // a link to the repository's file: never write through it
        std::ofstream(path, std::ios::binary) << bytes;
    }
    textureSystem->textures.clear();
    textureSystem->Initialize();
    // Asking for an unknown name before the placeholder is loaded must not poison it.
    EXPECT_EQ(textureSystem->GetTexture("nosuch.png"), nullptr);
    auto placeholder = textureSystem->GetTexture("empty.png");
    ASSERT_TRUE(placeholder && placeholder->textureId != 0);
    EXPECT_EQ(textureSystem->GetTexture("nosuch.png"), placeholder);
    auto upper = textureSystem->GetTexture("Door.png");
    EXPECT_EQ(textureSystem->GetTexture("Door.png"), upper);
    EXPECT_TRUE(upper->width == 4 && textureSystem->GetTexture("door.png")->width == 2);
    // Paths saved by other machines are looked up by their file name.
    EXPECT_EQ(textureSystem->LoadTextureFromPath("/home/someone/elsewhere/nosuch.png"), placeholder);
    EXPECT_EQ(textureSystem->LoadTextureFromPath("C:\\art\\Door.png"), upper);

    for (const char* name : {"zero.png", "text.png", "truncated.png", "huge.png"}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(textureSystem->GetTexture(name), placeholder) << name;
        textureSystem->GetTexture(name); // the failed file stays cached, so it is read only once
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_NE(printed.find(name), std::string::npos) << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    }

    // The same through the preload: a picture asked for while the workers run is decoded once and
    // stays the cached one, and every broken file is still reported once.
    textureSystem->textures.clear();
    testing::internal::CaptureStdout();
    textureSystem->StartPreload();
    auto early = textureSystem->GetTexture("Door.png");
    textureSystem->FinishPreload();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(textureSystem->PreloadRunning());
    EXPECT_EQ(textureSystem->textures.size(), textureSystem->artFileNames.size());
    ASSERT_TRUE(early && early->width == 4);
    EXPECT_EQ(textureSystem->GetTexture("Door.png"), early);
    EXPECT_EQ(textureSystem->GetTexture("door.png")->width, 2u);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 4) << printed;
    for (const char* name : {"zero.png", "text.png", "truncated.png", "huge.png"})
        EXPECT_NE(printed.find(name), std::string::npos) << printed;
}

} // namespace
