#pragma once

#include <cstdint>
#include <string>

#include "objects/Math.h"

class GameObject;

// The thinking half of an enemy: a state number and the two steps every frame runs. An enemy class
// derives from this first and from Component second; its Update calls ScanContacts and then Think.
class EnemyBaseAI {
public:
    virtual ~EnemyBaseAI() = default;

    // dt: seconds. Acts according to `state`.
    virtual void UpdateState(float dt) = 0;
    // dt: seconds. Looks at the player and changes `state`.
    virtual void Sense(float dt) = 0;

    int32_t state = 0;
    bool started = false; // false until the first update has passed

    // Hearing and chasing reach the player on its floor only: y within 70 of the enemy's (inclusive).
    static bool InBand(const vec3& enemy, const vec3& player);
    // Strictly less than `range` to either side in x.
    static bool InRange(const vec3& enemy, const vec3& player, float range);

protected:
    // Whether "Player" is on `self`'s floor and less than `range` to either side.
    static bool PlayerWithin(const GameObject* self, float range);
    // Every other object whose solid box `self` touches this frame: touching an object of type
    // Player sets playerContact and keeps its name; no longer touching "Player" clears playerContact.
    // Returns whether a Player object was touched.
    static bool ScanContacts(GameObject& self, bool& playerContact, std::string& contactName);
    // The first frame only marks the enemy started; later frames Sense, then UpdateState.
    void Think(float dt);
};
