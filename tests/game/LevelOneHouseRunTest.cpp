#include <gtest/gtest.h>

#include "audio/AudioSystem.h"
#include "gameplay/DoorLock.h"
#include "gameplay/Player.h"
#include "graphics/Sprite.h"
#include "physics/Rigidbody.h"
#include "gameplay/Level1Event.h"
#include "tests/game/LevelRun.h"

using namespace Framework;

// Level 1 from the opening to the window: its skip, a jump onto the bedroom desk, the lights, the
// keys and the padlocked gate, the lift, the flooded deck and the stairs, then the story on the
// deck up to the creature's hunt, the cupboard and the window into level 2; golden frames where the
// house answers and at the story's beats.
void LevelRun::PlayLevelOne() {
    // The opening: black, a flash of lightning and the first line; the player cannot move.
    game->Hold(Right);
    game->RunFrames(329);
    game->Release(Right);
    EXPECT_TRUE(GameFlags.inputLocked);
    EXPECT_FLOAT_EQ(At().x, -3880.0f);
    EXPECT_TRUE(game->MatchesGolden("level1_opening"));
    // Escape skips to the fade from black, and the room appears.
    game->Press(Key::Escape);
    ASSERT_TRUE(game->RunUntil([&] { return Level().fadeInDone; }, 400));
    EXPECT_TRUE(audioSystem->bgmChannels.at("intro").finished);
    EXPECT_TRUE(game->MatchesGolden("level1_bedroom"));
    // A run and a jump onto the desk: the camera keeps its height.
    ASSERT_TRUE(WalkTo(-3120.0f));
    Tap(Key::Space, 60);
    EXPECT_FLOAT_EQ(At().y, -436.0f);
    EXPECT_FLOAT_EQ(FindComponent<Transform>("Camera")->position.y, -576.0f);
    EXPECT_TRUE(game->MatchesGolden("level1_on_desk"));
    ASSERT_TRUE(WalkTo(-3260.0f)); // and off its far end, back to the floor
    game->RunFrames(30);

    // The bedroom keeps the player in until its light is off, like a habit.
    EXPECT_FALSE(WalkTo(-2900.0f, 400)) << "the bedroom door is shut while the light is on";
    ASSERT_TRUE(WalkTo(-3060.0f));
    Tap(Use, 10);
    EXPECT_TRUE(GameFlags.lightsOff);
    EXPECT_TRUE(Ghosted("BedroomDoorBlocker"));
    EXPECT_TRUE(game->MatchesGolden("house_bedroom_dark"));
    Tap(Use);
    EXPECT_FALSE(GameFlags.lightsOff);
    EXPECT_FALSE(Ghosted("BedroomDoorBlocker"));
    Tap(Use);
    EXPECT_TRUE(GameFlags.lightsOff);

    // Through the door, where the bedroom goes dark for good, into the living room: its light shows
    // the keys on the table.
    ASSERT_TRUE(WalkTo(-2830.0f));
    EXPECT_EQ(FindComponent<Sprite>("Bedroom")->textureName, "bedroom_unlit.png");
    auto keys = FindComponent<Sprite>("HouseKeys");
    EXPECT_FLOAT_EQ(keys->transparency, 0.0f);
    Tap(Use);
    EXPECT_FLOAT_EQ(keys->transparency, 1.0f);
    ASSERT_TRUE(WalkTo(-2005.0f));
    Tap(Use);
    EXPECT_TRUE(GameFlags.hasHouseKeys);
    EXPECT_EQ(Said(), "Got the keys.");

    // The front gate's padlock: four turns left bring the dial to 180 and Space opens it. The
    // keys that turn the dial must not walk or jump the player.
    EXPECT_FALSE(WalkTo(-1700.0f, 200)) << "the gate is shut";
    const vec3 atGate = At();
    Tap(Use);
    ASSERT_TRUE(FindComponent<DoorLock>("DoorPadLock")->active);
    ASSERT_TRUE(GameFlags.inputLocked);
    for (int i = 0; i < 4; ++i) Tap(Left);
    EXPECT_FLOAT_EQ(At().x, atGate.x);
    EXPECT_TRUE(game->MatchesGolden("house_padlock"));
    Tap(Key::Space, 30);
    EXPECT_FLOAT_EQ(At().y, atGate.y) << "Space opened the lock, it did not jump";
    EXPECT_TRUE(GameFlags.doorUnlocked);
    EXPECT_FALSE(GameFlags.inputLocked);
    EXPECT_TRUE(Ghosted("EventBoundaryDoor"));

    // Along the corridor to the lift: its rain and wind are heard at once, with no loop started
    // over. Call the lift, step in, ride down in the dark, step out.
    const auto& loops = audioSystem->bgmChannels;
    const Platform::ChannelHandle indoorRain = loops.at("rainindoor").channel;
    ASSERT_TRUE(WalkTo(1530.0f));
    EXPECT_EQ(loops.at("rainindoor").volume, 0.0f);
    EXPECT_EQ(loops.at("raincorridor").volume, 1.0f);
    EXPECT_TRUE(loops.at("rainindoor").channel == indoorRain);
    EXPECT_TRUE(game->MatchesGolden("level1_corridor"));
    Tap(Use, 90);
    EXPECT_TRUE(GameFlags.liftDoorsOpen);
    ASSERT_TRUE(WalkTo(1615.0f));
    HoldFor(Key::Letter('W'), 2);
    ASSERT_TRUE(GameFlags.playerInLift);
    EXPECT_TRUE(GameFlags.inputLocked);
    game->RunFrames(300);
    EXPECT_LT(At().y, -576.0f) << "the lift is on its way down";
    EXPECT_TRUE(game->MatchesGolden("house_lift_ride"));
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.liftDoorsOpen; }, 900));
    HoldFor(Key::Letter('S'), 2);
    EXPECT_FALSE(GameFlags.playerInLift);
    game->RunFrames(60);
    EXPECT_NEAR(At().y, -2111.0f, 1.0f);

    // The flooded stretch of the void deck slows the walk to 45 units a second.
    ASSERT_TRUE(WalkTo(850.0f));
    game->Hold(Left);
    game->RunFrames(3);
    EXPECT_TRUE(GameFlags.inWater);
    EXPECT_FLOAT_EQ(player->GetComponent<Rigidbody>()->velocity.x, -45.0f);
    EXPECT_TRUE(game->MatchesGolden("house_flooded_deck"));
    game->Release(Left);
    ASSERT_TRUE(WalkTo(1000.0f));
    game->Hold(Right);
    game->RunFrames(3);
    EXPECT_FALSE(GameFlags.inWater);
    EXPECT_FLOAT_EQ(player->GetComponent<Rigidbody>()->velocity.x, 60.0f);
    game->Release(Right);

    // The stairs: up from floor 1 by using the stairwell door, down again by standing in the one
    // on floor 12 for a second. The notice by the door is read on the way.
    ASSERT_TRUE(WalkTo(1760.0f));
    Tap(Use, 120);
    EXPECT_NEAR(At().y, -576.0f, 1.0f);
    EXPECT_LT(At().x, 1700.0f) << "set down left of the stairwell door";
    EXPECT_EQ(Said(), "Twelve floors of stairs. The lift would be quicker.");
    ASSERT_TRUE(WalkTo(1765.0f));
    game->RunFrames(150);
    EXPECT_NEAR(At().y, -2111.0f, 1.0f);
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.inputLocked && !GameFlags.wrapInProgress; }, 200));

    // The story on the deck. Walking west the cat comes out to the chess table; petting it is the
    // end of the calm.
    ASSERT_TRUE(WalkTo(-775.0f, 2500));
    ASSERT_TRUE(
        game->RunUntil([] { return FindComponent<Sprite>("OutsideCat")->transparency == 1.0f; }, 600));
    Tap(Use, 60);
    ASSERT_TRUE(GameFlags.phaseTwoFlag);
    EXPECT_TRUE(GameFlags.inputLocked) << "petting the cat";
    EXPECT_TRUE(game->MatchesGolden("story_petting"));
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.inputLocked; }, 300));

    // Heading home: a newspaper blows past, and as eyes look out of the lift the deck turns into
    // the other world.
    game->Hold(Right);
    game->RunFrames(2);
    if (!GameFlags.isRunning) game->Press(Key::LeftShift);
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.weatherStopped; }, 1500));
    game->Release(Right);
    EXPECT_TRUE(FindComponent<Level1Event>("EventController")->newspaperShown);
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.inputLocked; }, 300));
    EXPECT_TRUE(GameFlags.alternateWorld);
    EXPECT_EQ(GameFlags.lightingZone, 3);
    EXPECT_TRUE(game->MatchesGolden("story_other_world"));

    // The lift is dead, the stairs are blocked by the old man, and the way back along the deck is
    // shut until the lift's power lever brings the lights back.
    ASSERT_TRUE(WalkTo(1530.0f));
    Tap(Use, 30);
    EXPECT_FALSE(GameFlags.liftDoorsOpen);
    ASSERT_TRUE(WalkTo(1760.0f));
    Tap(Use, 30);
    EXPECT_TRUE(GameFlags.blackoutStarted);
    EXPECT_EQ(Said(), "Blocked! I need to find another way.");
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.inputLocked; }, 300));
    EXPECT_FALSE(WalkTo(900.0f, 600));
    ASSERT_TRUE(WalkTo(1110.0f));
    Tap(Use, 10);
    EXPECT_FALSE(GameFlags.alternateWorld);
    EXPECT_EQ(FindComponent<TextSprite>("DialogueInit")->GetText(), "Everything is back to normal.");

    // Back west the chase begins: the camera goes to the old lift as it is forced open and the
    // creature comes out of the dark. Standing still, the player is caught and wakes on the death
    // bed; its door leads back to the deck, and the old lift waits to be passed again.
    const auto letTheCreatureOut = [&](bool golden) {
        game->Hold(Left);
        game->RunFrames(2);
        if (!GameFlags.isRunning) game->Press(Key::LeftShift);
        ASSERT_TRUE(game->RunUntil([] { return GameFlags.pursuitStarted; }, 2500));
        game->Release(Left);
        ASSERT_TRUE(game->RunUntil([] { return GameFlags.creatureReleased; }, 600));
        if (golden) {
            EXPECT_TRUE(game->MatchesGolden("story_lift_forced"));
        }
        ASSERT_TRUE(game->RunUntil([] { return !GameFlags.inputLocked; }, 600));
    };
    ASSERT_NO_FATAL_FAILURE(letTheCreatureOut(true));
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.playerDying; }, 900));
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.playerDying; }, 600));
    EXPECT_NEAR(At().y, FindComponent<Transform>("DeathSpawnPos")->position.y, 2.0f);
    EXPECT_FALSE(GameFlags.buildingCollapse) << "a kill is not the end of the hunt";
    ASSERT_TRUE(WalkTo(FindComponent<Transform>("DeathbedToXX")->position.x));
    Tap(Use, 150);
    EXPECT_NEAR(At().y, -2111.0f, 2.0f);
    ASSERT_TRUE(game->RunUntil([] { return !GameFlags.inputLocked; }, 300));
    ASSERT_NO_FATAL_FAILURE(letTheCreatureOut(false));

    // Run for the cupboard and hide while it searches; it gives up and the building gives way.
    ASSERT_TRUE(WalkTo(400.0f));
    Tap(Use, 30);
    ASSERT_TRUE(GameFlags.isHiding);
    EXPECT_TRUE(game->MatchesGolden("story_hiding"));
    ASSERT_TRUE(game->RunUntil([] { return GameFlags.buildingCollapse; }, 6000));
    EXPECT_FALSE(GameFlags.playerDying);
    Tap(Use, 30);
    EXPECT_FALSE(GameFlags.isHiding);
    // Stepping out the player finds the building breaking up.
    ASSERT_TRUE(WalkTo(470.0f));
    EXPECT_EQ(Said(), "I must move before it comes back.");

    // Out through the window: black, the loading screen, and level 2.
    ASSERT_TRUE(WalkTo(1400.0f));
    Tap(Use, 5);
    EXPECT_TRUE(GameFlags.levelExitReached);
    ASSERT_TRUE(game->RunUntil([&] { return game->Scene() == SceneLoading; }, 300));
    ASSERT_TRUE(game->RunUntil([&] { return game->Scene() == SceneLevel; }, 900));
    EXPECT_EQ(GameFlags.currentLevel, 2);
}

namespace {

using LevelOneHouseRun = LevelRun;

TEST_F(LevelOneHouseRun, FromTheOpeningThroughTheHuntToTheWindow) {
    PlayLevelOne();
}

} // namespace
