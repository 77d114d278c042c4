#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gameplay/DoorLock.h"
#include "gameplay/KeyboardPrompt.h"
#include "gameplay/LightSwitch.h"
#include "gameplay/TriggerBase.h"
#include "graphics/TextSprite.h"
#include "objects/LevelFile.h"
#include "tests/gameplay/PlayerWorld.h"
#include "tests/support/Sandbox.h"

namespace {

using Names = std::vector<std::string>;

// A settled player at x 0 on level 1, with the interactables' sounds registered.
class InteractablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.AddFloor();
        world.AddPlayer();
        ASSERT_TRUE(world.Settle());
        PlayerWorld::RegisterSounds(
            {"switchon", "switchpull", "leverpull", "doorlockturn", "doorunlockfail", "doorunlocksuccess"});
        world.TakePlayed();
    }

    // A 40 x 40 box with a sprite at x on the player's standing height (touching the player near
    // x 0), under `parent` when one is named.
    GameObjectRef Place(const std::string& name, ObjectType type, float x, const std::string& parent = "") {
        const float y = PlayerWorld::standingY;
        GameObjectRef object = world.AddSolid(name, type, x - 20, x + 20, y - 20, y + 20);
        object->AddComponent(std::make_shared<Sprite>(), ComponentType::Sprite);
        if (!parent.empty()) object->SetParent(parent);
        return object;
    }
    Names Played() {
        Names names;
        for (const auto& sound : world.TakePlayed()) names.push_back(sound.first);
        std::sort(names.begin(), names.end());
        return names;
    }

    PlayerWorld world;
};

TEST_F(InteractablesTest, LockDialReadsOnlyTheRunningGameAndThePlayerNeitherWalksNorJumps) {
    const struct {
        const char* keys;
        bool active, withKeys;
        int degrees;
        bool opens;
    } cases[] = {
        {"AAAA", true, true, 180, true},
        {"DDDD", true, false, -180, true}, // without "HouseKeys" the player is still let go
        {"AAA", true, true, 135, false},
        {"AAAAA", true, true, 225, false},
        {"AAAAAAAA", true, true, 0, false},
        {"DDDDDDDD", true, true, 0, false},
        {"AAAAAAADDDDD", true, true, 90, false},
        {"AAAA", false, true, 0, false}, // input locked by a cutscene, not by the lock
    };
    const size_t base = GameObjectList.size();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        auto keys =
            Place(c.withKeys ? "HouseKeys" : "SpareKeys", ObjectType::Lock, 30)->GetComponent<Sprite>();
        auto way = Place("EventBoundaryDoor", ObjectType::Boundary, 900)->GetComponent<BoxCollider>();
        GameObjectRef pad = Place("DoorPadLock", ObjectType::Lock, 0); // after the player: it reads last
        GameFlags.hasHouseKeys = true;
        auto lock = PlayerWorld::Attach<DoorLock>(pad);
        EXPECT_FALSE(GameFlags.hasHouseKeys);
        EXPECT_EQ(keys->transparency, 0.0f) << "hidden until the living-room light";
        lock->active = c.active;
        GameFlags.inputLocked = GameFlags.lockPromptVisible = true;
        const vec3 start = world.Position();
        for (const char* key = c.keys; *key; ++key) {
            const int code = Key::Letter(*key);
            world.Hold(code);
            world.Frames(8); // held: still one turn
            world.Release(code);
            world.Frame();
        }
        EXPECT_EQ(keys->transparency, c.active && c.withKeys ? 1.0f : 0.0f)
            << "shown beside the pad during the game";
        EXPECT_EQ(lock->DialDegrees(), c.degrees);
        EXPECT_FLOAT_EQ(pad->GetComponent<Transform>()->rotation, c.degrees * 3.14159265f / 180.0f);
        world.Tap(Key::Space);
        const bool opened[] = {GameFlags.doorUnlocked, !GameFlags.inputLocked, !GameFlags.lockPromptVisible,
                               way->ghosted};
        EXPECT_EQ(std::count(opened, opened + 4, c.opens), 4);
        EXPECT_EQ(lock->active, c.active && !c.opens);
        EXPECT_TRUE(world.Position().x == start.x && world.Position().y == start.y && !world.Body().isJumping)
            << "the player neither walks nor jumps";
        Names sounds;
        if (c.active) sounds = {"doorlockturn", c.opens ? "doorunlocksuccess" : "doorunlockfail"};
        EXPECT_EQ(Played(), sounds);
        GameObjectList.resize(base);
    }
}

