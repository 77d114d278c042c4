#include "objects/Transform.h"

#include <gtest/gtest.h>

#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/Sandbox.h"

namespace {

std::shared_ptr<Transform> TransformOf(const GameObjectRef& object) {
    return object->GetComponent<Transform>();
}

// One frame of the scene's component walk, in list order.
void UpdateAll() {
    for (const auto& object : GameObjectList)
        for (size_t i = 0; i < object->components.size(); ++i) object->components[i]->Update(1 / 60.0f);
}

vec4 Apply(const mat4& m, float x, float y) {
    return m * vec4{x, y, 0, 1};
}

} // namespace

TEST(Transform, ConstructionAndLoadingFillTheUnitFields) {
    Transform made({128, 64, 3}, {32, 16});
    EXPECT_FLOAT_EQ(made.positionInUnits.x, 128) << "construction copies the position as it is";
    EXPECT_FLOAT_EQ(made.scaleInUnits.x, 1);

    Sandbox box;
    std::string path = (box.root() / "transform.txt").string();
    Serializer out;
    ASSERT_TRUE(out.OpenWrite(path));
    out.WriteString("position 32 -64 2 rotate 1.5708 originalscale 64 128 1 scale 64 128 1");
    out.Close();
    Serializer in;
    ASSERT_TRUE(in.OpenRead(path));
    Transform loaded;
    ASSERT_TRUE(loaded.Deserialize(in));
    EXPECT_FLOAT_EQ(loaded.rotation, 1.5708f) << "stored in radians";
    EXPECT_FLOAT_EQ(loaded.scaleInUnits.x, 1);
    EXPECT_FLOAT_EQ(loaded.scaleInUnits.y, 2);
    EXPECT_FLOAT_EQ(loaded.scaleInUnits.z, 1.0f / 64);
    EXPECT_FLOAT_EQ(loaded.positionInUnits.x, 0.5f);
    EXPECT_FLOAT_EQ(loaded.positionInUnits.y, -1);
    EXPECT_FALSE(loaded.Deserialize(in)) << "nothing more to read";
}

TEST(Transform, UpdateRebuildsTheModelMatrixOnlyAfterAMove) {
    ScopedObjectStore store;
    GameObjectRef crate = SpawnObject("Crate", {100, 50, 0}, {64, 32});
    auto t = TransformOf(crate);
    t->rotation = 3.14159265f / 2;
    t->upToDate = false;
    t->Update(0);
    vec4 corner = Apply(t->GetModelMatrix(), 0.5f, 0.5f);
    EXPECT_NEAR(corner.x, 84, 1e-4f);
    EXPECT_NEAR(corner.y, 82, 1e-4f);
    EXPECT_TRUE(t->upToDate);

    t->position.x = 500; // moved without clearing upToDate: the matrix stays
    t->Update(0);
    EXPECT_NEAR(t->modelMatrix.at(0, 3), 100, 1e-4f);

    t->SetPosition(300, -20);
    EXPECT_FALSE(t->upToDate);
    EXPECT_FLOAT_EQ(t->positionInUnits.x, 300.0f / 64);
    t->Update(0);
    EXPECT_NEAR(t->modelMatrix.at(0, 3), 300, 1e-4f);
    EXPECT_NEAR(t->modelMatrix.at(1, 3), -20, 1e-4f);

    t->SetScale(0, -3);
    EXPECT_FLOAT_EQ(t->scale.x, 1) << "0 and below become 1";
    EXPECT_FLOAT_EQ(t->scale.y, 1);
    t->SetScale(128, 256);
    EXPECT_FLOAT_EQ(t->scaleInUnits.y, 4);
}

