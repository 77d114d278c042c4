#include "graphics/PngLimits.h"

#include <lodepng.h>

std::string PngSizeFault(const std::vector<unsigned char>& file, unsigned maxSide) {
    unsigned width = 0, height = 0;
    lodepng::State state;
    if (file.empty()) return lodepng_error_text(48);
    if (unsigned error = lodepng_inspect(&width, &height, &state, file.data(), file.size()))
        return lodepng_error_text(error);
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width > maxSide || height > maxSide)
        return "image is " + size + ", larger than the " + std::to_string(maxSide) + " pixels a side allowed";
    if (static_cast<unsigned long long>(width) * height > maxPngPixels)
        return "image is " + size + ", more than the " + std::to_string(maxPngPixels) + " pixels allowed";
    return "";
}
