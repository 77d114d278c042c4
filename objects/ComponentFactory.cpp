#include "objects/ComponentFactory.h"

#include "gameplay/DoorLock.h"
#include "gameplay/KeyboardPrompt.h"
#include "gameplay/Level1Event.h"
#include "gameplay/Level2Event.h"
#include "gameplay/Level3Event.h"
#include "gameplay/Lift.h"
#include "gameplay/LightSwitch.h"
#include "gameplay/Player.h"
#include "gameplay/ScriptedEnemy.h"
#include "gameplay/StaticEnemy.h"
#include "gameplay/TriggerBase.h"
#include "gameplay/WaterDrag.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"
#include "scenes/Button.h"

namespace {

template <class T> std::shared_ptr<Component> Make() {
    return std::make_shared<T>();
}

} // namespace

const std::vector<ComponentRow>& ComponentTable() {
    static const std::vector<ComponentRow> table = {
        {"Transform", ComponentType::Transform, Make<Transform>},
        {"Sprite", ComponentType::Sprite, Make<Sprite>},
        {"Rigidbody", ComponentType::Rigidbody, Make<Rigidbody>},
        {"Player", ComponentType::Player, Make<Player>},
        {"ScriptedEnemy", ComponentType::ScriptedEnemy, Make<ScriptedEnemy>},
        {"TextSprite", ComponentType::TextSprite, Make<TextSprite>},
        {"BoxCollider", ComponentType::BoxCollider, Make<BoxCollider>},
        {"TriggerEvent", ComponentType::TriggerBase, Make<TriggerBase>},
        {"LightSwitch", ComponentType::LightSwitch, Make<LightSwitch>},
        {"DoorLock", ComponentType::DoorLock, Make<DoorLock>},
        {"WrapPos", ComponentType::WrapPos, Make<WrapPos>},
        {"Lift", ComponentType::Lift, Make<Lift>},
        {"WaterDrag", ComponentType::WaterDrag, Make<WaterDrag>},
        {"KeyboardPrompt", ComponentType::KeyboardPrompt, Make<KeyboardPrompt>},
        {"Level1Event", ComponentType::Level1Event, Make<Level1Event>},
        {"Level2Event", ComponentType::Level2Event, Make<Level2Event>},
        {"ParticleEmitter", ComponentType::ParticleEmitter, Make<ParticleEmitter>},
        {"Button", ComponentType::Button, Make<Button>},
        {"StaticEnemy", ComponentType::StaticEnemy, Make<StaticEnemy>},
        {"Level3Event", ComponentType::Level3Event, Make<Level3Event>},
    };
    return table;
}

std::shared_ptr<Component> CreateComponent(const std::string& name) {
    for (const ComponentRow& row : ComponentTable())
        if (name == row.name) return row.create();
    return nullptr;
}

std::string ComponentName(ComponentType type) {
    for (const ComponentRow& row : ComponentTable())
        if (row.type == type) return row.name;
    return {};
}

std::vector<std::string> CreatableComponentNames() {
    std::vector<std::string> names;
    for (const ComponentRow& row : ComponentTable()) names.push_back(row.name);
    return names;
}

const std::map<std::string, ComponentType>& ComponentTypeByName() {
    static const std::map<std::string, ComponentType> names = [] {
        std::map<std::string, ComponentType> byName;
        for (const ComponentRow& row : ComponentTable()) byName[row.name] = row.type;
        return byName;
    }();
    return names;
}
