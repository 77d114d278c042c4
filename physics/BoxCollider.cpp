#include "physics/BoxCollider.h"

#include <imgui.h>

#include <algorithm>
#include <memory>

#include "graphics/ShapeTool.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"

bool showAllDebugLines = false;
vec3 debugLineColor{255, 153, 0};

namespace {

std::shared_ptr<Transform> OwnerTransform(GameObject* owner) {
    return ComponentOf<Transform>(owner);
}

bool IsCamera(const GameObject* owner) {
    return owner && owner->name == "Camera";
}

// A zero scale would turn the box into inf or NaN, and NaN boxes overlap everything: such an axis
// keeps its value undivided instead.
float DivideByScale(float value, float scale) {
    return scale != 0 ? value / scale : value;
}

std::string Label(const char* text, int objectId) {
    return text + std::to_string(objectId);
}

} // namespace

BoxCollider::BoxCollider() : Component(ComponentType::BoxCollider) {}

BoxCollider::BoxCollider(float x, float y) : Component(ComponentType::BoxCollider), scale{x, y, 0} {}

bool BoxCollider::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("scale");
    serializer.WriteVec3(scale);
    serializer.WriteString("debugline");
    serializer.WriteBool(debugLine);
    serializer.WriteString("ghosted");
    serializer.WriteBool(ghosted);
    serializer.WriteString("interactable");
    serializer.WriteBool(interactable);
    serializer.WriteString("tobeaddedinteractable");
    serializer.WriteBool(toBeAddedInteractable);
    return true;
}

bool BoxCollider::Deserialize(Serializer& serializer) {
    std::string key;
    return serializer.ReadWord(key) && serializer.ReadVec3(scale) && serializer.ReadWord(key) &&
           serializer.ReadBool(debugLine) && serializer.ReadWord(key) && serializer.ReadBool(ghosted) &&
           serializer.ReadWord(key) && serializer.ReadBool(interactable) && serializer.ReadWord(key) &&
           serializer.ReadBool(toBeAddedInteractable);
}

void BoxCollider::Initialize() {
    componentType = ComponentType::BoxCollider;
    std::shared_ptr<Transform> transform = OwnerTransform(owner);
    if (!transform) return;
    // Scales the default size, not `scale`: the first Update sets the real box.
    if (IsCamera(owner)) {
        size.x = DivideByScale(size.x, transform->scale.x);
        size.y = DivideByScale(size.y, transform->scale.y);
    } else {
        size.x *= transform->scale.x;
        size.y *= transform->scale.y;
    }
    const vec3& position = transform->position;
    min = vec3{position.x - size.x / 2, position.y - size.y / 2, 1};
    max = vec3{position.x + size.x / 2, position.y + size.y / 2, 1};
}

void BoxCollider::Update(float) {
    std::shared_ptr<Transform> transform = OwnerTransform(owner);
    if (!transform) return;
    const vec3& objectScale = transform->scale;
    if (IsCamera(owner)) {
        size = vec3{DivideByScale(scale.x, objectScale.x), DivideByScale(scale.y, objectScale.y),
                    DivideByScale(scale.z, objectScale.z)};
    } else {
        size = vec3{scale.x * objectScale.x, scale.y * objectScale.y, scale.z * objectScale.z};
    }
    const vec3& position = transform->position;
    min = vec3{position.x - size.x / 2, position.y - size.y / 2, 1};
    max = vec3{position.x + size.x / 2, position.y + size.y / 2, 1};

    if ((debugLine || showAllDebugLines) && shapeTool) {
        const vec3 color{debugLineColor.x / 255, debugLineColor.y / 255, debugLineColor.z / 255};
        const vec3 topLeft{min.x, max.y, 1}, bottomRight{max.x, min.y, 1};
        shapeTool->DrawLine(min, bottomRight, color);
        shapeTool->DrawLine(bottomRight, max, color);
        shapeTool->DrawLine(max, topLeft, color);
        shapeTool->DrawLine(topLeft, min, color);
    }
}

void BoxCollider::Inspector(int objectId) {
    if (!ImGui::CollapsingHeader(Label("BoxCollider##", objectId).c_str())) return;
    ImGui::InputFloat2(Label("Collider Scale##", objectId).c_str(), &scale.x);
    ImGui::Checkbox(Label("Debug Lines##", objectId).c_str(), &debugLine);
    ImGui::Checkbox(Label("All Debug Lines##", objectId).c_str(), &showAllDebugLines);
    if (ImGui::InputFloat3(Label("Debug Lines Color##", objectId).c_str(), &debugLineColor.x)) {
        debugLineColor.x = std::clamp(debugLineColor.x, 0.0f, 255.0f);
        debugLineColor.y = std::clamp(debugLineColor.y, 0.0f, 255.0f);
        debugLineColor.z = std::clamp(debugLineColor.z, 0.0f, 255.0f);
    }
    ImGui::Checkbox(Label("Interactable##", objectId).c_str(), &interactable);
    ImGui::Checkbox(Label("To Be Added Interactable##", objectId).c_str(), &toBeAddedInteractable);
    ImGui::Checkbox(Label("Ghost Mode##", objectId).c_str(), &ghosted);
}

void SetGhosted(const std::string& objectName, bool ghosted) {
    if (std::shared_ptr<BoxCollider> box = FindComponent<BoxCollider>(objectName)) box->ghosted = ghosted;
}

void SetInteractable(const std::string& objectName, bool interactable) {
    if (std::shared_ptr<BoxCollider> box = FindComponent<BoxCollider>(objectName))
        box->interactable = interactable;
}
