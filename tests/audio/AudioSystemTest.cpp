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
        sandbox.WriteResource("BGM/BGM.txt",
                              "bgm ../Resources/BGM/pad.wav\nrainindoor ../Resources/BGM/pad.wav\n");
    }
    void TearDown() override {
        audio.Shutdown();
        Framework::AudioMuted = false;
        GameObjectList.clear();
    }
    void Start() {
        testing::internal::CaptureStdout();
        audio.Initialize();
        startupOutput = testing::internal::GetCapturedStdout();
        ASSERT_TRUE(Platform::IsAudioDeviceOpen()) << startupOutput;
    }
    const Framework::SoundChannel& Effect(const std::string& name) { return audio.soundChannels.at(name); }

    Sandbox sandbox;
    AudioSystem audio;
    std::string startupOutput;
};

bool WaitUntilEnded(const ChannelHandle& handle) {
    for (int i = 0; i < 200 && Platform::IsChannelPlaying(handle); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return !Platform::IsChannelPlaying(handle);
}

void PlacePlayerAt(float x) {
    GameObjectList.clear();
    auto player = std::make_shared<GameObject>("Player", ObjectType::Player, 0);
    player->AddComponent(std::make_shared<Transform>(vec3{x, -40, 0}, vec2{64, 128}),
                         ComponentType::Transform);
    GameObjectList.push_back(player);
}

} // namespace

TEST_F(AudioSystemTest, DurationZeroRestartsOnEveryCallAndDurationSixtyStartsOnce) {
    Start();
    // Duration 0: every call is a new play, and the old one keeps sounding underneath.
    const ChannelHandle first = audio.PlaySound("chase", true, 0, 0, 0);
    audio.Update(1 / 60.0f);
    const ChannelHandle second = audio.PlaySound("chase", true, 0, 0, 0);
    EXPECT_NE(first, second);
    EXPECT_TRUE(Platform::IsChannelPlaying(first) && Platform::IsChannelPlaying(second));

    // Duration 60 asked for every frame: one play, left alone until 60 s have passed.
    const ChannelHandle held = audio.PlaySound("creatureidle", true, 0, 60, 0);
    for (int frame = 0; frame < 600; ++frame) {
        audio.Update(0.1f); // 60 s in all
        ASSERT_EQ(audio.PlaySound("creatureidle", true, 0, 60, 0), held) << "frame " << frame;
    }
    audio.Update(0.5f);
    EXPECT_NE(audio.PlaySound("creatureidle", true, 0, 60, 0), held);
    EXPECT_FLOAT_EQ(Effect("creatureidle").elapsed, 0.0f);
}

TEST_F(AudioSystemTest, PositionalVolumeFollowsThePlayersDistance) {
    Start();
    const ChannelHandle handle = audio.PlaySound("chase", true, 50, 100, 100);
    for (auto [playerX, volume] : {std::pair{100.0f, 2.0f}, {125.0f, 0.5f}, {75.0f, 0.5f}, {150.0f, 0.0f}}) {
        PlacePlayerAt(playerX);
        audio.UpdatePositionalVolumes();
        EXPECT_NEAR(Effect("chase").volume, volume, 1e-5f) << playerX;
        EXPECT_NEAR(Platform::GetChannelGain(handle), volume, 1e-5f) << playerX;
    }

    // Non-positional effects and music are left alone, and without a player nothing changes.
    audio.PlaySound("evade", true, 50, 100, 0);
    audio.SetSoundVolume("evade", 0.3f);
    PlacePlayerAt(100);
    audio.UpdatePositionalVolumes();
    EXPECT_FLOAT_EQ(Effect("evade").volume, 0.3f);
    GameObjectList.clear();
    audio.SetSoundVolume("chase", 0.7f);
    audio.UpdatePositionalVolumes();
    EXPECT_FLOAT_EQ(Effect("chase").volume, 0.7f);
    // A "Player" without a Transform is skipped, not dereferenced.
    GameObjectList.push_back(std::make_shared<GameObject>("Player", ObjectType::Player, 0));
    audio.UpdatePositionalVolumes();
    EXPECT_FLOAT_EQ(Effect("chase").volume, 0.7f);
}

