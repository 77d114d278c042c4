#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "audio/AudioSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TestWav.h"

using Framework::AudioSystem;
using Platform::ChannelHandle;
using Platform::IsChannelPaused;
using Platform::IsChannelPlaying;

namespace {

constexpr int kRate = 44100;

// An audio system on SDL's dummy driver with a few effects and music loops of its own.
class AudioSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox.WriteResource("Sound/loop.wav", MakeWav(SquareWave(kRate / 2, 2, 6000), 2, kRate));
        sandbox.WriteResource("Sound/blip.wav", MakeWav(SquareWave(kRate / 50, 2, 6000), 2, kRate)); // 20 ms
        sandbox.WriteResource("BGM/pad.wav", MakeWav(SquareWave(kRate, 2, 3000), 2, kRate));
        sandbox.WriteResource("Sound/Sounds.txt", "chase ../Resources/Sound/loop.wav\n"
                                                  "creatureidle ../Resources/Sound/loop.wav\n"
                                                  "evade ../Resources/Sound/loop.wav\n"
                                                  "blip ../Resources/Sound/blip.wav\n");
        sandbox.WriteResource("BGM/BGM.txt", "bgm ../Resources/BGM/pad.wav\n");
    }
    void TearDown() override {
        audio.Shutdown();
        Framework::AudioMuted = false;
        GameObjectList.clear();
    }
    void Start(bool deviceExpected = true) {
        testing::internal::CaptureStdout();
        audio.Initialize();
        startupOutput = testing::internal::GetCapturedStdout();
        ASSERT_EQ(Platform::IsAudioDeviceOpen(), deviceExpected) << startupOutput;
    }
    const Framework::SoundChannel& Effect(const std::string& name) { return audio.soundChannels.at(name); }

    Sandbox sandbox;
    AudioSystem audio;
    std::string startupOutput;
};

} // namespace

TEST_F(AudioSystemTest, DurationZeroRestartsOnEveryCallAndDurationSixtyStartsOnce) {
    Start();
    // Duration 0: every call is a new play, and the old one keeps sounding underneath.
    const ChannelHandle first = audio.PlaySound("chase", true, 0, 0, 0);
    audio.Update(1 / 60.0f);
    const ChannelHandle second = audio.PlaySound("chase", true, 0, 0, 0);
    EXPECT_NE(first, second);
    EXPECT_TRUE(IsChannelPlaying(first) && IsChannelPlaying(second));

    // Duration 60 asked for every frame: one play, left alone until 60 s have passed.
    const ChannelHandle held = audio.PlaySound("creatureidle", true, 0, 60, 0);
    for (int frame = 0; frame < 600; ++frame) {
        audio.Update(0.1f);
        ASSERT_EQ(audio.PlaySound("creatureidle", true, 0, 60, 0), held) << "frame " << frame;
    }
    audio.Update(0.5f);
    EXPECT_NE(audio.PlaySound("creatureidle", true, 0, 60, 0), held);
}

TEST_F(AudioSystemTest, PositionalVolumeFollowsThePlayersDistance) {
    Start();
    const ChannelHandle handle = audio.PlaySound("chase", true, 50, 100, 100);
    audio.PlaySound("evade", true, 50, 100, 0);
    audio.SetSoundVolume("evade", 0.3f);
    auto player = std::make_shared<GameObject>("Player", ObjectType::Player, 0);
    GameObjectList.push_back(player);
    audio.UpdatePositionalVolumes(); // a player without a Transform is skipped, not dereferenced
    EXPECT_FLOAT_EQ(Effect("chase").volume, 1.0f);
    auto transform = std::make_shared<Transform>(vec3{0, -40, 0}, vec2{64, 128});
    player->AddComponent(transform, ComponentType::Transform);
    for (auto [playerX, volume] : {std::pair{100.0f, 2.0f}, {125.0f, 0.5f}, {75.0f, 0.5f}, {150.0f, 0.0f}}) {
        transform->position.x = playerX;
        audio.UpdatePositionalVolumes();
        EXPECT_NEAR(Effect("chase").volume, volume, 1e-5f) << playerX;
        EXPECT_NEAR(Platform::GetChannelGain(handle), volume, 1e-5f) << playerX;
    }
    EXPECT_FLOAT_EQ(Effect("evade").volume, 0.3f) << "an effect without a source position keeps its volume";
}

TEST_F(AudioSystemTest, PauseResumeStopAndPlayOnce) {
    Start();
    const ChannelHandle handle = audio.PlaySound("chase", true, 0, 10, 0);
    audio.PauseSound("chase");
    EXPECT_TRUE(IsChannelPaused(handle));
    audio.ResumeSound("chase");
    EXPECT_FALSE(IsChannelPaused(handle));
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 10, 0), handle);
    // A sound played once stays played, even after a stop.
    const ChannelHandle once = audio.PlaySoundOnce("evade", false, 0, 0);
    audio.StopSound("evade");
    EXPECT_EQ(audio.PlaySoundOnce("evade", false, 0, 0), once);
    EXPECT_FALSE(IsChannelPlaying(once));
    // Music pauses only while it plays, and a stopped name cannot be resumed.
    const ChannelHandle music = audio.PlayBGM("bgm", true, 0, 0, 0);
    audio.PauseBGM("bgm");
    EXPECT_TRUE(IsChannelPaused(music));
    audio.StopBGM("bgm");
    audio.ResumeBGM("bgm");
    EXPECT_FALSE(IsChannelPlaying(music));
}

