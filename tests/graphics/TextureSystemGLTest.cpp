#include "graphics/TextureSystem.h"

#include <gtest/gtest.h>
#include <lodepng.h>

#include <fstream>
#include <iterator>

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
    const auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) png[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
    };
    put32(16, 200000); // IHDR width
    put32(20, 200000); // IHDR height
    put32(29, lodepng_crc32(reinterpret_cast<const unsigned char*>(&png[12]), 17));
    return png;
}

// The running engine with a few art files of the test's own added to the scanned folder.
class TextureCache : public ::testing::Test {
protected:
    std::unique_ptr<GameHarness> game;

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        game = std::make_unique<GameHarness>();
        ASSERT_TRUE(game->IsRunning());
        std::ifstream placeholder(RepositoryResources() / "Arts" / "empty.png", std::ios::binary);
        const std::pair<const char*, std::string> arts[] = {
            {"empty.png", std::string(std::istreambuf_iterator<char>(placeholder), {})},
            {"Door.png", PngBytes(4, 2)},
            {"door.png", PngBytes(2, 4)},
            {"zero.png", ""},
            {"text.png", "this is a text file\n"},
            {"truncated.png", PngBytes(64, 64).substr(0, 60)},
            {"huge.png", ForgedHugePng()},
        };
        for (const auto& [name, bytes] : arts) {
            const auto path = game->Box().resources() / "Arts" / name;
            std::filesystem::remove(path); // a link to the repository's file: never write through it
            std::ofstream(path, std::ios::binary) << bytes;
        }
        textureSystem->textures.clear();
        textureSystem->Initialize();
    }
};

TEST_F(TextureCache, OneSharedTexturePerExactNameAndUnknownNamesGetThePlaceholder) {
    // Asking for an unknown name before the placeholder is loaded must not poison it.
    EXPECT_EQ(textureSystem->GetTexture("nosuch.png"), nullptr);
    auto placeholder = textureSystem->GetTexture("empty.png");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_NE(placeholder->textureId, 0u);
    EXPECT_EQ(textureSystem->GetTexture("nosuch.png"), placeholder);

    auto upper = textureSystem->GetTexture("Door.png"), lower = textureSystem->GetTexture("door.png");
    EXPECT_EQ(textureSystem->GetTexture("Door.png"), upper);
    EXPECT_EQ(upper->width, 4u);
    EXPECT_EQ(lower->width, 2u);
    // Paths saved by other machines are looked up by their file name.
    EXPECT_EQ(textureSystem->LoadTextureFromPath("/home/someone/elsewhere/nosuch.png"), placeholder);
    EXPECT_EQ(textureSystem->LoadTextureFromPath("C:\\art\\Door.png"), upper);
}

TEST_F(TextureCache, UnusableFilesReportOnceAndShowThePlaceholder) {
    auto placeholder = textureSystem->GetTexture("empty.png");
    ASSERT_NE(placeholder, nullptr);
    for (const char* name : {"zero.png", "text.png", "truncated.png", "huge.png"}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(textureSystem->GetTexture(name), placeholder) << name;
        const std::string first = testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
        textureSystem->GetTexture(name);
        const std::string second = testing::internal::GetCapturedStdout();
        EXPECT_NE(first.find(name), std::string::npos) << first;
        EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 1) << first;
        EXPECT_EQ(second, "") << name << ": the failed file stays cached, so it is read only once";
    }
}

TEST_F(TextureCache, QuitEmptiesTheCacheButHoldersKeepTheirTexture) {
    auto held = textureSystem->GetTexture("Door.png");
    textureSystem->HandleMessage({Quit});
    EXPECT_TRUE(textureSystem->textures.empty());
    EXPECT_NE(held->textureId, 0u);
    textureSystem->LoadAllTextures();
    EXPECT_EQ(textureSystem->GetLoadedTextureNames(), textureSystem->artFileNames);
    EXPECT_NE(textureSystem->GetTexture("Door.png"), held);
}

} // namespace
