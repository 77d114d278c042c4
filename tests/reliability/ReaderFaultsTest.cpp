#include <gtest/gtest.h>

#include <lodepng.h>

#include "audio/SoundLimits.h"
#include "graphics/PngLimits.h"
#include "platform/IcoReader.h"
#include "tests/support/Sandbox.h"

// A real 2 x 2 PNG whose header claims w x h (checksum fixed), as it is and as the one entry of an .ico.
static std::vector<unsigned char> Png(unsigned w, unsigned h, bool asIcon) {
    std::vector<unsigned char> png, ico = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0};
    lodepng::encode(png, std::vector<unsigned char>(16, 255), 2, 2);
    for (int i = 0; i < 4; ++i)
        png[16 + i] = (unsigned char)(w >> (24 - 8 * i)), png[20 + i] = (unsigned char)(h >> (24 - 8 * i));
    lodepng_chunk_generate_crc(png.data() + 8);
    for (size_t v : {png.size(), size_t(22)})
        for (int i = 0; i < 4; ++i) ico.push_back((unsigned char)(v >> (8 * i)));
    ico.insert(ico.end(), png.begin(), png.end());
    return asIcon ? ico : png;
}
static std::string Le(uint64_t v, int bytes = 4) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += char(v >> (8 * i));
    return s;
}

// Headers claiming far more than their file holds are refused before anything is decoded.
TEST(ReaderFaults, OversizedHeadersAreRefusedBeforeDecoding) {
    for (auto [w, h, refused] : {std::tuple{2u, 2u, false}, {60000u, 60000u, true}, {16384u, 16384u, true}}) {
        IcoImage icon;
        EXPECT_EQ(!PngSizeFault(Png(w, h, false), 16384).empty(), refused) << w;
        EXPECT_EQ(DecodeIco(Png(w, h, true), 32, icon), !refused) << w;
    }
    const std::string ogg = "OggS" + std::string(2, '\0'),
                      vorbis = std::string(14, '\0') + "\x01vorbis" + Le(0) + "\2";
    const Sandbox box;
    for (auto [bytes, refused] :
         {std::pair{"RIFF" + Le(12) + "WAVEdata" + Le(4) + "abcd", false},
          {"RIFF" + Le(12) + "WAVEdata" + Le(0x7fffffff) + "abcd", true},
          {ogg + Le(60 * 44100, 8) + vorbis + Le(44100) + std::string(40, '\0'), false},
          {ogg + Le(86400ull * 44100, 8) + vorbis + Le(44100) + std::string(40, '\0'), true}}) {
        box.WriteResource("sound", bytes);
        EXPECT_EQ(!SoundSizeFault((box.resources() / "sound").string()).empty(), refused) << bytes.size();
    }
}
