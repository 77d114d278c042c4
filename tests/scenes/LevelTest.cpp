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

    float Alpha(const char* name) { return FindObjectByName(name)->GetComponent<Sprite>()->transparency; }
    vec3 PositionOf(const char* name) { return FindObjectByName(name)->GetComponent<Transform>()->position; }
    Transform& CameraTransform() { return *level.cameraObject->GetComponent<Transform>(); }
    const Framework::SoundChannel& Music(const char* name) {
        return Framework::audioSystem->bgmChannels.at(name);
    }

    PlayerWorld world; // keys, sounds and a clean object store
    Sandbox box;
    Level level;
};

TEST_F(LevelTest, LoadPicksTheFileByLevelNumberAndNoneOutsideOneToThree) {
    GameFlags.currentLevel = 1;
    level.Load();
    EXPECT_NE(FindObjectByName("Player"), nullptr);
    level.Unload();
    EXPECT_TRUE(GameObjectList.empty());
    for (int number : {0, 4}) {
        GameFlags.currentLevel = number;
        level.Load();
        EXPECT_TRUE(GameObjectList.empty()) << number;
    }
}

TEST_F(LevelTest, StartsBlackWithTriggersHiddenTheCameraOnThePlayerAndTheOpeningMusic) {
    GameFlags.currentLevel = 1;
    level.Load();
    // A visible trigger and a visible switch, as a careless edit might leave them.
    for (ObjectType type : {ObjectType::TriggerEvent, ObjectType::LightSwitch}) {
        auto object = std::make_shared<GameObject>("Marked", type, NextObjectId++);
        object->AddComponent(std::make_shared<Transform>(), ComponentType::Transform);
        object->AddComponent(std::make_shared<Sprite>(), ComponentType::Sprite);
        GameObjectList.push_back(object);
    }
    level.Initialize();

    for (const GameObjectRef& object : GameObjectList)
        if (object->name == "Marked") {
            EXPECT_FLOAT_EQ(object->GetComponent<Sprite>()->transparency, 0.0f);
        }
    EXPECT_FLOAT_EQ(Alpha("Black"), 1.0f);
    EXPECT_FLOAT_EQ(Alpha("FadeInAndOut"), 0.0f);
    EXPECT_FLOAT_EQ(Alpha("EventLiftBurstingOut"), 0.0f);
    EXPECT_FLOAT_EQ(FindObjectByName("DialogueInit")->GetComponent<TextSprite>()->alpha, 0.0f);
    const vec3 player = PositionOf("Player");
    EXPECT_FLOAT_EQ(CameraTransform().position.x, player.x);
    EXPECT_FLOAT_EQ(CameraTransform().position.y, player.y);
    EXPECT_FLOAT_EQ(GameFlags.cameraTargetY, player.y);
    EXPECT_EQ(GameFlags.currentArea, 1);
    EXPECT_FALSE(Music("intro").finished);
    // The player's own object is found through the level's lookups.
    EXPECT_EQ(level.player, FindObjectByName("Player"));
}

