#include "scenes/Level.h"

#include <gtest/gtest.h>

#include "graphics/TextSprite.h"
#include "objects/LevelFile.h"
#include "scenes/SceneSystem.h"
#include "tests/gameplay/PlayerWorld.h"
#include "tests/support/Sandbox.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

// The level scene on the shipped Level1.txt, without a window: frames are the input system's
// update followed by the scene's, as the engine runs them.
class LevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        box.CopyResource("Level");
        Framework::sceneSystem->nextScene = SceneLevel;
        Framework::sceneSystem->isPaused = false;
    }
    void TearDown() override {
        Framework::sceneSystem->nextScene = SceneNone;
        Framework::sceneSystem->isPaused = false;
        Framework::AudioMuted = false;
    }

    void Start(int levelNumber = 1) {
        GameFlags.currentLevel = levelNumber;
        level.Load();
        level.Initialize();
    }
    void Frame() {
        Framework::inputSystem->Update(frame);
        level.Update(frame);
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }
    // Plays the opening through with Escape and waits for the fade from black.
    void SkipOpening() {
        world.Hold(Key::Escape);
        Frame();
        world.Release(Key::Escape);
        for (int i = 0; i < 400 && !level.fadeInDone; ++i) Frame();
        ASSERT_TRUE(level.fadeInDone);
    }

    Transform& CameraTransform() { return *level.cameraObject->GetComponent<Transform>(); }

    PlayerWorld world; // keys, sounds and a clean object store
    Sandbox box;
    Level level;
};

TEST_F(LevelTest, LevelsTwoAndThreeFadeInOverFiveSecondsAndOnlyTwoHasAnExit) {
    for (int number : {2, 3}) {
        box.WriteResource(
            "Level/Level" + std::to_string(number) + ".txt",
            "Level" + std::to_string(number) +
                "\n\nBlack\n12\nnone\nTransform\nposition 0 0 80\nrotate 0\noriginalscale 1 1 1\n"
                "scale 100 100 1\nSprite\nblack.png\nempty.png\nTransparency 1\nNumColumns 1\n"
                "NumRows 1\nuCoord 0\nvCoord 0\nAnimationDelay 0\nAnimateFlag 0\nAnimationCount -1\n"
                "FlipX 0\nFlipY 0\nColorTint 1 1 1\nEnd\n\n/Level" +
                std::to_string(number) + "\n");
        Start(number);
        EXPECT_EQ(GameFlags.currentArea, number == 2 ? 5 : 1);
        Frames(299);
        EXPECT_FALSE(level.fadeInDone) << number;
        Frames(3);
        EXPECT_TRUE(level.fadeInDone) << number;
        GameFlags.levelExitReached = true;
        Frames(61);
        EXPECT_EQ(Framework::sceneSystem->nextScene, number == 2 ? SceneLoading : SceneLevel) << number;
        EXPECT_EQ(GameFlags.currentLevel, 3);
        level.Unload();
        Framework::sceneSystem->nextScene = SceneLevel;
    }
    for (int number : {0, 4}) {
        GameFlags.currentLevel = number;
        level.Load();
        EXPECT_TRUE(GameObjectList.empty()) << number;
    }
}

TEST_F(LevelTest, HidingZoomsInWithAHeartbeatAndLeavingRestoresTheZoomAtOnce) {
    Start();
    SkipOpening();
    // Story scenes lock input later on; the finished opening must not unlock it.
    GameFlags.inputLocked = true;
    Frames(2);
    EXPECT_TRUE(GameFlags.inputLocked);
    GameFlags.inputLocked = false;
    EXPECT_FLOAT_EQ(CameraTransform().scale.x, 2.0f);
    world.TakePlayed();
    GameFlags.isHiding = true;
    std::vector<std::string> beats;
    for (int i = 0; i < 120; ++i) {
        Frame();
        for (const auto& sound : world.TakePlayed()) beats.push_back(sound.first);
    }
    // Beat: contraction (8 frames), expansion (8 frames), rest (30 frames): 46 frames a beat.
    ASSERT_GE(beats.size(), 4u);
    for (size_t i = 0; i < beats.size(); ++i) EXPECT_EQ(beats[i], i % 2 == 0 ? "heartbeat1" : "heartbeat2");
    EXPECT_GT(CameraTransform().scale.x, 2.5f);
    EXPECT_LE(CameraTransform().scale.x, 2.7f + 0.05f);

    // Caught mid-contraction, the zoom still never ends up below rest.
    GameFlags.isHiding = false;
    level.camera.heartbeatActive = true;
    CameraTransform().SetScale(1.97f, 1.97f);
    Frame();
    EXPECT_GE(CameraTransform().scale.x, 2.0f);
    Frames(60);
    EXPECT_FLOAT_EQ(CameraTransform().scale.x, 2.0f);

    // A collapsing building is no place for a heartbeat.
    GameFlags.isHiding = true;
    GameFlags.buildingCollapse = true;
    Frames(30);
    EXPECT_FALSE(level.camera.heartbeatActive);
    EXPECT_FLOAT_EQ(CameraTransform().scale.x, 2.0f);
}

} // namespace
