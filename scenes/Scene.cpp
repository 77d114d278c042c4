#include "scenes/Scene.h"

#include "objects/GameObject.h"

void Scene::Unload() {
    InteractableObjects.clear();
    GameObjectList.clear();
    NextObjectId = 0;
}

void Scene::InitializeObjects() {
    // By index: a component's Initialize may append objects to the list.
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        GameObjectRef object = GameObjectList[i];
        for (size_t c = 0; c < object->components.size(); ++c) {
            std::shared_ptr<Component> component = object->components[c];
            if (component) component->Initialize();
        }
        if (object->parentName != "none") object->SetParent(object->parentName);
    }
}

void Scene::UpdateObjects(float dt) {
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        if (skipObjectUpdates) {
            skipObjectUpdates = false;
            return;
        }
        // Held by copy: a component may remove its own object (or the whole scene) mid-walk.
        GameObjectRef object = GameObjectList[i];
        // The count is re-read each step, so a component appended now is updated this frame.
        for (size_t c = 0; c < object->components.size(); ++c) {
            std::shared_ptr<Component> component = object->components[c];
            if (component) component->Update(dt);
        }
    }
}
