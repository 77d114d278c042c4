#include "graphics/TextureSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Sandbox.h"

using namespace Framework;

namespace {

class ArtFolderScan : public ::testing::Test {
protected:
    Sandbox box;
    TextureSystem textures;
};

TEST_F(ArtFolderScan, ListsFilesOnlySortedByteWise) {
    for (const char* name : {"b.png", "Door.png", "door.png", "a.png", ".hidden.png", "notes.txt"})
        box.WriteResource(std::string("Arts/") + name, "x");
    std::filesystem::create_directories(box.resources() / "Arts" / "sub.png");
    box.WriteResource("Arts/sub.png/inner.png", "x");
    textures.Initialize();
    EXPECT_EQ(textures.artFileNames,
              (std::vector<std::string>{"Door.png", "a.png", "b.png", "door.png", "notes.txt"}));
}

TEST_F(ArtFolderScan, MissingFolderListsNothingAndEveryNameFallsBackToNothing) {
    textures.Initialize();
    EXPECT_TRUE(textures.artFileNames.empty());
    EXPECT_EQ(textures.GetTexture("empty.png"), nullptr);
    EXPECT_EQ(textures.GetTexture("player_idle.png"), nullptr);
    // An unknown name must not plant an empty "empty.png" entry in the cache.
    EXPECT_TRUE(textures.textures.empty());
    EXPECT_TRUE(textures.GetLoadedTextureNames().empty());
}

TEST_F(ArtFolderScan, RescanForgetsFilesThatAreGone) {
    box.WriteResource("Arts/old.png", "x");
    textures.Initialize();
    std::filesystem::remove(box.resources() / "Arts" / "old.png");
    box.WriteResource("Arts/new.png", "x");
    textures.Initialize();
    EXPECT_EQ(textures.artFileNames, (std::vector<std::string>{"new.png"}));
}

} // namespace
