#include <gtest/gtest.h>

#include "gameplay/Level2Event.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "scenes/SceneSystem.h"
#include "tests/game/LevelRun.h"

// Level 2 as it is played after level 1's window, keys only: the look at the vase, the tap and the
// drain, the kitchen switch and the lamp, the swollen door, the window onto the ledge, a fall and the
// way back from the death bed, the lightning and the jump across, the vent, the ladder, the bulb and
// the front door, up to the loading screen of level 3; golden frames at the beats.
void LevelRun::PlayLevelTwo() {
    // Out of black the camera looks at the vase in the next room, once, and gives the player back.
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.panToEnemy; }, 400));
    EXPECT_TRUE(GameFlags.inputLocked);
    ASSERT_TRUE(game->RunUntil([&] { return Said() == "That's a strange looking vase."; }, 300));
    EXPECT_TRUE(game->MatchesGolden("level2_vase"));
    EXPECT_GT(Framework::graphicsSystem->TintedCopyCount(), 0u) << "the slab and the sky are drawn from copies";
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.panToEnemy; }, 600));
    game->RunFrames(2);
    EXPECT_FALSE(GameFlags.inputLocked) << "still standing where the look began";

    // Every frame of the wade through the flood is drawn without the depth test: the faded ends of
    // the splashes, at the water's very depth, are too faint to change a pixel, and where the living
    // room meets the kitchen at one depth the living room is drawn again over their shared edge.
    int wadingFrames = 0, depthTested = 0;
    const auto splashes = FindComponent<ParticleEmitter>("PlayerSplashParticles");
    auto drawWading = [&] {
        game->DrawFrames(1);
        wadingFrames += splashes->liveCount > 0;
        depthTested += Framework::graphicsSystem->frameDepthTested;
    };
    // The kitchen switch is useless while the tap runs into the flood.
    ASSERT_TRUE(WalkTo(-1230.0f, 1500, drawWading));
    Tap(Use, 10);
    EXPECT_EQ(Said(), "I should turn off the tap first.");
    EXPECT_TRUE(GameFlags.kitchenSwitchArmed);
    EXPECT_FALSE(FindComponent<BoxCollider>("KitchenLight")->interactable);
    ASSERT_TRUE(WalkTo(-470.0f, 1500, drawWading));
    EXPECT_GT(wadingFrames, 200);
    EXPECT_EQ(depthTested, 0);
    Tap(Use, 10);
    EXPECT_EQ(Said(), "That should do it.");
    EXPECT_EQ(FindComponent<ParticleEmitter>("WaterTapParticles")->playState, false);
    // The water runs away and stops where the floor is dry.
    ASSERT_TRUE(game->RunUntil([&] { return Ghosted("Flooded"); }, 1200));
    const float drained = FindComponent<Transform>("Flooded")->position.y;
    EXPECT_LE(drained, -130.0f);
    EXPECT_GT(drained, -130.1f);
    EXPECT_FALSE(GameFlags.inWater);

    ASSERT_TRUE(WalkTo(-1230.0f));
    Tap(Use, 10);
    EXPECT_EQ(Said(), "That should do it. It should be gone now.");
    EXPECT_EQ(Alpha("FloodedKitchenLitFull"), 1.0f);
    EXPECT_EQ(FindComponent<Sprite>("Lamp")->column, 1);
    EXPECT_TRUE(game->MatchesGolden("level2_kitchen_lit"));

    // Through to the living room: its lamp lit, the vase is gone and the bedroom door gives when
    // pushed long enough.
    ASSERT_TRUE(WalkTo(-1320.0f));
    Tap(Use, 90);
    EXPECT_FLOAT_EQ(At().x, -1460.0f);
    ASSERT_TRUE(WalkTo(-1740.0f));
    Tap(Use, 10);
    EXPECT_EQ(FindComponent<Sprite>("Lamp")->column, 2);
    EXPECT_EQ(Alpha("Echo"), 0.0f);
    EXPECT_TRUE(FindComponent<Sprite>("FloodedLivingRoom")->useAltTexture);
    ASSERT_TRUE(WalkTo(-2530.0f));
    EXPECT_TRUE(game->MatchesGolden("level2_living_room_lit"));
    HoldFor(Use, 30);
    EXPECT_FALSE(Ghosted("LivingRoomDoorBlocker")) << "a short push does not do it";
    HoldFor(Use, 90);
    EXPECT_TRUE(Ghosted("LivingRoomDoorBlocker"));
    EXPECT_FALSE(GameFlags.creatureReleased || GameFlags.creatureActive);

    // The bedroom's light off, its window leads out onto the ledge.
    ASSERT_TRUE(WalkTo(-2720.0f));
    Tap(Use, 10);
    ASSERT_TRUE(WalkTo(-3560.0f));
    Tap(Use, 90);
    EXPECT_EQ(GameFlags.currentArea, 6);
    ASSERT_TRUE(WalkTo(-3620.0f));
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.panToVent && GameFlags.respawnedOutside; }, 700));
    EXPECT_EQ(Said(), "I can escape through that vent.");

    // A walk across the planks before the lightning shows what they are: they give way.
    EXPECT_FALSE(Ghosted("OutsideLightingFloor"));
    ASSERT_TRUE(WalkTo(-3100.0f));
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.playerDying; }, 600));
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.playerDying; }, 900));
    EXPECT_EQ(GameFlags.currentArea, 8);
    ASSERT_TRUE(WalkTo(480.0f));
    Tap(Use, 90);
    EXPECT_FLOAT_EQ(At().x, -3800.0f) << "back on the ledge by the window";

    // The lightning shows the air-conditioner as the way across; a running jump onto it and off.
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.ventEntered; }, 400));
    game->RunFrames(60);
    EXPECT_EQ(Said(), "There seems to be a path across...?");
    EXPECT_FALSE(Ghosted("OutsideAirconUnit"));
    EXPECT_TRUE(game->MatchesGolden("level2_ledge_lightning"));
    RunAndJump(-3200.0f);
    EXPECT_NEAR(At().x, -2960.0f, 55.0f) << "on the air-conditioner";
    EXPECT_FLOAT_EQ(At().y, -700.0f);
    RunAndJump(-2920.0f);
    EXPECT_GT(At().x, -2720.0f);
    EXPECT_FLOAT_EQ(At().y, -700.0f);

    // Into the vent, along it on hands and knees, and out at the bottom of the lift shaft.
    ASSERT_TRUE(WalkTo(-2100.0f));
    Tap(Use, 90);
    EXPECT_EQ(Said(), "I hope this leads back to my house...");
    EXPECT_TRUE(GameFlags.inVent);
    game->Hold(Right);
    game->RunFrames(30);
    EXPECT_EQ(GameFlags.playerState, PlayerCrawl);
    EXPECT_TRUE(game->MatchesGolden("level2_vent"));
    ASSERT_TRUE(game->RunUntil([&] { return At().x > 800.0f; }, 1200));
    game->Release(Right);
    game->RunFrames(40);
    EXPECT_FALSE(GameFlags.inVent);

    // Up the ladder to floor 12, and through the vent there into the mother's bedroom.
    ASSERT_TRUE(WalkTo(950.0f));
    Tap(Use, 120);
    EXPECT_TRUE(GameFlags.isClimbing);
    EXPECT_EQ(GameFlags.playerState, PlayerClimb);
    EXPECT_TRUE(game->MatchesGolden("level2_shaft"));
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.isClimbing; }, 900));
    game->RunFrames(10);
    EXPECT_FALSE(GameFlags.inputLocked);
    EXPECT_FALSE(Ghosted("ShaftFloor12"));
    ASSERT_TRUE(WalkTo(890.0f));
    Tap(Use, 90);
    ASSERT_TRUE(WalkTo(2930.0f));
    Tap(Use, 5);
    EXPECT_EQ(Said(), "It's time to end this.");
    EXPECT_EQ(Alpha("LightBulb"), 0.0f);
    EXPECT_TRUE(game->MatchesGolden("level2_home"));

    // Home: the living room, the front door, and on to level 3.
    ASSERT_TRUE(WalkTo(3140.0f));
    Tap(Use, 90);
    ASSERT_TRUE(WalkTo(4290.0f));
    Tap(Use, 2);
    EXPECT_TRUE(GameFlags.levelExitReached);
    ASSERT_TRUE(game->RunUntil([&] { return game->Scene() == SceneLoading; }, 400));
    EXPECT_EQ(GameFlags.currentLevel, 3);
    ASSERT_TRUE(game->RunUntil([&] { return game->Scene() == SceneLevel; }, 900));
}

namespace {

class LevelTwoRun : public LevelRun {
protected:
    int32_t LevelNumber() const override { return 2; }
};

TEST_F(LevelTwoRun, FromTheFloodedKitchenUpTheShaftToTheFrontDoor) {
    PlayLevelTwo();
}

// The developer warps: C+R to the ledge outside the bedroom window, C+T to the bottom of the shaft.
TEST_F(LevelTwoRun, WarpKeysReachTheLedgeAndTheShaft) {
    game->RunFrames(2);
    for (const auto& [key, target] : {std::pair{'R', "OutsideToRoom"}, std::pair{'T', "ShaftEnd"}}) {
        game->Hold(Key::Letter('C'));
        Tap(Key::Letter(key), 3);
        game->Release(Key::Letter('C'));
        const vec3 there = FindComponent<Transform>(target)->position;
        EXPECT_FLOAT_EQ(At().x, there.x) << target;
        EXPECT_NEAR(At().y, there.y, 1.0f) << target;
    }
}

} // namespace
