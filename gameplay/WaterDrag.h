#pragma once

#include "objects/Component.h"

// An area of water: while the player stands in it GameFlags.inWater is set, which slows the player
// and stops jumps. A ghosted water collider counts as dry.
class WaterDrag : public Component {
public:
    WaterDrag();

    // Clears GameFlags.inWater.
    void Initialize() override;
    void Update(float dt) override;
    void Inspector(int objectId) override;

    bool playerInRange = false;

private:
    // A level may have several areas: each clears inWater only when it was the one that set it, so
    // the areas after the player's own do not dry the player off.
    bool setInWater = false;
};
