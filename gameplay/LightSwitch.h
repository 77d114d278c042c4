#pragma once

#include "objects/Component.h"

class GameObject;

// A room's light switch. The switch object is a child of its room; the event controller flips the
// switches of a room with FlipGroup and sets GameFlags.lightSwitchUse, and the next Update with the
// player at the switch applies the room's light (the room sprite's alternative texture and
// GameFlags.lightsOff) and the room's extras: the living room shows the house keys, the bedroom
// opens its passages, the flooded kitchen lights its lamps. No stored fields.
class LightSwitch : public Component {
public:
    LightSwitch();

    // Starts off and clears GameFlags.lightSwitchUse and GameFlags.kitchenSwitchArmed.
    void Initialize() override;
    // Player contact, then the switch step; a completed use consumes GameFlags.lightSwitchUse.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    // For the event controllers, on "ACTION_INTERACT" at a switch: every LightSwitch on the objects
    // sharing this switch's parent (the room) flips isOn. A switch without a room flips alone.
    void FlipGroup();
    // For the level-1 event controller, on "ACTION_INTERACT" at the lever (this switch on
    // "Event013CreatureSpawn(Left)"): with the player at it and GameFlags.lightSwitchUse,
    // phaseTwoFlag and alternateWorld all set, the normal world comes back. Call it in the frame
    // lightSwitchUse is set, before this switch's own Update would consume the flag.
    void LeverStep();

    bool playerInRange = false;
    bool isOn = false;

private:
    void Use(GameObject& room);
    void KitchenHint(GameObject& room);
};
