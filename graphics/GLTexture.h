#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Texel columns [x0, x1) and rows [y0, y1), rows counted from the top; empty when x0 == x1.
struct TexelRect {
    uint32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    uint64_t Area() const { return uint64_t(x1 - x0) * (y1 - y0); }
};

// The largest rectangle of texels with alpha 255 in `rgba` (rows top first, 4 bytes a texel).
TexelRect LargestOpaqueRect(const std::vector<unsigned char>& rgba, uint32_t width, uint32_t height);

// A rectangle of a picture whose texels all have alpha 255 (`opaque`) or all alpha 0: drawn without
// blending, or not at all.
struct PlainRegion {
    TexelRect rect;
    bool opaque = false;
};

// The plain regions of `rgba`, found on a grid of `cell` x `cell` texels and merged into rectangles:
// disjoint, at most `maxRegions`, largest first, none smaller than four cells. A picture opaque
// throughout has none (it is drawn without blending anyway).
std::vector<PlainRegion> PlainRegions(const std::vector<unsigned char>& rgba, uint32_t width, uint32_t height,
                                      uint32_t cell = 32, size_t maxRegions = 12);

// For each alpha a of 0-255, the box of the texels whose alpha is a or more (empty when none is):
// all a picture can show once everything fainter than a blends to nothing.
std::vector<TexelRect> AlphaBoxes(const std::vector<unsigned char>& rgba, uint32_t width, uint32_t height);

// A PNG file read and decoded to 8 bits a channel, not yet a texture. Decoding touches no OpenGL
// state, so it may run on any thread.
struct DecodedPng {
    // Rows top first, 4 bytes a pixel in the order blue, green, red, alpha: the order the window
    // keeps its pixels in, so the software rasteriser copies an opaque picture texel for pixel.
    std::vector<unsigned char> pixels;
    uint32_t width = 0;
    uint32_t height = 0;
    std::string fault;    // the one line to print when the file cannot be used; empty when it can
    TexelRect opaqueCore; // the largest rectangle of texels with alpha 255
    std::vector<PlainRegion> plainRegions;
    std::vector<TexelRect> alphaBoxes;

    // Reads and decodes `path`, refusing sides above `maxSide` before any pixel is allocated.
    static DecodedPng FromFile(const std::string& path, unsigned maxSide);
};

// One PNG decoded to 8-bit RGBA and held as an OpenGL 2D texture, its first image row at v = 0.
// Shared between the texture cache and every component that draws with it.
class GLTexture {
public:
    uint32_t width = 0;     // pixels, as decoded
    uint32_t height = 0;    // pixels
    uint32_t textureId = 0; // 0 when the file could not be used: drawn with no texture bound
    bool opaque = false;    // every pixel has alpha 255
    // The largest rectangle of pixels with alpha 255: a see-through picture still hides what lies
    // under it there.
    TexelRect opaqueCore;
    // Where a see-through picture needs no blending (see PlainRegions).
    std::vector<PlainRegion> plainRegions;
    // Where the texels of each alpha and more lie (see AlphaBoxes): 256 boxes, or none.
    std::vector<TexelRect> alphaBoxes;

    // Decodes and uploads `path`. A file that cannot be used (missing, empty, truncated, not a PNG,
    // larger than the GPU allows) prints one line on standard output naming the file and the reason,
    // and leaves textureId 0. Without a current OpenGL context nothing is read.
    explicit GLTexture(const std::string& path);
    // Uploads what a decode gave (printing its fault instead when it has one); the pixels are freed.
    explicit GLTexture(DecodedPng&& decoded);
    ~GLTexture();
    GLTexture(const GLTexture&) = delete;
    GLTexture& operator=(const GLTexture&) = delete;

    // The largest side the current context takes (16384 when it does not say).
    static unsigned MaxSide();
    // A new texture of width x height picture texels, blue first (DecodedPng), sampled nearest and
    // clamped at the edges; `bgra` may be null for one drawn into later. Left unbound.
    static uint32_t NewPictureTexture(uint32_t width, uint32_t height, const unsigned char* bgra);

private:
    void Upload(DecodedPng&& decoded);
};
