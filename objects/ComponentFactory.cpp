#include "objects/ComponentFactory.h"

#include "scenes/Button.h"
#include "gameplay/Player.h"
#include "graphics/Sprite.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/TextSprite.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"

namespace {

template <class T> std::shared_ptr<Component> Make() {
    return std::make_shared<T>();
}

struct FactoryRow {
    const char* name;
    std::shared_ptr<Component> (*create)();
};

// One row per component class, in component-type order. A class joins the level format, the
// editor's list and the level reader with its row here (and its #include above).
const FactoryRow factoryTable[] = {
    {"Transform", Make<Transform>},
    {"Sprite", Make<Sprite>},
    {"Rigidbody", Make<Rigidbody>},
    {"Player", Make<Player>},
    {"TextSprite", Make<TextSprite>},
    {"BoxCollider", Make<BoxCollider>},
    {"ParticleEmitter", Make<ParticleEmitter>},
    {"Button", Make<Button>},
};

} // namespace

std::shared_ptr<Component> CreateComponent(const std::string& name) {
    for (const FactoryRow& row : factoryTable)
        if (name == row.name) return row.create();
    return nullptr;
}

std::vector<std::string> CreatableComponentNames() {
    std::vector<std::string> names;
    for (const FactoryRow& row : factoryTable) names.push_back(row.name);
    return names;
}
