#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "objects/Component.h"
#include "objects/Math.h"

class GameObject;
class BoxCollider;
class Rigidbody;
class Sprite;
class Transform;

// The controllable character. Each frame it reads the movement actions, drives its Rigidbody, stands
// on floors and stops at walls, picks the sprite sheet for its movement state and the room's light,
// plays footsteps on the sheet's foot-contact cells and thunder in the background, and runs the
// death fade and respawn. It shares its state with the rest of the game through GameFlags.
class Player : public Component {
public:
    Player();

    // Sets the level's lighting zone, clears the player and story flags a level starts without and
    // takes the references it needs ("Player", "Cupboard", "Cat", "Dialogue").
    void Initialize() override;
    // dt: seconds. Does nothing while the game is paused.
    void Update(float dt) override;
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    void Inspector(int objectId) override;

    // One frame of walking (or running) left or right: speed, facing, animation rate and state.
    // Scripted scenes call these to walk the player.
    void MoveLeft();
    void MoveRight();

    // Footstep, thunder and area names, filled at construction.
    std::vector<std::string> concreteFootsteps;
    std::vector<std::string> grassFootsteps;
    std::vector<std::string> outdoorThunder;
    std::vector<std::string> ventFootsteps;
    // Area trigger name -> area id.
    std::map<std::string, int32_t> AreaTable;

    // Weak: the object owns this component, and a strong link back would keep both alive forever.
    std::weak_ptr<GameObject> playerObject;
    std::shared_ptr<BoxCollider> collider;
    std::shared_ptr<Rigidbody> body;
    std::shared_ptr<Transform> transform;
    std::shared_ptr<Sprite> sprite;
    std::shared_ptr<GameObject> cupboardObject;
    std::shared_ptr<GameObject> catObject;
    std::shared_ptr<GameObject> dialogueObject;
    std::shared_ptr<GameObject> interactableObject;

    vec2 jumpForce{0.0f, 30000.0f}; // the Rigidbody acceleration a jump starts with
    float playerID = 0.0f;
    float moveSpeed = 0.0f; // pixels per second, negative to the left
    bool footstepPhase = true;
    bool inCupboardRange = false;
    bool nearInteractable = false;
    float thunderTimer = 0.0f;  // seconds
    float dialogueDelay = 0.0f; // seconds
    int32_t groundId = -1;      // id of the floor stood on, -1 in the air
    std::string interactTarget;
    vec2 lastPosition;
    bool firstFrame = true;
    float sceneTimer = 0.0f; // seconds

private:
    // Contacts with other objects: captions, lines, areas, which interactables may be used now.
    void ContactRules(GameObject& other, float dt);
    // 1 usable, 0 not, -1 no rule for this object (its collider keeps its setting).
    int UsableNow(GameObject& other) const;
    void SpokenLines(GameObject& other, BoxCollider& box, float dt);
    void LiftContact(GameObject& other);
    void InteractionPrompt(float dt);
    void CupboardLooks();
    // Shows a line on the "Dialogue" object above the player.
    void Say(const std::string& line);
    void DeathStep();
    void MovementAndInput();
    void Jump();
    void ApplyHideRule();
    void Move(bool left);
    void StandAndCollide(GameObject& other, float dt);
    void PlayLandingSound();
    void Thunder(float dt);
    void ChooseSprite();
    void Footsteps();
    std::string FootstepName(bool crawling) const;
    float FootstepVolume() const;
};
