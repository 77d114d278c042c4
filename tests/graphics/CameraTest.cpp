#include "graphics/Camera.h"

#include <gtest/gtest.h>

#include "graphics/GraphicsSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "tests/support/ObjectStore.h"

using namespace Framework;

namespace {

class CameraView : public ::testing::Test {
protected:
    ScopedObjectStore store;

    void SetUp() override { graphicsSystem->BuildMatrices(1280, 720); }
    // Where a world point lands on the 1280 x 720 screen, in pixels from the top-left.
    vec2 Lands(vec3 world) {
        graphicsSystem->RenderFrame();
        const vec4 clip = graphicsSystem->GetProjection() *
                          (graphicsSystem->GetView() * vec4{world.x, world.y, world.z, 1});
        return {(clip.x / clip.w + 1.0f) * 640.0f, (1.0f - clip.y / clip.w) * 360.0f};
    }
    void ExpectLands(vec3 world, float x, float y) {
        const vec2 screen = Lands(world);
        EXPECT_NEAR(screen.x, x, 1e-3f) << world.x << ", " << world.y;
        EXPECT_NEAR(screen.y, y, 1e-3f) << world.x << ", " << world.y;
    }
};

TEST_F(CameraView, TheCameraObjectIsTheScreenCentreAndItsScaleZooms) {
    ExpectLands({0, 0, 0}, 640, 360); // no camera object: the world origin
    ExpectLands({640, 360, 0}, 1280, 0);

    auto transform =
        SpawnObject("Camera", {100, 50, 0}, {1, 1}, ObjectType::Camera)->GetComponent<Transform>();
    ExpectLands({100, 50, 0}, 640, 360);
    transform->scale = {2, 2, 1};
    ExpectLands({110, 50, 0}, 660, 360); // 10 units now cover 20 pixels

    // A minimised start reports 0 x 0: the view is laid out for full HD.
    graphicsSystem->BuildMatrices(0, 0);
    EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[0], 2.0f / 1920.0f);
    EXPECT_FLOAT_EQ(graphicsSystem->GetProjection().m[5], 2.0f / 1080.0f);
}

} // namespace
