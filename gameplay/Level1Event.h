#pragma once

#include <memory>
#include <string>

#include "gameplay/EventControllerBase.h"
#include "objects/Component.h"
#include "objects/Math.h"

// Level one's script: the flat, the corridor and the void deck in the storm. It answers the player's
// interactions (switches, the keys and the lock, the lift button, the window, the stairs, the lever,
// the cat, the cupboard and captions), plays the story beats of the triggers the player walks into
// (the newspaper, the eyes, the chase, the cat, the floor-11 overlay) and runs their timed scenes:
// the lights flickering into the other world, the cat's walk, petting and jump, the lift forced open.
class Level1Event : public EventControllerBase, public Component {
public:
    Level1Event() : Component(ComponentType::Level1Event) {}

    // Looks up the objects the story drives; any may be missing.
    void Initialize() override;
    // dt: seconds. Nothing while the game is paused.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    LightFlicker flicker;
    bool flickerOnUpperFloor = false; // started with the player on the upper floors

    bool newspaperShown = false;
    bool eyesSeen = false;
    bool catWalking = false, catWalked = false;
    bool petting = false, petted = false, stayLineSaid = false;
    float pettingTime = 0.0f;
    int32_t catJumpLeg = 0; // 0 not jumping, 1 up onto the wall, 2 away along it, 3 gone
    vec2 catJumpTarget;
    bool overlayPlaced = false;
    bool huntStarted = false; // the creature has been let out of the old lift
    bool huntToRetry = false; // it caught the player: the chase starts again after the respawn

protected:
    void OnInteract(GameObject& object) override;
    void ApplyEventEffects(float dt) override;
    void UpdateSequences(float dt) override;

private:
    void NewspaperDrift(float dt);
    void CatSteps(float dt);
    void LiftBurst();
    void RetryHuntAfterDeath();
    void StartFlicker();
    void EndFlicker();
    void SetRoomsLit(bool lit);
    void PetCat(GameObject& cat);
    void Say(const std::string& line);

    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> dialogue;
};
