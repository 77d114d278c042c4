#include "tests/support/Image.h"

#include <lodepng.h>

bool LoadPng(const std::string& path, Image& image, std::string* error) {
    image = Image{};
    const unsigned code = lodepng::decode(image.rgba, image.width, image.height, path);
    if (code == 0) return true;
    if (error) *error = path + ": " + lodepng_error_text(code);
    image = Image{};
    return false;
}

bool SavePng(const std::string& path, const Image& image) {
    return lodepng::encode(path, image.rgba, image.width, image.height) == 0;
}
