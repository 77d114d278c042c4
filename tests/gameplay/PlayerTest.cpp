#include "gameplay/Player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "objects/Serializer.h"
#include "scenes/SceneSystem.h"
#include "tests/gameplay/PlayerWorld.h"
#include "tests/support/Sandbox.h"

namespace {

const int Left = Key::Letter('A');
const int Right = Key::Letter('D');

// A player standing on a long floor, settled after its first fall.
class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.AddFloor();
        world.AddPlayer();
        ASSERT_TRUE(world.Settle());
        world.TakePlayed();
    }
    PlayerWorld world;
};

bool Played(const std::vector<std::pair<std::string, float>>& sounds, const std::string& prefix) {
    return std::any_of(sounds.begin(), sounds.end(),
                       [&](const auto& sound) { return sound.first.rfind(prefix, 0) == 0; });
}

TEST_F(PlayerTest, JumpRisesAndComesBackWithoutASecondJumpInTheAir) {
    world.Hold(Key::Space);
    world.Frame();
    world.Release(Key::Space);
    EXPECT_EQ(GameFlags.playerState, PlayerJump);
    EXPECT_TRUE(world.Body().isJumping);
    EXPECT_EQ(world.Sheet().textureName, "player_jump.png");

    float peak = world.Position().y;
    bool pressedAgain = false;
    int airborne = 0;
    for (; airborne < 300; ++airborne) {
        world.Frame();
        peak = std::max(peak, world.Position().y);
        if (!pressedAgain && world.Position().y > PlayerWorld::standingY + 40) {
            // A second press in mid air must not restart the jump.
            const float acceleration = world.Body().acceleration.y;
            world.Tap(Key::Space);
            airborne += 2;
            EXPECT_LT(world.Body().acceleration.y, acceleration);
            pressedAgain = true;
        }
        if (world.Body().isGrounded && !world.Body().isJumping && world.Body().acceleration.y == 0) break;
    }
    EXPECT_TRUE(pressedAgain);
    // The level's desk top stands 140 units above the floor: a jump must clear the head height of
    // a walking player under it (121) by a good margin, and stay well under a ceiling.
    EXPECT_GT(peak - PlayerWorld::standingY, 90.0f);
    EXPECT_LT(peak - PlayerWorld::standingY, 160.0f);
    EXPECT_LT(airborne, 90) << "a jump should take about a second";
    EXPECT_FLOAT_EQ(world.Position().y, PlayerWorld::standingY);
    EXPECT_TRUE(Played(world.TakePlayed(), "footstepconcrete")) << "landing step";
}

struct SheetCase {
    int32_t zone;
    bool lightsOff;
    int32_t state;
    const char* texture;
    int32_t columns;
};

class PlayerSheetTest : public ::testing::TestWithParam<SheetCase> {};

TEST_P(PlayerSheetTest, StateAndLightPickTheSheet) {
    const SheetCase c = GetParam();
    PlayerWorld world;
    world.AddFloor();
    world.AddPlayer();
    ASSERT_TRUE(world.Settle());
    GameFlags.lightingZone = c.zone;
    GameFlags.lightsOff = c.lightsOff;
    GameFlags.inputLocked = true; // keeps the movement step from overriding the state under test
    GameFlags.cutsceneWalk = true;
    GameFlags.playerState = c.state;
    world.Frame();
    world.Frame(); // the sprite takes the new sheet on its next update
    const Sprite& sheet = world.Sheet();
    EXPECT_EQ(c.lightsOff ? sheet.altTextureName : sheet.textureName, c.texture);
    EXPECT_EQ(sheet.useAltTexture, c.lightsOff);
    EXPECT_EQ(sheet.currentTextureName, c.texture) << "the new sheet is on screen after one update";
    EXPECT_EQ(sheet.numColumns, c.columns);
    EXPECT_EQ(sheet.numRows, 1);
}

INSTANTIATE_TEST_SUITE_P(ZonesAndStates, PlayerSheetTest,
                         ::testing::Values(SheetCase{0, false, PlayerIdle, "player_idle.png", 30},
                                           SheetCase{0, true, PlayerIdle, "player_idle_unlit.png", 30},
                                           SheetCase{0, false, PlayerCrawl, "player_crawl_unlit.png", 40},
                                           SheetCase{0, true, PlayerClimb, "player_climb.png", 30},
                                           SheetCase{2, false, PlayerJump, "player_jump_lit.png", 20},
                                           SheetCase{3, false, PlayerClimb, "player_climb.png", 30},
                                           SheetCase{1, true, PlayerHide, "player_hide_unlit.png", 10},
                                           SheetCase{4, false, PlayerClimb, "player_climb_unlit.png", 30},
                                           SheetCase{9, true, PlayerIdle, "player_idle_unlit.png", 30},
                                           SheetCase{6, false, PlayerClimb, "player_climb.png", 30},
                                           SheetCase{6, true, PlayerCrawl, "player_crawl.png", 40},
                                           SheetCase{7, false, PlayerCrawl, "player_crawl.png", 40},
                                           SheetCase{10, true, PlayerCrawl, "player_crawl_unlit.png", 40}));

