#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "gameplay/Player.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/TextSprite.h"
#include "objects/LevelFile.h"
#include "scenes/Level.h"
#include "scenes/SceneSystem.h"
#include "tests/gameplay/PlayerWorld.h"
#include "tests/support/Sandbox.h"

// The shipped first level: what the code looks up is there, and it saves back unchanged.
namespace {

class LevelOne : public ::testing::Test {
protected:
    void SetUp() override { box.CopyResource("Level"); }
    void TearDown() override {
        Framework::sceneSystem->nextScene = SceneNone;
        Framework::sceneSystem->isPaused = false;
    }

    GameObjectRef Named(const char* name) {
        GameObjectRef object = FindObjectByName(name);
        EXPECT_NE(object, nullptr) << name;
        return object;
    }

    PlayerWorld world;
    Sandbox box;
};

TEST_F(LevelOne, LoadsWholeAndSavesBackToTheSameText) {
    testing::internal::CaptureStdout();
    EXPECT_TRUE(LoadLevel("Level1", "../Resources/Level/Level1.txt"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_TRUE(SaveLevel("Level1", "../Resources/Level/Saved.txt"));
    EXPECT_EQ(box.ReadResource("Level/Saved.txt"), box.ReadResource("Level/Level1.txt"));
}

TEST_F(LevelOne, EveryNameIsUniqueAndEveryTextureExists) {
    ASSERT_TRUE(LoadLevel("Level1", "../Resources/Level/Level1.txt"));
    std::set<std::string> names;
    for (const GameObjectRef& object : GameObjectList) {
        EXPECT_TRUE(names.insert(object->name).second) << "two objects named " << object->name;
        // Every sprite tint is white or a plain fill: the lift ride resets tints to white.
        if (std::shared_ptr<Sprite> sprite = object->GetComponent<Sprite>()) {
            for (const std::string& texture : {sprite->textureName, sprite->altTextureName})
                EXPECT_TRUE(std::filesystem::exists(RepositoryResources() / "Arts" / texture))
                    << object->name << ": " << texture;
        }
        if (std::shared_ptr<ParticleEmitter> particles = object->GetComponent<ParticleEmitter>()) {
            EXPECT_TRUE(std::filesystem::exists(RepositoryResources() / "Arts" / particles->textureName))
                << object->name;
        }
    }
}

} // namespace
