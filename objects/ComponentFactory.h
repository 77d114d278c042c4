#pragma once

#include <memory>
#include <string>
#include <vector>

#include "objects/Component.h"

// A new, default-constructed component for a level-file name ("Transform", "TriggerEvent", ...):
// not initialised and without an owner. Empty for a name no component class answers to.
std::shared_ptr<Component> CreateComponent(const std::string& name);

// The names CreateComponent knows, in component-type order (the editor's "Add Component" list).
std::vector<std::string> CreatableComponentNames();
