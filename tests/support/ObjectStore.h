#pragma once

#include "objects/GameObject.h"

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
