#pragma once

#include <cstdint>
#include <string>

// One PNG decoded to 8-bit RGBA and held as an OpenGL 2D texture, its first image row at v = 0.
// Shared between the texture cache and every component that draws with it.
class GLTexture {
public:
    uint32_t width = 0;     // pixels, as decoded
    uint32_t height = 0;    // pixels
    uint32_t textureId = 0; // 0 when the file could not be used: drawn with no texture bound
    bool opaque = false;    // every pixel has alpha 255

    // Decodes and uploads `path`. A file that cannot be used (missing, empty, truncated, not a PNG,
    // larger than the GPU allows) prints one line on standard output naming the file and the reason,
    // and leaves textureId 0. Without a current OpenGL context nothing is read.
    explicit GLTexture(const std::string& path);
    ~GLTexture();
    GLTexture(const GLTexture&) = delete;
    GLTexture& operator=(const GLTexture&) = delete;
};
