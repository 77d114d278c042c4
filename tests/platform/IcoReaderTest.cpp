#include "platform/IcoReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/Sandbox.h"

namespace {

// One 2 x 2, 32-bit BMP entry: bottom-up BGRA rows, the header's height doubled for the mask.
std::vector<uint8_t> TinyBmpIco() {
    std::vector<uint8_t> b;
    const auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back((v >> (8 * i)) & 0xFF);
    };
    for (uint32_t v : {0, 1, 1}) put(v, 2);                 // directory: an icon file of one entry
    for (uint32_t v : {2, 2, 0, 0}) put(v, 1);              // 2 x 2, no palette
    put(1, 2), put(32, 2), put(40 + 16 + 8, 4), put(22, 4); // planes, bits, size, offset
    put(40, 4), put(2, 4), put(4, 4), put(1, 2), put(32, 2);
    for (int i = 0; i < 6; ++i) put(0, 4);
    // The bottom row blue, green; the top row half-transparent red, white; then the AND mask.
    for (uint32_t p : {0xFF0000FFu, 0xFF00FF00u, 0x80FF0000u, 0xFFFFFFFFu, 0u, 0u}) put(p, 4);
    return b;
}

TEST(IcoReader, BmpEntriesComeOutTopRowFirstInRgba) {
    IcoImage image;
    ASSERT_TRUE(DecodeIco(TinyBmpIco(), 2, image));
    ASSERT_TRUE(image.width == 2 && image.height == 2);
    EXPECT_EQ(image.rgba,
              (std::vector<uint8_t>{255, 0, 0, 128, 255, 255, 255, 255, 0, 0, 255, 255, 0, 255, 0, 255}));
}

TEST(IcoReader, DamagedFilesAreRefusedWithoutReadingOutOfBounds) {
    std::ifstream file(RepositoryResources() / "icon.ico", std::ios::binary);
    const std::vector<uint8_t> tiny = TinyBmpIco(), shipped{std::istreambuf_iterator<char>(file), {}};
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
