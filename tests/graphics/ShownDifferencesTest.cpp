#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/Image.h"

namespace {

Image Filled(unsigned width, unsigned height, uint8_t grey) {
    Image image{width, height, std::vector<uint8_t>(size_t(width) * height * 4, grey)};
    for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;
    return image;
}

void Paint(Image& image, unsigned x, unsigned y, uint8_t grey) {
    for (int c = 0; c < 3; ++c) image.rgba[(size_t(y) * image.width + x) * 4 + c] = grey;
}

size_t Count(const Image& a, const Image& b) {
    const std::vector<bool> shown = ShownDifferences(a, b, 24);
    return size_t(std::count(shown.begin(), shown.end(), true));
}

} // namespace

// The golden and planning checks compare frames with this: it must see a thin thing go missing but
// not a steep edge sampled on the other side of a tie, nor a blend rounded the other way.
TEST(ShownDifferences, SeesAMissingLineButNotATieOrARounding) {
    Image golden = Filled(16, 8, 40);
    for (unsigned y = 0; y < 8; ++y) Paint(golden, 8, y, 220); // a one-pixel line
    EXPECT_EQ(Count(golden, Filled(16, 8, 40)), 8u) << "the line itself, and nothing around it";

    // A steep ramp 40, 100, 160, 220 across x = 6..9: the other path shows x = 7 one step on.
    Image ramp = Filled(16, 8, 40), shifted = Filled(16, 8, 40);
    for (unsigned y = 0; y < 8; ++y) {
        for (unsigned x = 6; x < 10; ++x) Paint(ramp, x, y, uint8_t(40 + 60 * (x - 6)));
        for (unsigned x = 6; x < 10; ++x) Paint(shifted, x, y, uint8_t(40 + 60 * (x - 6)));
        Paint(shifted, 7, y, 160);
        for (unsigned x = 10; x < 16; ++x) Paint(ramp, x, y, 220), Paint(shifted, x, y, 220);
    }
    EXPECT_EQ(Count(ramp, shifted), 0u);

    Image rounded = golden;
    for (size_t i = 0; i < rounded.rgba.size(); i += 4) rounded.rgba[i] = uint8_t(rounded.rgba[i] + 3);
    EXPECT_EQ(Count(golden, rounded), 0u);
    EXPECT_EQ(Count(golden, Filled(4, 4, 40)), 0u) << "sizes that differ are reported by the caller";
}
