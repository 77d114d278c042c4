#include <gtest/gtest.h>

#include "gameplay/GameFlags.h"

namespace {

void ExpectStartValues(const GameFlagBlock& flags) {
    EXPECT_EQ(flags.currentLevel, 1);
    EXPECT_EQ(flags.currentArea, 1);
    EXPECT_EQ(flags.lightingZone, 0);
    EXPECT_FLOAT_EQ(flags.cameraHeightOffset, 35.0f);
    EXPECT_FLOAT_EQ(flags.backgroundScrollSpeed, 0.012f);
    EXPECT_FLOAT_EQ(flags.ambientColour.x, 0.6666667f);
    EXPECT_EQ(flags.ambientColour.y, 0);
    EXPECT_EQ(flags.respawnWrapTarget, "");
    EXPECT_EQ(flags.playerState, PlayerIdle);
    EXPECT_TRUE(flags.blackoutSoundPending);
    EXPECT_FALSE(flags.runDisabled);
    EXPECT_FALSE(flags.redCorridorActive);
    EXPECT_FALSE(flags.isClimbing);
    EXPECT_FALSE(flags.splashDisabled);
}

} // namespace

TEST(GameFlagsTest, StartValuesAndResetAfterAPlayThrough) {
    GameFlagBlock fresh;
    ExpectStartValues(fresh);

    // What a finished level-3 run leaves behind.
    GameFlagBlock& played = GameFlags;
    played.currentLevel = 4;
    played.currentArea = 9;
    played.lightingZone = 7;
    played.cameraHeightOffset = 80;
    played.backgroundScrollSpeed = 0.003f;
    played.ambientColour = vec3{0.1f, 0.2f, 0.3f};
    played.respawnWrapTarget = "WrapEntry";
    played.playerState = PlayerClimb;
    played.blackoutSoundPending = false;
    played.runDisabled = true;
    played.redCorridorActive = true;
    played.isClimbing = true;
    played.splashDisabled = true;
    played.Reset();
    ExpectStartValues(played);
}
