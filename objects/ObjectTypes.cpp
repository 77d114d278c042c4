#include "objects/ObjectTypes.h"

const std::map<std::string, ComponentType>& ComponentTypeByName() {
    static const std::map<std::string, ComponentType> names = {
        {"Transform", ComponentType::Transform},
        {"Sprite", ComponentType::Sprite},
        {"Rigidbody", ComponentType::Rigidbody},
        {"Player", ComponentType::Player},
        {"ScriptedEnemy", ComponentType::ScriptedEnemy},
        {"TextSprite", ComponentType::TextSprite},
        {"BoxCollider", ComponentType::BoxCollider},
        {"TriggerEvent", ComponentType::TriggerBase},
        {"LightSwitch", ComponentType::LightSwitch},
        {"DoorLock", ComponentType::DoorLock},
        {"WrapPos", ComponentType::WrapPos},
        {"Lift", ComponentType::Lift},
        {"WaterDrag", ComponentType::WaterDrag},
        {"KeyboardPrompt", ComponentType::KeyboardPrompt},
        {"Level1Event", ComponentType::Level1Event},
        {"ParticleEmitter", ComponentType::ParticleEmitter},
        {"Button", ComponentType::Button},
        {"Level2Event", ComponentType::Level2Event},
        {"StaticEnemy", ComponentType::StaticEnemy},
        {"Level3Event", ComponentType::Level3Event},
    };
    return names;
}
