#pragma once

#include "objects/GameObject.h"
#include "objects/Transform.h"

// Empties the global object store when a test starts and again when it ends, the way a scene's
// Unload does, so tests never see each other's objects.
struct ScopedObjectStore {
    ScopedObjectStore() { Clear(); }
    ~ScopedObjectStore() { Clear(); }
    ScopedObjectStore(const ScopedObjectStore&) = delete;
    ScopedObjectStore& operator=(const ScopedObjectStore&) = delete;

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
