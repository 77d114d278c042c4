#include <gtest/gtest.h>

#include <cstdlib>

#include "audio/AudioSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "tests/support/Sandbox.h"
#include "tests/support/TestWav.h"

using Platform::ChannelHandle;
using Platform::IsChannelPlaying;

namespace {

// An audio system on SDL's dummy driver with a few effects and music loops of its own.
class AudioSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox.WriteResource("Sound/loop.wav", MakeWav(SquareWave(22050, 2, 6000), 2, 44100));
        sandbox.WriteResource("BGM/pad.wav", MakeWav(SquareWave(44100, 2, 3000), 2, 44100));
        std::string list;
        for (const char* name : {"chase", "creatureidle", "evade"})
            list += name + std::string(" ../Resources/Sound/loop.wav\n");
        sandbox.WriteResource("Sound/Sounds.txt", list);
        sandbox.WriteResource("BGM/BGM.txt", "bgm ../Resources/BGM/pad.wav\n");
    }
    void TearDown() override {
        audio.Shutdown();
        GameObjectList.clear();
    }
    void Start(bool deviceExpected = true) {
        testing::internal::CaptureStdout();
        audio.Initialize();
        audio.FinishLoading();
        startupOutput = testing::internal::GetCapturedStdout();
        ASSERT_EQ(Platform::IsAudioDeviceOpen(), deviceExpected) << startupOutput;
    }

    Sandbox sandbox;
    Framework::AudioSystem audio;
    std::string startupOutput;
};

} // namespace

TEST_F(AudioSystemTest, DurationZeroRestartsOnEveryCallAndDurationSixtyStartsOnce) {
    Start();
    // Duration 0: every call is a new play, and the old one keeps sounding underneath.
    const ChannelHandle first = audio.PlaySound("chase", true, 0, 0, 0);
    audio.Update(1 / 60.0f);
    const ChannelHandle second = audio.PlaySound("chase", true, 0, 0, 0);
    EXPECT_TRUE(first != second && IsChannelPlaying(first) && IsChannelPlaying(second));
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
    auto player = std::make_shared<GameObject>("Player", ObjectType::Player, 0);
    GameObjectList.push_back(player);
    audio.UpdatePositionalVolumes(); // a player without a Transform is skipped, not dereferenced
    auto transform = std::make_shared<Transform>(vec3{0, -40, 0}, vec2{64, 128});
    player->AddComponent(transform, ComponentType::Transform);
    for (auto [playerX, volume] : {std::pair{100.0f, 2.0f}, {125.0f, 0.5f}, {75.0f, 0.5f}, {150.0f, 0.0f}}) {
        transform->position.x = playerX;
        audio.UpdatePositionalVolumes();
        EXPECT_NEAR(Platform::GetChannelGain(handle), volume, 1e-5f) << playerX;
    }
}

TEST_F(AudioSystemTest, BadListEntriesAreReportedOncePerEntryAndSkipped) {
    sandbox.WriteResource("Sound/notsound.wav", "plain text pretending to be a sound");
    sandbox.WriteResource("Sound/Sub/deep.wav", MakeWav(SquareWave(441, 2, 500), 2, 44100));
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
}

TEST_F(AudioSystemTest, WithoutASoundDeviceTheRecordsStillKeepTime) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Start(false);
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    EXPECT_NE(startupOutput.find("Audio System: no sound device"), std::string::npos) << startupOutput;
    EXPECT_EQ(audio.PlaySound("chase", true, 0, 5, 0), ChannelHandle{});
    audio.Update(2.0f);
    EXPECT_FLOAT_EQ(audio.soundChannels.at("chase").elapsed, 2.0f);
    audio.StopAll();
    EXPECT_TRUE(audio.soundChannels.at("chase").finished);
}

TEST_F(AudioSystemTest, FilesDecodeAFewAFrameOrWhenFirstPlayed) {
    testing::internal::CaptureStdout();
    audio.Initialize();
    testing::internal::GetCapturedStdout();
    // Listed, not decoded yet: starting up reads no sound file.
    EXPECT_EQ(audio.sounds.at("evade"), nullptr);
    EXPECT_EQ(audio.bgms.at("bgm"), nullptr);
    // Playing one decodes it on the spot.
    EXPECT_TRUE(IsChannelPlaying(audio.PlaySound("evade", false, 0, 0, 0)));
    EXPECT_NE(audio.sounds.at("evade"), nullptr);
    // The frames decode the rest.
    for (int frame = 0; frame < 10; ++frame) audio.Update(1 / 60.0f);
    for (const char* name : {"chase", "creatureidle"}) EXPECT_NE(audio.sounds.at(name), nullptr) << name;
    EXPECT_NE(audio.bgms.at("bgm"), nullptr);
}
