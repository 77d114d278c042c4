#include <gtest/gtest.h>

#include "audio/AudioSystem.h"
#include "engine/Random.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Player.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/Level.h"
#include "scenes/SceneSystem.h"
#include "tests/support/GameHarness.h"

using namespace Framework;

namespace {

// A scripted first visit to level 1 on the shipped data: the opening, the skip, a walk, a run, a
// jump onto the bedroom desk and the corridor outside, each stage compared with a golden frame.
class LevelOneRun : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        GameFlags.Reset();
        GameOptions options;
        options.width = 1600;
        options.height = 900;
        game = std::make_unique<GameHarness>(options);
        ASSERT_TRUE(game->IsRunning());
        // Rain, thunder and footsteps draw random numbers: a fixed seed gives the same frames.
        SeedRandom(2024);
        sceneSystem->currentScene = SceneLevel;
        game->RunFrame();
        ASSERT_EQ(game->Scene(), SceneLevel);
        player = FindObjectByName("Player");
        ASSERT_TRUE(player);
    }
    void TearDown() override { GameFlags.Reset(); }

    vec3 PlayerAt() const { return player->GetComponent<Transform>()->position; }
    vec3 CameraAt() const { return FindObjectByName("Camera")->GetComponent<Transform>()->position; }
    std::shared_ptr<Level> TheLevel() const {
        return std::static_pointer_cast<Level>(sceneSystem->GetCurrentScene());
    }

    std::unique_ptr<GameHarness> game;
    GameObjectRef player;
};

TEST_F(LevelOneRun, OpeningEscapeWalkRunJumpAndCorridor) {
    // The opening: black, a flash of lightning and the first line; the player cannot move.
    game->Hold(Key::Letter('D'));
    game->RunFrames(329);
    game->Release(Key::Letter('D'));
    EXPECT_TRUE(GameFlags.inputLocked);
    EXPECT_FLOAT_EQ(PlayerAt().x, -3880.0f);
    EXPECT_FALSE(audioSystem->bgmChannels.at("intro").finished);
    EXPECT_TRUE(game->MatchesGolden("level1_opening"));

    // Escape skips to the fade from black, and the room appears.
    game->Press(Key::Escape);
    game->RunFrame();
    EXPECT_FALSE(GameFlags.inputLocked);
    EXPECT_TRUE(game->RunUntil([&] { return TheLevel()->fadeInDone; }, 320));
    EXPECT_EQ(sceneSystem->currentScene, SceneLevel) << "Escape in the opening opens no menu";
    EXPECT_TRUE(audioSystem->bgmChannels.at("intro").finished);
    EXPECT_TRUE(game->MatchesGolden("level1_bedroom"));

    // Walk right for a second and a half: the camera keeps the player in the middle.
    game->Hold(Key::Letter('D'));
    game->RunFrames(90);
    EXPECT_NEAR(PlayerAt().x, -3880.0f + 88.0f, 1.0f);
    EXPECT_FLOAT_EQ(CameraAt().x, PlayerAt().x);
    EXPECT_EQ(GameFlags.playerState, PlayerMoveRight);
    EXPECT_TRUE(game->MatchesGolden("level1_walk"));

    // Run to beneath the desk and jump onto it.
    game->Press(Key::LeftShift);
    game->RunFrame();
    EXPECT_TRUE(GameFlags.isRunning);
    const float runStart = PlayerAt().x;
    game->RunFrames(30);
    EXPECT_NEAR(PlayerAt().x - runStart, 100.0f, 4.0f) << "200 units a second";
    EXPECT_TRUE(game->RunUntil([&] { return PlayerAt().x >= -3120.0f; }, 300));
    game->Release(Key::Letter('D'));
    game->RunFrame();
    game->Press(Key::Space);
    game->RunFrames(60);
    EXPECT_FLOAT_EQ(PlayerAt().y, -436.0f);
    EXPECT_FLOAT_EQ(CameraAt().y, -576.0f) << "the camera holds its height";
    EXPECT_TRUE(game->MatchesGolden("level1_on_desk"));

    // The developer warp to the corridor: rain over the parapet and the estate behind.
    game->Hold(Key::Letter('C'));
    game->Press(Key::Letter('R'));
    game->RunFrame();
    game->Release(Key::Letter('C'));
    EXPECT_EQ(GameFlags.currentArea, 2);
    game->Hold(Key::Letter('D'));
    game->RunFrames(60);
    EXPECT_FLOAT_EQ(PlayerAt().y, -576.0f);
    EXPECT_FLOAT_EQ(CameraAt().y, -541.0f);
    EXPECT_TRUE(game->MatchesGolden("level1_corridor"));
}

} // namespace
