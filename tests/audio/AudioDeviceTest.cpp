#include <gtest/gtest.h>

#include "platform/AudioDevice.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TestWav.h"

TEST(AudioDeviceTest, DecodesWavWithOrWithoutTheGameDevice) {
    Sandbox sandbox;
    const std::vector<int16_t> tone = SquareWave(4410, 2, 12000);
    sandbox.WriteResource("Sound/tone.wav", MakeWav(tone, 2, 44100));
    sandbox.WriteResource("Sound/mono.wav", MakeWav(SquareWave(11025, 1, 8000), 1, 22050));
    std::vector<int16_t> samples;
    int channels = 0, rate = 0;
    for (bool gameDeviceOpen : {false, true}) {
        if (gameDeviceOpen) {
            ASSERT_TRUE(Platform::OpenAudioDevice());
        }
        ASSERT_TRUE(Platform::DecodeSoundFile("../Resources/Sound/tone.wav", samples, channels, rate));
        EXPECT_TRUE(channels == 2 && rate == 44100 && samples == tone);
        // Decoding must neither open nor close the game's device behind its back.
        EXPECT_EQ(Platform::IsAudioDeviceOpen(), gameDeviceOpen);
    }
    Platform::CloseAudioDevice();
    // Converted to the mixer's layout, half a second of sound stays half a second.
    ASSERT_TRUE(Platform::DecodeSoundFile("../Resources/Sound/mono.wav", samples, channels, rate));
    ASSERT_TRUE(channels > 0 && rate > 0);
    EXPECT_NEAR(double(samples.size()) / channels / rate, 0.5, 0.01);
}

TEST(AudioDeviceTest, MissingOrNonAudioFilesFailCleanly) {
    Sandbox sandbox;
    sandbox.WriteResource("Sound/notes.wav", "this is a text file, not a sound");
    sandbox.WriteResource("Sound/cut.wav", MakeWav(SquareWave(1000, 2, 1000), 2, 44100).substr(0, 30));
    for (const char* name : {"missing.wav", "notes.wav", "cut.wav"}) {
        std::vector<int16_t> samples{1, 2, 3};
        int channels = 7, rate = 7;
        EXPECT_FALSE(
            Platform::DecodeSoundFile(std::string("../Resources/Sound/") + name, samples, channels, rate));
        EXPECT_TRUE(samples.empty() && channels == 0) << name;
    }
    ASSERT_FALSE(Platform::IsAudioDeviceOpen());
    EXPECT_EQ(Platform::LoadSound("../Resources/Sound/cut.wav"), nullptr) << "without a device nothing loads";
}
