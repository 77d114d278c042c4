#pragma once

#include <memory>

#include "objects/Component.h"

class GameObject;

// A point the player leaves through: the screen fades to black ("FadeInAndOut"), the player and the
// camera move to another named point, and the screen fades back in. "WrapEntry" starts on contact
// (and "WrapExit" sends the player back while GameFlags.wrapReturn is set); the side points of a
// looping corridor ("WrapLeftSide", "WrapRightSide") move the player at once; every other point
// waits for a request and takes its destination from a table of named pairs per level.
class WrapPos : public Component {
public:
    WrapPos();

    // Clears the shared wrap state (wrapReturn, wrapInProgress, respawnWrapTarget) and this point's
    // own, clears the fade and takes the references it needs.
    void Initialize() override;
    // dt: seconds. Contact with the player, then one step of the wrap.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    bool playerInRange = false;
    bool arrived = false;   // the player has been moved; the fade back in runs
    float fadeLimit = 1.0f; // seconds of fade out before the move
    float fadeTimer = 0.0f; // the fade's transparency follows it (within 0 to 1)
    // Set to ask for a wrap through this point (the player on "VentToShaft" and
    // "RooftopToFinalEvent", the level scripts on an interaction). It runs while the player touches
    // the point and is cleared when the wrap completes or is cancelled.
    bool active = false;
    // Weak: two wrap points may name each other, and strong links would keep both alive forever.
    std::weak_ptr<GameObject> fadeObject;
    std::weak_ptr<GameObject> playerObject;
    std::weak_ptr<GameObject> cameraObject;
    std::weak_ptr<GameObject> backgroundGroup;

private:
    void FadeBack(float dt);
    void EntryExitStep(float dt);
    void SideStep(bool movingOutward);
    void RequestedStep(float dt);
    std::shared_ptr<GameObject> RequestedDestination() const;
    void Complete(const std::shared_ptr<GameObject>& destination);
    void Cancel();
    void Teleport(const GameObject& destination);
    void SendToExit();
    void SendBackToEntry();
    void SetFade(float value);
    void PlacePlayer(float x, float y);
    void PlaceCamera(float x, float y);

    float lastPlayerX; // side points: the player's x in the previous frame (NaN before the first)
};
