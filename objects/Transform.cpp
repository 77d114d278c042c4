#include "objects/Transform.h"

#include <imgui.h>

#include "objects/GameObject.h"
#include "objects/Serializer.h"

Transform::Transform() : Transform(vec3{0, 0, 0}, vec2{1, 1}) {}

Transform::Transform(vec3 position, vec2 scale)
    : Component(ComponentType::Transform), position(position),
      positionInUnits(position), scale{scale.x, scale.y, 1}, originalScale{scale.x, scale.y, 1} {}

float Transform::PixelsPerUnit() const {
    // The editor can type 0 into the pixels-per-unit field; dividing by it would poison every unit value.
    return pixelsPerUnit == 0 ? 1.0f : static_cast<float>(pixelsPerUnit);
}

std::shared_ptr<Transform> Transform::ParentTransform() const {
    if (!owner || !owner->hasParent) return nullptr;
    GameObjectRef parent = owner->GetParent();
    return ComponentOf<Transform>(parent);
}

void Transform::Initialize() {
    componentType = ComponentType::Transform;
    modelMatrix =
        translate(position.x, position.y, position.z) * rotateZ(rotation) * ::scale(scale.x, scale.y, 1);
}

void Transform::Update(float) {
    if (upToDate) return;

    std::shared_ptr<Transform> parent = ParentTransform();
    if (!parent) {
        modelMatrix =
            translate(position.x, position.y, position.z) * rotateZ(rotation) * ::scale(scale.x, scale.y, 1);
    } else {
        const mat4& parentMatrix = parent->modelMatrix;
        vec3 r = rotateZ3(parent->rotation) * parentOffset;
        bool invertible = false;
        mat4 parentInverse = Inverse(parentMatrix, &invertible);
        // The offset's y enters negated; the shipped levels' child placement is built on it. A parent
        // squashed to zero size has no inverse: the child keeps its last matrix then.
        if (invertible) {
            vec4 q = parentInverse * vec4{r.x, -r.y, r.z, 0};
            modelMatrix = parentMatrix *
                          translate(parentScaleFactor.x * q.x, parentScaleFactor.y * q.y, q.z) *
                          rotateZ(rotation) * ::scale(parentScaleRatio.x, parentScaleRatio.y, 1);
        }
        scale.x = parent->scale.x * parentScaleRatio.x;
        scale.y = parent->scale.y * parentScaleRatio.y;
        position = parent->position + vec3{parentScaleFactor.x * r.x, parentScaleFactor.y * r.y, r.z};
    }

    if (owner)
        for (const auto& child : owner->children)
            if (auto childTransform = ComponentOf<Transform>(child))
                childTransform->upToDate = false;
    upToDate = true;
}

mat4 Transform::GetCameraMatrix() const {
    if (!owner || owner->type != ObjectType::Camera) return modelMatrix;
    const float degreesToRadians = 3.1415927f / 180.0f;
    return ::scale(scale.x, scale.y, 1) * rotateZ(rotation * degreesToRadians) *
           translate(-position.x, -position.y, position.z);
}

void Transform::SetPosition(float x, float y) {
    if (std::shared_ptr<Transform> parent = ParentTransform()) {
        float dx = x - parent->position.x, dy = y - parent->position.y;
        parentOffset.x = parentScaleFactor.x != 0 ? dx / parentScaleFactor.x : dx;
        parentOffset.y = parentScaleFactor.y != 0 ? dy / parentScaleFactor.y : dy;
    } else {
        position.x = x;
        position.y = y;
    }
    upToDate = false;
    positionInUnits = position / PixelsPerUnit();
}

void Transform::SetScale(float x, float y) {
    // Written as !(v > 0) so that NaN, too, falls back to 1.
    scale.x = !(x > 0) ? 1 : x;
    scale.y = !(y > 0) ? 1 : y;
    if (std::shared_ptr<Transform> parent = ParentTransform()) {
        parentScaleRatio.x = parent->scale.x != 0 ? scale.x / parent->scale.x : 1;
        parentScaleRatio.y = parent->scale.y != 0 ? scale.y / parent->scale.y : 1;
    }
    if (owner)
        for (const auto& child : owner->children) {
            auto childTransform = ComponentOf<Transform>(child);
            if (!childTransform) continue;
            childTransform->parentScaleFactor.x = childTransform->parentScaleRatio.x * scale.x / 100;
            childTransform->parentScaleFactor.y = childTransform->parentScaleRatio.y * scale.y / 100;
        }
    upToDate = false;
    scaleInUnits = scale / PixelsPerUnit();
}

bool Transform::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("position");
    serializer.WriteVec3(position);
    serializer.WriteString("rotate");
    serializer.WriteFloat(rotation);
    serializer.WriteString("originalscale");
    serializer.WriteVec3(originalScale);
    serializer.WriteString("scale");
    serializer.WriteVec3(scale);
    return true;
}

bool Transform::Deserialize(Serializer& serializer) {
    std::string key;
    bool ok = serializer.ReadWord(key) && serializer.ReadVec3(position) && serializer.ReadWord(key) &&
              serializer.ReadFloat(rotation) && serializer.ReadWord(key) &&
              serializer.ReadVec3(originalScale) && serializer.ReadWord(key) && serializer.ReadVec3(scale);
    scaleInUnits = scale / PixelsPerUnit();
    positionInUnits = position / PixelsPerUnit();
    return ok;
}

void Transform::Inspector(int objectId) {
    const std::string id = std::to_string(objectId);
    if (!ImGui::CollapsingHeader(("Transform##" + id).c_str())) return;
    float shown[2] = {position.x, position.y};
    if (ImGui::DragFloat2(("Position##" + id).c_str(), shown)) SetPosition(shown[0], shown[1]);
    float size[2] = {scale.x, scale.y};
    if (ImGui::DragFloat2(("Scale##" + id).c_str(), size)) SetScale(size[0], size[1]);
    ImGui::Text("Object Scale : %.2f %.2f", scaleInUnits.x, scaleInUnits.y);
    if (ImGui::SliderAngle(("Rotation##" + id).c_str(), &rotation, -360.0f, 360.0f, "%.0f deg"))
        upToDate = false;
    // Converted only when edited: writing the degrees back every frame would let the radians drift.
    const float degreesPerRadian = 180.0f / 3.1415927f;
    float degrees = rotation * degreesPerRadian;
    if (ImGui::InputFloat(("Rotation Input##" + id).c_str(), &degrees, 0, 0, "%.2f",
                          ImGuiInputTextFlags_EnterReturnsTrue)) {
        rotation = degrees / degreesPerRadian;
        upToDate = false;
    }
}
