#include "scenes/Scene.h"

#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
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

void Scene::DrawPlannedSprites(mat4 projection, mat4 view) {
    const std::vector<DrawDecision>& plan =
        Framework::graphicsSystem->PlanFrame(GameObjectList, projection, view);
    for (size_t i = 0; i < GameObjectList.size(); ++i)
        if (plan[i] == DrawDecision::Draw)
            Framework::graphicsSystem->DrawPlanned(i, *ComponentOf<Sprite>(GameObjectList[i]), projection,
                                                   view);
}
