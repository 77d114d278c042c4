#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "objects/Component.h"
#include "objects/ObjectTypes.h"

// A named thing in the scene: an ordered list of components plus a place in the parent tree.
// GameObjectList owns every object; a parent holds its children strongly and a child holds its
// parent weakly, so clearing the list frees parented pairs too.
class GameObject {
public:
    GameObject(std::string name, ObjectType type, int32_t id);
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    // The first component whose class is exactly T (a class derived from T does not match).
    template <class T> std::shared_ptr<T> GetComponent() const {
        for (const auto& component : components)
            if (component && typeid(*component) == typeid(T)) return std::static_pointer_cast<T>(component);
        return nullptr;
    }

    // Appends the component, sets its owner and initialises it, unless a component of the same
    // type is already held: then the new one is dropped.
    void AddComponent(std::shared_ptr<Component> component, ComponentType type);

    std::string GetName() const { return name; }
    std::shared_ptr<GameObject> GetParent() const { return parent.lock(); }

    // Attaches this object under the first object called parentName, keeping its world placement.
    // A name that matches nothing, this object itself or one of its descendants leaves the object
    // unparented.
    void SetParent(const std::string& parentName);
    void RemoveParent();

    std::vector<std::shared_ptr<Component>> components;
    std::vector<std::shared_ptr<GameObject>> children;
    bool hasParent = false;
    std::weak_ptr<GameObject> parent;
    std::string parentName = "none";
    std::string name;
    int32_t id;
    ObjectType type;

private:
    void DetachFromParent();
    bool IsAncestorOf(const GameObject& other) const;
};

using GameObjectRef = std::shared_ptr<GameObject>;

// Every object of the current scene, in load and creation order. Owns the objects.
extern std::vector<GameObjectRef> GameObjectList;
// Objects that offer an interaction, in level-file order (filled by the level reader).
extern std::vector<GameObjectRef> InteractableObjects;
// The id the next created object takes. Scenes reset it to 0 when they unload.
extern int32_t NextObjectId;

// The first object in GameObjectList named exactly `name`; empty when none is.
GameObjectRef FindObjectByName(const std::string& name);
// The component of exact class T on `object`; empty when there is no object or no such component.
template <class T> std::shared_ptr<T> ComponentOf(const GameObjectRef& object) {
    return object ? object->GetComponent<T>() : nullptr;
}
template <class T> std::shared_ptr<T> ComponentOf(const GameObject* object) {
    return object ? object->GetComponent<T>() : nullptr;
}

// The component of exact class T on the first object called `name`; empty when either is missing.
template <class T> std::shared_ptr<T> FindComponent(const std::string& name) {
    return ComponentOf<T>(FindObjectByName(name));
}

// Whether an object's name begins with `prefix`: whole families of objects ("Bedroom…", "Lamp…")
// answer to one rule.
inline bool NameStartsWith(const std::string& name, const char* prefix) {
    return name.rfind(prefix, 0) == 0;
}

// Every object of type Button, in list order.
std::vector<GameObjectRef> FindButtonObjects();
