#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "objects/Component.h"
#include "objects/Math.h"

class GameObject;
class Sprite;

// A two-stop lift with animated doors. The cabin ("Lift") and its call buttons ("LiftButton") each
// carry one; the doors are the sprite of "LiftDoor". The cabin's component runs the doors' timing and
// the ride from its own start position (stop 0) to "LiftLowerLevel" (stop 1) and back. While the
// player rides, GameFlags.inputLocked and playerInLift are set and the world is drawn dark.
class Lift : public Component {
public:
    Lift();

    // Clears the shared lift state, records the two stops and takes the references it needs.
    void Initialize() override;
    // dt: seconds. Contact with the player; on the cabin also the doors' timing and the ride.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    // Pressing a call button or stepping in or out of the cabin. The player calls it on the cabin
    // on "ACTION_ENTERLIFT" and "ACTION_EXITLIFT"; the level-1 script calls it on "LiftButton" after
    // setting GameFlags.liftCalled. Needs the player touching this object and the lift at rest. On
    // "LiftButton" (with liftCalled) an idle lift opens its doors; on "Lift", with the doors open,
    // the player gets in when outside and out when inside.
    void Use();

    bool playerInRange = false;
    bool moveSoundPending = true; // "liftmoving" is started once per ride
    bool ready = false;           // false in the editor: nothing moves there
    float speed = 160.0f;         // pixels per second
    float liftDepth = 0.0f;       // the cabin's z, given back to the player on the way out
    float doorTimer = 0.0f;       // seconds the doors have stood open with nobody inside
    std::weak_ptr<GameObject> playerObject;
    std::weak_ptr<GameObject> lowerStopObject;
    std::weak_ptr<GameObject> doorObject;
    bool moving = false;
    vec2 stops[2];
    int32_t targetStop = 0; // 0 or 1
    std::string ownName;

private:
    bool IsCabin() const { return ownName == "Lift"; }
    // The doors are shut and their animation has finished.
    bool IsIdle() const;
    bool CabinAtThisFloor() const;
    bool AtStop(int32_t stop) const;
    void SetDoorSheet(const char* textureName, int32_t columns);
    void OpenDoors();
    void CloseDoors();
    void Enter();
    void Exit();
    void Travel(float dt);
    void Darken();
    void RestoreColours();

    // Each darkened sprite with the tint it had, given back when the ride ends.
    std::vector<std::pair<std::weak_ptr<Sprite>, vec3>> savedTints;
};
