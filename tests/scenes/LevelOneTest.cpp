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

TEST_F(LevelOne, HoldsTheObjectsThePlayerAndTheLevelSceneLookUp) {
    ASSERT_TRUE(LoadLevel("Level1", "../Resources/Level/Level1.txt"));

    GameObjectRef camera = Named("Camera");
    ASSERT_TRUE(camera);
    EXPECT_EQ(camera->type, ObjectType::Camera);
    EXPECT_FLOAT_EQ(camera->GetComponent<Transform>()->scale.x, 2.0f);
    int cameras = 0, players = 0;
    for (const GameObjectRef& object : GameObjectList) {
        cameras += object->type == ObjectType::Camera;
        players += object->type == ObjectType::Player;
    }
    EXPECT_EQ(cameras, 1);
    EXPECT_EQ(players, 1);

    GameObjectRef player = Named("Player");
    ASSERT_TRUE(player);
    EXPECT_EQ(player->type, ObjectType::Player);
    std::vector<std::string> order;
    for (const auto& component : player->components) order.push_back(component->GetTypeName());
    EXPECT_EQ(order, (std::vector<std::string>{"Transform", "Rigidbody", "BoxCollider", "Sprite", "Player"}));
    EXPECT_TRUE(player->GetComponent<Rigidbody>()->useGravity);
    EXPECT_FLOAT_EQ(player->GetComponent<Player>()->jumpForce.y, 30000.0f);

    for (const char* name :
         {"Black", "FadeInAndOut", "BedroomLightningOverlay", "Bedroom", "Livingroom", "Corridor",
          "CorridorBackground", "CorridorBackground(1)", "EventLiftBurstingOut", "Cupboard"})
        if (GameObjectRef object = Named(name)) {
            EXPECT_NE(object->GetComponent<Sprite>(), nullptr) << name;
        }
    for (const char* name : {"DialogueInit", "Dialogue"})
        if (GameObjectRef object = Named(name)) {
            EXPECT_NE(object->GetComponent<TextSprite>(), nullptr) << name;
        }
    for (const char* name : {"RainParticles", "MistParticles"})
        if (GameObjectRef object = Named(name)) {
            EXPECT_NE(object->GetComponent<ParticleEmitter>(), nullptr) << name;
        }
    for (const char* name : {"DeathSpawnPos", "BackgroundGroup", "ForegroundGroup"}) Named(name);

    EXPECT_EQ(Named("Dialogue")->parentName, "Player");
    EXPECT_EQ(Named("CorridorBackground")->parentName, "BackgroundGroup");
    EXPECT_GE(Named("BedroomLightningOverlay")->GetComponent<Sprite>()->numColumns, 3);
    EXPECT_GE(Named("EventLiftBurstingOut")->GetComponent<Sprite>()->numColumns, 40);
    EXPECT_EQ(Named("Bedroom")->GetComponent<Sprite>()->altTextureName, "bedroom_unlit.png");
    GameObjectRef cupboard = Named("Cupboard");
    EXPECT_EQ(cupboard->type, ObjectType::Hiding);
    EXPECT_TRUE(cupboard->GetComponent<BoxCollider>()->toBeAddedInteractable);
    EXPECT_NE(std::find(InteractableObjects.begin(), InteractableObjects.end(), cupboard),
              InteractableObjects.end());
    for (const char* name : {"T_BEDROOM", "T_FLOOR12", "T_FLOOR1", "T_DEATHBED"})
        if (GameObjectRef area = Named(name)) {
            EXPECT_EQ(area->type, ObjectType::Transition) << name;
            EXPECT_NE(area->GetComponent<Rigidbody>(), nullptr) << name;
        }

    // Over the black fade only the opening's own objects.
    const float blackZ = Named("Black")->GetComponent<Transform>()->position.z;
    for (const GameObjectRef& object : GameObjectList) {
        std::shared_ptr<Transform> transform = object->GetComponent<Transform>();
        ASSERT_NE(transform, nullptr) << object->name;
        EXPECT_GE(transform->position.z, -900.0f) << object->name;
        EXPECT_LE(transform->position.z, 98.0f) << object->name;
        if (transform->position.z > blackZ) {
            EXPECT_TRUE(object->name == "BedroomLightningOverlay" || object->name == "DialogueInit")
                << object->name;
        }
    }
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
