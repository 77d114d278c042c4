#pragma once

#include <cstdint>

#include "objects/Component.h"

// The pad lock's dial mini-game. While it runs the player's input is locked, so A, D and SPACE
// (which also walk and jump) reach only the dial: "ACTION_LEFT" turns it 45 degrees one way,
// "ACTION_RIGHT" the other, "ACTION_UNLOCK" tries it. At 180 degrees either way it opens: every
// "EventBoundary..." object becomes a ghost and the keys go away. No stored fields.
class DoorLock : public Component {
public:
    DoorLock();

    // Clears the lock and the dial, GameFlags.doorUnlocked and hasHouseKeys, and hides every sprite of
    // a Lock-type object (the house keys wait for the living-room light).
    void Initialize() override;
    // Player contact, the keys shown beside the pad while the game runs, then the dial.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    // Degrees, -315 to 315 in steps of 45. The Transform shows it as rotation = degrees * pi / 180.
    int32_t DialDegrees() const { return dialDegrees; }

    bool playerInRange = false;
    // The mini-game runs. The event controller sets it on "ACTION_INTERACT" at the pad, together
    // with GameFlags.inputLocked and lockPromptVisible; opening the lock clears all three.
    bool active = false;

private:
    void Turn(bool left);
    void TryOpen();

    int32_t dialDegrees = 0;
};
