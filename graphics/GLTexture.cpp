#include "graphics/GLTexture.h"

#include <GL/glew.h>
#include <lodepng.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "graphics/PngLimits.h"
#include "platform/Platform.h"

namespace {

std::string DecodeFault(const std::string& path, unsigned error) {
    return "error " + std::to_string(error) + ": " + lodepng_error_text(error) + " (" + path + ")";
}

} // namespace

TexelRect LargestOpaqueRect(const std::vector<unsigned char>& rgba, uint32_t width, uint32_t height) {
    TexelRect best;
    if (rgba.size() < size_t(width) * height * 4) return best;
    // Row by row, the opaque run ending at this row in each column makes a histogram whose largest
    // rectangle is found with a stack of rising columns; the extra column of height 0 empties it.
    std::vector<uint32_t> run(size_t(width) + 1, 0);
    std::vector<uint32_t> rising;
    for (uint32_t y = 0; y < height; ++y) {
        const unsigned char* row = rgba.data() + size_t(y) * width * 4;
        for (uint32_t x = 0; x < width; ++x) run[x] = row[size_t(x) * 4 + 3] == 255 ? run[x] + 1 : 0;
        rising.clear();
        for (uint32_t x = 0; x <= width; ++x) {
            while (!rising.empty() && run[rising.back()] >= run[x]) {
                const uint32_t h = run[rising.back()];
                rising.pop_back();
                const uint32_t left = rising.empty() ? 0 : rising.back() + 1;
                const TexelRect candidate{left, y + 1 - h, x, y + 1};
                if (h > 0 && candidate.Area() > best.Area()) best = candidate;
            }
            rising.push_back(x);
        }
    }
    return best;
}

std::vector<PlainRegion> PlainRegions(const std::vector<unsigned char>& rgba, uint32_t width, uint32_t height,
                                      uint32_t cell, size_t maxRegions) {
    std::vector<PlainRegion> regions;
    if (cell == 0 || rgba.size() < size_t(width) * height * 4) return regions;
    // Each cell is clear (1), opaque (2) or mixed (0); the edge cells may be smaller.
    enum : uint8_t { Mixed = 0, Clear = 1, Opaque = 2, Taken = 3 };
    const uint32_t columns = (width + cell - 1) / cell, rows = (height + cell - 1) / cell;
    std::vector<uint8_t> kind(size_t(columns) * rows, Clear | Opaque);
    for (uint32_t y = 0; y < height; ++y) {
        const unsigned char* row = rgba.data() + size_t(y) * width * 4;
        uint8_t* kinds = kind.data() + size_t(y / cell) * columns;
        for (uint32_t x = 0; x < width; ++x) {
            const unsigned char alpha = row[size_t(x) * 4 + 3];
            kinds[x / cell] &= alpha == 0 ? Clear : alpha == 255 ? Opaque : Mixed;
        }
    }
    bool anyMixedOrClear = false;
    for (uint8_t k : kind) anyMixedOrClear |= k != Opaque;
    if (!anyMixedOrClear) return regions;
    // Greedy: from the first free cell of a kind, as far right as the kind goes, then down while the
    // whole run below is of the kind too.
    for (uint32_t r = 0; r < rows; ++r)
        for (uint32_t c = 0; c < columns; ++c) {
            const uint8_t k = kind[size_t(r) * columns + c];
            if (k != Clear && k != Opaque) continue;
            uint32_t c1 = c + 1;
            while (c1 < columns && kind[size_t(r) * columns + c1] == k) ++c1;
            uint32_t r1 = r + 1;
            auto rowMatches = [&](uint32_t at) {
                for (uint32_t i = c; i < c1; ++i)
                    if (kind[size_t(at) * columns + i] != k) return false;
                return true;
            };
            while (r1 < rows && rowMatches(r1)) ++r1;
            for (uint32_t i = r; i < r1; ++i)
                for (uint32_t j = c; j < c1; ++j) kind[size_t(i) * columns + j] = Taken;
            if (uint64_t(c1 - c) * (r1 - r) < 4) continue;
            regions.push_back({{c * cell, r * cell, std::min(c1 * cell, width), std::min(r1 * cell, height)},
                               k == Opaque});
        }
    std::stable_sort(regions.begin(), regions.end(),
                     [](const PlainRegion& a, const PlainRegion& b) { return a.rect.Area() > b.rect.Area(); });
    if (regions.size() > maxRegions) regions.resize(maxRegions);
    return regions;
}

