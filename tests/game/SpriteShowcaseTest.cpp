#include <gtest/gtest.h>

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "tests/support/GameHarness.h"
#include "tests/support/ScriptedScene.h"

namespace {

// The shipped resources plus the showcase art and level (tests/data/graphics), the showcase first.
class SpriteShowcase : public ::testing::Test {
protected:
    std::unique_ptr<GameHarness> game;
    std::shared_ptr<ScriptedScene> scene;

    void SetUp() override {
        if (!DisplayAvailable()) GTEST_SKIP() << "no display";
        GameOptions options;
        options.resourceFolders.push_back(TestsFolder() / "data" / "graphics" / "Resources");
        game = std::make_unique<GameHarness>(options);
        ASSERT_TRUE(game->IsRunning());
        scene = std::make_shared<ScriptedScene>(0, "SpriteShowcase", "../Resources/Level/SpriteShowcase.txt");
        game->ReplaceScene(0, scene);
    }
};

TEST_F(SpriteShowcase, FirstFrameShowsFlipsTintDepthOrderAndPlaceholders) {
    game->RunFrame();
    ASSERT_TRUE(scene->levelLoaded);
    EXPECT_TRUE(game->MatchesGolden("sprite_showcase_first_frame"));
}

TEST_F(SpriteShowcase, SheetAnimationAdvancesWithFixedFrames) {
    // At 10 frames per second a cell lasts 7 updates of 1/60 s; the first update runs no components.
    game->RunFrames(1 + 7 * 5);
    auto sprite = FindObjectByName("Animated")->GetComponent<Sprite>();
    EXPECT_EQ(sprite->column, 1);
    EXPECT_EQ(sprite->row, 1);
    EXPECT_TRUE(game->MatchesGolden("sprite_showcase_cell_5"));
}

} // namespace