TEST_F(AudioSystemTest, PauseAndResumeKeepTheChannel) {
    Start();
    const ChannelHandle handle = audio.PlaySound("chase", true, 0, 10, 0);
    audio.PauseSound("chase");
    EXPECT_TRUE(Platform::IsChannelPaused(handle));
    audio.ResumeSound("chase");
    EXPECT_FALSE(Platform::IsChannelPaused(handle));
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 10, 0), handle);
    // A sound played once stays played, even after a stop.
    const ChannelHandle once = audio.PlaySoundOnce("evade", false, 0, 0);
    audio.StopSound("evade");
    EXPECT_EQ(audio.PlaySoundOnce("evade", false, 0, 0), once);
    EXPECT_FALSE(Platform::IsChannelPlaying(once));

    // Music pauses only while it plays, and a stopped name cannot be resumed.
    const ChannelHandle music = audio.PlayBGM("bgm", true, 0, 0, 0);
    audio.PauseBGM("bgm");
    EXPECT_TRUE(Platform::IsChannelPaused(music));
    audio.ResumeBGM("bgm");
    EXPECT_FALSE(Platform::IsChannelPaused(music));
    audio.StopBGM("bgm");
    EXPECT_FALSE(Platform::IsChannelPlaying(music));
    audio.ResumeBGM("bgm");
    EXPECT_FALSE(Platform::IsChannelPlaying(music));
}

TEST_F(AudioSystemTest, MuteIgnoresPlayResumeAndVolumeButObeysPauseAndStop) {
    Start();
    const ChannelHandle before = audio.PlaySound("chase", true, 0, 0, 0);
    const ChannelHandle music = audio.PlayBGM("rainindoor", true, 0, 0, 0);
    Framework::AudioMuted = true;
    audio.PauseSound("chase");
    EXPECT_TRUE(Platform::IsChannelPaused(before));
    audio.ResumeSound("chase");
    EXPECT_TRUE(Platform::IsChannelPaused(before));
    audio.SetSoundVolume("chase", 2.0f);
    audio.SetAllBGMVolume(0.2f);
    EXPECT_FLOAT_EQ(Effect("chase").volume, 1.0f);
    EXPECT_FLOAT_EQ(Platform::GetChannelGain(music), 1.0f);
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 0, 0), before);
    EXPECT_EQ(audio.PlaySoundOnce("evade", false, 0, 0), ChannelHandle{});
    EXPECT_FALSE(Effect("evade").playedOnce);
    audio.StopSound("chase");
    EXPECT_FALSE(Platform::IsChannelPlaying(before));
    audio.StopAll();
    EXPECT_FALSE(Platform::IsChannelPlaying(music));

    // Unmuting restarts nothing by itself.
    Framework::AudioMuted = false;
    EXPECT_FALSE(Platform::IsChannelPlaying(music));
    EXPECT_TRUE(Platform::IsChannelPlaying(audio.PlaySound("chase", true, 0, 0, 0)));
}

TEST_F(AudioSystemTest, UnknownNamesDoNothingAndAddNoRecord) {
    Start();
    audio.Update(0.5f);
    // Music names are not effects and the other way round.
    for (const char* name : {"nosuch", "bgm"}) {
        EXPECT_EQ(audio.PlaySound(name, true, 10, 0, 5), ChannelHandle{});
        EXPECT_EQ(audio.PlaySoundOnce(name, true, 10, 5), ChannelHandle{});
        audio.PauseSound(name), audio.ResumeSound(name), audio.SetSoundVolume(name, 2.0f),
            audio.StopSound(name);
    }
    for (const char* name : {"nosuch", "chase"}) {
        EXPECT_EQ(audio.PlayBGM(name, true, 0, 0, 0), ChannelHandle{});
        audio.PauseBGM(name), audio.ResumeBGM(name), audio.SetBGMVolume(name, 1.0f), audio.StopBGM(name);
    }
    EXPECT_EQ(audio.soundChannels.size() + audio.sounds.size(), 8u);
    EXPECT_EQ(audio.bgmChannels.size() + audio.bgms.size(), 4u);
}

TEST_F(AudioSystemTest, AStaleHandleNeverTouchesTheSoundThatReusedItsChannel) {
    Start();
    const ChannelHandle a = audio.PlaySound("blip", false, 0, 0, 0);
    ASSERT_TRUE(WaitUntilEnded(a));
    const ChannelHandle b = audio.PlaySound("chase", true, 0, 0, 0);
    ASSERT_EQ(b.channel, a.channel);

    audio.PauseSound("blip");
    EXPECT_FALSE(Platform::IsChannelPaused(b));
    audio.SetSoundVolume("blip", 0.0f);
    EXPECT_FLOAT_EQ(Platform::GetChannelGain(b), 1.0f);
    audio.StopSound("blip");
    EXPECT_TRUE(Platform::IsChannelPlaying(b));
}

