#include <gtest/gtest.h>

#include <cmath>

#include "graphics/ShapeTool.h"
#include "scenes/SceneSystem.h"
#include "tests/physics/PhysicsTestObjects.h"

namespace {

void ExpectVec3(const vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

} // namespace

TEST(BoxColliderTest, BoxFollowsTheTransformScaleAndPosition) {
    auto object = MakeBody("Cupboard", {100, 100, 0}, {64, 128}, false);
    auto box = object->GetComponent<BoxCollider>();
    // Initialize sizes the default box by the Transform scale.
    ExpectVec3(box->size, 64, 128, 1);
    ExpectVec3(box->GetMin(), 68, 36, 1);

    box->scale = vec3{2, 1, 1};
    box->Update(0.016f);
    ExpectVec3(box->size, 128, 128, 1);
    ExpectVec3(box->GetMin(), 36, 36, 1);
    ExpectVec3(box->GetMax(), 164, 164, 1);

    // Listed after the Rigidbody, the box sees this frame's move.
    auto falling = MakeBody("Crate", {0, 0, 0}, {10, 10});
    auto body = falling->GetComponent<Rigidbody>();
    body->velocity.y = -100;
    UpdateAll(*falling, 0.016f);
    EXPECT_FLOAT_EQ(falling->GetComponent<BoxCollider>()->GetMin().y, -2 - 5);
}

TEST(BoxColliderTest, CameraBoxCoversTheVisibleAreaAndSurvivesAZeroZoom) {
    auto camera = std::make_shared<GameObject>("Camera", ObjectType::Camera, 0);
    camera->AddComponent(std::make_shared<Transform>(vec3{0, 0, 0}, vec2{2, 2}), ComponentType::Transform);
    camera->AddComponent(std::make_shared<BoxCollider>(1920.0f, 1080.0f), ComponentType::BoxCollider);
    auto box = camera->GetComponent<BoxCollider>();
    box->Update(0.016f);
    ExpectVec3(box->size, 960, 540, 0);
    ExpectVec3(box->GetMin(), -480, -270, 1);

    camera->GetComponent<Transform>()->scale = vec3{0, 0, 0};
    box->Update(0.016f);
    EXPECT_TRUE(std::isfinite(box->GetMin().x) && std::isfinite(box->GetMax().y));
    ExpectVec3(box->size, 1920, 1080, 0);
}

TEST(BoxColliderTest, WithoutATransformTheBoxStaysWhereItWas) {
    auto object = std::make_shared<GameObject>("Loose", ObjectType::Wall, 0);
    object->AddComponent(std::make_shared<BoxCollider>(), ComponentType::BoxCollider);
    auto box = object->GetComponent<BoxCollider>();
    box->Update(0.016f);
    ExpectVec3(box->GetMin(), 0, 0, 0);
    ExpectVec3(box->size, 1, 1, 1);
    BoxCollider ownerless;
    ownerless.Initialize();
    ownerless.Update(0.016f);
}

TEST(BoxColliderTest, OutlinesAreQueuedOnlyInTheEditor) {
    auto object = MakeBody("Wall", {0, 0, 0}, {32, 32}, false);
    auto box = object->GetComponent<BoxCollider>();
    box->debugLine = true;
    shapeTool->lineVertices.clear();
    shapeTool->lineColors.clear();

    shapeTool->editorActive = false;
    box->Update(0.016f);
    EXPECT_TRUE(shapeTool->lineVertices.empty());

    shapeTool->editorActive = true;
    box->Update(0.016f);
    ASSERT_EQ(shapeTool->lineVertices.size(), 8u);
    ExpectVec3(shapeTool->lineColors[0], 1.0f, 0.6f, 0.0f);
    ExpectVec3(shapeTool->lineVertices[0], -16, -16, 1);
    box->debugLine = false;
    box->Update(0.016f);
    EXPECT_EQ(shapeTool->lineVertices.size(), 8u);
    showAllDebugLines = true;
    box->Update(0.016f);
    EXPECT_EQ(shapeTool->lineVertices.size(), 16u);

    showAllDebugLines = false;
    shapeTool->editorActive = false;
    shapeTool->lineVertices.clear();
    shapeTool->lineColors.clear();
}