TEST_F(PlayerTest, FootstepsPlayOnlyOnTheFootContactCells) {
    world.Hold(Right);
    std::vector<int> stepCells;
    for (int i = 0; i < 180; ++i) {
        world.Frame();
        const auto sounds = world.TakePlayed();
        if (!sounds.empty()) {
            ASSERT_EQ(sounds.size(), 1u);
            EXPECT_EQ(sounds[0].first.rfind("footstepconcrete", 0), 0u) << sounds[0].first;
            stepCells.push_back(world.Sheet().column);
        }
    }
    // Three seconds of walking: a 30-cell cycle per second, two steps a cycle, alternating feet.
    ASSERT_GE(stepCells.size(), 5u);
    for (size_t i = 0; i < stepCells.size(); ++i) EXPECT_EQ(stepCells[i], i % 2 == 0 ? 6 : 21);

    // A frame skipped by a slow update jumps past the contact cell: no step for it.
    world.Get<Player>().footstepPhase = true;
    world.Sheet().column = 7;
    world.Frame();
    EXPECT_TRUE(world.TakePlayed().empty());
}

TEST_F(PlayerTest, FootstepsFollowTheWorldAndWaterIsQuieter) {
    GameFlags.alternateWorld = true;
    world.Hold(Right);
    world.Frames(40);
    EXPECT_TRUE(Played(world.TakePlayed(), "footstepgrass"));

    GameFlags.alternateWorld = false;
    GameFlags.currentLevel = 2;
    GameFlags.inWater = true;
    world.Frames(120);
    const auto sounds = world.TakePlayed();
    ASSERT_FALSE(sounds.empty());
    for (const auto& sound : sounds) {
        EXPECT_EQ(sound.first, "footstepwater1");
        EXPECT_GE(sound.second, 0.099f);
        EXPECT_LT(sound.second, 0.3f);
    }
}

TEST_F(PlayerTest, ThunderNeverBeforeTenSecondsThenIndoorsOrOutdoorsByArea) {
    auto thunder = [&]() {
        std::vector<std::pair<std::string, float>> found;
        for (const auto& sound : world.TakePlayed())
            if (sound.first.find("thunder") != std::string::npos) found.push_back(sound);
        return found;
    };
    world.Get<Player>().thunderTimer = 0.0f;
    // 600 frames of 1/60 s add up to a hair over 10 s in floats, where thunder may rightly start.
    for (int i = 0; i < 599; ++i) {
        world.Frame();
        ASSERT_TRUE(thunder().empty()) << "thunder after " << (i + 1) << " frames";
    }
    std::vector<std::pair<std::string, float>> heard;
    for (int i = 0; i < 60 * 21 && heard.empty(); ++i) {
        world.Frame();
        heard = thunder();
    }
    ASSERT_EQ(heard.size(), 1u) << "a roll of 0..29 must fire by 30 s";
    EXPECT_EQ(heard[0].first, "thunderindoor"); // level 1, bedroom
    EXPECT_FLOAT_EQ(heard[0].second, 0.6f);
    EXPECT_FLOAT_EQ(world.Get<Player>().thunderTimer, 0.0f);

    GameFlags.currentArea = 2;
    world.Get<Player>().thunderTimer = 30.0f;
    world.Frame();
    heard = thunder();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].first.rfind("thunderoutdoor", 0), 0u);
    EXPECT_FLOAT_EQ(heard[0].second, 0.8f);

    GameFlags.alternateWorld = true;
    world.Get<Player>().thunderTimer = 30.0f;
    world.Frame();
    EXPECT_TRUE(thunder().empty());
}

TEST_F(PlayerTest, DeathWithoutFadeSpawnOrCameraSkipsOnlyWhatIsMissing) {
    const vec3 before = world.Position();
    GameFlags.playerDying = true;
    world.Frame();
    EXPECT_EQ(GameFlags.currentArea, 8);
    EXPECT_FLOAT_EQ(world.Position().x, before.x);
    GameFlags.lightingZone = 7;
    world.Frame();
    EXPECT_FALSE(GameFlags.playerDying);
    EXPECT_FALSE(GameFlags.inputLocked);
}

TEST(PlayerComponent, PlayerWithoutItsBodyDoesNothing) {
    PlayerWorld world;
    GameObjectRef lonely = world.Add("Player", ObjectType::Player, vec3{0, 0, 0}, vec2{80, 120});
    lonely->AddComponent(std::make_shared<Player>(), ComponentType::Player);
    GameFlags.playerDying = true;
    world.Frames(3);
    EXPECT_EQ(GameFlags.playerState, PlayerIdle);
}

} // namespace
