#include "tests/support/Image.h"

#include <lodepng.h>

#include <algorithm>
#include <cstdlib>

bool LoadPng(const std::string& path, Image& image, std::string* error) {
    image = Image{};
    unsigned code = lodepng::decode(image.rgba, image.width, image.height, path);
    if (code != 0) {
        if (error) *error = path + ": " + lodepng_error_text(code);
        image = Image{};
        return false;
    }
    return true;
}

bool SavePng(const std::string& path, const Image& image) {
    return lodepng::encode(path, image.rgba, image.width, image.height) == 0;
}

ImageDifference CompareImages(const Image& actual, const Image& expected, const ImageTolerance& tolerance) {
    ImageDifference result;
    result.sameSize = actual.width == expected.width && actual.height == expected.height;
    if (!result.sameSize) return result;
    result.diff = expected;
    for (size_t pixel = 0; pixel < size_t(actual.width) * actual.height; ++pixel) {
        int largest = 0;
        for (int c = 0; c < 4; ++c)
            largest = std::max(largest,
                               std::abs(int(actual.rgba[pixel * 4 + c]) - int(expected.rgba[pixel * 4 + c])));
        result.largestChannelDifference = std::max(result.largestChannelDifference, largest);
        uint8_t* out = &result.diff.rgba[pixel * 4];
        if (largest > tolerance.channel) {
            ++result.differentPixels;
            out[0] = 255, out[1] = 0, out[2] = 0, out[3] = 255;
        } else {
            const uint8_t grey = uint8_t((out[0] + out[1] + out[2]) / 12);
            out[0] = out[1] = out[2] = grey, out[3] = 255;
        }
    }
    return result;
}

bool Matches(const ImageDifference& difference, const Image& expected, const ImageTolerance& tolerance) {
    if (!difference.sameSize) return false;
    const double total = double(expected.width) * expected.height;
    return total == 0 || double(difference.differentPixels) / total <= tolerance.pixelFraction;
}
