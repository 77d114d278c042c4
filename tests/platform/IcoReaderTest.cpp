#include "platform/IcoReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/Sandbox.h"

namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// One 2 x 2, 32-bit BMP entry: bottom-up BGRA rows, the header's height doubled for the mask.
std::vector<uint8_t> TinyBmpIco() {
    std::vector<uint8_t> b;
    Put16(b, 0), Put16(b, 1), Put16(b, 1);
    b.push_back(2), b.push_back(2), b.push_back(0), b.push_back(0);
    Put16(b, 1), Put16(b, 32), Put32(b, 40 + 16 + 8), Put32(b, 22);
    Put32(b, 40), Put32(b, 2), Put32(b, 4), Put16(b, 1), Put16(b, 32);
    for (int i = 0; i < 6; ++i) Put32(b, 0);
    const uint32_t bottomRow[2] = {0xFF0000FF, 0xFF00FF00}; // little-endian BGRA: blue, green
    const uint32_t topRow[2] = {0x80FF0000, 0xFFFFFFFF};    // half-transparent red, white
    for (uint32_t p : bottomRow) Put32(b, p);
    for (uint32_t p : topRow) Put32(b, p);
    Put32(b, 0), Put32(b, 0); // AND mask
    return b;
}

TEST(IcoReader, ShippedIconsHoldTheSizesTheWindowAsksFor) {
    for (const auto& [file, size] : {std::pair<const char*, int>{"icon.ico", 32}, {"icon_small.ico", 16}}) {
        IcoImage image;
        ASSERT_TRUE(DecodeIco(ReadFile(RepositoryResources() / file), size, image)) << file;
        EXPECT_EQ(image.width, size);
        EXPECT_EQ(image.height, size);
        EXPECT_EQ(image.rgba.size(), size * size * 4u);
    }
}

TEST(IcoReader, BmpEntriesComeOutTopRowFirstInRgba) {
    IcoImage image;
    ASSERT_TRUE(DecodeIco(TinyBmpIco(), 2, image));
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    const std::vector<uint8_t> expected = {255, 0, 0,   128, 255, 255, 255, 255,
                                           0,   0, 255, 255, 0,   255, 0,   255};
    EXPECT_EQ(image.rgba, expected);
}

TEST(IcoReader, DamagedFilesAreRefusedWithoutReadingOutOfBounds) {
    const std::vector<uint8_t> tiny = TinyBmpIco(), shipped = ReadFile(RepositoryResources() / "icon.ico");
    IcoImage image;
    for (size_t length = 0; length < tiny.size(); ++length)
        EXPECT_FALSE(DecodeIco({tiny.begin(), tiny.begin() + length}, 2, image)) << "cut at " << length;
    // Cut anywhere, or with a directory byte bent, the shipped icon may or may not decode: no crash.
    for (size_t length = 0; length < shipped.size(); ++length)
        DecodeIco({shipped.begin(), shipped.begin() + length}, 16, image);
    for (const auto* source : {&tiny, &shipped}) {
        for (size_t at = 0; at < 22; ++at) {
            std::vector<uint8_t> bent = *source;
            bent[at] ^= 0xFF;
            DecodeIco(bent, 32, image);
        }
    }
}

} // namespace
