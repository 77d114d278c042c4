#include <gtest/gtest.h>

#include <limits>

#include "physics/Collision.h"
#include "tests/physics/PhysicsTestObjects.h"

TEST(CollisionTest, OverlapIsSymmetricAndTouchingEdgesCount) {
    // A spans x -16..16; B is moved along x so that the gap runs from overlap through touch to apart.
    auto a = MakeBody("A", {0, 0, 0}, {32, 32});
    struct Case {
        float bx;
        bool hit;
    };
    for (Case c : {Case{0, true}, Case{20, true}, Case{32, true}, Case{32.01f, false}, Case{-32, true},
                   Case{-40, false}}) {
        auto b = MakeBody("B", {c.bx, 0, 0}, {32, 32});
        EXPECT_EQ(CollisionIntersection(*a, *b, vec3{}, 0.016f), c.hit) << c.bx;
        EXPECT_EQ(CollisionIntersection(*b, *a, vec3{}, 0.016f), c.hit) << c.bx;
    }
    // Apart on y alone is apart.
    auto above = MakeBody("Above", {0, 40, 0}, {32, 32});
    EXPECT_FALSE(CollisionIntersection(*a, *above, vec3{}, 0.016f));
    // The offset moves A's box only; dt plays no part.
    EXPECT_TRUE(CollisionIntersection(*a, *above, vec3{0, 8, 0}, 0.016f));
    EXPECT_FALSE(CollisionIntersection(*above, *a, vec3{0, 8, 0}, 0.016f));
    EXPECT_TRUE(CollisionIntersection(*a, *above, vec3{0, 8, 0}, 100.0f));
}

TEST(CollisionTest, BothObjectsNeedABodyAndAWellFormedCollider) {
    auto full = MakeBody("Player", {0, 0, 0}, {32, 32});
    auto ghost = MakeBody("Curtain", {10, 0, 0}, {32, 32});
    ghost->GetComponent<BoxCollider>()->ghosted = true; // still overlaps for the query
    auto broken = MakeBody("Broken", {0, 0, 0}, {32, 32});
    broken->GetComponent<BoxCollider>()->max.x = std::numeric_limits<float>::quiet_NaN();
    for (auto [other, hit] : {std::pair{MakeBody("Floor", {0, 0, 0}, {32, 32}, false, true), false},
                              {MakeBody("Floor", {0, 0, 0}, {32, 32}, true, false), false},
                              {ghost, true},
                              {broken, false}}) {
        EXPECT_EQ(CollisionIntersection(*full, *other, vec3{}, 0), hit) << other->name;
        EXPECT_EQ(CollisionIntersection(*other, *full, vec3{}, 0), hit) << other->name;
    }
}
