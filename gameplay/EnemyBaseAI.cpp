#include "gameplay/EnemyBaseAI.h"

#include <memory>

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Collision.h"

namespace {
constexpr float bandHalfHeight = 70.0f;
} // namespace

bool EnemyBaseAI::InBand(const vec3& enemy, const vec3& player) {
    return enemy.y - bandHalfHeight <= player.y && player.y <= enemy.y + bandHalfHeight;
}

bool EnemyBaseAI::InRange(const vec3& enemy, const vec3& player, float range) {
    return enemy.x - range < player.x && player.x < enemy.x + range;
}

bool EnemyBaseAI::PlayerWithin(const GameObject* self, float range) {
    std::shared_ptr<Transform> own = ComponentOf<Transform>(self);
    std::shared_ptr<Transform> player = FindComponent<Transform>("Player");
    return own && player && InBand(own->position, player->position) &&
           InRange(own->position, player->position, range);
}

bool EnemyBaseAI::ScanContacts(GameObject& self, bool& playerContact, std::string& contactName) {
    bool touchedPlayer = false;
    for (const GameObjectRef& object : GameObjectList) {
        if (!object || object.get() == &self) continue;
        std::shared_ptr<BoxCollider> box = object->GetComponent<BoxCollider>();
        if (box && !box->ghosted && CollisionIntersection(self, *object, vec3{0.0f, 0.0f, 0.0f}, 0.0f)) {
            if (object->type != ObjectType::Player) continue;
            playerContact = true;
            contactName = object->name;
            touchedPlayer = true;
        } else if (playerContact && object->name == "Player") {
            playerContact = false;
        }
    }
    return touchedPlayer;
}

void EnemyBaseAI::Think(float dt) {
    if (!started) {
        started = true;
        return;
    }
    Sense(dt);
    UpdateState(dt);
}
