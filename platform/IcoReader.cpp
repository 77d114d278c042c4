#include "platform/IcoReader.h"

#include <lodepng.h>

namespace {

uint32_t ReadU16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t ReadU32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// Icons are small: an entry claiming more than this is refused before anything is decoded.
constexpr int maxIconSide = 1024;

bool DecodePng(const uint8_t* data, size_t size, IcoImage& out) {
    unsigned w = 0, h = 0;
    lodepng::State state;
    if (lodepng_inspect(&w, &h, &state, data, size) != 0 || w > maxIconSide || h > maxIconSide) return false;
    std::vector<unsigned char> pixels;
    if (lodepng::decode(pixels, w, h, data, size) != 0 || w == 0 || h == 0) return false;
    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.rgba = std::move(pixels);
    return true;
}

// A BMP entry: BITMAPINFOHEADER, then bottom-up BGRA rows; the height counts the AND mask too.
bool DecodeBmp(const uint8_t* data, size_t size, IcoImage& out) {
    if (size < 40) return false;
    std::vector<uint8_t> header(data, data + 40);
    uint32_t headerSize = ReadU32(header, 0);
    int32_t width = static_cast<int32_t>(ReadU32(header, 4));
    int32_t height = static_cast<int32_t>(ReadU32(header, 8)) / 2;
    uint32_t bitCount = ReadU16(header, 14);
    if (headerSize < 40 || bitCount != 32 || width <= 0 || height <= 0 || width > maxIconSide ||
        height > maxIconSide)
        return false;
    size_t rowBytes = static_cast<size_t>(width) * 4;
    if (headerSize > size || size - headerSize < rowBytes * height) return false;
    out.width = width;
    out.height = height;
    out.rgba.resize(rowBytes * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = data + headerSize + rowBytes * (height - 1 - y);
        uint8_t* dst = out.rgba.data() + rowBytes * y;
        for (int x = 0; x < width; ++x) {
            dst[x * 4 + 0] = src[x * 4 + 2];
            dst[x * 4 + 1] = src[x * 4 + 1];
            dst[x * 4 + 2] = src[x * 4 + 0];
            dst[x * 4 + 3] = src[x * 4 + 3];
        }
    }
    return true;
}

} // namespace

bool DecodeIco(const std::vector<uint8_t>& bytes, int wantedSize, IcoImage& out) {
    if (bytes.size() < 6 || ReadU16(bytes, 0) != 0 || ReadU16(bytes, 2) != 1) return false;
    const size_t count = ReadU16(bytes, 4);
    if (count == 0 || bytes.size() < 6 + count * 16) return false;

    size_t best = count;
    int bestWidth = -1;
    for (size_t i = 0; i < count; ++i) {
        int width = bytes[6 + i * 16];
        if (width == 0) width = 256;
        if (width == wantedSize) {
            best = i;
            break;
        }
        if (width > bestWidth) bestWidth = width, best = i;
    }
    const size_t entry = 6 + best * 16;
    const size_t size = ReadU32(bytes, entry + 8);
    const size_t offset = ReadU32(bytes, entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset || size < 8) return false;

    const uint8_t* data = bytes.data() + offset;
    static const uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    bool isPng = true;
    for (int i = 0; i < 8; ++i) isPng = isPng && data[i] == pngSignature[i];
    return isPng ? DecodePng(data, size, out) : DecodeBmp(data, size, out);
}
