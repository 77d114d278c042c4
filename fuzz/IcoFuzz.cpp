// libFuzzer target for the window icon reader: a decoded entry is always as large as it says.

#include <cstdint>
#include <cstdlib>

#include "platform/IcoReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    for (int wanted : {16, 32}) {
        IcoImage image;
        if (!DecodeIco(bytes, wanted, image)) continue;
        if (image.width <= 0 || image.height <= 0 ||
            image.rgba.size() != static_cast<size_t>(image.width) * image.height * 4)
            abort();
    }
    return 0;
}
