#pragma once

#include <lodepng.h>

#include <cstdint>
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
