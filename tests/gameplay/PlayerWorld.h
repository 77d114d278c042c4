#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "audio/AudioSystem.h"
#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Player.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"
#include "platform/Platform.h"
#include "tests/support/ObjectStore.h"
#include "tests/support/ScriptedKeys.h"

// A small stretch of level without a window: the player's components and the objects around it in
// the global store, the game's key bindings on injected keys, and every sound the player can play
// registered (silently) so that a test can see what was played and how loud.
class PlayerWorld {
public:
    static constexpr float frame = 1.0f / 60.0f;
    static constexpr float standingY = -576.0f; // floor 12 of level 1
    static constexpr float floorTop = -637.0f;  // standingY - half the player's height - 1

    PlayerWorld() {
        GameFlags.Reset();
        KeyNameMap = {{"A", Key::Letter('A')},    {"D", Key::Letter('D')}, {"SPACE", Key::Space},
                      {"LSHIFT", Key::LeftShift}, {"E", Key::Letter('E')}, {"C", Key::Letter('C')}};
        ActionMap = {{"ACTION_LEFT", "A"},     {"ACTION_RIGHT", "D"},    {"ACTION_JUMP", "SPACE"},
                     {"ACTION_RUN", "LSHIFT"}, {"ACTION_INTERACT", "E"}, {"ACTION_UNLOCK", "SPACE"}};
        Framework::audioSystem->soundChannels.clear();
        Framework::audioSystem->bgmChannels.clear();
        const char* stems[] = {"footstepconcrete", "footstepgrass", "footstepvents", "thunderoutdoor"};
        for (const char* stem : stems)
            for (int i = 1; i <= 8; ++i) Framework::audioSystem->soundChannels[stem + std::to_string(i)];
        for (const char* name :
             {"footstepwater1", "thunderindoor", "heartbeat1", "heartbeat2", "rooftopchase"})
            Framework::audioSystem->soundChannels[name];
        for (const char* name : {"intro"}) Framework::audioSystem->bgmChannels[name];
    }

    ~PlayerWorld() {
        KeyNameMap.clear();
        ActionMap.clear();
        Framework::audioSystem->soundChannels.clear();
        Framework::audioSystem->bgmChannels.clear();
        GameFlags.Reset();
    }

    PlayerWorld(const PlayerWorld&) = delete;
    PlayerWorld& operator=(const PlayerWorld&) = delete;

    // An object appended to the store with its components added (and initialised) in the given order.
    GameObjectRef Add(const std::string& name, ObjectType type, vec3 position, vec2 size) {
        auto object = std::make_shared<GameObject>(name, type, NextObjectId++);
        GameObjectList.push_back(object);
        object->AddComponent(std::make_shared<Transform>(position, size), ComponentType::Transform);
        return object;
    }

    // A component of class T, default-built, added (and initialised) on `object`.
    template <class T> static std::shared_ptr<T> Attach(const GameObjectRef& object) {
        auto component = std::make_shared<T>();
        object->AddComponent(component, component->GetType());
        return component;
    }

    // Makes these effect names known to the audio system, so that TakePlayed can see them.
    static void RegisterSounds(std::initializer_list<const char*> names) {
        for (const char* name : names) Framework::audioSystem->soundChannels[name];
    }

    // A static box the player stands on (type 0) or is stopped by (type 9).
    GameObjectRef AddSolid(const std::string& name, ObjectType type, float left, float right, float bottom,
                           float top) {
        GameObjectRef object = Add(name, type, vec3{(left + right) / 2, (bottom + top) / 2, 0},
                                   vec2{right - left, top - bottom});
        object->AddComponent(std::make_shared<Rigidbody>(1.0f), ComponentType::Rigidbody);
        object->AddComponent(std::make_shared<BoxCollider>(), ComponentType::BoxCollider);
        object->GetComponent<BoxCollider>()->Update(0);
        return object;
    }

    GameObjectRef AddFloor(float left = -3000, float right = 3000, float top = floorTop) {
        return AddSolid("Floor" + std::to_string(NextObjectId), ObjectType::Floor, left, right, top - 200,
                        top);
    }