TEST_F(LevelTest, OpeningLocksInputSpeaksFlashesAndFadesIn) {
    Start();
    auto text = FindObjectByName("DialogueInit")->GetComponent<TextSprite>();
    auto lightning = FindObjectByName("BedroomLightningOverlay")->GetComponent<Sprite>();
    world.Hold(Key::Letter('D')); // the player tries to walk the whole time
    const float startX = PositionOf("Player").x;

    auto runTo = [&](float seconds) {
        for (int limit = 0; level.introTimer < seconds && limit < 2000; ++limit) Frame();
        ASSERT_GE(level.introTimer, seconds);
    };
    runTo(4.6f);
    EXPECT_TRUE(GameFlags.inputLocked);
    EXPECT_EQ(text->GetText(), "The storm...");
    EXPECT_FLOAT_EQ(text->alpha, 1.0f);
    runTo(5.45f);
    EXPECT_GT(lightning->transparency, 0.7f);
    EXPECT_EQ(lightning->column, 0);
    runTo(5.66f);
    EXPECT_LT(lightning->transparency, 0.1f) << "each flash falls by 4 x dt";
    runTo(5.72f);
    EXPECT_GT(lightning->transparency, 0.75f) << "the next window flashes again";
    runTo(11.05f);
    EXPECT_EQ(lightning->column, 1);
    runTo(11.5f);
    EXPECT_EQ(text->GetText(), "Ugh. Can't sleep.");
    runTo(16.05f);
    EXPECT_EQ(lightning->column, 2);
    runTo(17.3f);
    EXPECT_EQ(text->GetText(), "I should take a walk.");
    runTo(20.4f);
    EXPECT_TRUE(GameFlags.inputLocked);
    EXPECT_FLOAT_EQ(Alpha("Black"), 1.0f);
    EXPECT_FLOAT_EQ(PositionOf("Player").x, startX);

    runTo(20.6f);
    EXPECT_FALSE(GameFlags.inputLocked);
    runTo(23.0f);
    EXPECT_NEAR(Alpha("Black"), 1.0f - 0.2f * 2.5f, 0.02f);
    EXPECT_NEAR(Music("intro").volume, Alpha("Black"), 0.01f);
    EXPECT_FALSE(level.fadeInDone);
    runTo(25.45f);
    EXPECT_FALSE(level.fadeInDone);
    Frames(6);
    EXPECT_TRUE(level.fadeInDone);
    EXPECT_FLOAT_EQ(Alpha("Black"), 0.0f);
    EXPECT_TRUE(Music("intro").finished);
    EXPECT_GT(PositionOf("Player").x, startX) << "the player walked once the fade began";
}

TEST_F(LevelTest, EscapeSkipsTheOpeningAndTheOpeningLeavesLaterLocksAlone) {
    Start();
    Frames(60);
    EXPECT_TRUE(GameFlags.inputLocked);
    world.Hold(Key::Escape);
    Frame();
    world.Release(Key::Escape);
    EXPECT_FLOAT_EQ(level.introTimer, 20.6f + frame);
    EXPECT_FALSE(GameFlags.inputLocked);
    Frames(298);
    EXPECT_FALSE(level.fadeInDone);
    Frames(4);
    EXPECT_TRUE(level.fadeInDone) << "five seconds of fade after the skip";

    // Story scenes lock input later on; the finished opening must not unlock it.
    GameFlags.inputLocked = true;
    Frames(120);
    EXPECT_TRUE(GameFlags.inputLocked);
    EXPECT_FLOAT_EQ(Alpha("Black"), 0.0f);
}

TEST_F(LevelTest, ExitFadesToBlackAndHandsOverToTheLoadingScreenWithTheNextLevel) {
    Start();
    SkipOpening();
    GameFlags.levelExitReached = true;
    Frames(30);
    EXPECT_NEAR(Alpha("Black"), 0.5f, 0.02f);
    EXPECT_EQ(Framework::sceneSystem->nextScene, SceneLevel);
    Frames(31);
    EXPECT_FLOAT_EQ(Alpha("Black"), 1.0f);
    EXPECT_EQ(GameFlags.currentLevel, 2);
    EXPECT_EQ(Framework::sceneSystem->nextScene, SceneLoading);
}

TEST_F(LevelTest, ExitWithoutABlackOverlayStillHandsOver) {
    Start();
    SkipOpening();
    GameObjectList.erase(std::find(GameObjectList.begin(), GameObjectList.end(), FindObjectByName("Black")));
    level.black.reset();
    GameFlags.levelExitReached = true;
    Frame();
    EXPECT_EQ(GameFlags.currentLevel, 2);
    EXPECT_EQ(Framework::sceneSystem->nextScene, SceneLoading);
}

TEST_F(LevelTest, HidingZoomsInWithAHeartbeatAndLeavingRestoresTheZoomAtOnce) {
    Start();
    SkipOpening();
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
    level.heartbeatActive = true;
    CameraTransform().SetScale(1.97f, 1.97f);
    Frame();
    EXPECT_GE(CameraTransform().scale.x, 2.0f);
    EXPECT_FALSE(level.heartbeatActive);
    Frames(60);
    EXPECT_FLOAT_EQ(CameraTransform().scale.x, 2.0f);

    // A collapsing building is no place for a heartbeat.
    GameFlags.isHiding = true;
    GameFlags.buildingCollapse = true;
    Frames(30);
    EXPECT_FALSE(level.hiding);
    EXPECT_FLOAT_EQ(CameraTransform().scale.x, 2.0f);
}

