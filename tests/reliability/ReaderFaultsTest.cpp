#include <gtest/gtest.h>

#include <lodepng.h>

#include "audio/SoundLimits.h"
#include "graphics/PngLimits.h"
#include "platform/IcoReader.h"
#include "tests/support/Sandbox.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A real 2 x 2 PNG whose header then claims width x height (with a valid checksum).
Bytes PngClaiming(unsigned width, unsigned height) {
    Bytes png;
    lodepng::encode(png, Bytes(16, 255), 2, 2);
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
    }
    lodepng_chunk_generate_crc(png.data() + 8);
    return png;
}

// An .ico of one PNG entry.
Bytes IcoOf(const Bytes& png) {
    Bytes ico = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0};
    for (size_t value : {png.size(), size_t(22)})
        for (int i = 0; i < 4; ++i) ico.push_back(static_cast<unsigned char>(value >> (8 * i)));
    ico.insert(ico.end(), png.begin(), png.end());
    return ico;
}

std::string Le32(uint32_t v) {
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

// An Ogg page with `granule`, after an identification header with the sample rate `rate`.
std::string OggClaiming(uint64_t granule, uint32_t rate) {
    std::string page =
        "OggS" + std::string(2, '\0') + Le32(uint32_t(granule)) + Le32(uint32_t(granule >> 32));
    return page + std::string(14, '\0') + "\x01vorbis" + Le32(0) + std::string(1, '\2') + Le32(rate) +
           std::string(40, '\0');
}

} // namespace

// Headers that claim far more than the file holds are refused before anything is decoded; real
// files of the same kinds still pass.
TEST(ReaderFaults, OversizedHeadersAreRefusedBeforeDecoding) {
    const struct {
        const char* what;
        Bytes png;
        bool refused;
    } pictures[] = {
        {"a real picture", PngClaiming(2, 2), false},
        {"60000 x 60000", PngClaiming(60000, 60000), true},
        {"16384 x 16384, within a GPU's side", PngClaiming(16384, 16384), true},
        {"a side beyond the GPU's", PngClaiming(20000, 1), true},
        {"no bytes", {}, true},
    };
    for (const auto& row : pictures) {
        EXPECT_EQ(!PngSizeFault(row.png, 16384).empty(), row.refused) << row.what;
        IcoImage icon;
        EXPECT_EQ(DecodeIco(IcoOf(row.png), 32, icon), !row.refused) << row.what << " as an icon";
    }

    const Sandbox box;
    const struct {
        const char* what;
        std::string bytes;
        bool refused;
    } sounds[] = {
        {"a WAV with its samples", "RIFF" + Le32(12) + "WAVEdata" + Le32(4) + "abcd", false},
        {"a WAV whose data claims 2 GB", "RIFF" + Le32(12) + "WAVEdata" + Le32(0x7fffffff) + "abcd", true},
        {"an Ogg of a minute", OggClaiming(60 * 44100, 44100), false},
        {"an Ogg of a day", OggClaiming(86400ull * 44100, 44100), true},
        {"an Ogg without a sample rate", OggClaiming(1, 0), true},
    };
    for (const auto& row : sounds) {
        box.WriteResource("sound", row.bytes);
        EXPECT_EQ(!SoundSizeFault((box.resources() / "sound").string()).empty(), row.refused) << row.what;
    }
}
