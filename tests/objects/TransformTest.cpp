#include "objects/Transform.h"

#include <gtest/gtest.h>

#include <cmath>

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

    parent->SetScale(200, 200);
    UpdateAll();
    EXPECT_NEAR(child->scale.x, 100, 1e-4f) << "scaling the parent by two doubles the child";
    EXPECT_NEAR(child->position.x, 110, 1e-4f) << "and its distance from the parent";

    // With a parent, SetPosition moves the offset; the next update puts the child there.
    child->SetPosition(-40, 70);
    UpdateAll();
    EXPECT_NEAR(child->position.x, -40, 1e-4f);
}

TEST(Transform, ZeroParentScaleKeepsChildrenFinite) {
    ScopedObjectStore store;
    auto flat = SpawnObject("Flat", {10, 10, 0}, {64, 64})->GetComponent<Transform>();
    flat->scale = {0, 0, 1};
    flat->Initialize();
    GameObjectRef child = SpawnObject("Child", {30, 50, 1}, {16, 16});
    child->SetParent("Flat");
    auto t = child->GetComponent<Transform>();
    UpdateAll();
    t->upToDate = false;
    UpdateAll();
    t->SetPosition(5, 5);
    EXPECT_TRUE(std::isfinite(t->parentOffset.x + t->parentOffset.y + t->position.x + t->scale.y));
    for (float value : t->modelMatrix.m) EXPECT_TRUE(std::isfinite(value));
}

} // namespace
