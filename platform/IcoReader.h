#pragma once

#include <cstdint>
#include <vector>

struct IcoImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba; // width * height * 4, top row first
};

// Picks the entry of an .ico file whose width is `wantedSize` (or else the largest one) and
// decodes it; PNG-compressed and 32-bit BMP entries are understood. The bytes are untrusted:
// any inconsistency makes it return false.
bool DecodeIco(const std::vector<uint8_t>& bytes, int wantedSize, IcoImage& out);
