#pragma once

#include "objects/GameObject.h"
#include "objects/Transform.h"

// Empties the global object store at the start and the end of a test, as a scene's Unload does.
struct ScopedObjectStore {
    ScopedObjectStore() { Clear(); }
    ~ScopedObjectStore() { Clear(); }
    static void Clear() {
        InteractableObjects.clear();
        GameObjectList.clear();
        NextObjectId = 0;
    }
};

// An object with a Transform (size in pixels), appended to the store the way the editor creates one.
inline GameObjectRef SpawnObject(const std::string& name, vec3 position = {}, vec2 size = {64, 64},
                                 ObjectType type = ObjectType::Floor) {
    auto object = std::make_shared<GameObject>(name, type, NextObjectId++);
    object->AddComponent(std::make_shared<Transform>(position, size), ComponentType::Transform);
    GameObjectList.push_back(object);
    return object;
}
