#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tests/support/GameHarness.h"

namespace fs = std::filesystem;

// Every file under `root` but the logs and the settings file.
static std::set<fs::path> Written(const fs::path& root) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (!entry.is_directory() && entry.path().lexically_relative(root).begin()->string() != "Logs")
            files.insert(entry.path().lexically_relative(root));
    files.erase("Resources/init.ini");
    return files;
}

// Every file of a kind the game reads (a sample of the many alike art, effects and music) removed,
// cut to 100 bytes, or replaced by random bytes: the game passes its logos to the menu, Play starts
// the first level, and nothing is written beside the settings file and the logs.
TEST(ResourceSweep, EveryDamagedFileLeavesTheMenuAndPlayWorking) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    const fs::path shipped = RepositoryResources();
    std::vector<fs::path> files = {"Arts/empty.png",       "Arts/splash.png",       "Arts/button_play.png",
                                   "Arts/player_idle.png", "Sound/buttonpress.wav", "BGM/bgm.ogg"};
    for (const auto& entry : fs::recursive_directory_iterator(shipped))
        if (const fs::path file = entry.path().lexically_relative(shipped);
            entry.is_regular_file() && file.extension() != ".png" && file.extension() != ".ogg" &&
            file.extension() != ".wav" && file != "init.ini")
            files.push_back(file);
    const Sandbox scratch;
    for (size_t run = 0; run < files.size() * 3; ++run) {
        const fs::path file = files[run / 3], folder = scratch.root() / std::to_string(run);
        SCOPED_TRACE(file.string() + " fault " + std::to_string(run % 3));
        for (const auto& entry : fs::recursive_directory_iterator(shipped))
            if (entry.is_regular_file() && entry.path().filename() != "init.ini") {
                fs::create_directories((folder / entry.path().lexically_relative(shipped)).parent_path());
                fs::create_symlink(entry.path(), folder / entry.path().lexically_relative(shipped));
            }
        std::string bytes =
            (std::stringstream() << std::ifstream(shipped / file, std::ios::binary).rdbuf()).str();
        fs::remove(folder / file);
        std::mt19937 random(run);
        bytes.resize(std::min<size_t>(bytes.size(), run % 3 == 1 ? 100 : 65536));
        for (char& byte : bytes) byte = run % 3 == 2 ? char(random()) : byte;
        if (run % 3) std::ofstream(folder / file, std::ios::binary) << bytes;

        GameHarness game({480, 270, false, 1.0f / 10.0f, false, {folder}});
        ASSERT_TRUE(game.IsRunning());
        const std::set<fs::path> before = Written(game.Box().root());
        EXPECT_TRUE(game.RunUntil([&] { return game.Scene() == SceneMenu; }, 400));
        if (file == "Level/Menu.txt") continue; // a menu without its level file has no buttons to press
        for (int frame = 0; frame < 800 && game.Scene() != SceneLevel; ++frame, game.RunFrame())
            if (frame % 10 == 9 && game.Scene() == SceneMenu) game.Press(Key::Enter);
        EXPECT_EQ(game.Scene(), SceneLevel);
        EXPECT_EQ(Written(game.Box().root()), before);
        game.Screenshot(); // one real frame with the damaged file
    }
}
