#pragma once

#include <string>

#include "objects/ObjectTypes.h"

class GameObject;
class Serializer;

// Base of every component. A component is owned by exactly one GameObject and keeps a raw pointer
// back to it; it never outlives that object.
class Component {
public:
    explicit Component(ComponentType type) : componentType(type) {}
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    virtual void Initialize() {}
    virtual void Update(float dt) { (void)dt; } // dt: seconds since the last frame
    virtual ComponentType GetType() { return componentType; }
    virtual GameObject* GetOwner() { return owner; }
    // The name level files know this class by ("Transform", "BoxCollider", ...), from its row in the
    // component table.
    virtual std::string GetTypeName();
    virtual void SetOwner(GameObject* newOwner) { owner = newOwner; }
    // Writes the type name, then the stored fields. Returns false when a field holds something that
    // would not read back (for example a word with a blank in it); the level is then not saved.
    virtual bool Serialize(Serializer& serializer);
    // Reads the fields Serialize wrote, in the same order, after the type name. Returns false when
    // a read failed or a value is unusable; the level reader then stops.
    virtual bool Deserialize(Serializer& serializer);
    // Editor widgets; objectId keeps the widget labels unique.
    virtual void Inspector(int objectId) { (void)objectId; }
    virtual ~Component() = default;

    ComponentType componentType;
    GameObject* owner = nullptr;
};
