#include <gtest/gtest.h>

#include "graphics/Sprite.h"
#include "scenes/Scene.h"
#include "tests/game/LevelRun.h"

// Level 3 from its fade in to the main menu, with the keys alone: the fuse box and the red light,
// the creature's return, a cupboard, the lift and the ladder, the storm on the roof, the container
// and the old man, the bulb, the walk into the dawn and the calendar; golden frames at its beats.
void LevelRun::PlayLevelThree() {
    GameFlagBlock& flags = GameFlags;
    ASSERT_TRUE(game->RunUntil([&] { return Level().fadeInDone; }, 400));
    EXPECT_EQ(flags.currentArea, 2) << "the start is inside the corridor's area, with its sound";
    EXPECT_TRUE(game->MatchesGolden("level3_corridor"));

    // The fuse box: the lights stutter and settle on red; only then is the player free again.
    ASSERT_TRUE(WalkTo(-1260.0f));
    Tap(Use);
    EXPECT_TRUE(flags.inputLocked && flags.redCorridorActive);
    ASSERT_TRUE(game->RunUntil([&] { return !flags.inputLocked; }, 120));
    const vec3 red = FindComponent<Sprite>("Corridor(2)")->colorTint;
    EXPECT_TRUE(red.x == 0.825f && red.y == 0.2f && flags.lightsOff);
    EXPECT_TRUE(game->MatchesGolden("level3_red_corridor"));

    // It's back, and the corridor has no ends; a cupboard hides the player, in red.
    ASSERT_TRUE(WalkTo(-680.0f));
    EXPECT_EQ(Said(), "It's back!");
    EXPECT_TRUE(flags.creatureReleased && Ghosted("CorridorLeftBoundary"));
    ASSERT_TRUE(WalkTo(-10.0f));
    Tap(Use, 20);
    EXPECT_TRUE(flags.isHiding);
    EXPECT_EQ(FindComponent<Sprite>("Cupboard")->textureName, "prop_cupboard_unlit_red_hide.png");
    Tap(Use);
    ASSERT_FALSE(flags.isHiding);

    // The lift doors first, then the ladder: up the shaft with the creature held back.
    ASSERT_TRUE(WalkTo(1180.0f));
    EXPECT_FALSE(Usable("RedCorridorToRooftop"));
    Tap(Use);
    ASSERT_TRUE(game->RunUntil([&] { return Usable("RedCorridorToRooftop"); }, 200));
    ASSERT_TRUE(WalkTo(1295.0f));
    Tap(Use);
    ASSERT_TRUE(flags.creatureHold);
    ASSERT_TRUE(game->RunUntil([&] { return flags.rooftopDone && !flags.creatureHold; }, 900));
    EXPECT_FLOAT_EQ(At().y, 44.0f);
    EXPECT_EQ(Alpha("Creature"), 0.0f);

    // The storm breaks and the creature comes over the roof; the container's door is the way in.
    ASSERT_TRUE(WalkTo(1460.0f));
    EXPECT_EQ(Said(), "The storm's getting stronger.");
    ASSERT_TRUE(game->RunUntil([&] { return flags.eventRainDone; }, 300));
    EXPECT_TRUE(game->MatchesGolden("level3_rooftop_storm"));
    ASSERT_TRUE(WalkTo(2380.0f));
    Tap(Use);
    ASSERT_TRUE(game->RunUntil([&] { return flags.containerEntered; }, 300));
    EXPECT_EQ(flags.currentArea, 10);

    // The old man takes shape and the creature is gone; the door back out opens.
    ASSERT_TRUE(game->RunUntil([&] { return flags.oldManMaterialized && !flags.inputLocked; }, 1500));
    EXPECT_TRUE(FindComponent<Sprite>("Container")->useAltTexture);
    EXPECT_EQ(Alpha("Creature"), 0.0f);
    EXPECT_EQ(Alpha("OldManIdle"), 1.0f);
    EXPECT_TRUE(game->MatchesGolden("level3_old_man"));
    ASSERT_TRUE(WalkTo(-470.0f));
    Tap(Use);
    ASSERT_TRUE(game->RunUntil([&] { return flags.currentArea == 6 && !flags.inputLocked; }, 300))
        << At().x << " " << At().y << " area " << flags.currentArea << " lock " << flags.inputLocked
        << " wrap " << flags.wrapInProgress << " fade " << Alpha("FadeInAndOut") << " hide " << flags.isHiding
        << " said " << Said() << " usable " << Usable("ContainerToRoofTop");

    // The bulb into the roof's lamp, the look at the dawn, and a walk (no running) into it.
    ASSERT_TRUE(WalkTo(3430.0f));
    Tap(Use);
    EXPECT_TRUE(FindComponent<Sprite>("Rooftop")->useAltTexture);
    ASSERT_TRUE(game->RunUntil([&] { return flags.finaleMusic && !flags.inputLocked; }, 600));
    ASSERT_TRUE(WalkTo(3850.0f));
    EXPECT_FALSE(flags.isRunning);
    ASSERT_TRUE(game->RunUntil([&] { return Alpha("RooftopDawn") >= 0.95f; }, 600));
    EXPECT_TRUE(game->MatchesGolden("level3_dawn"));
    ASSERT_TRUE(game->RunUntil([&] { return flags.currentArea == 11 && !flags.inputLocked; }, 1200));

    // The calendar: the ending's lines in their windows, the white, the credits, the menu.
    ASSERT_TRUE(WalkTo(3120.0f));
    Tap(Use);
    ASSERT_TRUE(game->RunUntil([&] { return Said() == "Wasn't it the 12th?"; }, 900));
    EXPECT_EQ(Alpha("PlayerFinalAnimation"), 1.0f);
    EXPECT_TRUE(game->MatchesGolden("level3_calendar"));
    ASSERT_TRUE(game->RunUntil([&] { return game->Scene() == SceneMenu; }, 1000));
    EXPECT_FALSE(flags.runDisabled || flags.redCorridorActive || flags.finaleMusic);
}

namespace {

class LevelThreeRun : public LevelRun {
protected:
    int32_t LevelNumber() const override { return 3; }
};

TEST_F(LevelThreeRun, FromTheRedCorridorOverTheRoofToTheCalendar) {
    PlayLevelThree();
}

} // namespace
