#pragma once

#include <array>
#include <cstdint>

// The values of both enumerations are stored in level files; never renumber them.

enum class ObjectType : int32_t {
    Floor = 0,
    Wall = 1,
    Hiding = 2,
    Player = 3,
    Background = 4,
    Enemy = 5,
    Camera = 6,
    TriggerEvent = 7,
    LightSwitch = 8,
    Boundary = 9,
    Lock = 10,
    WrapPos = 11,
    HUD = 12,
    Lift = 13,
    LiftButton = 14,
    Dialogue = 15,
    WaterDrag = 16,
    Transition = 17,
    Button = 18,
};

constexpr int32_t ObjectTypeCount = 19;

// Display names by value, as the editor lists them.
constexpr std::array<const char*, ObjectTypeCount> ObjectTypeNames = {
    "Floor",        "Wall",        "Hiding",    "Player",     "Background", "Enemy", "Camera",
    "TriggerEvent", "LightSwitch", "Boundary",  "Lock",       "WrapPos",    "HUD",   "Lift",
    "LiftButton",   "Dialogue",    "WaterDrag", "Transition", "Button"};

enum class ComponentType : int32_t {
    Transform = 0,
    Sprite = 1,
    Rigidbody = 2,
    Player = 3,
    ScriptedEnemy = 4,
    TextSprite = 5,
    BoxCollider = 6,
    TriggerBase = 7, // stored as "TriggerEvent"
    LightSwitch = 8,
    DoorLock = 9,
    WrapPos = 10,
    Lift = 11,
    WaterDrag = 12,
    KeyboardPrompt = 13,
    Level1Event = 14,
    ParticleEmitter = 15,
    Button = 16,
    Level2Event = 17,
    StaticEnemy = 18,
    Level3Event = 19,
};

constexpr int32_t ComponentTypeCount = 20;
