#pragma once

#include <memory>

#include "gameplay/EventControllerBase.h"
#include "objects/Component.h"

// Level two's script: the flooded flat one floor down, and the way back up to the player's home.
// The camera shows the vase that listens in the living room; the kitchen tap is turned off so the
// flood drains, the kitchen switch gives the living-room lamp its power back and the light chases the
// thing away; the swollen bedroom door is pushed open, the window leads out onto the ledge and the
// vent to the lift shaft, which is climbed to the mother's bedroom on floor 12, where the light bulb
// is; the front door of the home is the way out.
class Level2Event : public EventControllerBase, public Component {
public:
    Level2Event() : Component(ComponentType::Level2Event) {}

    // Looks up the player; clears the level's story flags. Any named object may be missing.
    void Initialize() override;
    // dt: seconds. Nothing while the game is paused.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    bool bulbPickedUp = false;
    bool exitOpen = false;
    bool panToEnemyDone = false; // the opening look at the vase has been asked for
    bool panToVentDone = false;
    bool lampLit = false;
    float doorPush = 0.0f; // seconds "ACTION_INTERACT" has been held at the swollen bedroom door
    bool doorOpen = false;

protected:
    void OnInteract(GameObject& object) override;
    void ApplyEventEffects(float dt) override;
    void UpdateSequences(float dt) override;

private:
    void TurnOffTap(GameObject& tap);
    void LightLamp(GameObject& lamp);
    void StartClimb(GameObject& ladder);
    void ClimbEnd();
    void DrainFlood();
    void PushDoor(float dt);
    bool Touching(const char* name) const;

    std::shared_ptr<GameObject> player;
};
