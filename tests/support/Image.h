#pragma once

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

// False (with `error` filled) when the file is missing or not a PNG.
bool LoadPng(const std::string& path, Image& image, std::string* error = nullptr);
bool SavePng(const std::string& path, const Image& image);

// How far a screenshot may stray from its golden image: a pixel differs when any channel differs by
// more than `channel`; the images match while at most `pixelFraction` of the pixels differ. Software
// GL repeats itself exactly, so the defaults only absorb driver drift at the edges of shapes.
struct ImageTolerance {
    int channel = 24;
    double pixelFraction = 0.002;
};