std::vector<TexelRect> AlphaBoxes(const std::vector<unsigned char>& rgba, uint32_t width, uint32_t height) {
    std::vector<TexelRect> boxes;
    if (width == 0 || height == 0 || rgba.size() < size_t(width) * height * 4) return boxes;
    // The box of each alpha exactly, then from the most opaque down each box takes in the next.
    boxes.assign(256, TexelRect{width, height, 0, 0});
    for (uint32_t y = 0; y < height; ++y) {
        const unsigned char* row = rgba.data() + size_t(y) * width * 4;
        for (uint32_t x = 0; x < width; ++x) {
            TexelRect& box = boxes[row[size_t(x) * 4 + 3]];
            box.x0 = std::min(box.x0, x), box.y0 = std::min(box.y0, y);
            box.x1 = std::max(box.x1, x + 1), box.y1 = std::max(box.y1, y + 1);
        }
    }
    for (int a = 254; a >= 0; --a) {
        const TexelRect& above = boxes[size_t(a) + 1];
        TexelRect& box = boxes[size_t(a)];
        box.x0 = std::min(box.x0, above.x0), box.y0 = std::min(box.y0, above.y0);
        box.x1 = std::max(box.x1, above.x1), box.y1 = std::max(box.y1, above.y1);
    }
    for (TexelRect& box : boxes)
        if (box.x1 <= box.x0) box = TexelRect{};
    return boxes;
}

DecodedPng DecodedPng::FromFile(const std::string& path, unsigned maxSide) {
    DecodedPng result;
    std::vector<unsigned char> file;
    unsigned error = lodepng::load_file(file, path);
    if (error == 0 && file.empty()) error = 48; // lodepng's "empty input buffer"
    if (error != 0) {
        result.fault = DecodeFault(path, error);
        return result;
    }
    // Check the size in the header before decoding: a forged header would otherwise make the
    // decoder reserve width x height x 4 bytes for an image the GPU refuses anyway.
    const std::string fault = PngSizeFault(file, maxSide);
    if (!fault.empty()) {
        result.fault = path + ": " + fault;
        return result;
    }
    unsigned width = 0, height = 0;
    error = lodepng::decode(result.pixels, width, height, file);
    if (error != 0) {
        result.pixels.clear();
        result.fault = DecodeFault(path, error);
        return result;
    }
    for (size_t i = 0; i + 3 < result.pixels.size(); i += 4) std::swap(result.pixels[i], result.pixels[i + 2]);
    result.width = width;
    result.height = height;
    result.opaqueCore = LargestOpaqueRect(result.pixels, width, height);
    result.plainRegions = PlainRegions(result.pixels, width, height);
    result.alphaBoxes = AlphaBoxes(result.pixels, width, height);
    return result;
}

unsigned GLTexture::MaxSide() {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return maxSize > 0 ? static_cast<unsigned>(maxSize) : 16384u;
}

GLTexture::GLTexture(const std::string& path) {
    if (Platform::HasCurrentGLContext()) Upload(DecodedPng::FromFile(path, MaxSide()));
}

GLTexture::GLTexture(DecodedPng&& decoded) {
    if (Platform::HasCurrentGLContext()) Upload(std::move(decoded));
}

void GLTexture::Upload(DecodedPng&& decoded) {
    if (!decoded.fault.empty()) {
        std::printf("%s\n", decoded.fault.c_str());
        return;
    }
    const std::vector<unsigned char> pixels = std::move(decoded.pixels);
    width = decoded.width;
    height = decoded.height;
    opaqueCore = decoded.opaqueCore;
    opaque = opaqueCore.Area() == uint64_t(width) * height;
    plainRegions = std::move(decoded.plainRegions);
    alphaBoxes = std::move(decoded.alphaBoxes);

    textureId = NewPictureTexture(width, height, pixels.data());
}

uint32_t GLTexture::NewPictureTexture(uint32_t width, uint32_t height, const unsigned char* bgra) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    // Rows of 4 bytes per pixel are always aligned, whatever the unpack state says.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0,
                 GL_BGRA, GL_UNSIGNED_BYTE, bgra);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return id;
}

GLTexture::~GLTexture() {
    // After the context is gone the name means nothing, and the call itself may not be safe.
    if (textureId != 0 && Platform::HasCurrentGLContext()) {
        GLuint id = textureId;
        glDeleteTextures(1, &id);
    }
}
