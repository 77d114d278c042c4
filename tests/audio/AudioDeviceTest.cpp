#include <gtest/gtest.h>

#include "platform/AudioDevice.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TestWav.h"

TEST(AudioDeviceTest, DecodesWavExactlyWithOrWithoutTheGameDevice) {
    Sandbox sandbox;
    const std::vector<int16_t> tone = SquareWave(4410, 2, 12000);
    sandbox.WriteResource("Sound/tone.wav", MakeWav(tone, 2, 44100));

    for (bool gameDeviceOpen : {false, true}) {
        SCOPED_TRACE(gameDeviceOpen ? "game device open" : "no game device");
        if (gameDeviceOpen) {
            ASSERT_TRUE(Platform::OpenAudioDevice());
        }
        std::vector<int16_t> samples;
        int channels = 0, rate = 0;
        ASSERT_TRUE(Platform::DecodeSoundFile("../Resources/Sound/tone.wav", samples, channels, rate));
        EXPECT_EQ(channels, 2);
        EXPECT_EQ(rate, 44100);
        EXPECT_EQ(samples, tone);
        // Decoding must neither open nor close the game's device behind its back.
        EXPECT_EQ(Platform::IsAudioDeviceOpen(), gameDeviceOpen);
    }
    Platform::CloseAudioDevice();
}

TEST(AudioDeviceTest, MonoWavIsDecodedToTheMixerLayout) {
    Sandbox sandbox;
    sandbox.WriteResource("Sound/mono.wav", MakeWav(SquareWave(11025, 1, 8000), 1, 22050));
    std::vector<int16_t> samples;
    int channels = 0, rate = 0;
    ASSERT_TRUE(Platform::DecodeSoundFile("../Resources/Sound/mono.wav", samples, channels, rate));
    ASSERT_GT(channels, 0);
    ASSERT_GT(rate, 0);
    // Half a second of sound stays half a second after resampling.
    const double seconds = static_cast<double>(samples.size()) / channels / rate;
    EXPECT_NEAR(seconds, 0.5, 0.01);
}

TEST(AudioDeviceTest, MissingOrNonAudioFilesFailCleanly) {
    Sandbox sandbox;
    sandbox.WriteResource("Sound/notes.wav", "this is a text file, not a sound");
    sandbox.WriteResource("Sound/cut.wav", MakeWav(SquareWave(1000, 2, 1000), 2, 44100).substr(0, 30));
    for (const char* path :
         {"../Resources/Sound/missing.wav", "../Resources/Sound/notes.wav", "../Resources/Sound/cut.wav"}) {
        SCOPED_TRACE(path);
        std::vector<int16_t> samples{1, 2, 3};
        int channels = 7, rate = 7;
        EXPECT_FALSE(Platform::DecodeSoundFile(path, samples, channels, rate));
        EXPECT_TRUE(samples.empty());
        EXPECT_EQ(channels, 0);
    }
}

TEST(AudioDeviceTest, EmptyHandlesAndClosedDeviceDoNothing) {
    ASSERT_FALSE(Platform::IsAudioDeviceOpen());
    EXPECT_EQ(Platform::LoadSound("../Resources/Sound/anything.wav"), nullptr);
    const Platform::ChannelHandle none;
    EXPECT_EQ(Platform::PlayOnChannel(nullptr, true, Platform::ChannelGroup::Effects), none);
    Platform::PauseChannel(none);
    Platform::ResumeChannel(none);
    Platform::SetChannelGain(none, 2.0f);
    Platform::StopChannel(none);
    Platform::FreeSound(nullptr);
    EXPECT_FALSE(Platform::IsChannelPlaying(Platform::ChannelHandle{3, 99}));
}
