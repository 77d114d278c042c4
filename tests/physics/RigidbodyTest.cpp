#include <gtest/gtest.h>

#include "tests/physics/PhysicsTestObjects.h"

TEST(RigidbodyTest, FallingGainsMinus98AccelerationPerFrameInFixedYStepsWhileXFollowsTheFrameTime) {
    auto slow = MakeBody("A", {0, 500, 0}, {1, 1}), fast = MakeBody("B", {0, 500, 0}, {1, 1});
    auto a = slow->GetComponent<Rigidbody>(), b = fast->GetComponent<Rigidbody>();
    for (auto& body : {a, b}) {
        body->useGravity = true;
        body->isGrounded = false;
        body->velocity.x = 120;
    }
    a->Update(1 / 30.0f);
    EXPECT_FLOAT_EQ(a->acceleration.y, -98.0f);
    EXPECT_FLOAT_EQ(a->velocity.y, -1.96f);
    EXPECT_FLOAT_EQ(a->GetPosition().y, 500 - 1.96f * 0.02f);
    EXPECT_FALSE(slow->GetComponent<Transform>()->upToDate);
    b->Update(1 / 120.0f);
    for (int frame = 1; frame < 30; ++frame) a->Update(1 / 30.0f), b->Update(1 / 120.0f);
    EXPECT_FLOAT_EQ(a->acceleration.y, -98.0f * 30) << "acceleration keeps accumulating in the air";
    EXPECT_FLOAT_EQ(a->GetPosition().y, b->GetPosition().y);
    EXPECT_NEAR(a->GetPosition().x, 120.0f, 1e-3f);
    EXPECT_NEAR(b->GetPosition().x, 30.0f, 1e-3f);
}

TEST(RigidbodyTest, AMasslessBodyWithoutATransformNeitherDividesByZeroNorCrashes) {
    Rigidbody loose(0.0f);
    EXPECT_EQ(loose.inverseMass, 0);
    loose.useGravity = true;
    loose.isGrounded = false;
    loose.Update(0.016f);
    loose.SetPosition(1, 2, 3);
    EXPECT_EQ(loose.GetPosition().x, 0);
}
