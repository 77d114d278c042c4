#include "graphics/Camera.h"

#include <gtest/gtest.h>

#include "graphics/GraphicsSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/SceneSystem.h"
#include "tests/support/ObjectStore.h"

using namespace Framework;

namespace {

// Where a world point lands on a 1280 x 720 screen, in pixels from the top-left.
vec2 ToScreen(const mat4& projection, const mat4& view, vec3 world) {
    vec4 clip = projection * (view * vec4{world.x, world.y, world.z, 1.0f});
    return {(clip.x / clip.w + 1.0f) * 640.0f, (1.0f - clip.y / clip.w) * 360.0f};
}

class CameraView : public ::testing::Test {
protected:
    ScopedObjectStore store;
    std::shared_ptr<Transform> cameraTransform;

    void SetUp() override {
        graphicsSystem->BuildMatrices(1280, 720);
        graphicsSystem->editorCameraInactive = true;
        sceneSystem->scenes.clear();
    }
    void TearDown() override {
        graphicsSystem->editorCameraInactive = true;
        sceneSystem->currentScene = SceneSplash;
        *camera = Camera{};
    }
    void AddCameraObject(vec3 position, vec2 scale) {
        auto object = std::make_shared<GameObject>("Camera", ObjectType::Camera, NextObjectId++);
        cameraTransform = std::make_shared<Transform>(position, scale);
        cameraTransform->SetOwner(object.get());
        object->components.push_back(cameraTransform);
        cameraTransform->Initialize();
        GameObjectList.push_back(object);
    }
    vec2 Lands(vec3 world) {
        graphicsSystem->RenderFrame();
        return ToScreen(graphicsSystem->GetProjection(), graphicsSystem->GetView(), world);
    }
};

TEST_F(CameraView, ProjectionForA1280By720Screen) {
    const mat4 p = graphicsSystem->GetProjection();
    EXPECT_FLOAT_EQ(p.m[0], 2.0f / 1280.0f);
    EXPECT_FLOAT_EQ(p.m[5], 2.0f / 720.0f);
    EXPECT_FLOAT_EQ(p.m[10], -2.0f / 999.0f);
    EXPECT_FLOAT_EQ(p.m[14], -1001.0f / 999.0f);
    EXPECT_FLOAT_EQ(p.m[15], 1.0f);
    EXPECT_FLOAT_EQ(p.m[12], 0.0f);
    EXPECT_FLOAT_EQ(p.m[13], 0.0f);
    // The fixed view is the eye pulled back 100 units.
    const mat4 expected = translate(0, 0, -100);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(graphicsSystem->baseView.m[i], expected.m[i], 1e-5f) << i;
}

TEST_F(CameraView, ZeroSizeFallsBackToFullHd) {
    graphicsSystem->BuildMatrices(0, 0);
    EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[0], 2.0f / 1920.0f);
    EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[5], 2.0f / 1080.0f);
}

TEST_F(CameraView, WithoutACameraObjectTheWorldOriginIsTheScreenCentre) {
    vec2 centre = Lands({0, 0, 0});
    EXPECT_NEAR(centre.x, 640.0f, 1e-3f);
    EXPECT_NEAR(centre.y, 360.0f, 1e-3f);
    vec2 corner = Lands({640, 360, 0});
    EXPECT_NEAR(corner.x, 1280.0f, 1e-3f);
    EXPECT_NEAR(corner.y, 0.0f, 1e-3f);
}

TEST_F(CameraView, CameraObjectPositionLandsInTheCentreAndScaleZooms) {
    AddCameraObject({100, 50, 0}, {1, 1});
    vec2 centre = Lands({100, 50, 0});
    EXPECT_NEAR(centre.x, 640.0f, 1e-3f);
    EXPECT_NEAR(centre.y, 360.0f, 1e-3f);

    cameraTransform->scale = {2, 2, 1};
    vec2 right = Lands({110, 50, 0});
    EXPECT_NEAR(right.x, 660.0f, 1e-3f); // 10 units now cover 20 pixels
    EXPECT_NEAR(right.y, 360.0f, 1e-3f);
}

TEST_F(CameraView, EditorViewFollowsTheSnapshotNotTheObject) {
    AddCameraObject({100, 50, 0}, {1, 1});
    sceneSystem->currentScene = SceneEditor;
    camera->SyncFromCameraObject();
    EXPECT_FLOAT_EQ(camera->GetPosition().x, 100.0f);
    EXPECT_FLOAT_EQ(camera->GetScale().y, 1.0f);
    camera->RebuildMatrix();
    graphicsSystem->editorCameraInactive = false;

    const mat4 before = (graphicsSystem->RenderFrame(true), graphicsSystem->GetView());
    cameraTransform->position = {500, 500, 0};
    cameraTransform->Initialize();
    graphicsSystem->RenderFrame(true);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(graphicsSystem->GetView().m[i], before.m[i]);

    camera->position = {0, 0, 0};
    camera->RebuildMatrix();
    graphicsSystem->RenderFrame(true);
    EXPECT_NE(graphicsSystem->GetView().m[12], before.m[12]);
}

TEST(CameraSnapshot, MatrixIsTranslateRotateScaleOfItsFields) {
    Camera snapshot;
    snapshot.position = {10, 20, 3};
    snapshot.scale = {2, 4};
    snapshot.rotation = 90.0f;
    snapshot.RebuildMatrix();
    // A point at (1, 0): scaled to (2, 0), turned a quarter to (0, 2), then moved by the position.
    vec4 p = snapshot.GetMatrix() * vec4{1, 0, 0, 1};
    EXPECT_NEAR(p.x, 10.0f, 1e-4f);
    EXPECT_NEAR(p.y, 22.0f, 1e-4f);
    EXPECT_NEAR(p.z, 3.0f, 1e-4f);
}

TEST(CameraSnapshot, SyncWithoutACameraObjectChangesNothing) {
    ScopedObjectStore store;
    Camera snapshot;
    snapshot.position = {7, 8, 9};
    snapshot.SyncFromCameraObject();
    EXPECT_FLOAT_EQ(snapshot.GetPosition().x, 7.0f);
}

} // namespace
