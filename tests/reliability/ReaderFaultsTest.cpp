#include <gtest/gtest.h>

#include <lodepng.h>

#include "audio/SoundLimits.h"
#include "graphics/PngLimits.h"
#include "platform/IcoReader.h"
#include "tests/support/Sandbox.h"

// Headers claiming far more than their file holds (a PNG, an .ico's one PNG entry, a WAV's data)
// are refused before anything is decoded; true sizes pass.
TEST(ReaderFaults, OversizedHeadersAreRefusedBeforeDecoding) {
    const Sandbox box;
    for (auto [side, wavBytes, refused] :
         {std::tuple{2u, 4u, false}, {60000u, 0x7fffffffu, true}, {16384u, 1u << 30, true}}) {
        std::vector<unsigned char> png,
            ico = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0};
        lodepng::encode(png, std::vector<unsigned char>(16, 255), 2, 2);
        for (int i = 0; i < 8; ++i) png[16 + i] = (unsigned char)(side >> (24 - 8 * (i % 4)));
        lodepng_chunk_generate_crc(png.data() + 8);
        ico[14] = (unsigned char)png.size(), ico.insert(ico.end(), png.begin(), png.end());
        IcoImage icon;
        EXPECT_EQ(!PngSizeFault(png, 16384).empty(), refused) << side;
        EXPECT_EQ(DecodeIco(ico, 32, icon), !refused) << side;
        const std::string le = {char(wavBytes), char(wavBytes >> 8), char(wavBytes >> 16),
                                char(wavBytes >> 24)};
        box.WriteResource("sound.wav", std::string("RIFF\x0c\0\0\0WAVEdata", 16) + le + "abcd");
        EXPECT_EQ(!SoundSizeFault((box.resources() / "sound.wav").string()).empty(), refused) << wavBytes;
    }
}
