#include "graphics/TextureSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Sandbox.h"

using namespace Framework;

namespace {

TEST(TextureSystem, ScanListsFilesOnlySortedByteWiseAndForgetsFilesThatAreGone) {
    Sandbox box;
    TextureSystem textures;
    for (const char* name : {"b.png", "Door.png", "door.png", "a.png", ".hidden.png", "notes.txt"})
        box.WriteResource(std::string("Arts/") + name, "x");
    box.WriteResource("Arts/sub.png/inner.png", "x");
    textures.Initialize();
    EXPECT_EQ(textures.artFileNames,
              (std::vector<std::string>{"Door.png", "a.png", "b.png", "door.png", "notes.txt"}));
    std::filesystem::remove(box.resources() / "Arts" / "b.png");
    textures.Initialize();
    EXPECT_EQ(textures.artFileNames.size(), 4u);
}

} // namespace
