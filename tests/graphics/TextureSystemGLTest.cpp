#include "graphics/TextureSystem.h"

#include <gtest/gtest.h>
#include <lodepng.h>

#include <fstream>
#include <iterator>

#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string PngBytes(unsigned width, unsigned height) {
    std::vector<unsigned char> pixels(size_t(width) * height * 4, 200), png;
    lodepng::encode(png, pixels, width, height);
    return std::string(png.begin(), png.end());
}

// A PNG whose header claims a size no GPU takes; the pixel data is a few bytes.
std::string ForgedHugePng() {
    std::string png = PngBytes(2, 2);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) png[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
    };
    put32(16, 200000); // IHDR width
    put32(20, 200000); // IHDR height
    unsigned crc = lodepng_crc32(reinterpret_cast<const unsigned char*>(&png[12]), 17);
    put32(29, crc);
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
        const std::string placeholder = ReadBytes(RepositoryResources() / "Arts" / "empty.png");
        AddArt("empty.png", placeholder);
        AddArt("Door.png", PngBytes(4, 2));
        AddArt("door.png", PngBytes(2, 4));
        AddArt("zero.png", "");
        AddArt("text.png", "this is a text file\n");
        AddArt("truncated.png", PngBytes(64, 64).substr(0, 60));
        AddArt("huge.png", ForgedHugePng());
        textureSystem->textures.clear();
        textureSystem->Initialize();
    }
    void AddArt(const std::string& name, const std::string& bytes) {
        const auto path = game->Box().resources() / "Arts" / name;
        std::filesystem::remove(path);
        std::ofstream(path, std::ios::binary) << bytes;
    }
};

TEST_F(TextureCache, SameNameIsOneSharedTextureAndCaseMatters) {
    auto first = textureSystem->GetTexture("Door.png");
    auto second = textureSystem->GetTexture("Door.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_NE(first->textureId, 0u);
    EXPECT_EQ(first->width, 4u);
    auto lower = textureSystem->GetTexture("door.png");
    ASSERT_NE(lower, nullptr);
    EXPECT_NE(lower, first);
    EXPECT_EQ(lower->width, 2u);
    EXPECT_EQ(textureSystem->GetLoadedTextureNames(), (std::vector<std::string>{"Door.png", "door.png"}));
}

TEST_F(TextureCache, UnknownNameBeforeThePlaceholderDoesNotPoisonIt) {
    EXPECT_EQ(textureSystem->GetTexture("nosuch.png"), nullptr);
    auto placeholder = textureSystem->GetTexture("empty.png");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_NE(placeholder->textureId, 0u);
    EXPECT_EQ(textureSystem->GetTexture("nosuch.png"), placeholder);
    EXPECT_EQ(textureSystem->LoadTextureFromPath("/home/someone/elsewhere/nosuch.png"), placeholder);
    EXPECT_EQ(textureSystem->LoadTextureFromPath("C:\\art\\Door.png"), textureSystem->GetTexture("Door.png"));
}

TEST_F(TextureCache, UnusableFilesReportOnceAndShowThePlaceholder) {
    auto placeholder = textureSystem->GetTexture("empty.png");
    ASSERT_NE(placeholder, nullptr);
    for (const char* name : {"zero.png", "text.png", "truncated.png", "huge.png"}) {
        testing::internal::CaptureStdout();
        auto texture = textureSystem->GetTexture(name);
        const std::string first = testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
        textureSystem->GetTexture(name);
        const std::string second = testing::internal::GetCapturedStdout();

        EXPECT_EQ(texture, placeholder) << name;
        EXPECT_NE(first.find(name), std::string::npos) << first;
        EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 1) << first;
        EXPECT_TRUE(second.empty()) << name << ": " << second;
        // The failed file stays cached with no texture, so it is read only once.
        ASSERT_EQ(textureSystem->textures.count(name), 1u);
        EXPECT_EQ(textureSystem->textures[name]->textureId, 0u);
    }
}

TEST_F(TextureCache, QuitEmptiesTheCacheButHoldersKeepTheirTexture) {
    auto held = textureSystem->GetTexture("Door.png");
    textureSystem->HandleMessage({Quit});
    EXPECT_TRUE(textureSystem->textures.empty());
    EXPECT_NE(held->textureId, 0u);
    textureSystem->LoadAllTextures();
    EXPECT_EQ(textureSystem->GetLoadedTextureNames(), textureSystem->artFileNames);
    EXPECT_NE(textureSystem->GetTexture("Door.png"), held); // a fresh load after the cache emptied
}

} // namespace
