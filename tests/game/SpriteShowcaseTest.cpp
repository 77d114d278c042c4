#include <gtest/gtest.h>

#include "graphics/Sprite.h"
#include "tests/support/GameHarness.h"
#include "tests/support/ScriptedScene.h"

namespace {

// The shipped resources plus the showcase art and level (tests/data/graphics): flips, tint, depth
// order, placeholders and a sheet at 10 frames per second.
TEST(SpriteShowcase, FirstFrameAndTheFifthSheetCellMatchTheirGoldens) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameOptions options;
    options.resourceFolders.push_back(TestsFolder() / "data" / "graphics" / "Resources");
    GameHarness game(options);
    ASSERT_TRUE(game.IsRunning());
    auto scene =
        std::make_shared<ScriptedScene>(0, "SpriteShowcase", "../Resources/Level/SpriteShowcase.txt");
    game.ReplaceScene(0, scene);
    game.RunFrame();
    ASSERT_TRUE(scene->levelLoaded);
    EXPECT_TRUE(game.MatchesGolden("sprite_showcase_first_frame"));
    // A cell lasts 7 updates of 1/60 s; the first update ran no components.
    game.RunFrames(7 * 5);
    auto sprite = FindObjectByName("Animated")->GetComponent<Sprite>();
    EXPECT_TRUE(sprite->column == 1 && sprite->row == 1) << sprite->column << ", " << sprite->row;
    EXPECT_TRUE(game.MatchesGolden("sprite_showcase_cell_5"));
}

} // namespace
