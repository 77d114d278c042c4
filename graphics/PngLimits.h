#pragma once

#include <string>
#include <vector>

// The largest art the game accepts, well above any shipped picture: a header may claim any size,
// and the decoder reserves width x height x 4 bytes (and as much again for the rows) before it has
// inflated a single pixel.
constexpr unsigned maxPngPixels = 16u * 1024 * 1024;

// Reads only the header of a PNG file: empty when it may be decoded, otherwise why not (not a PNG,
// a side longer than `maxSide`, more than maxPngPixels pixels).
std::string PngSizeFault(const std::vector<unsigned char>& file, unsigned maxSide);
