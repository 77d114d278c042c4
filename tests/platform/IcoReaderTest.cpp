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

void Put(std::vector<uint8_t>& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

// One 2 x 2, 32-bit BMP entry: bottom-up BGRA rows, the header's height doubled for the mask.
std::vector<uint8_t> TinyBmpIco() {
    std::vector<uint8_t> b;
    for (uint32_t v : {0, 1, 1}) Put(b, v, 2);    // directory: an icon file of one entry
    for (uint32_t v : {2, 2, 0, 0}) Put(b, v, 1); // 2 x 2, no palette
    Put(b, 1, 2), Put(b, 32, 2), Put(b, 40 + 16 + 8, 4), Put(b, 22, 4); // planes, bits, size, offset
    Put(b, 40, 4), Put(b, 2, 4), Put(b, 4, 4), Put(b, 1, 2), Put(b, 32, 2);
    for (int i = 0; i < 6; ++i) Put(b, 0, 4);
    // Little-endian BGRA: the bottom row blue, green; the top row half-transparent red, white; then
    // the AND mask.
    for (uint32_t p : {0xFF0000FFu, 0xFF00FF00u, 0x80FF0000u, 0xFFFFFFFFu, 0u, 0u}) Put(b, p, 4);
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
