#pragma once

#include <lodepng.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// An 8-bit RGBA picture, top row first (as PNG files and the game's textures store it).
struct Image {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<uint8_t> rgba;

    bool Empty() const { return width == 0 || height == 0; }
    // Channel c (0 r, 1 g, 2 b, 3 a) of the pixel at (x, y), y counted from the top.
    uint8_t At(unsigned x, unsigned y, int c) const { return rgba[(size_t(y) * width + x) * 4 + c]; }
};

// False, with an empty image and `error` filled, when the file is missing or not a PNG.
inline bool LoadPng(const std::string& path, Image& image, std::string* error = nullptr) {
    image = Image{};
    const unsigned code = lodepng::decode(image.rgba, image.width, image.height, path);
    if (code != 0 && error) *error = path + ": " + lodepng_error_text(code);
    if (code != 0) image = Image{};
    return code == 0;
}

inline bool SavePng(const std::string& path, const Image& image) {
    return lodepng::encode(path, image.rgba, image.width, image.height) == 0;
}

// Where two frames of the same size differ in what they show: a pixel of one counts when a colour
// channel of it lies more than `tolerance` outside what the other frame holds around the same place
// (its own pixel and the eight around it), and the same the other way round. A texel chosen on the
// other side of a tie, or a blend rounded the other way, is not a difference; a sprite missing or
// misplaced, however thin, is.
inline std::vector<bool> ShownDifferences(const Image& a, const Image& b, int tolerance) {
    std::vector<bool> differs(size_t(a.width) * a.height, false);
    if (a.width != b.width || a.height != b.height) return differs;
    auto within = [tolerance](const Image& from, const Image& around, unsigned x, unsigned y) {
        for (int c = 0; c < 3; ++c) {
            int low = 255, high = 0;
            for (unsigned ny = y > 0 ? y - 1 : 0; ny <= std::min(y + 1, around.height - 1); ++ny)
                for (unsigned nx = x > 0 ? x - 1 : 0; nx <= std::min(x + 1, around.width - 1); ++nx)
                    low = std::min<int>(low, around.At(nx, ny, c)), high = std::max<int>(high, around.At(nx, ny, c));
            const int value = from.At(x, y, c);
            if (value < low - tolerance || value > high + tolerance) return false;
        }
        return true;
    };
    for (unsigned y = 0; y < a.height; ++y)
        for (unsigned x = 0; x < a.width; ++x)
            differs[size_t(y) * a.width + x] = !within(a, b, x, y) || !within(b, a, x, y);
    return differs;
}
