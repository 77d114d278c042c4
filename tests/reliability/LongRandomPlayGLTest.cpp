#include <gtest/gtest.h>

#include <malloc.h>
#include <random>

#include "gameplay/GameFlags.h"
#include "scenes/SceneSystem.h"
#include "tests/support/GameHarness.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HOLLOWTIDE_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(HOLLOWTIDE_ASAN)
#include <sanitizer/allocator_interface.h>
size_t HeapInUse() {
    return __sanitizer_get_current_allocated_bytes();
}
#else
size_t HeapInUse() {
    return mallinfo2().uordblks;
}
#endif

namespace {

// Keys a restless player reaches for: walking, running, jumping, using things, the lift keys, the
// menus' arrows and Enter, pause, and the developer warps (C with R, T or U).
const int playerKeys[] = {Key::Letter('A'), Key::Letter('D'), Key::Space,       Key::LeftShift,
                          Key::Letter('E'), Key::Letter('W'), Key::Letter('S'), Key::Up,
                          Key::Down,        Key::Left,        Key::Right,       Key::Enter,
                          Key::Escape,      Key::Letter('R'), Key::Letter('T'), Key::Letter('U')};

// Back at the menu (once it has faded in and takes keys), Play; then a few frames into the level.
void PlayFromMenu(GameHarness& game) {
    game.RunUntil([&] { return game.Scene() == SceneMenu; }, 600);
    for (int frame = 0; frame < 1800 && game.Scene() != SceneLevel; ++frame) {
        if (frame % 30 == 29 && game.Scene() == SceneMenu) game.Press(Key::Enter);
        game.RunFrame();
    }
    game.RunFrames(60);
}

} // namespace

// 20,000 frames of random keys through menus, both levels, pause and its quit question, with level
// changes on the way: the game never crashes, and the heap after it all is the heap of the first
// level load, give or take a tenth.
TEST(LongRandomPlay, TwentyThousandFramesKeepTheGameAndItsMemoryWhole) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameOptions options;
    options.width = 480;
    options.height = 270;
    options.drawEveryFrame = false;
    GameHarness game(options);
    ASSERT_TRUE(game.IsRunning());
    Framework::sceneSystem->nextScene = SceneMenu;
    PlayFromMenu(game);
    ASSERT_EQ(game.Scene(), SceneLevel);
    const size_t firstLevelHeap = HeapInUse();

    std::mt19937 random(20240601);
    int held = -1;
    for (int frame = 0; frame < 20000 && game.IsRunning(); ++frame) {
        const unsigned roll = random() % 100;
        if (game.Scene() == SceneMenu) {
            // Up to Play, then Enter: the main menu's own Quit would end the run.
            if (frame % 20 == 0) game.Press(frame / 20 % 6 == 5 ? Key::Enter : Key::Up);
        } else if (roll < 8) {
            game.Press(playerKeys[random() % std::size(playerKeys)]);
        } else if (roll < 10) {
            if (held >= 0) game.Release(held);
            held = playerKeys[random() % 4];
            game.Hold(held);
        } else if (roll == 10 && random() % 4 == 0) {
            game.Hold(Key::Letter('C'), random() % 2); // the warp modifier
        } else if (roll == 11 && frame % 4000 < 40 && game.Scene() == SceneLevel) {
            GameFlags.levelExitReached = true; // the level's end, as its script would reach it
        }
        game.RunFrame();
    }
    ASSERT_TRUE(game.IsRunning()) << "random keys ended the game";

    // The same place as the first measurement: a fresh first level.
    if (held >= 0) game.Release(held);
    game.Release(Key::Letter('C'));
    // Straight to the menu, as the pause menu's Yes goes, which also ends the pause.
    Framework::sceneSystem->isPaused = false;
    Framework::sceneSystem->nextScene = SceneMenu;
    PlayFromMenu(game);
    ASSERT_EQ(game.Scene(), SceneLevel);
    const size_t finalHeap = HeapInUse();
    EXPECT_LT(static_cast<double>(finalHeap), firstLevelHeap * 1.1) << firstLevelHeap << " -> " << finalHeap;
    EXPECT_GT(static_cast<double>(finalHeap), firstLevelHeap * 0.9) << firstLevelHeap << " -> " << finalHeap;
}
