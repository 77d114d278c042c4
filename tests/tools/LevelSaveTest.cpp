#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "objects/LevelFile.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

namespace fs = std::filesystem;

namespace {

bool LoadsWhole(const fs::path& path) {
    ScopedObjectStore store;
    testing::internal::CaptureStdout();
    const bool whole = LoadLevel("Level1", path.string());
    testing::internal::GetCapturedStdout();
    return whole;
}

// Run by the kill test in a child process: saves the level over and over until it is killed.
TEST(LevelSave, SaveLoopForTheKillTest) {
    const char* path = std::getenv("HOLLOWTIDE_SAVE_LOOP");
    if (!path) GTEST_SKIP() << "only run as the child of LevelSave.KilledMidSaveNeverLeavesABrokenLevel";
    ScopedObjectStore store;
    LoadLevel("Level1", path);
    for (;;) SaveLevel("Level1", path);
}

TEST(LevelSave, AFullDiskOrAReadOnlyFolderKeepsTheOldFileAndSaysSo) {
    Sandbox box;
    box.CopyResource("Level/Level1.txt");
    const fs::path level = box.resources() / "Level" / "Level1.txt";
    const std::string original = box.ReadResource("Level/Level1.txt");
    ScopedObjectStore store;
    testing::internal::CaptureStdout();
    LoadLevel("Level1", level.string());
    const struct {
        const char* what;
        std::function<std::string()> prepare; // returns the path to save to
    } cases[] = {
        {"full disk",
         [&] {
             fs::create_symlink("/dev/full", level.string() + ".tmp");
             return level.string();
         }},
        // Root writes into a read-only folder regardless; a read-only file system stops it too.
        {"read-only folder",
         [&] {
             chmod(level.parent_path().c_str(), 0555);
             return geteuid() == 0 ? std::string("/proc/Level1.txt") : level.string();
         }},
    };
    for (const auto& c : cases) {
        std::string failure;
        EXPECT_FALSE(SaveLevel("Level1", c.prepare(), &failure)) << c.what;
        EXPECT_FALSE(failure.empty()) << c.what;
        EXPECT_EQ(box.ReadResource("Level/Level1.txt"), original) << c.what;
        EXPECT_FALSE(fs::exists(level.string() + ".tmp")) << c.what;
    }
    testing::internal::GetCapturedStdout();
    chmod(level.parent_path().c_str(), 0755);
}

TEST(LevelSave, KilledMidSaveNeverLeavesABrokenLevel) {
    Sandbox box;
    box.CopyResource("Level/Level1.txt");
    const fs::path level = box.resources() / "Level" / "Level1.txt";
    const std::string program = fs::read_symlink("/proc/self/exe").string();
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        {
            ChildProcess saver(program, box.root().string(), {{"HOLLOWTIDE_SAVE_LOOP", level.string()}},
                               {"--gtest_filter=LevelSave.SaveLoopForTheKillTest"});
            std::this_thread::sleep_for(std::chrono::milliseconds(30 + random() % 120));
            saver.Signal(SIGKILL);
            ASSERT_TRUE(saver.WaitForExit(5));
        }
        ASSERT_TRUE(LoadsWhole(level)) << "round " << round;
        EXPECT_TRUE(!fs::exists(level.string() + ".bak") || LoadsWhole(level.string() + ".bak")) << round;
    }
}

} // namespace
