#include <gtest/gtest.h>

#include <cmath>

#include "gameplay/ScriptedEnemy.h"
#include "gameplay/StaticEnemy.h"
#include "tests/gameplay/PlayerWorld.h"

namespace {

constexpr float floorY = PlayerWorld::standingY;

// A bare player on floor 12 (no Player component, so the test decides isMoving and isHiding), the
// enemies' sounds registered, and a creature or a listener built as the level files build them.
class EnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        player = world.AddSolid("Player", ObjectType::Player, -16, 16, floorY - 60, floorY + 60);
        PlayerWorld::Attach<Sprite>(player);
        PlayerWorld::RegisterSounds({"creatureidle", "chase", "evade", "echoalarm", "echoalert"});
    }

    std::shared_ptr<ScriptedEnemy> AddCreature(float x, int32_t state) {
        GameObjectRef body =
            world.AddSolid("Creature", ObjectType::Enemy, x - 37, x + 37, floorY - 65, floorY + 161);
        auto sheet = PlayerWorld::Attach<Sprite>(body);
        sheet->textureName = "creature_walk.png";
        sheet->numColumns = 30;
        sheet->animationDelay = 60.0f;
        sheet->framePeriod = 1.0f / 60.0f;
        auto creature = PlayerWorld::Attach<ScriptedEnemy>(body);
        creature->state = state;
        creature->started = creature->engaged = true;
        GameFlags.creatureActive = true;
        return creature;
    }

    std::vector<std::string> Played() {
        std::vector<std::string> names;
        for (const auto& sound : world.TakePlayed()) names.push_back(sound.first);
        return names;
    }

    static float X(const Component& component) {
        return component.owner->GetComponent<Transform>()->position.x;
    }

    PlayerWorld world;
    GameObjectRef player;
};

TEST_F(EnemyTest, AHiddenPlayerIsNeverKilledAndIsPulledOutOnlyFromAHidingPlaceTheCreatureReaches) {
    const struct {
        float creatureX, cupboardLeft, cupboardRight;
        bool pulledOut;
    } cases[] = {
        {200, -60, 60, true},
        {-200, -60, 60, true},
        {200, -60, -10, false}, // the creature reaches the player but not the cupboard behind
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.creatureX);
        GameFlags.Reset();
        GameFlags.isHiding = true;
        world.AddSolid("Cupboard", ObjectType::Hiding, c.cupboardLeft, c.cupboardRight, floorY - 100,
                       floorY + 100);
        auto creature = AddCreature(c.creatureX, 4);
        auto sheet = creature->owner->GetComponent<Sprite>();

        ASSERT_LT(world.RunUntil([&] { return creature->state == 2; }, 120), 120);
        const int frames = world.RunUntil([&] { return !GameFlags.isHiding; }, 180);
        EXPECT_FALSE(GameFlags.playerDying);
        if (!c.pulledOut) {
            EXPECT_EQ(frames, 180);
            EXPECT_EQ(sheet->textureName, "creature_attack.png");
            EXPECT_EQ(creature->state, 2);
        } else {
            EXPECT_EQ(sheet->textureName, "creature_walk.png");
            EXPECT_EQ(X(*creature), std::copysign(200.0f, c.creatureX));
            // Out in the open, the next touch kills.
            EXPECT_LT(world.RunUntil([] { return GameFlags.playerDying; }, 300), 300);
            EXPECT_EQ(sheet->textureName, "creature_attack.png");
        }
        GameObjectList.resize(1);
    }
}

TEST_F(EnemyTest, OnLevelOneTheCreatureLeavesAfterItsSixthFruitlessSearch) {
    GameFlags.isHiding = true;
    auto creature = AddCreature(600, 5);
    world.TakePlayed();
    std::vector<int32_t> states{creature->state};
    int32_t passesAtLeaving = -1;
    for (int frame = 0; frame < 60 * 60 && creature->state != 1; ++frame) {
        world.Frame();
        if (creature->state == states.back()) continue;
        states.push_back(creature->state);
        if (creature->state == 3) passesAtLeaving = creature->searchPasses;
    }
    EXPECT_EQ(states, (std::vector<int32_t>{5, 3, 1}));
    EXPECT_EQ(passesAtLeaving, 6);
    EXPECT_EQ(Played(), std::vector<std::string>{"evade"});
    world.Frames(30);
    EXPECT_EQ(creature->state, 1);
    EXPECT_TRUE(Played().empty());
    EXPECT_FALSE(GameFlags.creatureActive);
    EXPECT_TRUE(GameFlags.buildingCollapse);
    EXPECT_EQ(creature->owner->GetComponent<Sprite>()->transparency, 0.0f);
    EXPECT_TRUE(creature->owner->GetComponent<BoxCollider>()->ghosted);
}

TEST_F(EnemyTest, TheListenerRaisesTheAlarmOnlyForAPlayerWhoKeepsMovingInItsRange) {
    GameObjectRef vase = world.AddSolid("Vase", ObjectType::Enemy, -20, 20, floorY - 20, floorY + 20);
    auto sheet = PlayerWorld::Attach<Sprite>(vase);
    sheet->numColumns = 12;
    sheet->framePeriod = 1.0f / 60.0f;
    auto listener = PlayerWorld::Attach<StaticEnemy>(vase);
    auto fade = PlayerWorld::Attach<Sprite>(world.Add("FadeInAndOut", ObjectType::HUD, {}, {1, 1}));
    fade->transparency = 0.0f;
    const struct {
        float dx, dy;
        int moving, still;
        bool alarm, calmed;
    } cases[] = {
        {-149, 70, 60, 0, true, false},
        {100, 0, 0, 200, false, false},
        {0, 71, 60, 0, false, false},
        {150, 0, 60, 0, false, false},
        {-150, 0, 60, 0, false, false},
        {100, 0, 10, 150, false, true}, // still past 2 s: the alert runs back to its first cell
        {100, 0, 60, 0, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        GameFlags.Reset();
        player->GetComponent<Transform>()->SetPosition(c.dx, floorY + c.dy);
        listener->Initialize();
        sheet->column = 0;
        sheet->animate = false;
        world.TakePlayed();
        bool calmed = false;
        for (int frame = 0; frame < c.moving + c.still; ++frame) {
            GameFlags.isMoving = frame < c.moving;
            world.Frame();
            calmed |= listener->state == 7;
        }
        EXPECT_EQ(sheet->reverse, c.calmed);
        EXPECT_EQ(GameFlags.creatureReleased, c.alarm);
        EXPECT_EQ(listener->state, c.alarm ? 0 : 1);
        EXPECT_EQ(calmed, c.calmed);
        EXPECT_EQ(Played(), c.alarm ? std::vector<std::string>{"echoalarm"} : std::vector<std::string>{});
    }

    // The alarm sounds once; only the black of a death fade makes it ready again.
    GameFlags.creatureReleased = false;
    world.Frames(10);
    EXPECT_TRUE(GameFlags.creatureReleased);
    EXPECT_TRUE(Played().empty());
    GameFlags.isMoving = false;
    GameFlags.playerDying = true;
    world.Frames(2);
    EXPECT_EQ(listener->state, 1);
    EXPECT_FALSE(listener->alarmReady);
    fade->transparency = 1.0f;
    world.Frame();
    EXPECT_TRUE(listener->alarmReady);
    EXPECT_EQ(sheet->column, 0);
    GameFlags.playerDying = GameFlags.creatureReleased = false;
    fade->transparency = 0.0f;
    GameFlags.isMoving = true;
    world.Frames(60);
    EXPECT_EQ(Played(), std::vector<std::string>{"echoalarm"});
}

} // namespace
