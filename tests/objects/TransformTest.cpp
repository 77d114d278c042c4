#include "objects/Transform.h"

#include <gtest/gtest.h>

#include <cmath>

#include "objects/GameObject.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/ObjectStore.h"

namespace {

// One frame of the scene's component walk, in list order.
void UpdateAll() {
    for (const auto& object : GameObjectList)
        for (const auto& component : object->components) component->Update(1 / 60.0f);
}

TEST(Transform, ChildFollowsItsParentsMovesAndScale) {
    ScopedObjectStore store;
    GameObjectRef room = SpawnObject("Room", {0, 0, 0}, {100, 100});
    GameObjectRef lamp = SpawnObject("Lamp", {50, 20, 1}, {50, 50});
    lamp->SetParent("Room");
    auto parent = room->GetComponent<Transform>(), child = lamp->GetComponent<Transform>();
    parent->SetPosition(10, 0);
    UpdateAll();
    EXPECT_NEAR(child->position.x, 60, 1e-4f);
    EXPECT_NEAR(child->position.y, 20, 1e-4f);
    EXPECT_NEAR(child->modelMatrix.at(0, 3), 60, 1e-4f);
    // The offset's y enters the matrix mirrored: the child is drawn at parent y - 20.
    EXPECT_NEAR(child->modelMatrix.at(1, 3), -20, 1e-4f);

    parent->SetScale(200, 200);
    UpdateAll();
    EXPECT_NEAR(child->scale.x, 100, 1e-4f) << "scaling the parent by two doubles the child";
    EXPECT_NEAR(child->position.x, 110, 1e-4f) << "and its distance from the parent";

    // With a parent, SetPosition moves the offset; the next update puts the child there.
    child->SetPosition(-40, 70);
    UpdateAll();
    EXPECT_NEAR(child->position.x, -40, 1e-4f);
    EXPECT_NEAR(child->position.y, 70, 1e-4f);
}

TEST(Transform, ZeroParentScaleKeepsChildrenFinite) {
    ScopedObjectStore store;
    GameObjectRef flat = SpawnObject("Flat", {10, 10, 0}, {64, 64});
    flat->GetComponent<Transform>()->scale = {0, 0, 1};
    flat->GetComponent<Transform>()->Initialize();
    GameObjectRef child = SpawnObject("Child", {30, 50, 1}, {16, 16});
    child->SetParent("Flat");
    auto t = child->GetComponent<Transform>();
    for (int frame = 0; frame < 2; ++frame) {
        t->upToDate = false;
        UpdateAll();
    }
    t->SetPosition(5, 5);
    for (float value : {t->parentOffset.x, t->parentOffset.y, t->position.x, t->scale.y})
        EXPECT_TRUE(std::isfinite(value));
    for (float value : t->modelMatrix.m) EXPECT_TRUE(std::isfinite(value));
}

TEST(Transform, InspectorShowsDegreesWithoutDisturbingTheStoredRadians) {
    HeadlessGui gui;
    Transform transform({12.5f, -40, 0}, {64, 128});
    transform.scaleInUnits = {1, 2, 1.0f / 64};
    transform.rotation = 3.14159265f / 2;
    transform.upToDate = true;
    std::string text;
    for (int frame = 0; frame < 3; ++frame) text = gui.InspectorText(transform, 7);
    EXPECT_NE(text.find("90 deg"), std::string::npos) << text;
    EXPECT_NE(text.find("Object Scale : 1.00 2.00"), std::string::npos) << text;
    EXPECT_EQ(text.find("##7"), std::string::npos) << "labels hide their id suffix: " << text;
    EXPECT_EQ(transform.rotation, 3.14159265f / 2) << "the radians do not drift through the degree fields";
    EXPECT_EQ(transform.position.x, 12.5f);
    EXPECT_TRUE(transform.upToDate);
}

} // namespace
