// libFuzzer target for art files: the texture's header checks, then the decode they let through and
// the picture's analysis, exactly as a texture is made (the GL upload aside).

#include <cstdint>
#include <cstdlib>

#include <lodepng.h>

#include "graphics/GLTexture.h"
#include "graphics/PngLimits.h"

namespace {
void CheckInside(const TexelRect& r, unsigned width, unsigned height) {
    if (r.x0 > r.x1 || r.y0 > r.y1 || r.x1 > width || r.y1 > height) abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<unsigned char> file(data, data + size);
    if (!PngSizeFault(file, 16384).empty()) return 0;
    std::vector<unsigned char> pixels;
    unsigned width = 0, height = 0;
    if (lodepng::decode(pixels, width, height, file) != 0) return 0;
    if (pixels.size() != size_t(width) * height * 4) abort();
    // What the decoding thread works out for the drawing: every rectangle inside the picture.
    CheckInside(LargestOpaqueRect(pixels, width, height), width, height);
    for (const PlainRegion& region : PlainRegions(pixels, width, height)) CheckInside(region.rect, width, height);
    for (const TexelRect& box : AlphaBoxes(pixels, width, height)) CheckInside(box, width, height);
    return 0;
}
