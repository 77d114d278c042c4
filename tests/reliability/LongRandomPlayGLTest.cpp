#include <gtest/gtest.h>

#include <malloc.h>
#include <random>

#include "gameplay/GameFlags.h"
#include "tests/support/GameHarness.h"

// Live heap bytes: the sanitizer's count when it runs (its freed-memory quarantine is not a leak).
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));
static size_t Heap() {
    return __sanitizer_get_current_allocated_bytes ? __sanitizer_get_current_allocated_bytes()
                                                   : mallinfo2().uordblks;
}
// From wherever the game is, to the menu (as the pause menu's Yes goes) and Play, into the first level.
static void PlayFromMenu(GameHarness& game) {
    game.RunFrame(); // the first frame starts the splash, whatever was asked before
    Framework::sceneSystem->isPaused = false;
    Framework::sceneSystem->nextScene = SceneMenu;
    game.RunUntil([&] { return game.Scene() == SceneMenu; }, 600);
    for (int frame = 0; frame < 2400 && game.Scene() != SceneLevel; ++frame, game.RunFrame())
        if (frame % 15 == 14 && game.Scene() == SceneMenu)
            game.Press(frame % 30 == 29 ? Key::Enter : Key::Up);
    game.RunFrames(60);
}

// 20,000 frames of random keys (walk, run, jump, use, lift, arrows, Enter, pause and its quit
// question, the C-warps) with level ends on the way: the game lives on, its heap as after the first load.
TEST(LongRandomPlay, TwentyThousandFramesKeepTheGameAndItsMemoryWhole) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game({480, 270, false, 1.0f / 60.0f, false});
    PlayFromMenu(game);
    ASSERT_EQ(game.Scene(), SceneLevel);
    const size_t firstLevel = Heap();
    const int keys[] = {Key::Letter('A'), Key::Letter('D'), Key::Space,       Key::LeftShift,
                        Key::Letter('E'), Key::Letter('W'), Key::Letter('S'), Key::Up,
                        Key::Down,        Key::Left,        Key::Right,       Key::Enter,
                        Key::Escape,      Key::Letter('R'), Key::Letter('T'), Key::Letter('U')};
    std::mt19937 random(20240601);
    for (int frame = 0; frame < 20000 && game.IsRunning(); ++frame, game.RunFrame()) {
        const unsigned roll = random() % 100, key = keys[random() % std::size(keys)];
        if (game.Scene() == SceneMenu && frame % 20 == 0)
            game.Press(frame / 20 % 6 == 5 ? Key::Enter : Key::Up);
        else if (game.Scene() != SceneMenu && roll < 8)
            game.Press(key);
        else if (roll < 10)
            game.Hold(key % 2 ? Key::Letter('C') : Key::Letter('D'), random() % 2);
        else if (roll == 10 && frame % 4000 < 40)
            GameFlags.levelExitReached = true; // the script's level end
    }
    ASSERT_TRUE(game.IsRunning());
    game.Release(Key::Letter('C')), game.Release(Key::Letter('D'));
    PlayFromMenu(game);
    ASSERT_EQ(game.Scene(), SceneLevel);
    EXPECT_NEAR(double(Heap()), double(firstLevel), firstLevel * 0.1);
}
