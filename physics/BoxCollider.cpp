#include "physics/BoxCollider.h"

#include "objects/Serializer.h"

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
