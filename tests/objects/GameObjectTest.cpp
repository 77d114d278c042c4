#include "objects/GameObject.h"

#include <gtest/gtest.h>

#include "objects/ComponentFactory.h"
#include "objects/Transform.h"
#include "tests/support/ObjectStore.h"

namespace {

std::vector<std::string> ChildNames(const GameObjectRef& object) {
    std::vector<std::string> names;
    for (const auto& child : object->children) names.push_back(child->name);
    return names;
}

TEST(GameObject, SetParentRecordsTheOffsetInParentScaleUnits) {
    ScopedObjectStore store;
    GameObjectRef room = SpawnObject("Room", {60, 30, -5}, {64, 128});
    GameObjectRef lamp = SpawnObject("Lamp", {100, 50, 2}, {32, 32});
    lamp->SetParent("Room");
    EXPECT_TRUE(lamp->hasParent);
    EXPECT_EQ(lamp->GetParent(), room);
    EXPECT_EQ(room->children, std::vector<GameObjectRef>{lamp}) << "the list's own entry, shared";

    auto t = lamp->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(t->parentScaleRatio.x, 0.5f);
    EXPECT_FLOAT_EQ(t->parentScaleFactor.y, 0.32f); // 0.25 * 128 / 100
    EXPECT_FLOAT_EQ(t->parentOffset.x, 40 / 0.32f);
    EXPECT_FLOAT_EQ(t->parentOffset.y, 20 / 0.32f);
    EXPECT_FLOAT_EQ(t->parentOffset.z, 7) << "z is not divided";
}

TEST(GameObject, ParentingRefusesLoopsAndLeavesNoStaleChildren) {
    ScopedObjectStore store;
    GameObjectRef lamp = SpawnObject("Lamp"), room = SpawnObject("Room"), house = SpawnObject("House");
    for (const char* none : {"none", "Lamp", "Nobody"}) {
        lamp->SetParent(none);
        EXPECT_EQ(lamp->parentName, "none") << none;
        EXPECT_FALSE(lamp->hasParent) << none;
    }
    // A loop would have no world position: an ancestor cannot become a child.
    lamp->SetParent("Room");
    room->SetParent("House");
    house->SetParent("Lamp");
    EXPECT_FALSE(house->hasParent);
    EXPECT_TRUE(lamp->children.empty());
    room->SetParent("Room");
    EXPECT_EQ(room->GetParent(), house) << "a refused parent keeps the one it had";

    GameObjectRef other = SpawnObject("Other");
    lamp->SetParent("Other");
    lamp->SetParent("Other");
    EXPECT_TRUE(room->children.empty());
    EXPECT_EQ(ChildNames(other), std::vector<std::string>{"Lamp"}) << "no stale or duplicate entries";
    lamp->RemoveParent();
    EXPECT_TRUE(other->children.empty());
    EXPECT_EQ(lamp->parentName, "none");
    EXPECT_FALSE(lamp->GetParent());

    // Parent and child hold each other without keeping each other alive.
    std::weak_ptr<GameObject> roomAlive = room, houseAlive = house;
    room.reset();
    house.reset();
    store.Clear();
    EXPECT_TRUE(roomAlive.expired());
    EXPECT_TRUE(houseAlive.expired());
}

TEST(ComponentFactory, EveryKnownNameBuildsItsOwnUninitialisedClass) {
    for (const char* unknown : {"Sprit", "", "transform"}) EXPECT_FALSE(CreateComponent(unknown)) << unknown;
    const auto& types = ComponentTypeByName();
    const std::vector<std::string> names = CreatableComponentNames();
    ASSERT_GE(names.size(), 2u);
    for (size_t i = 0; i < names.size(); ++i) {
        std::shared_ptr<Component> component = CreateComponent(names[i]);
        ASSERT_TRUE(component) << names[i];
        EXPECT_EQ(component->GetTypeName(), names[i]);
        ASSERT_EQ(types.count(names[i]), 1u) << names[i];
        EXPECT_EQ(component->GetType(), types.at(names[i])) << names[i];
        if (i > 0) {
            EXPECT_LT(types.at(names[i - 1]), types.at(names[i])) << "rows in component-type order";
        }
    }
}

} // namespace
