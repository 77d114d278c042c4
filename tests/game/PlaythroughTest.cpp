#include <gtest/gtest.h>

#include "scenes/Splash.h"
#include "tests/game/LevelRun.h"

namespace {

// The whole game from a cold start, as a player goes through it with the keyboard alone: the splash,
// the menu's Play, the three levels one after another through their hand-overs, the credits and
// back to the menu. The levels play the same scripted runs as their own tests.
class Playthrough : public LevelRun {
protected:
    int32_t LevelNumber() const override { return 0; }
};

TEST_F(Playthrough, FromTheSplashThroughTheThreeLevelsToTheCredits) {
    // Two logos; the menu opens on Play.
    const auto logoUp = [&] {
        std::shared_ptr<Sprite> black = FindComponent<Sprite>("Black");
        return game->Scene() != SceneSplash || (black && black->transparency < 0.0f);
    };
    game->RunFrame();
    ASSERT_EQ(game->Scene(), SceneSplash);
    ASSERT_TRUE(game->RunUntil(logoUp, 600));
    EXPECT_TRUE(game->MatchesGolden("playthrough_splash"));
    // Enter hurries each logo along once it is up.
    for (int frame = 0; frame < 1500 && game->Scene() == SceneSplash; ++frame)
        if (logoUp())
            Tap(Key::Enter, 30);
        else
            game->RunFrame();
    ASSERT_EQ(game->Scene(), SceneMenu);
    game->RunFrames(60);
    EXPECT_TRUE(game->MatchesGolden("playthrough_menu"));
    Tap(Key::Enter);
    ASSERT_TRUE(game->RunUntil([&] { return game->Scene() == SceneLevel; }, 600));
    game->RunFrame();

    ASSERT_NO_FATAL_FAILURE(FindPlayer());
    ASSERT_NO_FATAL_FAILURE(PlayLevelOne());
    game->RunFrame(); // the hand-over's first frame loads the next level
    ASSERT_NO_FATAL_FAILURE(FindPlayer());
    ASSERT_NO_FATAL_FAILURE(PlayLevelTwo());
    game->RunFrame();
    ASSERT_NO_FATAL_FAILURE(FindPlayer());
    EXPECT_EQ(GameFlags.currentLevel, 3);
    ASSERT_NO_FATAL_FAILURE(PlayLevelThree());
    EXPECT_EQ(game->Scene(), SceneMenu);
}

} // namespace
