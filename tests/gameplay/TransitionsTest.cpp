#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "gameplay/Lift.h"
#include "gameplay/WaterDrag.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "objects/ComponentFactory.h"
#include "objects/LevelFile.h"
#include "tests/gameplay/PlayerWorld.h"
#include "tests/support/Sandbox.h"

namespace {

const float frame = PlayerWorld::frame;
const float standingY = PlayerWorld::standingY;
const float drop = 1000.0f; // from the lift's upper stop to its lower one

// A stretch of level with two floors (the lower one `drop` below), the fade, the camera and a
// settled player.
struct Stage {
    explicit Stage(float playerX = 0) {
        world.AddFloor();
        world.AddFloor(-3000, 3000, PlayerWorld::floorTop - drop);
        fade = PlayerWorld::Attach<Sprite>(world.Add("FadeInAndOut", ObjectType::HUD, {}, {1920, 1080}));
        fade->transparency = 0;
        camera = world.Add("Camera", ObjectType::Camera, {}, {1, 1})->GetComponent<Transform>();
        world.AddPlayer(playerX);
        EXPECT_TRUE(world.Settle());
    }

    template <class T>
    std::shared_ptr<T> Point(const std::string& name, ObjectType type, float x, float y = standingY,
                             float width = 100, float height = 160) {
        return world.AddZone<T>(name, type, {x, y}, {width, height});
    }

    PlayerWorld world;
    std::shared_ptr<Sprite> fade;
    std::shared_ptr<Transform> camera;
};

TEST(Transitions, SideWrapsMoveAtOnceAndOnlyWhenWalkingOutward) {
    Stage stage(-850);
    stage.Point<WrapPos>("WrapLeftSide", ObjectType::WrapPos, -1000, standingY, 200);
    stage.Point<WrapPos>("WrapRightSide", ObjectType::WrapPos, 1000, standingY, 200);
    int wraps = 0;
    float lastX = stage.world.Position().x;
    auto walk = [&](int key, int frames) {
        stage.world.Hold(key);
        for (int i = 0; i < frames; ++i) {
            stage.world.Frame();
            const float x = stage.world.Position().x;
            if (std::fabs(x - lastX) > 500) ++wraps;
            lastX = x;
            EXPECT_EQ(stage.fade->transparency, 0.0f) << "a side wrap has no fade";
        }
        stage.world.Release(key);
    };
    walk(Key::Letter('A'), 200); // out through the left side, in on the right: no bounce back
    EXPECT_EQ(wraps, 1);
    EXPECT_GT(lastX, 900.0f);
    EXPECT_LT(lastX, 1000.0f);
    walk(Key::Letter('D'), 90); // back toward the right edge: out again on the left
    EXPECT_EQ(wraps, 2);
    EXPECT_LT(lastX, -900.0f);
}

TEST(Transitions, MissingDestinationCancelsTheWrapWithoutMovingOrDarkening) {
    // Level, wrap point, respawn target.
    const std::tuple<int, const char*, const char*> cases[] = {
        {2, "DeathbedToXX", ""},              // died before any checkpoint
        {3, "DeathbedToXX", "Nowhere"},       // names an object the level lacks
        {2, "RoomToKitchen", ""},             // pair object missing
        {3, "RooftopToFinalEvent", ""},       // only during the finale walk
        {2, "MotherBedroomToLivingRoom", ""}, // collider not interactable
        {1, "WrapEntry", ""},                 // no "WrapExit"
    };
    for (const auto& [level, name, respawnTarget] : cases) {
        SCOPED_TRACE(name);
        Stage stage;
        stage.world.Add("LivingroomEnd", ObjectType::WrapPos, {1500, standingY, 0}, {100, 160});
        auto point = stage.Point<WrapPos>(name, ObjectType::WrapPos, 0);
        GameFlags.currentLevel = level;
        GameFlags.respawnWrapTarget = respawnTarget;
        GameFlags.inputLocked = true;
        point->active = true;
        float before = 0;
        stage.world.RunUntil([&] {
            const bool cancelled = point->fadeTimer < before;
            before = point->fadeTimer;
            return cancelled;
        });
        EXPECT_FLOAT_EQ(stage.world.Position().x, 0.0f);
        EXPECT_EQ(point->fadeTimer, 0.0f);
        EXPECT_EQ(stage.fade->transparency, 0.0f);
        EXPECT_FALSE(point->active || point->arrived);
        EXPECT_FALSE(GameFlags.inputLocked || GameFlags.wrapInProgress);
    }
}

TEST(Transitions, EachWaterAreaWetsThePlayerOnlyInsideItself) {
    Stage stage;
    stage.Point<WaterDrag>("PoolA", ObjectType::WaterDrag, -500);
    stage.Point<WaterDrag>("PoolB", ObjectType::WaterDrag, 500);
    stage.Point<WaterDrag>("DryPool", ObjectType::WaterDrag, 1500);
    FindObjectByName("DryPool")->GetComponent<BoxCollider>()->ghosted = true;
    const std::pair<float, bool> cases[] = {
        {-500, true}, {0, false}, {500, true}, {1500, false}, {-500, true}};
    for (const auto& [x, wet] : cases) {
        stage.world.Body().SetPosition(x, standingY, 0);
        stage.world.Frames(2);
        EXPECT_EQ(GameFlags.inWater, wet) << x;
    }
}

} // namespace
