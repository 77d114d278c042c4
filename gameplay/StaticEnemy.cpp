#include "gameplay/StaticEnemy.h"

#include <imgui.h>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"

namespace {

constexpr float alarmRange = 1024.0f; // "echoalarm" is heard this far from the enemy
constexpr float blackScreen = 0.9f;   // fade level at which a death has covered the screen

enum : int32_t { AlarmRaised = 0, Dormant = 1, Alerted = 2, Calming = 7 };

Framework::AudioSystem* Audio() {
    return Framework::audioSystem.get();
}

} // namespace

StaticEnemy::StaticEnemy() : Component(ComponentType::StaticEnemy) {}

float StaticEnemy::OwnX() const {
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    return own ? own->position.x : 0.0f;
}

void StaticEnemy::Initialize() {
    started = false;
    GameFlags.alarmWhilePursued = false;
    state = Dormant;
    componentType = ComponentType::StaticEnemy;
    waitTime = 2.0f;
    stillTimer = 0.0f;
    playerContact = false;
    contactName.clear();
    fadeObject = FindObjectByName("FadeInAndOut");
    if (Framework::AudioSystem* audio = Audio()) {
        audio->PlaySound("echoalarm", false, alarmRange, 0.0f, OwnX());
        audio->PauseSound("echoalarm");
        audio->PlaySound("echoalert", true);
        audio->PauseSound("echoalert");
    }
    alarmReady = true;
}

void StaticEnemy::Update(float dt) {
    if (!owner) return;
    ScanContacts(*owner, playerContact, contactName);
    Think(dt);
}

void StaticEnemy::Sense(float) {
    GameFlagBlock& flags = GameFlags;
    GameObjectRef player = FindObjectByName("Player");
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    std::shared_ptr<Sprite> look = ComponentOf<Sprite>(player);
    // Once the light has driven it off it hears nothing more.
    if (std::shared_ptr<Sprite> self = ComponentOf<Sprite>(owner); self && self->transparency <= 0.0f) {
        if (state == Alerted) state = Calming;
        return;
    }
    // A player faded out (dying, or not yet shown) makes no sound.
    if (own && place && look && look->transparency > 0.1f && InBand(own->position, place->position)) {
        if (InRange(own->position, place->position, scriptRange)) {
            if ((state == Dormant || state == Calming) && flags.isMoving) state = Alerted;
        } else if (state == Alerted) {
            state = Calming;
        }
    }
    if (state == AlarmRaised && flags.alarmWhilePursued && flags.isHiding) {
        state = Dormant;
        flags.alarmWhilePursued = false;
    }
}

void StaticEnemy::UpdateState(float dt) {
    std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner);
    if (!sprite) return;
    Framework::AudioSystem* audio = Audio();
    const GameFlagBlock& flags = GameFlags;
    switch (state) {
    case Dormant: {
        sprite->animate = true;
        std::shared_ptr<Sprite> fade = ComponentOf<Sprite>(fadeObject.lock());
        if (fade && fade->transparency >= blackScreen) {
            sprite->column = sprite->row = 0;
            if (audio) {
                audio->PauseSound("echoalert");
                audio->StopSound("echoalarm");
            }
            alarmReady = true;
        }
        break;
    }
    case Alerted:
        if (flags.isMoving) {
            sprite->reverse = false;
            sprite->animationCount = 1;
            sprite->animate = true;
            if (sprite->column == sprite->numColumns - 1 && sprite->row == sprite->numRows - 1)
                state = AlarmRaised;
            if (audio) audio->ResumeSound("echoalert");
            stillTimer = 0.0f;
        } else {
            sprite->animate = false;
            if (audio) audio->PauseSound("echoalert");
            stillTimer += dt;
            if (stillTimer > waitTime) {
                state = Calming;
                stillTimer = 0.0f;
            }
        }
        break;
    case Calming:
        if (flags.isMoving && PlayerWithin(owner, scriptRange)) {
            state = Alerted;
            break;
        }
        sprite->reverse = true;
        sprite->animate = true;
        if (sprite->column == 0 && sprite->row == 0) state = Dormant;
        if (audio) audio->PauseSound("echoalert");
        break;
    case AlarmRaised:
        RaiseAlarm(*sprite);
        break;
    default:
        break;
    }
}

void StaticEnemy::RaiseAlarm(Sprite& sprite) {
    GameFlagBlock& flags = GameFlags;
    sprite.column = sprite.numColumns - 1;
    sprite.row = sprite.numRows - 1;
    sprite.animationCount = 0;
    sprite.animate = false;
    if (flags.currentLevel == 3) {
        if (!flags.playerDying && !flags.creatureReleased && !flags.creatureActive) {
            flags.creatureReleased = true;
            SoundAlarm();
        } else if (flags.creatureActive) {
            flags.alarmWhilePursued = true;
            SoundAlarm();
        }
    } else if (!flags.playerDying && !flags.creatureReleased && !flags.creatureActive) {
        flags.creatureReleased = true;
        SoundAlarm();
    }
    if (flags.playerDying) state = Dormant;
}

void StaticEnemy::SoundAlarm() {
    if (!alarmReady) return;
    if (Framework::AudioSystem* audio = Audio()) {
        audio->PauseSound("echoalert");
        audio->PlaySound("echoalarm", false, alarmRange, 0.0f, OwnX());
    }
    alarmReady = false;
}

bool StaticEnemy::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("scriptrange");
    serializer.WriteFloat(scriptRange);
    return true;
}

bool StaticEnemy::Deserialize(Serializer& serializer) {
    std::string key;
    return serializer.ReadWord(key) && serializer.ReadFloat(scriptRange);
}

void StaticEnemy::Inspector(int objectId) {
    const std::string id = std::to_string(objectId);
    if (!ImGui::CollapsingHeader(("StaticEnemy##" + id).c_str())) return;
    ImGui::InputFloat(("Script Range##" + id).c_str(), &scriptRange);
}
