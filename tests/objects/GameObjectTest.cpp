#include "objects/GameObject.h"

#include <gtest/gtest.h>

#include <cmath>

#include "objects/ComponentFactory.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "tests/support/ObjectStore.h"

namespace {

std::vector<std::string> ChildNames(const GameObject& object) {
    std::vector<std::string> names;
    for (const auto& child : object.children) names.push_back(child->name);
    return names;
}

class FancyTransform : public Transform {};

bool Finite(const vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

TEST(GameObject, LookupsFindTheFirstExactMatch) {
    ScopedObjectStore store;
    EXPECT_FALSE(FindObjectByName("Door"));
    GameObjectRef first = SpawnObject("Door");
    SpawnObject("door");
    SpawnObject("Door");
    SpawnObject("Play", {}, {1, 1}, ObjectType::Button);
    SpawnObject("Quit", {}, {1, 1}, ObjectType::Button);
    EXPECT_EQ(FindObjectByName("Door"), first);
    EXPECT_FALSE(FindObjectByName("Doo"));
    std::vector<GameObjectRef> buttons = FindButtonObjects();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->name, "Play");
    EXPECT_EQ(buttons[1]->name, "Quit");
}

TEST(GameObject, GetComponentMatchesTheExactClassOnly) {
    GameObject fancy("Fancy", ObjectType::Wall, 0);
    fancy.components.push_back(std::make_shared<FancyTransform>());
    EXPECT_FALSE(fancy.GetComponent<Transform>()) << "a derived class does not match";
    EXPECT_TRUE(fancy.GetComponent<FancyTransform>());

    auto collider = std::make_shared<BoxCollider>();
    fancy.components.push_back(collider);
    fancy.components.push_back(std::make_shared<BoxCollider>());
    EXPECT_EQ(fancy.GetComponent<BoxCollider>(), collider) << "the first of two";
}

TEST(GameObject, AddComponentKeepsTheFirstOfATypeAndInitialisesNewOnes) {
    GameObject object("Crate", ObjectType::Floor, 3);
    auto first = std::make_shared<Transform>(vec3{10, 20, 0}, vec2{2, 2});
    object.AddComponent(first, ComponentType::Transform);
    EXPECT_EQ(first->GetOwner(), &object);
    EXPECT_FLOAT_EQ(first->modelMatrix.at(0, 3), 10) << "initialised on adding";
    EXPECT_FLOAT_EQ(first->modelMatrix.at(0, 0), 2);

    auto second = std::make_shared<Transform>();
    object.AddComponent(second, ComponentType::Transform);
    ASSERT_EQ(object.components.size(), 1u);
    EXPECT_EQ(object.GetComponent<Transform>(), first);
    EXPECT_EQ(second->GetOwner(), nullptr);

    object.AddComponent(nullptr, ComponentType::Sprite);
    object.AddComponent(std::make_shared<BoxCollider>(), ComponentType::BoxCollider);
    EXPECT_EQ(object.components.size(), 2u);
}

TEST(GameObject, SetParentRecordsTheOffsetInParentScaleUnits) {
    ScopedObjectStore store;
    GameObjectRef room = SpawnObject("Room", {60, 30, -5}, {64, 128});
    GameObjectRef lamp = SpawnObject("Lamp", {100, 50, 2}, {32, 32});
    lamp->SetParent("Room");

    EXPECT_TRUE(lamp->hasParent);
    EXPECT_EQ(lamp->parentName, "Room");
    EXPECT_EQ(lamp->GetParent(), room);
    EXPECT_EQ(ChildNames(*room), std::vector<std::string>{"Lamp"});
    EXPECT_EQ(room->children[0], lamp) << "the list's own entry, shared";

    auto t = lamp->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(t->parentScaleRatio.x, 0.5f);
    EXPECT_FLOAT_EQ(t->parentScaleRatio.y, 0.25f);
    EXPECT_FLOAT_EQ(t->parentScaleFactor.x, 0.32f); // 0.5 * 64 / 100
    EXPECT_FLOAT_EQ(t->parentScaleFactor.y, 0.32f); // 0.25 * 128 / 100
    EXPECT_FLOAT_EQ(t->parentOffset.x, 40 / 0.32f);
    EXPECT_FLOAT_EQ(t->parentOffset.y, 20 / 0.32f);
    EXPECT_FLOAT_EQ(t->parentOffset.z, 7) << "z is not divided";
}

TEST(GameObject, SetParentToNothingOrToItselfLeavesTheObjectUnparented) {
    ScopedObjectStore store;
    GameObjectRef lamp = SpawnObject("Lamp");
    lamp->SetParent("none");
    EXPECT_EQ(lamp->parentName, "none");
    EXPECT_FALSE(lamp->hasParent);

    lamp->SetParent("Lamp");
    EXPECT_EQ(lamp->parentName, "none");
    EXPECT_FALSE(lamp->hasParent);
    EXPECT_TRUE(lamp->children.empty());

    // A loop would have no world position: an ancestor cannot become a child.
    GameObjectRef room = SpawnObject("Room");
    GameObjectRef house = SpawnObject("House");
    lamp->SetParent("Room");
    room->SetParent("House");
    house->SetParent("Lamp");
    EXPECT_FALSE(house->hasParent);
    EXPECT_EQ(house->parentName, "none");
    EXPECT_TRUE(lamp->children.empty());
    room->SetParent("Room");
    EXPECT_EQ(room->GetParent(), house) << "a refused parent keeps the one it had";
    EXPECT_EQ(room->parentName, "House");
}

TEST(GameObject, ReparentingMovesTheChildAndRemoveParentKeepsTheOthers) {
    ScopedObjectStore store;
    GameObjectRef a = SpawnObject("A"), b = SpawnObject("B");
    GameObjectRef first = SpawnObject("First"), second = SpawnObject("Second"), third = SpawnObject("Third");
    for (const auto& child : {first, second, third}) child->SetParent("A");
    EXPECT_EQ(ChildNames(*a), (std::vector<std::string>{"First", "Second", "Third"}));

    second->RemoveParent();
    EXPECT_EQ(ChildNames(*a), (std::vector<std::string>{"First", "Third"}));
    EXPECT_EQ(second->parentName, "none");
    EXPECT_FALSE(second->hasParent);
    EXPECT_FALSE(second->GetParent());
    second->RemoveParent(); // already free: nothing happens

    first->SetParent("B");
    first->SetParent("B");
    EXPECT_EQ(ChildNames(*a), std::vector<std::string>{"Third"});
    EXPECT_EQ(ChildNames(*b), std::vector<std::string>{"First"}) << "no stale or duplicate entries";

    third->SetParent("Nobody");
    EXPECT_TRUE(a->children.empty()) << "a failed lookup also leaves the old parent";
    EXPECT_EQ(third->parentName, "none");
    EXPECT_FALSE(third->hasParent);
}

TEST(GameObject, ParentingCopesWithMissingPiecesAndFreesPairsWithTheList) {
    ScopedObjectStore store;
    // As the level reader leaves it: a parent name but no parent attached yet.
    auto loaded = std::make_shared<GameObject>("Loaded", ObjectType::Wall, 0);
    loaded->parentName = "Room";
    loaded->RemoveParent();
    EXPECT_EQ(loaded->parentName, "none");

    // Neither object has a Transform; an object outside the list can still be attached.
    auto bare = std::make_shared<GameObject>("Bare", ObjectType::Wall, 1);
    GameObjectList.push_back(bare);
    loaded->SetParent("Bare");
    EXPECT_TRUE(loaded->hasParent);
    EXPECT_TRUE(bare->children.empty()) << "only the list's own entry is ever added";

    GameObjectRef room = SpawnObject("Room");
    GameObjectRef lamp = SpawnObject("Lamp");
    lamp->SetParent("Room");
    std::weak_ptr<GameObject> roomAlive = room, lampAlive = lamp;
    room.reset();
    lamp.reset();
    store.Clear();
    EXPECT_TRUE(roomAlive.expired());
    EXPECT_TRUE(lampAlive.expired());
}

TEST(GameObject, ZeroParentScaleKeepsChildrenFinite) {
    ScopedObjectStore store;
    GameObjectRef flat = SpawnObject("Flat", {10, 10, 0}, {64, 64});
    auto flatTransform = flat->GetComponent<Transform>();
    flatTransform->scale = {0, 0, 1};
    flatTransform->Initialize();
    GameObjectRef child = SpawnObject("Child", {30, 50, 1}, {16, 16});
    child->SetParent("Flat");
    auto t = child->GetComponent<Transform>();
    EXPECT_TRUE(Finite(t->parentOffset));
    EXPECT_FLOAT_EQ(t->parentScaleRatio.x, 1);

    for (int frame = 0; frame < 2; ++frame) {
        flat->GetComponent<Transform>()->Update(1 / 60.0f);
        t->upToDate = false;
        t->Update(1 / 60.0f);
    }
    EXPECT_TRUE(Finite(t->position));
    EXPECT_TRUE(Finite(t->scale));
    for (float value : t->modelMatrix.m) EXPECT_TRUE(std::isfinite(value));

    t->SetPosition(5, 5);
    EXPECT_TRUE(Finite(t->parentOffset));
}

TEST(ComponentFactory, EveryKnownNameBuildsItsOwnUninitialisedClass) {
    EXPECT_FALSE(CreateComponent("Sprit"));
    EXPECT_FALSE(CreateComponent(""));
    EXPECT_FALSE(CreateComponent("transform")) << "names are case-sensitive";

    const auto& types = ComponentTypeByName();
    EXPECT_EQ(types.size(), 20u);
    EXPECT_EQ(types.at("Transform"), ComponentType::Transform);
    EXPECT_EQ(types.at("TriggerEvent"), ComponentType::TriggerBase);
    EXPECT_EQ(types.at("Level3Event"), ComponentType::Level3Event);

    std::vector<std::string> names = CreatableComponentNames();
    ASSERT_GE(names.size(), 2u);
    for (size_t i = 0; i < names.size(); ++i) {
        std::shared_ptr<Component> component = CreateComponent(names[i]);
        ASSERT_TRUE(component) << names[i];
        EXPECT_EQ(component->GetTypeName(), names[i]);
        ASSERT_EQ(types.count(names[i]), 1u) << names[i];
        EXPECT_EQ(component->GetType(), types.at(names[i])) << names[i];
        EXPECT_EQ(component->GetOwner(), nullptr);
        if (i > 0) {
            EXPECT_LT(types.at(names[i - 1]), types.at(names[i])) << "rows in component-type order";
        }
    }
}
