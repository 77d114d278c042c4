#include <gtest/gtest.h>

#include <cmath>

#include "tests/physics/PhysicsTestObjects.h"

namespace {

void ExpectVec3(const vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

TEST(BoxColliderTest, BoxFollowsTheTransformScaleAndPosition) {
    auto object = MakeBody("Cupboard", {100, 100, 0}, {64, 128}, false);
    auto box = object->GetComponent<BoxCollider>();
    ExpectVec3(box->GetMin(), 68, 36, 1); // sized by the Transform on Initialize
    box->scale = vec3{2, 1, 1};
    box->Update(0.016f);
    ExpectVec3(box->GetMin(), 36, 36, 1);
    ExpectVec3(box->GetMax(), 164, 164, 1);

    BoxCollider ownerless; // nothing to follow, nothing to crash on
    ownerless.Initialize();
    ownerless.Update(0.016f);
    ExpectVec3(ownerless.GetMin(), 0, 0, 0);
}

TEST(BoxColliderTest, CameraBoxCoversTheVisibleAreaAndSurvivesAZeroZoom) {
    auto camera = std::make_shared<GameObject>("Camera", ObjectType::Camera, 0);
    camera->AddComponent(std::make_shared<Transform>(vec3{0, 0, 0}, vec2{2, 2}), ComponentType::Transform);
    camera->AddComponent(std::make_shared<BoxCollider>(1920.0f, 1080.0f), ComponentType::BoxCollider);
    auto box = camera->GetComponent<BoxCollider>();
    box->Update(0.016f);
    ExpectVec3(box->GetMin(), -480, -270, 1);
    camera->GetComponent<Transform>()->scale = vec3{0, 0, 0};
    box->Update(0.016f);
    EXPECT_TRUE(std::isfinite(box->GetMin().x) && std::isfinite(box->GetMax().y));
    ExpectVec3(box->size, 1920, 1080, 0);
}

} // namespace