TEST_F(AudioSystemTest, ABusyMixerStealsTheOldestUnpausedEffect) {
    Start();
    const ChannelHandle music = audio.PlayBGM("bgm", true, 0, 0, 0);
    const ChannelHandle paused = audio.PlaySound("evade", true, 0, 0, 0);
    audio.PauseSound("evade");
    std::vector<ChannelHandle> plays;
    for (int i = 0; i < Platform::kMixingChannelCount - 2; ++i)
        plays.push_back(audio.PlaySound("chase", true));
    for (const ChannelHandle& play : plays) ASSERT_TRUE(Platform::IsChannelPlaying(play));

    const ChannelHandle extra = audio.PlaySound("creatureidle", true);
    EXPECT_TRUE(Platform::IsChannelPlaying(extra));
    EXPECT_EQ(extra.channel, plays.front().channel);
    EXPECT_FALSE(Platform::IsChannelPlaying(plays.front()));
    EXPECT_TRUE(Platform::IsChannelPlaying(plays[1]));
    EXPECT_TRUE(Platform::IsChannelPaused(paused));
    EXPECT_TRUE(Platform::IsChannelPlaying(music));
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
    sandbox.WriteResource("BGM/BGM.txt", "");
    Start();

    for (const char* line : {"entry 2 'gone': file '../Resources/Sound/missing.wav' not found",
                             "entry 3 'fake': '../Resources/Sound/notsound.wav' is not a playable sound",
                             "entry 5 'dangling' has no file path"})
        EXPECT_NE(startupOutput.find(std::string("Sounds.txt: ") + line), std::string::npos) << startupOutput;
    EXPECT_EQ(std::count(startupOutput.begin(), startupOutput.end(), '\n'), 3) << startupOutput;

    // Bad files keep a silent record (the name is listed); the dangling name gets none.
    EXPECT_EQ(audio.sounds.at("gone"), nullptr);
    EXPECT_EQ(audio.sounds.at("fake"), nullptr);
    EXPECT_EQ(audio.soundChannels.count("dangling"), 0u);
    EXPECT_EQ(audio.PlaySound("gone", false, 0, 0, 0), ChannelHandle{});
    // The later "switchon" replaced the earlier one (the 0.5 s loop, not the 10 ms clip).
    EXPECT_NEAR(audio.GetSoundLength("switchon"), 0.5f, 1e-3f);
    EXPECT_TRUE(audio.bgmChannels.empty());
}

TEST_F(AudioSystemTest, MissingListsLeaveEveryCallHarmless) {
    std::filesystem::remove_all(sandbox.resources() / "Sound");
    std::filesystem::remove_all(sandbox.resources() / "BGM");
    Start();
    EXPECT_NE(startupOutput.find("../Resources/Sound/Sounds.txt: cannot open"), std::string::npos);
    EXPECT_NE(startupOutput.find("../Resources/BGM/BGM.txt: cannot open"), std::string::npos);
    audio.Update(1.0f);
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 0, 0), ChannelHandle{});
    EXPECT_EQ(audio.PlayBGM("bgm", true, 0, 0, 0), ChannelHandle{});
    audio.StopAll();
    audio.UpdatePositionalVolumes();
}

TEST_F(AudioSystemTest, WithoutASoundDeviceTheRecordsStillKeepTime) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStdout();
    audio.Initialize();
    const std::string out = testing::internal::GetCapturedStdout();
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);

    EXPECT_FALSE(Platform::IsAudioDeviceOpen());
    EXPECT_NE(out.find("Audio System: no sound device"), std::string::npos) << out;
    ASSERT_EQ(audio.soundChannels.size(), 4u);
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 5, 0), ChannelHandle{});
    EXPECT_FALSE(Effect("chase").inactive);
    audio.Update(2.0f);
    EXPECT_FLOAT_EQ(Effect("chase").elapsed, 2.0f);
    audio.PauseSound("chase");
    EXPECT_TRUE(Effect("chase").inactive);
    audio.StopAll();
    EXPECT_TRUE(Effect("chase").finished);
}