TEST_F(InteractablesTest, SwitchLightsItsRoomOnlyWhenUsedAndConsumesTheUseEveryTime) {
    // dark: the room sprite's alternative texture before switching on, and after it (then also
    // lightsOff); extra: what else the room does ("keys" shown, "blockers" ghosted, "lamps" lit,
    // "exit" usable).
    const struct {
        int level;
        const char* room;
        bool hasKeys, darkBefore, darkAfter;
        std::string extra;
        const char* sound;
    } cases[] = {
        {1, "Bedroom", false, false, true, "blockers", "switchon"},
        {1, "Livingroom", false, true, false, "keys", "switchon"},
        {1, "Livingroom", true, true, false, "", "switchon"},
        {2, "Livingroom", false, false, true, "", "switchon"},
        {2, "UnlitBedroom", false, false, true, "exit", "switchon"},
        {2, "FloodedKitchen", false, false, false, "lamps", "switchon"},
        {3, "HangingLampHall", false, false, false, "", "switchpull"},
    };
    const size_t base = GameObjectList.size();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.room) + " level " + std::to_string(c.level));
        GameFlags.currentLevel = c.level;
        GameFlags.hasHouseKeys = c.hasKeys;
        GameFlags.lightsOff = false;
        auto dialogue = PlayerWorld::Attach<TextSprite>(Place("Dialogue", ObjectType::Dialogue, 3000));
        dialogue->text.clear();
        auto exit = Place("RoomToOutside", ObjectType::WrapPos, 3000)->GetComponent<BoxCollider>();
        auto room = Place(c.room, ObjectType::Background, 2000)->GetComponent<Sprite>();
        room->useAltTexture = c.darkBefore;
        auto keys = Place("HouseKeys", ObjectType::Lock, 2000, c.room)->GetComponent<Sprite>();
        keys->transparency = 0;
        auto blocker = Place("Blocker", ObjectType::Boundary, 1500, c.room)->GetComponent<BoxCollider>();
        GameObjectRef lamp = Place("Lamp1", ObjectType::Background, 2000, c.room);
        lamp->GetComponent<Sprite>()->numColumns = 2;
        GameObjectRef at = Place("Switch", ObjectType::LightSwitch, 0, c.room);
        at->GetComponent<BoxCollider>()->interactable = true;
        auto light = PlayerWorld::Attach<LightSwitch>(at);
        auto same = PlayerWorld::Attach<LightSwitch>(Place("S2", ObjectType::LightSwitch, 2000, c.room));
        auto other = PlayerWorld::Attach<LightSwitch>(Place("S3", ObjectType::LightSwitch, 2000));

        light->FlipGroup();
        EXPECT_TRUE(light->isOn && same->isOn && !other->isOn) << "a room's switches flip together";
        world.Frames(3); // flipped but not used: nothing happens
        EXPECT_EQ(room->useAltTexture, c.darkBefore);
        EXPECT_EQ(Played(), Names{});

        GameFlags.lightSwitchUse = true;
        world.Frame();
        EXPECT_FALSE(GameFlags.lightSwitchUse);
        EXPECT_TRUE(GameFlags.lightsOff == c.darkAfter && room->useAltTexture == c.darkAfter);
        EXPECT_TRUE(at->GetComponent<Sprite>()->useAltTexture);
        EXPECT_EQ(keys->transparency, c.extra == "keys" ? 1.0f : 0.0f);
        EXPECT_EQ(blocker->ghosted, c.extra == "blockers");
        EXPECT_EQ(lamp->GetComponent<Sprite>()->column, c.extra == "lamps" ? 1 : 0);
        EXPECT_EQ(lamp->GetComponent<BoxCollider>()->interactable, c.extra == "lamps");
        EXPECT_EQ(dialogue->text, c.extra == "lamps" ? "That should do it. It should be gone now." : "");
        EXPECT_EQ(exit->interactable, c.extra == "exit");
        EXPECT_EQ(Played(), Names{c.sound});

        light->FlipGroup(); // and off again
        GameFlags.lightSwitchUse = true;
        world.Frame();
        EXPECT_FALSE(GameFlags.lightSwitchUse);
        EXPECT_EQ(room->useAltTexture, c.darkBefore);
        EXPECT_FALSE(blocker->ghosted);
        Played();
        GameObjectList.resize(base);
    }
}

} // namespace
