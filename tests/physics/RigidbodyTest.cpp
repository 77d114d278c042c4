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

TEST(RigidbodyTest, GroundedOrGravityFreeBodiesStayPut) {
    auto resting = MakeBody("Player", {10, 20, 3}, {64, 128});
    auto body = resting->GetComponent<Rigidbody>();
    body->useGravity = true; // isGrounded is true by default
    auto statics = MakeBody("Wall", {0, 0, 0}, {64, 64});
    auto fixedBody = statics->GetComponent<Rigidbody>();
    fixedBody->isGrounded = false;
    fixedBody->acceleration.y = -50;

    for (int frame = 0; frame < 120; ++frame) {
        body->Update(1 / 60.0f);
        fixedBody->Update(1 / 60.0f);
    }
    EXPECT_EQ(body->velocity.y, 0);
    EXPECT_FLOAT_EQ(body->GetPosition().y, 20);
    // Without gravity the vertical acceleration is cleared before it can move the body.
    EXPECT_EQ(fixedBody->acceleration.y, 0);
    EXPECT_EQ(fixedBody->GetPosition().y, 0);
}

TEST(RigidbodyTest, AJumpRisesDampedUntilGravityEatsTheKick) {
    auto object = MakeBody("Player", {0, 0, 0}, {64, 128});
    auto body = object->GetComponent<Rigidbody>();
    body->useGravity = true;
    body->isJumping = true;
    body->acceleration.y = 500;

    body->Update(1 / 60.0f);
    EXPECT_FALSE(body->isGrounded);
    EXPECT_TRUE(body->isJumping);
    EXPECT_FLOAT_EQ(body->acceleration.y, 402);
    EXPECT_FLOAT_EQ(body->velocity.y, 402 * 0.5f * 0.02f); // rising is halved

    int frames = 1;
    while (body->isJumping && frames < 100) {
        body->Update(1 / 60.0f);
        ++frames;
    }
    EXPECT_EQ(frames, 6); // 500 - 6 × 98 = -88 is the first value at or below 0.1
    EXPECT_GT(body->GetPosition().y, 0);
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
