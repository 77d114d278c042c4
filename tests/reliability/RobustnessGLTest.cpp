#include <gtest/gtest.h>

#include <malloc.h>
#include <random>
#include <set>

#include "engine/Engine.h"
#include "gameplay/GameFlags.h"
#include "tests/support/GameHarness.h"

namespace fs = std::filesystem;

// Live heap bytes: the sanitizer's count when it runs (its freed-memory quarantine is not a leak).
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));
static size_t Heap() {
    return __sanitizer_get_current_allocated_bytes ? __sanitizer_get_current_allocated_bytes()
                                                   : mallinfo2().uordblks;
}
// From the splash's first frame (or wherever the game is) to the menu, as the pause menu's Yes goes, then
// Play.
static bool PlayFromMenu(GameHarness& game) {
    game.RunFrame();
    Framework::sceneSystem->isPaused = false;
    Framework::sceneSystem->nextScene = SceneMenu;
    game.RunUntil([&] { return game.Scene() == SceneMenu; }, 600);
    for (int frame = 0; frame < 2400 && game.Scene() != SceneLevel; ++frame, game.RunFrame())
        if (frame % 15 == 14 && game.Scene() == SceneMenu)
            game.Press(frame % 30 == 29 ? Key::Enter : Key::Up);
    game.RunFrames(30);
    return game.Scene() == SceneLevel;
}
// Every file under `root` but the logs and the settings file.
static std::set<fs::path> Written(const fs::path& root) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (fs::path file = entry.path().lexically_relative(root);
            !entry.is_directory() && *file.begin() != "Logs")
            files.insert(file);
    files.erase("Resources/init.ini");
    return files;
}

// Each kind of file the game reads removed (fault 0), cut to 100 bytes (1) or random bytes (2): the
// menu comes, Play starts the first level, and nothing but the settings and the logs is written.
TEST(Robustness, EveryDamagedFileLeavesTheMenuAndPlayWorking) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    const fs::path shipped = RepositoryResources();
    // Text files take all three faults; of the binary ones, each sample takes one.
    std::vector<std::pair<fs::path, int>> cases = {{"Arts/empty.png", 0},
                                                   {"Arts/splash.png", 1},
                                                   {"Arts/button_play.png", 2},
                                                   {"Sound/buttonpress.wav", 2},
                                                   {"BGM/bgm.ogg", 1},
                                                   {"Fonts/arial.ttf", 2},
                                                   {"Fonts/arialbd.ttf", 0},
                                                   {"icon.ico", 2},
                                                   {"icon_small.ico", 1},
                                                   {"Shaders/lel_frag.shpf", 2},
                                                   {"Shaders/text_vertex.shpv", 1}};
    for (const auto& entry : fs::recursive_directory_iterator(shipped))
        if (fs::path file = entry.path().lexically_relative(shipped); file.extension() == ".txt")
            for (int fault : {0, 1, 2}) cases.push_back({file, fault});
    const Sandbox scratch;
    for (size_t run = 0; run < cases.size(); ++run) {
        const auto [file, fault] = cases[run];
        const fs::path folder = scratch.root() / std::to_string(run);
        SCOPED_TRACE(file.string() + " fault " + std::to_string(fault));
        for (const auto& entry : fs::recursive_directory_iterator(shipped))
            if (entry.is_regular_file() && entry.path().filename() != "init.ini") {
                fs::create_directories((folder / entry.path().lexically_relative(shipped)).parent_path());
                fs::create_symlink(entry.path(), folder / entry.path().lexically_relative(shipped));
            }
        std::string bytes =
            (std::stringstream() << std::ifstream(shipped / file, std::ios::binary).rdbuf()).str();
        fs::remove(folder / file);
        std::mt19937 random(run);
        bytes.resize(std::min<size_t>(bytes.size(), fault == 1 ? 100 : 65536));
        for (char& byte : bytes) byte = fault == 2 ? char(random()) : byte;
        if (fault) std::ofstream(folder / file, std::ios::binary) << bytes;
        GameHarness game(
            {480, 270, true, 1.0f / 10.0f, false, {folder}}); // full screen: no wait for a resize
        ASSERT_TRUE(game.IsRunning());
        const std::set<fs::path> before = Written(game.Box().root());
        // The menu's own file is one the game cannot do without: it stops with exit code 1.
        if (file == "Level/Menu.txt") {
            game.RunUntil([&] { return game.HasEnded(); }, 600);
            EXPECT_TRUE(game.HasEnded() && Framework::engine->exitCode == 1);
            continue;
        }
        EXPECT_TRUE(PlayFromMenu(game));
        EXPECT_EQ(Written(game.Box().root()), before);
        game.Screenshot(); // one real frame with the damaged file
    }
}

// 20,000 frames of random keys (walk, run, jump, use, lift, arrows, Enter, pause and its quit question,
// the C-warps) with level ends on the way: the game lives on, its heap as after the first level load.
TEST(Robustness, TwentyThousandRandomFramesKeepTheGameAndItsMemoryWhole) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    GameHarness game({480, 270, false, 1.0f / 60.0f, false});
    ASSERT_TRUE(PlayFromMenu(game));
    const size_t firstLevel = Heap();
    const int keys[] = {Key::Letter('A'), Key::Letter('D'), Key::Space,       Key::LeftShift,
                        Key::Letter('E'), Key::Letter('W'), Key::Letter('S'), Key::Up,
                        Key::Down,        Key::Left,        Key::Right,       Key::Enter,
                        Key::Escape,      Key::Letter('R'), Key::Letter('T'), Key::Letter('U')};
    std::mt19937 random(20240601);
    for (int frame = 0; frame < 20000 && game.IsRunning(); ++frame, game.RunFrame()) {
        const unsigned roll = random() % 100, key = keys[random() % std::size(keys)];
        if (game.Scene() == SceneMenu &&
            frame % 20 == 0) // Up to Play, then Enter: the menu's Quit ends a run
            game.Press(frame / 20 % 6 == 5 ? Key::Enter : Key::Up);
        else if (game.Scene() != SceneMenu && roll < 8)
            game.Press(key);
        else if (roll < 10)
            game.Hold(key % 2 ? Key::Letter('C') : Key::Letter('D'), random() % 2);
        else if (roll == 10 && frame % 4000 < 40)
            GameFlags.levelExitReached = true; // the level's end, as its script reaches it
    }
    ASSERT_TRUE(game.IsRunning());
    game.Release(Key::Letter('C')), game.Release(Key::Letter('D'));
    ASSERT_TRUE(PlayFromMenu(game));
    EXPECT_NEAR(double(Heap()), double(firstLevel), firstLevel * 0.1);
}
