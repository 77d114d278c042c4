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

TEST(Transitions, TimedWrapsFadeOutMoveThePlayerAndFadeBackIn) {
    // Wrap point, level, finale walk, destination, seconds the move comes just after.
    const std::tuple<const char*, int, bool, const char*, float> cases[] = {
        {"WrapEntry", 1, false, "WrapExit", 1.0f},
        {"RoomToKitchen", 2, false, "KitchenToRoom", 1.0f},
        {"RooftopToFinalEvent", 3, true, "FinalEventEnd", 4.4f},
    };
    for (const auto& [point, level, finaleWalk, destination, seconds] : cases) {
        SCOPED_TRACE(point);
        Stage stage;
        GameFlags.currentLevel = level;
        GameFlags.runDisabled = finaleWalk;
        auto from = stage.Point<WrapPos>(point, ObjectType::WrapPos, 0);
        stage.Point<WrapPos>(destination, ObjectType::WrapPos, 1500);
        from->active = true;
        GameFlags.inputLocked = true;

        const int toMove = stage.world.RunUntil([&] { return stage.world.Position().x > 1000; });
        EXPECT_NEAR(toMove * frame, seconds + frame / 2, frame);
        EXPECT_FLOAT_EQ(stage.fade->transparency, 1.0f);
        EXPECT_EQ(stage.fade->useAltTexture, finaleWalk) << "the finale walk fades to its own sheet";
        EXPECT_FLOAT_EQ(stage.camera->position.x, 1500.0f);
        EXPECT_FLOAT_EQ(GameFlags.cameraTargetY, standingY + 35.0f);

        // Back in from the value reached, at one per second, until below 0.1.
        const float reached = from->fadeTimer;
        const int toClear = stage.world.RunUntil([&] { return !from->arrived; });
        EXPECT_NEAR(toClear * frame, reached - 0.1f, 1.5f * frame);
        EXPECT_EQ(stage.fade->transparency, 0.0f);
        EXPECT_FALSE(stage.fade->useAltTexture);
        EXPECT_FALSE(GameFlags.inputLocked || GameFlags.wrapInProgress);
        EXPECT_TRUE(stage.world.Body().useGravity);
        EXPECT_FLOAT_EQ(stage.world.Position().x, 1500.0f);
    }
}

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

