#include <gtest/gtest.h>

#include <random>
#include <set>

#include "scenes/SceneSystem.h"
#include "tests/support/GameHarness.h"

namespace fs = std::filesystem;

namespace {

// Every kind of file the game reads, and every file that is not one of many alike: the key and
// pad maps, the icons, the level files, the shaders, the fonts, the sound lists, and a sample of
// the art, effects and music.
std::vector<std::string> SweptFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(RepositoryResources())) {
        const std::string relative = entry.path().lexically_relative(RepositoryResources()).string();
        const bool many = relative.rfind("Arts/", 0) == 0 || relative.rfind("Sound/", 0) == 0 ||
                          (relative.rfind("BGM/", 0) == 0 && relative != "BGM/BGM.txt");
        if (entry.is_regular_file() && !many && relative != "init.ini") files.push_back(relative);
    }
    for (const char* sample :
         {"Arts/empty.png", "Arts/splash.png", "Arts/menu_background.png", "Arts/button_play.png",
          "Arts/player_idle.png", "Sound/buttonpress.wav", "Sound/chase.ogg", "BGM/bgm.ogg"})
        files.push_back(sample);
    return files;
}

enum class Fault { Removed, Cut, Random };

// A copy of the shipped Resources/ made of links, with `relative` damaged.
void MakeDamagedResources(const fs::path& folder, const std::string& relative, Fault fault) {
    for (const auto& entry : fs::recursive_directory_iterator(RepositoryResources())) {
        const fs::path target = folder / entry.path().lexically_relative(RepositoryResources());
        if (entry.is_directory())
            fs::create_directories(target);
        else if (entry.path().filename() != "init.ini")
            fs::create_symlink(entry.path(), target);
    }
    const fs::path damaged = folder / relative;
    std::stringstream whole;
    whole << std::ifstream(RepositoryResources() / relative, std::ios::binary).rdbuf();
    std::string bytes = whole.str();
    fs::remove(damaged);
    if (fault == Fault::Removed) return;
    if (fault == Fault::Cut) bytes.resize(std::min<size_t>(bytes.size(), 100));
    if (fault == Fault::Random) {
        std::mt19937 random(static_cast<unsigned>(std::hash<std::string>{}(relative)));
        bytes.resize(std::min<size_t>(bytes.size(), 65536));
        for (char& byte : bytes) byte = static_cast<char>(random());
    }
    std::ofstream(damaged, std::ios::binary) << bytes;
}

// Every file under `root`, relative, without the logs.
std::set<std::string> FilesOutsideLogs(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = entry.path().lexically_relative(root).string();
        if (relative.rfind("Logs", 0) != 0 && relative != "Resources/init.ini" && !entry.is_directory())
            files.insert(relative);
    }
    return files;
}

} // namespace

// Each file removed, cut to 100 bytes, or replaced by random bytes: the game still starts, shows
// its logos and reaches the menu, and Play still starts the first level; nothing is written beside
// the settings file and the logs.
TEST(ResourceSweep, EveryDamagedFileLeavesTheMenuAndPlayWorking) {
    if (!DisplayAvailable()) GTEST_SKIP() << "no display";
    const Sandbox scratch;
    int number = 0;
    for (const std::string& relative : SweptFiles()) {
        for (Fault fault : {Fault::Removed, Fault::Cut, Fault::Random}) {
            SCOPED_TRACE(relative + (fault == Fault::Removed ? " removed"
                                     : fault == Fault::Cut   ? " cut"
                                                             : " random"));
            const fs::path folder = scratch.root() / std::to_string(number++);
            MakeDamagedResources(folder, relative, fault);
            GameOptions options;
            options.width = 480;
            options.height = 270;
            options.dt = 1.0f / 10.0f;
            options.drawEveryFrame = false;
            options.resourceFolders = {folder};
            GameHarness game(options);
            ASSERT_TRUE(game.IsRunning());
            const std::set<std::string> before = FilesOutsideLogs(game.Box().root());
            EXPECT_TRUE(game.RunUntil([&] { return game.Scene() == SceneMenu; }, 400));
            // Without its own level file the menu has no buttons, so there is no Play to press.
            if (relative == "Level/Menu.txt") continue;
            // Enter until the menu has faded in far enough to take it.
            for (int frame = 0; frame < 400 && game.Scene() == SceneMenu; ++frame) {
                if (frame % 10 == 9) game.Press(Key::Enter);
                game.RunFrame();
            }
            EXPECT_TRUE(game.RunUntil([&] { return game.Scene() == SceneLevel; }, 400));
            game.RunFrames(10);
            EXPECT_EQ(FilesOutsideLogs(game.Box().root()), before);
            game.Screenshot(); // one real frame with the damaged file
        }
    }
}
