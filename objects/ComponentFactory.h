#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "objects/Component.h"

// One row per component class: the name level files know it by, its stored type value and how to
// make one. Adding a component class to the game is adding its row.
struct ComponentRow {
    const char* name;
    ComponentType type;
    std::shared_ptr<Component> (*create)();
};

// Every row, in component-type order (the editor's "Add Component" list).
const std::vector<ComponentRow>& ComponentTable();

// A new, default-constructed component for a level-file name ("Transform", "Sprite", ...): not
// initialised and without an owner. Empty for a name no row has.
std::shared_ptr<Component> CreateComponent(const std::string& name);

// The level-file name of a component type; empty for a type no row has.
std::string ComponentName(ComponentType type);

// The names CreateComponent knows, in component-type order.
std::vector<std::string> CreatableComponentNames();

// Name -> type for every row.
const std::map<std::string, ComponentType>& ComponentTypeByName();
