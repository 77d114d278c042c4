#include "graphics/Camera.h"

#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace Framework {

std::shared_ptr<Camera> camera = std::make_shared<Camera>();

namespace {
constexpr float degreesToRadians = 3.1415927f / 180.0f;
}

void Camera::SyncFromCameraObject() {
    GameObjectRef object = FindObjectByName("Camera");
    std::shared_ptr<Transform> transform = ComponentOf<Transform>(object);
    if (!transform) return;
    position = transform->GetPosition();
    scale = {transform->scale.x, transform->scale.y};
    rotation = transform->rotation;
    matrix = transform->GetModelMatrix();
}

void Camera::RebuildMatrix() {
    matrix = translate(position.x, position.y, position.z) * rotateZ(rotation * degreesToRadians) *
             ::scale(scale.x, scale.y, 1.0f);
}

} // namespace Framework
