#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "audio/AudioSystem.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TestWav.h"

// SDL's "disk" driver writes the mixed output, 16-bit stereo, to a file at playback speed.
TEST(AudioDiskOutputTest, PlayStopAndDoubleVolumeReachTheOutput) {
    Sandbox sandbox;
    constexpr int16_t amplitude = 8000;
    sandbox.WriteResource("Sound/tone.wav", MakeWav(SquareWave(22050, 2, amplitude), 2, 44100));
    sandbox.WriteResource("Sound/Sounds.txt", "tone ../Resources/Sound/tone.wav\n");
    sandbox.WriteResource("BGM/BGM.txt", "");
    const std::filesystem::path output = sandbox.root() / "output.raw";
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string previousDriver = driver ? driver : "";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);

    std::vector<size_t> marks; // output size in samples when each phase began
    Framework::AudioSystem audio;
    audio.Initialize();
    const bool opened = Platform::IsAudioDeviceOpen();
    const auto phase = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(350));
        marks.push_back(opened ? std::filesystem::file_size(output) / sizeof(int16_t) : 0);
    };
    phase();
    audio.PlaySound("tone", true, 0, 0, 0);
    phase();
    audio.SetSoundVolume("tone", 2.0f);
    phase();
    audio.StopSound("tone");
    phase();
    audio.Shutdown();
    setenv("SDL_AUDIODRIVER", previousDriver.c_str(), 1);
    unsetenv("SDL_DISKAUDIOFILE");
    ASSERT_TRUE(opened);

    std::vector<int16_t> samples(std::filesystem::file_size(output) / sizeof(int16_t));
    std::ifstream(output, std::ios::binary)
        .read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * 2));
    // A change reaches the file a few mixing buffers late: skip that much at each phase start.
    constexpr size_t settle = 4 * 1024 * 2;
    ASSERT_TRUE(marks[1] > marks[0] + settle && marks[3] > marks[2] + settle);
    const auto peak = [&](size_t begin, size_t end) {
        int peak = 0;
        for (size_t i = begin; i < end && i < samples.size(); ++i)
            peak = std::max(peak, std::abs(int{samples[i]}));
        return peak;
    };
    EXPECT_EQ(peak(0, marks[0]), 0);
    const int atOne = peak(marks[0] + settle, marks[1]);
    EXPECT_NEAR(atOne, amplitude, amplitude / 50);
    EXPECT_NEAR(double(peak(marks[1] + settle, marks[2])) / atOne, 2.0, 0.05);
    EXPECT_EQ(peak(marks[2] + settle, marks[3]), 0);
}
