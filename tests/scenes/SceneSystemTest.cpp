#include "scenes/SceneSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/ScriptedScene.h"

using namespace Framework;

namespace {

// Counts its updates, so a test can see whether a scene ran its objects.
class CountingComponent : public Component {
public:
    CountingComponent() : Component(ComponentType::Player) {}
    std::string GetTypeName() override { return "Counting"; }
    void Update(float) override { ++updates; }
    int updates = 0;
};

GameObjectRef MakeObject(const std::string& name, float z, bool withTransform = true) {
    auto object = std::make_shared<GameObject>(name, ObjectType::Background, NextObjectId++);
    if (withTransform) {
        auto transform = std::make_shared<Transform>(vec3{0, 0, z}, vec2{1, 1});
        transform->SetOwner(object.get());
        object->components.push_back(transform);
    }
    return object;
}

// The real scene system with test scenes under the splash (0) and menu (1) ids. No window: the
// frame render still hands the matrices to the scene's Draw.
class SceneProtocol : public ::testing::Test {
protected:
    ScopedObjectStore store;
    std::shared_ptr<ScriptedScene> splash = std::make_shared<ScriptedScene>(SceneSplash);
    std::shared_ptr<ScriptedScene> menu = std::make_shared<ScriptedScene>(SceneMenu);

    void SetUp() override {
        sceneSystem->isPaused = false;
        sceneSystem->Initialize();
        sceneSystem->scenes[SceneSplash] = splash;
        sceneSystem->scenes[SceneMenu] = menu;
    }
    void TearDown() override {
        sceneSystem->isPaused = false;
        sceneSystem->Initialize(); // leaves no test scene behind in the singleton
    }
    void Pass(float dt = 0.016f) { sceneSystem->Update(dt); }
};

TEST_F(SceneProtocol, FirstPassLoadsInitialisesAndUpdatesTheSplashButSkipsItsObjects) {
    auto counter = std::make_shared<CountingComponent>();
    splash->script = [&](ScriptedScene&, float) {
        if (GameObjectList.empty()) {
            auto object = MakeObject("Counter", 0);
            object->components.push_back(counter);
            GameObjectList.push_back(object);
        }
    };
    Pass();
    EXPECT_EQ(splash->loads, 1);
    EXPECT_EQ(splash->initializes, 1);
    EXPECT_EQ(splash->updates, 1);
    EXPECT_EQ(splash->draws, 1);
    EXPECT_EQ(counter->updates, 0);
    EXPECT_EQ(sceneSystem->currentScene, SceneSplash);
    EXPECT_EQ(sceneSystem->previousScene, SceneSplash);
    Pass();
    EXPECT_EQ(splash->loads, 1);
    EXPECT_EQ(counter->updates, 1);
}

TEST_F(SceneProtocol, SwitchUnloadsInTheRequestingPassAndLoadsInTheNext) {
    Pass();
    splash->script = [](ScriptedScene&, float) { sceneSystem->nextScene = SceneMenu; };
    Pass();
    // The requesting frame is still drawn with the old scene, then the old scene leaves.
    EXPECT_EQ(splash->draws, 2);
    EXPECT_EQ(splash->unloads, 1);
    EXPECT_EQ(menu->loads, 0);
    EXPECT_EQ(sceneSystem->currentScene, SceneMenu);
    Pass();
    EXPECT_EQ(menu->loads, 1);
    EXPECT_EQ(menu->initializes, 1);
    EXPECT_EQ(menu->updates, 1);
    EXPECT_EQ(splash->updates, 2);
}

TEST_F(SceneProtocol, QuitTwiceUnloadsTwiceAndNothingRunsAfterwards) {
    Pass();
    GameObjectList.push_back(MakeObject("Leftover", 0));
    sceneSystem->HandleMessage({Quit});
    EXPECT_TRUE(GameObjectList.empty());
    sceneSystem->HandleMessage({Quit});
    EXPECT_EQ(splash->unloads, 2);
    EXPECT_EQ(sceneSystem->nextScene, SceneQuit);
    Pass();
    EXPECT_EQ(sceneSystem->currentScene, SceneQuit);
    Pass();
    Pass();
    EXPECT_EQ(splash->updates, 1);
    EXPECT_EQ(splash->draws, 1);
    EXPECT_EQ(splash->loads, 1);
    EXPECT_EQ(sceneSystem->currentScene, SceneQuit);
}

TEST_F(SceneProtocol, RestartReinitialisesWithoutLoadingOrUnloading) {
    Pass();
    GameObjectList.push_back(MakeObject("Kept", 0));
    sceneSystem->nextScene = SceneRestart;
    Pass();
    EXPECT_EQ(splash->unloads, 0);
    Pass();
    EXPECT_EQ(sceneSystem->currentScene, SceneSplash);
    EXPECT_EQ(splash->loads, 1);
    EXPECT_EQ(splash->initializes, 2);
    EXPECT_EQ(splash->updates, 2); // the pass that saw the request between frames ran no update
    EXPECT_NE(FindObjectByName("Kept"), nullptr);
}

TEST_F(SceneProtocol, RequestForAnUnknownSceneIsIgnored) {
    Pass();
    sceneSystem->nextScene = 9;
    Pass();
    splash->script = [](ScriptedScene&, float) { sceneSystem->nextScene = -1; };
    Pass();
    EXPECT_EQ(sceneSystem->currentScene, SceneSplash);
    EXPECT_EQ(splash->unloads, 0);
    EXPECT_EQ(splash->updates, 3);
    EXPECT_EQ(sceneSystem->scenes.count(9), 0u);
}

TEST(DrawDepthSort, SmallerZFirstEqualZInListOrderAndBadKeysAsZero) {
    std::vector<GameObjectRef> objects = {MakeObject("A", 2),
                                          MakeObject("B", 0),
                                          MakeObject("NaN", std::numeric_limits<float>::quiet_NaN()),
                                          MakeObject("C", -1),
                                          MakeObject("NoTransform", 0, false),
                                          MakeObject("D", 0),
                                          MakeObject("E", 2)};
    SortByDrawDepth(objects);
    std::vector<std::string> names;
    for (const auto& object : objects) names.push_back(object->name);
    EXPECT_EQ(names, (std::vector<std::string>{"C", "B", "NaN", "NoTransform", "D", "A", "E"}));
}

TEST(DrawDepthSort, ManyNaNKeysNeverBreakTheSort) {
    std::vector<GameObjectRef> objects;
    for (int i = 0; i < 2000; ++i)
        objects.push_back(MakeObject(std::to_string(i), i % 3 == 0 ? std::numeric_limits<float>::quiet_NaN()
                                                                   : float((i * 7919) % 101) - 50.0f));
    SortByDrawDepth(objects);
    ASSERT_EQ(objects.size(), 2000u);
    float previous = -1e9f;
    for (const auto& object : objects) {
        float z = object->GetComponent<Transform>()->position.z;
        if (std::isnan(z)) z = 0;
        EXPECT_LE(previous, z);
        previous = z;
    }
}

} // namespace