TEST_F(AudioSystemTest, MuteIgnoresPlayResumeAndVolumeButObeysPauseAndStop) {
    Start();
    const ChannelHandle effect = audio.PlaySound("chase", true, 0, 0, 0);
    const ChannelHandle music = audio.PlayBGM("bgm", true, 0, 0, 0);
    Framework::AudioMuted = true;
    audio.PauseSound("chase");
    audio.ResumeSound("chase");
    EXPECT_TRUE(IsChannelPaused(effect));
    audio.SetSoundVolume("chase", 2.0f);
    audio.SetAllBGMVolume(0.2f);
    EXPECT_FLOAT_EQ(Platform::GetChannelGain(effect), 1.0f);
    EXPECT_FLOAT_EQ(Platform::GetChannelGain(music), 1.0f);
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 0, 0), effect);
    EXPECT_EQ(audio.PlaySoundOnce("evade", false, 0, 0), ChannelHandle{});
    EXPECT_FALSE(Effect("evade").playedOnce);
    audio.StopAll();
    EXPECT_FALSE(IsChannelPlaying(effect) || IsChannelPlaying(music));
    Framework::AudioMuted = false;
    EXPECT_FALSE(IsChannelPlaying(music)) << "unmuting restarts nothing by itself";
}

TEST_F(AudioSystemTest, StaleHandlesAndABusyMixerNeverDisturbTheWrongSound) {
    Start();
    const ChannelHandle blip = audio.PlaySound("blip", false, 0, 0, 0);
    for (int i = 0; i < 200 && IsChannelPlaying(blip); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const ChannelHandle reused = audio.PlaySound("chase", true, 0, 0, 0);
    ASSERT_EQ(reused.channel, blip.channel);
    audio.PauseSound("blip");
    audio.SetSoundVolume("blip", 0.0f);
    audio.StopSound("blip");
    EXPECT_TRUE(IsChannelPlaying(reused) && !IsChannelPaused(reused));
    EXPECT_FLOAT_EQ(Platform::GetChannelGain(reused), 1.0f);

    // With every channel busy a new effect takes the oldest unpaused effect's channel.
    const ChannelHandle music = audio.PlayBGM("bgm", true, 0, 0, 0);
    const ChannelHandle paused = audio.PlaySound("evade", true, 0, 0, 0);
    audio.PauseSound("evade");
    std::vector<ChannelHandle> plays;
    for (int i = 0; i < Platform::kMixingChannelCount - 3; ++i)
        plays.push_back(audio.PlaySound("chase", true));
    const ChannelHandle extra = audio.PlaySound("creatureidle", true);
    EXPECT_TRUE(IsChannelPlaying(extra));
    EXPECT_EQ(extra.channel, reused.channel);
    EXPECT_FALSE(IsChannelPlaying(reused));
    EXPECT_TRUE(IsChannelPlaying(plays.front()) && IsChannelPaused(paused) && IsChannelPlaying(music));
}

TEST_F(AudioSystemTest, BadListEntriesAreReportedOncePerEntryAndSkipped) {
    sandbox.WriteResource("Sound/notsound.wav", "plain text pretending to be a sound");
    sandbox.WriteResource("Sound/Sub/deep.wav", MakeWav(SquareWave(441, 2, 500), 2, kRate));
    // Windows separators and line ends are accepted: the first entry loads silently.
    sandbox.WriteResource("Sound/Sounds.txt", "switchon ..\\Resources\\Sound\\Sub\\deep.wav\r\n"
                                              "gone ../Resources/Sound/missing.wav\r\n"
                                              "fake ../Resources/Sound/notsound.wav\r\n"
                                              "switchon ../Resources/Sound/loop.wav\r\n"
                                              "dangling\r\n");
    std::filesystem::remove_all(sandbox.resources() / "BGM");
    Start();
    for (const char* line :
         {"Sounds.txt: entry 2 'gone': file '../Resources/Sound/missing.wav' not found",
          "Sounds.txt: entry 3 'fake': '../Resources/Sound/notsound.wav' is not a playable",
          "Sounds.txt: entry 5 'dangling' has no file path", "BGM/BGM.txt: cannot open"})
        EXPECT_NE(startupOutput.find(line), std::string::npos) << startupOutput;
    EXPECT_EQ(std::count(startupOutput.begin(), startupOutput.end(), '\n'), 4) << startupOutput;
    // Bad files keep a silent record; the dangling name gets none; a later entry replaces an earlier one.
    EXPECT_EQ(audio.PlaySound("gone", false, 0, 0, 0), ChannelHandle{});
    EXPECT_EQ(audio.sounds.at("fake"), nullptr);
    EXPECT_EQ(audio.soundChannels.count("dangling"), 0u);
    EXPECT_NEAR(audio.GetSoundLength("switchon"), 0.5f, 1e-3f);
    EXPECT_EQ(audio.PlayBGM("bgm", true, 0, 0, 0), ChannelHandle{});
    // Music names are not effects and the other way round.
    EXPECT_EQ(audio.PlaySound("bgm", true, 0, 0, 0), ChannelHandle{});
    EXPECT_EQ(audio.soundChannels.count("bgm"), 0u);
}

TEST_F(AudioSystemTest, WithoutASoundDeviceTheRecordsStillKeepTime) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Start(false);
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    EXPECT_NE(startupOutput.find("Audio System: no sound device"), std::string::npos) << startupOutput;
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 5, 0), ChannelHandle{});
    EXPECT_FALSE(Effect("chase").inactive);
    audio.Update(2.0f);
    EXPECT_FLOAT_EQ(Effect("chase").elapsed, 2.0f);
    audio.StopAll();
    EXPECT_TRUE(Effect("chase").finished);
}
