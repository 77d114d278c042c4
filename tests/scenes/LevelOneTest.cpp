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

// The shipped first level: what the code looks up is there, and a player can walk it.
namespace {

constexpr float frame = 1.0f / 60.0f;

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

// The level scene on the shipped file, with scripted keys.
class LevelOneWalk : public LevelOne {
protected:
    void SetUp() override {
        LevelOne::SetUp();
        Framework::sceneSystem->nextScene = SceneLevel;
        level.Load();
        level.Initialize();
        world.Hold(Key::Escape);
        Frame();
        world.Release(Key::Escape);
        for (int i = 0; i < 400 && !level.fadeInDone; ++i) Frame();
        ASSERT_TRUE(level.fadeInDone);
        player = FindObjectByName("Player");
        ASSERT_TRUE(player);
    }
    void Frame() {
        Framework::inputSystem->Update(frame);
        level.Update(frame);
    }
    vec3 PlayerAt() const { return player->GetComponent<Transform>()->position; }

    Level level;
    GameObjectRef player;
};

// A caught player wakes in the death-bed room and stands on its floor there. The fade back waits
// for the death bed's lighting zone 7, which comes with the room effects; until then nothing in
// this level can kill the player.
TEST_F(LevelOneWalk, DeathPutsThePlayerOnTheDeathBedFloorAndZoneSevenBringsThemBack) {
    GameFlags.playerDying = true;
    for (int i = 0; i < 90; ++i) Frame();
    EXPECT_EQ(GameFlags.currentArea, 8);
    const vec3 spawn = FindObjectByName("DeathSpawnPos")->GetComponent<Transform>()->position;
    EXPECT_FLOAT_EQ(PlayerAt().x, spawn.x);
    GameFlags.lightingZone = 7;
    for (int i = 0; i < 120; ++i) Frame();
    EXPECT_FALSE(GameFlags.playerDying);
    EXPECT_FALSE(GameFlags.inputLocked);
    for (int i = 0; i < 120; ++i) Frame();
    EXPECT_FLOAT_EQ(PlayerAt().y, spawn.y) << "the spawn point is at standing height on the death-bed floor";
    EXPECT_FLOAT_EQ(level.cameraObject->GetComponent<Transform>()->position.y, spawn.y + 35.0f);
}

} // namespace
