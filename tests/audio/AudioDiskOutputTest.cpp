#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "audio/AudioSystem.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TestWav.h"

namespace {

// SDL's "disk" driver writes the mixed output, 16-bit stereo, to a file at playback speed.
class DiskDriver {
public:
    explicit DiskDriver(const std::string& outputPath) {
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        previousDriver = driver ? driver : "";
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", outputPath.c_str(), 1);
    }
    ~DiskDriver() {
        setenv("SDL_AUDIODRIVER", previousDriver.c_str(), 1);
        unsetenv("SDL_DISKAUDIOFILE");
    }

private:
    std::string previousDriver;
};

int Peak(const std::vector<int16_t>& samples, size_t begin, size_t end) {
    int peak = 0;
    for (size_t i = begin; i < end && i < samples.size(); ++i)
        peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
}

} // namespace

TEST(AudioDiskOutputTest, PlayStopAndDoubleVolumeReachTheOutput) {
    Sandbox sandbox;
    constexpr int16_t amplitude = 8000;
    sandbox.WriteResource("Sound/tone.wav", MakeWav(SquareWave(22050, 2, amplitude), 2, 44100));
    sandbox.WriteResource("Sound/Sounds.txt", "tone ../Resources/Sound/tone.wav\n");
    sandbox.WriteResource("BGM/BGM.txt", "");
    const std::filesystem::path output = sandbox.root() / "output.raw";

    std::vector<size_t> marks; // output size in samples when each phase began
    {
        DiskDriver disk(output.string());
        Framework::AudioSystem audio;
        audio.Initialize();
        ASSERT_TRUE(Platform::IsAudioDeviceOpen());
        auto phase = [&]() {
            std::this_thread::sleep_for(std::chrono::milliseconds(350));
            marks.push_back(std::filesystem::file_size(output) / sizeof(int16_t));
        };
        phase();
        audio.PlaySound("tone", true, 0, 0, 0);
        phase();
        audio.SetSoundVolume("tone", 2.0f);
        phase();
        audio.StopSound("tone");
        phase();
        audio.Shutdown();
    }

    std::ifstream file(output, std::ios::binary);
    std::vector<int16_t> samples(std::filesystem::file_size(output) / sizeof(int16_t));
    file.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
    ASSERT_GT(marks.back(), marks.front());

    // A change reaches the file a few mixing buffers late: skip that much at each phase start.
    constexpr size_t settle = 4 * 1024 * 2;
    const int before = Peak(samples, 0, marks[0]);
    const int atOne = Peak(samples, marks[0] + settle, marks[1]);
    const int atTwo = Peak(samples, marks[1] + settle, marks[2]);
    const int afterStop = Peak(samples, marks[2] + settle, marks[3]);
    ASSERT_GT(marks[1], marks[0] + settle);
    ASSERT_GT(marks[3], marks[2] + settle);
    EXPECT_EQ(before, 0);
    EXPECT_NEAR(atOne, amplitude, amplitude / 50);
    EXPECT_NEAR(static_cast<double>(atTwo) / atOne, 2.0, 0.05);
    EXPECT_EQ(afterStop, 0);
}