TEST(Transform, ChildFollowsItsParentOnTheNextUpdate) {
    ScopedObjectStore store;
    GameObjectRef room = SpawnObject("Room", {0, 0, 0}, {100, 100});
    GameObjectRef lamp = SpawnObject("Lamp", {50, 20, 1}, {50, 50});
    lamp->SetParent("Room");
    UpdateAll();
    auto parent = TransformOf(room), child = TransformOf(lamp);
    EXPECT_NEAR(child->position.x, 50, 1e-4f);
    EXPECT_NEAR(child->position.y, 20, 1e-4f);

    parent->SetPosition(parent->position.x + 10, parent->position.y);
    UpdateAll();
    EXPECT_NEAR(child->position.x, 60, 1e-4f);
    EXPECT_NEAR(child->position.y, 20, 1e-4f);
    EXPECT_NEAR(child->modelMatrix.at(0, 3), 60, 1e-4f);
    // The offset's y enters the matrix mirrored: the child is drawn at parent y - 20.
    EXPECT_NEAR(child->modelMatrix.at(1, 3), -20, 1e-4f);

    parent->SetScale(200, 200);
    UpdateAll();
    EXPECT_NEAR(child->scale.x, 100, 1e-4f) << "scaling the parent by two doubles the child";
    EXPECT_NEAR(child->scale.y, 100, 1e-4f);
    EXPECT_NEAR(child->position.x, 110, 1e-4f) << "and its distance from the parent";

    // With a parent, SetPosition moves the offset; the next update puts the child there.
    child->SetPosition(-40, 70);
    UpdateAll();
    EXPECT_NEAR(child->position.x, -40, 1e-4f);
    EXPECT_NEAR(child->position.y, 70, 1e-4f);

    lamp->RemoveParent();
    child->SetPosition(5, 5);
    UpdateAll();
    EXPECT_NEAR(child->position.x, 5, 1e-4f);
}

TEST(Transform, AChildListedBeforeItsParentLagsOneFrame) {
    ScopedObjectStore store;
    GameObjectRef lamp = SpawnObject("Lamp", {50, 0, 0}, {50, 50});
    GameObjectRef room = SpawnObject("Room", {0, 0, 0}, {100, 100});
    lamp->SetParent("Room");
    UpdateAll();
    TransformOf(room)->SetPosition(30, 0);
    UpdateAll();
    EXPECT_NEAR(TransformOf(lamp)->modelMatrix.at(0, 3), 50, 1e-4f) << "still the parent's old matrix";
    UpdateAll();
    EXPECT_NEAR(TransformOf(lamp)->modelMatrix.at(0, 3), 80, 1e-4f);
}

TEST(Transform, CameraMatrixMovesTheCameraPositionToTheCentre) {
    ScopedObjectStore store;
    GameObjectRef camera = SpawnObject("Camera", {100, 50, 0}, {2, 2}, ObjectType::Camera);
    auto t = TransformOf(camera);
    vec4 centre = Apply(t->GetCameraMatrix(), 100, 50);
    EXPECT_NEAR(centre.x, 0, 1e-4f);
    EXPECT_NEAR(centre.y, 0, 1e-4f);
    vec4 right = Apply(t->GetCameraMatrix(), 101, 50);
    EXPECT_NEAR(right.x, 2, 1e-4f) << "a larger scale zooms in";

    t->rotation = 90; // read in degrees for the camera
    vec4 turned = Apply(t->GetCameraMatrix(), 101, 50);
    EXPECT_NEAR(turned.x, 0, 1e-4f);
    EXPECT_NEAR(turned.y, 2, 1e-4f);

    GameObjectRef crate = SpawnObject("Crate", {100, 50, 0}, {2, 2});
    mat4 model = TransformOf(crate)->GetModelMatrix();
    mat4 asCamera = TransformOf(crate)->GetCameraMatrix();
    for (int i = 0; i < 16; ++i) EXPECT_EQ(model.m[i], asCamera.m[i]);
}

TEST(Transform, InspectorShowsDegreesAndLeavesUntouchedFieldsAlone) {
    HeadlessGui gui;
    Transform transform({12.5f, -40, 0}, {64, 128});
    transform.scaleInUnits = {1, 2, 1.0f / 64};
    transform.rotation = 3.14159265f / 2;
    transform.upToDate = true;
    std::string text;
    for (int frame = 0; frame < 3; ++frame) text = gui.InspectorText(transform, 7);
    EXPECT_NE(text.find("90 deg"), std::string::npos) << text;
    EXPECT_NE(text.find("Rotation Input"), std::string::npos) << text;
    EXPECT_NE(text.find("Object Scale : 1.00 2.00"), std::string::npos) << text;
    EXPECT_EQ(text.find("##7"), std::string::npos) << "labels hide their id suffix: " << text;
    EXPECT_EQ(transform.rotation, 3.14159265f / 2) << "the radians do not drift through the degree fields";
    EXPECT_EQ(transform.position.x, 12.5f);
    EXPECT_EQ(transform.scale.y, 128);
    EXPECT_TRUE(transform.upToDate);
}
