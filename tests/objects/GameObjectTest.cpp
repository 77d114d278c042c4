#include "objects/GameObject.h"

#include <gtest/gtest.h>

#include "tests/support/ObjectStore.h"

namespace {

TEST(GameObject, ParentingRefusesLoopsAndLeavesNoStaleChildren) {
    ScopedObjectStore store;
    GameObjectRef lamp = SpawnObject("Lamp"), room = SpawnObject("Room"), house = SpawnObject("House");
    for (const char* none : {"none", "Lamp", "Nobody"}) {
        lamp->SetParent(none);
        EXPECT_TRUE(lamp->parentName == "none" && !lamp->hasParent) << none;
    }
    // A loop would have no world position: an ancestor cannot become a child.
    lamp->SetParent("Room");
    room->SetParent("House");
    house->SetParent("Lamp");
    EXPECT_FALSE(house->hasParent);
    room->SetParent("Room");
    EXPECT_EQ(room->GetParent(), house) << "a refused parent keeps the one it had";
    EXPECT_EQ(room->children, std::vector<GameObjectRef>{lamp}) << "the list's own entry, shared";

    GameObjectRef other = SpawnObject("Other");
    lamp->SetParent("Other");
    lamp->SetParent("Other");
    EXPECT_TRUE(room->children.empty());
    EXPECT_EQ(other->children, std::vector<GameObjectRef>{lamp}) << "no stale or duplicate entries";
    lamp->RemoveParent();
    EXPECT_TRUE(other->children.empty() && lamp->parentName == "none" && !lamp->GetParent());
}

} // namespace