TEST(Transitions, LiftRidesDownAndBackUpWithTheWorldDarkenedAndInputLocked) {
    Stage stage;
    PlayerWorld& world = stage.world;
    PlayerWorld::RegisterSounds({"liftmoving", "liftdooropen", "liftdoorclose"});
    auto scenery = [&](const char* name, float y = 0) {
        return world.Add(name, ObjectType::Background, {0, y, 0}, {200, 200});
    };
    auto sky = PlayerWorld::Attach<Sprite>(scenery("Sky"));
    sky->colorTint = {0.1f, 0.11f, 0.15f};
    auto interior = PlayerWorld::Attach<Sprite>(scenery("Liftinterior"));
    auto mist = PlayerWorld::Attach<ParticleEmitter>(scenery("MistParticles"));
    mist->playState = true;
    scenery("LiftLowerLevel", standingY - drop);
    auto door = PlayerWorld::Attach<Sprite>(scenery("LiftDoor"));
    door->animationDelay = 60.0f;
    door->framePeriod = 1.0f / 60.0f;
    auto cabin = stage.Point<Lift>("Lift", ObjectType::Lift, 0, standingY, 200, 200);
    auto upper = stage.Point<Lift>("LiftButton", ObjectType::LiftButton, 0, standingY, 60, 60);
    auto lower = stage.Point<Lift>("LiftButton", ObjectType::LiftButton, 0, standingY - drop, 60, 60);
    GameObjectRef lift = FindObjectByName("Lift");
    auto cabinY = [&] { return lift->GetComponent<Transform>()->position.y; };
    world.Frame();

    GameFlags.liftCalled = true;
    upper->Use();
    EXPECT_TRUE(GameFlags.liftDoorsOpen && GameFlags.liftUpPromptVisible);
    EXPECT_EQ(door->textureName, "lift_door_open_lit.png");
    EXPECT_EQ(door->numColumns, 40);
    world.Frames(234);
    EXPECT_TRUE(GameFlags.liftDoorsOpen) << "open at 3.9 s";
    world.Frames(12);
    EXPECT_FALSE(GameFlags.liftDoorsOpen || GameFlags.liftUpPromptVisible) << "closed at 4.1 s";
    EXPECT_EQ(door->textureName, "lift_door_close_lit.png");

    for (const auto& [button, fromY, toY] :
         {std::tuple{upper, standingY, standingY - drop}, std::tuple{lower, standingY - drop, standingY}}) {
        world.Frames(120); // the doors finish closing; the player stands
        world.TakePlayed();
        GameFlags.liftCalled = true;
        button->Use();
        ASSERT_TRUE(GameFlags.liftDoorsOpen);
        world.Frame();
        cabin->Use();
        ASSERT_TRUE(GameFlags.playerInLift);
        EXPECT_EQ(cabin->targetStop, fromY == standingY ? 1 : 0) << "entered at its target stop";
        EXPECT_EQ(world.player->GetParent(), lift);
        EXPECT_EQ(world.Position().z, -2.0f);
        EXPECT_EQ(sky->GetColorTint().x + sky->GetColorTint().y + sky->GetColorTint().z, 0.0f);
        EXPECT_EQ(interior->GetColorTint().x, 1.0f);
        EXPECT_FALSE(mist->playState);

        // Keys do nothing in the cabin.
        world.Hold(Key::Letter('A'));
        world.Tap(Key::Space);
        world.Frames(20);
        world.Release(Key::Letter('A'));
        EXPECT_FLOAT_EQ(world.Position().x, 0.0f);
        EXPECT_NEAR(world.Position().y - cabinY(), 0.0f, 0.01f);

        float lastY = cabinY();
        int moving = 0;
        stage.world.RunUntil([&] {
            moving += cabinY() != lastY;
            lastY = cabinY();
            return GameFlags.liftDoorsOpen;
        });
        EXPECT_NEAR(moving * frame, drop / 160.0f, 2 * frame) << "160 pixels per second";
        EXPECT_FLOAT_EQ(cabinY(), toY);
        EXPECT_NEAR(world.Position().y, toY, 0.01f);
        EXPECT_TRUE(GameFlags.liftDownPromptVisible);
        const auto played = world.TakePlayed();
        EXPECT_TRUE(
            std::any_of(played.begin(), played.end(), [](auto& s) { return s.first == "liftmoving"; }));

        cabin->Use();
        EXPECT_FALSE(GameFlags.playerInLift || GameFlags.inputLocked || GameFlags.liftDownPromptVisible);
        EXPECT_FALSE(world.player->GetParent());
        EXPECT_EQ(world.Position().z, 0.0f);
        EXPECT_FLOAT_EQ(sky->GetColorTint().z, 0.15f) << "each sprite gets its own tint back";
        EXPECT_TRUE(mist->playState);
        EXPECT_FLOAT_EQ(stage.camera->position.y, world.Position().y);
        EXPECT_TRUE(world.Settle());
        EXPECT_NEAR(world.Position().y, toY, 2.0f);
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

TEST(Transitions, RecordsRoundTripThroughALevelFileAndTruncatedOnesAreRefused) {
    Sandbox box;
    ScopedObjectStore store;
    const std::string names[] = {"WrapPos", "Lift", "WaterDrag"};
    for (const std::string& name : names)
        SpawnObject(name + "Holder")->AddComponent(CreateComponent(name), ComponentTypeByName().at(name));
    const std::filesystem::path path = box.root() / "Records.txt";
    ASSERT_TRUE(SaveLevel("Records", path.string()));
    std::ostringstream saved;
    saved << std::ifstream(path).rdbuf();
    const std::string text = saved.str();

    store.Clear();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(LoadLevel("Records", path.string()));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    for (const std::string& name : names) {
        GameObjectRef object = FindObjectByName(name + "Holder");
        ASSERT_TRUE(object && object->components.size() == 2) << name;
        EXPECT_EQ(object->components[1]->GetTypeName(), name);
        EXPECT_NE(text.find("\n" + name + "\nEnd\n"), std::string::npos) << "the name line only";
    }
    for (const std::string& name : names) {
        // Cut right after the component's name: the record has no end.
        store.Clear();
        std::ofstream(path, std::ios::trunc)
            << text.substr(0, text.find("\n" + name + "\n") + name.size() + 2);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(LoadLevel("Records", path.string())) << name;
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Records.txt: object '" + name + "Holder': file ends before 'End'\n");
    }
}

} // namespace
