// libFuzzer target for art files: the texture's header checks, then the decode they let through,
// exactly as a texture is made (the GL upload aside).

#include <cstdint>
#include <cstdlib>

#include <lodepng.h>

#include "graphics/PngLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<unsigned char> file(data, data + size);
    if (!PngSizeFault(file, 16384).empty()) return 0;
    std::vector<unsigned char> pixels;
    unsigned width = 0, height = 0;
    if (lodepng::decode(pixels, width, height, file) == 0 && pixels.size() != size_t(width) * height * 4)
        abort();
    return 0;
}
