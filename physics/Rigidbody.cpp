#include "physics/Rigidbody.h"

#include <imgui.h>

#include <memory>

#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"

namespace {

constexpr float kFixedStep = 0.02f;     // seconds: the y step and the velocity step
constexpr float kGravityFactor = 10.0f; // gravity × mass × 10 per frame

std::shared_ptr<Transform> OwnerTransform(GameObject* owner) {
    return ComponentOf<Transform>(owner);
}

std::string Label(const char* text, int objectId) {
    return text + std::to_string(objectId);
}

} // namespace

Rigidbody::Rigidbody(float mass)
    : Component(ComponentType::Rigidbody), mass(mass), inverseMass(mass != 0 ? 1.0f / mass : 0.0f) {}

void Rigidbody::Initialize() {
    componentType = ComponentType::Rigidbody;
    timer = 0;
}

void Rigidbody::Update(float dt) {
    timer += dt;
    const vec2 pull{gravity.x * mass * kGravityFactor, gravity.y * mass * kGravityFactor};
    if (!isJumping) {
        if (useGravity && !isGrounded) {
            acceleration.x += pull.x;
            acceleration.y += pull.y;
        } else {
            acceleration.y = 0;
        }
    } else {
        isGrounded = false;
        acceleration.x += pull.x;
        acceleration.y += pull.y;
        if (acceleration.y <= 0.1f) isJumping = false;
    }
    velocity.x += acceleration.x * kFixedStep;
    // Rising is damped, falling is not: jumps float a little and drops feel heavy.
    const float verticalPush = acceleration.y > 0 ? acceleration.y * 0.5f : acceleration.y;
    velocity.y += verticalPush * kFixedStep;

    std::shared_ptr<Transform> transform = OwnerTransform(owner);
    if (!transform) return;
    transform->upToDate = false;
    transform->position.x += velocity.x * dt;
    transform->position.y += velocity.y * kFixedStep;
}

void Rigidbody::SetPosition(const vec3& position) {
    SetPosition(position.x, position.y, position.z);
}

void Rigidbody::SetPosition(float x, float y, float z) {
    std::shared_ptr<Transform> transform = OwnerTransform(owner);
    if (!transform) return;
    transform->position = vec3{x, y, z};
    transform->upToDate = false;
}

vec3 Rigidbody::GetPosition() const {
    std::shared_ptr<Transform> transform = OwnerTransform(owner);
    return transform ? transform->position : vec3{};
}

bool Rigidbody::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("mass");
    serializer.WriteFloat(mass);
    serializer.WriteString("Gravity");
    serializer.WriteBool(useGravity);
    return true;
}

bool Rigidbody::Deserialize(Serializer& serializer) {
    std::string key;
    return serializer.ReadWord(key) && serializer.ReadFloat(mass) && serializer.ReadWord(key) &&
           serializer.ReadBool(useGravity);
}

void Rigidbody::Inspector(int objectId) {
    if (!ImGui::CollapsingHeader(Label("RigidBody##", objectId).c_str())) return;
    constexpr int massDecimals = 3;
    char massFormat[16];
    std::snprintf(massFormat, sizeof(massFormat), "%%.%df", massDecimals);
    ImGui::InputFloat(Label("Mass##", objectId).c_str(), &mass, 0.0f, 0.0f, massFormat);
    ImGui::Checkbox(Label("Gravity##", objectId).c_str(), &useGravity);
}
