#include "objects/GameObject.h"

#include <utility>

#include "objects/Transform.h"

std::vector<GameObjectRef> GameObjectList;
std::vector<GameObjectRef> InteractableObjects;
int32_t NextObjectId = 0;

GameObject::GameObject(std::string name, ObjectType type, int32_t id)
    : name(std::move(name)), id(id), type(type) {}

void GameObject::AddComponent(std::shared_ptr<Component> component, ComponentType type) {
    if (!component) return;
    for (const auto& held : components)
        if (held->GetType() == type) return;
    components.push_back(component);
    component->SetOwner(this);
    component->Initialize();
}

bool GameObject::IsAncestorOf(const GameObject& other) const {
    // SetParent never lets a loop form, but `parent` is a public field: the depth bound keeps a
    // hand-made loop from hanging the game.
    int depth = 0;
    for (GameObjectRef above = other.GetParent(); above && depth < 4096; above = above->GetParent(), ++depth)
        if (above.get() == this) return true;
    return false;
}

void GameObject::DetachFromParent() {
    GameObjectRef former = parent.lock();
    parent.reset();
    hasParent = false;
    if (!former) return;
    auto& siblings = former->children;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() != this) continue;
        std::swap(siblings[i], siblings.back());
        siblings.pop_back();
        return;
    }
}

void GameObject::SetParent(const std::string& newParentName) {
    GameObjectRef found = FindObjectByName(newParentName);
    if (found && (found.get() == this || IsAncestorOf(*found))) {
        // A loop in the tree has no world position; keep whatever parent we had.
        if (!hasParent) parentName = "none";
        return;
    }

    DetachFromParent();
    if (!found) {
        parentName = "none";
        return;
    }
    parentName = newParentName;
    parent = found;
    for (const auto& entry : GameObjectList) {
        if (entry.get() != this) continue;
        found->children.push_back(entry);
        break;
    }

    auto own = GetComponent<Transform>();
    auto parentTransform = found->GetComponent<Transform>();
    if (own && parentTransform) {
        const vec3& ps = parentTransform->scale;
        vec3 offset = own->position - parentTransform->position;
        // A zero parent scale would turn the offset and every later placement into inf/NaN.
        own->parentScaleRatio.x = ps.x != 0 ? own->scale.x / ps.x : 1;
        own->parentScaleRatio.y = ps.y != 0 ? own->scale.y / ps.y : 1;
        own->parentScaleFactor.x = own->parentScaleRatio.x * ps.x / 100;
        own->parentScaleFactor.y = own->parentScaleRatio.y * ps.y / 100;
        if (own->parentScaleFactor.x != 0) offset.x /= own->parentScaleFactor.x;
        if (own->parentScaleFactor.y != 0) offset.y /= own->parentScaleFactor.y;
        own->parentOffset = offset;
    }
    hasParent = true;
}

void GameObject::RemoveParent() {
    if (parentName == "none") return;
    parentName = "none";
    DetachFromParent();
}

GameObjectRef FindObjectByName(const std::string& name) {
    for (const auto& object : GameObjectList)
        if (object && object->name == name) return object;
    return nullptr;
}

std::vector<GameObjectRef> FindButtonObjects() {
    std::vector<GameObjectRef> buttons;
    for (const auto& object : GameObjectList)
        if (object && object->type == ObjectType::Button) buttons.push_back(object);
    return buttons;
}