    // The player as the level file builds it: Transform, Rigidbody, BoxCollider, Sprite, Player.
    GameObjectRef AddPlayer(float x = 0, float y = standingY, float mass = 8.0f) {
        GameObjectRef object = Add("Player", ObjectType::Player, vec3{x, y, 0}, vec2{80, 120});
        auto rigidbody = std::make_shared<Rigidbody>(mass);
        rigidbody->useGravity = true;
        rigidbody->isGrounded = false; // as the level's first frame leaves it
        object->AddComponent(rigidbody, ComponentType::Rigidbody);
        auto box = std::make_shared<BoxCollider>();
        box->scale = vec3{0.4f, 1.0f, 1.0f};
        object->AddComponent(box, ComponentType::BoxCollider);
        box->Update(0);
        auto sheet = std::make_shared<Sprite>();
        sheet->textureName = "player_idle.png";
        sheet->currentTextureName = "player_idle.png";
        sheet->numColumns = 30;
        sheet->animationDelay = 60.0f;
        sheet->framePeriod = 1.0f / 60.0f;
        sheet->animate = true;
        object->AddComponent(sheet, ComponentType::Sprite);
        object->AddComponent(std::make_shared<Player>(), ComponentType::Player);
        player = object;
        return object;
    }

    // A box centred at `centre` that the player can touch (Rigidbody and BoxCollider), carrying a
    // new component of class T.
    template <class T>
    std::shared_ptr<T> AddZone(const std::string& name, ObjectType type, vec2 centre, vec2 size) {
        return Attach<T>(AddSolid(name, type, centre.x - size.x / 2, centre.x + size.x / 2,
                                  centre.y - size.y / 2, centre.y + size.y / 2));
    }

    // One game frame: the input system re-arms released keys, then every component of every object
    // updates in list order.
    void Frame(float dt = frame) {
        Framework::inputSystem->Update(dt);
        for (size_t i = 0; i < GameObjectList.size(); ++i) {
            GameObjectRef object = GameObjectList[i];
            for (size_t c = 0; c < object->components.size(); ++c) object->components[c]->Update(dt);
        }
    }
    void Frames(int count, float dt = frame) {
        for (int i = 0; i < count; ++i) Frame(dt);
    }
    // Runs frames until `done` holds (at most `limit`); returns how many ran.
    template <class Done> int RunUntil(Done done, int limit = 1200) {
        int frames = 0;
        for (; !done() && frames < limit; ++frames) Frame();
        return frames;
    }
    // Runs frames until the player stands on something again (at most `limit`).
    bool Settle(int limit = 600) {
        for (int i = 0; i < limit; ++i) {
            Frame();
            if (Body().isGrounded && !Body().isJumping && Get<Player>().groundId != -1 &&
                Body().acceleration.y == 0)
                return true;
        }
        return false;
    }

    void Hold(int key) { keys.Hold(key); }
    void Release(int key) { keys.Release(key); }
    // Down for one frame, then up for one, so the next press reads as a new one.
    void Tap(int key) {
        Hold(key);
        Frame();
        Release(key);
        Frame();
    }

    template <class T> T& Get() const { return *player->GetComponent<T>(); }
    Rigidbody& Body() const { return Get<Rigidbody>(); }
    Sprite& Sheet() const { return Get<::Sprite>(); }
    vec3 Position() const { return Get<Transform>().position; }

    // The sounds started since the last call, with the volume each was left at.
    std::vector<std::pair<std::string, float>> TakePlayed() {
        std::vector<std::pair<std::string, float>> played;
        for (auto& entry : Framework::audioSystem->soundChannels) {
            if (entry.second.finished) continue;
            played.emplace_back(entry.first, entry.second.volume);
            entry.second.finished = true;
            entry.second.inactive = true;
        }
        return played;
    }

    GameObjectRef player;

private:
    ScriptedKeys keys;
    ScopedObjectStore store;
};