TEST_F(LevelTest, CameraFollowsThePlayersXAtTheTargetHeightOrRidesWithTheLift) {
    Start();
    SkipOpening();
    world.Hold(Key::Letter('D'));
    Frames(90);
    EXPECT_FLOAT_EQ(CameraTransform().position.x, PositionOf("Player").x);
    EXPECT_FLOAT_EQ(CameraTransform().position.y, GameFlags.cameraTargetY);
    GameFlags.playerInLift = true;
    Frame();
    EXPECT_FLOAT_EQ(CameraTransform().position.y, PositionOf("Player").y + 35.0f);
    GameFlags.playerInLift = false;
    GameFlags.creatureHold = true;
    const float heldX = CameraTransform().position.x;
    Frames(30);
    EXPECT_FLOAT_EQ(CameraTransform().position.x, heldX);
}

TEST_F(LevelTest, BackgroundDriftsWithTheWalkButNotWhilePaused) {
    Start();
    SkipOpening();
    const float before = PositionOf("BackgroundGroup").x;
    world.Hold(Key::Letter('D'));
    Frames(101);
    // Two frames to turn and start, then 0.72 units a frame while the player moves.
    EXPECT_NEAR(PositionOf("BackgroundGroup").x - before, 0.72f * 99, 0.72f * 2);
    const float walking = PositionOf("BackgroundGroup").x;
    Framework::sceneSystem->isPaused = true;
    Frames(30);
    EXPECT_FLOAT_EQ(PositionOf("BackgroundGroup").x, walking);
}

TEST_F(LevelTest, WarpKeysMoveThePlayerBetweenTheFloors) {
    Start();
    SkipOpening();
    const int C = Key::Letter('C');
    auto warp = [&](char key) {
        world.Hold(C);
        world.Hold(Key::Letter(key));
        Frame();
        world.Release(Key::Letter(key));
        world.Release(C);
        Frame();
    };
    warp('T');
    EXPECT_EQ(GameFlags.currentArea, 3);
    EXPECT_FLOAT_EQ(GameFlags.cameraTargetY, 35.0f - 2111.0f);
    Frames(120);
    EXPECT_FLOAT_EQ(PositionOf("Player").y, -2111.0f) << "floor 1 is under the warp";
    EXPECT_NEAR(PositionOf("Player").x, -800.0f, 0.01f);

    warp('R');
    EXPECT_EQ(GameFlags.currentArea, 2);
    Frames(120);
    EXPECT_FLOAT_EQ(PositionOf("Player").y, -576.0f);
    EXPECT_NEAR(PositionOf("Player").x, 1000.0f, 0.01f);

    warp('U');
    EXPECT_FLOAT_EQ(CameraTransform().position.x, -1000.0f);
    Frames(60);
    EXPECT_FLOAT_EQ(PositionOf("Player").y, -576.0f);

    auto box = FindObjectByName("Player")->GetComponent<BoxCollider>();
    warp('G');
    EXPECT_TRUE(box->ghosted);
    warp('G');
    EXPECT_FALSE(box->ghosted);

    // Without C held the letters do nothing.
    world.Hold(Key::Letter('T'));
    Frames(2);
    world.Release(Key::Letter('T'));
    EXPECT_EQ(GameFlags.currentArea, 2);
}

TEST_F(LevelTest, PausedLevelRunsNoComponents) {
    Start();
    SkipOpening();
    world.Hold(Key::Letter('D'));
    Frames(10);
    const float x = PositionOf("Player").x;
    Framework::sceneSystem->isPaused = true;
    Frames(30);
    EXPECT_FLOAT_EQ(PositionOf("Player").x, x);
}

TEST_F(LevelTest, LevelsTwoAndThreeFadeInOverFiveSeconds) {
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
}

} // namespace
