#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gameplay/EnemyBaseAI.h"
#include "objects/Component.h"
#include "objects/Math.h"

class GameObject;
class Sprite;
class Transform;

// The creature. Called by GameFlags.creatureReleased (the alarm or a level event), it fades in at
// a place that depends on the level, walks in, chases the player and attacks on contact: the
// player dies unless hidden, and a hidden player whose hiding place it reaches is pulled out. When
// the player hides out of its reach it searches to either side, and after six fruitless searches
// it leaves (levels 1 and 2). States: 1 withdrawn, 0 appearing, 4 chasing, 2 attacking,
// 5 searching, 3 leaving, 6 the level-3 finale.
class ScriptedEnemy : public EnemyBaseAI, public Component {
public:
    ScriptedEnemy();

    // Withdrawn; takes "Dialogue" and the position of "EnemyFinalPos", and its own position as
    // the spawn it returns to.
    void Initialize() override;
    // dt: seconds. Contact scan (touching a player who is not hiding starts an attack at once),
    // then (after the first frame) Sense and UpdateState.
    void Update(float dt) override;
    void Sense(float dt) override;
    void UpdateState(float dt) override;
    void Inspector(int objectId) override;

    int32_t searchPasses = 0; // search walks done since the last chase
    float waitTime = 2.0f;    // attack duration and search pause, seconds
    float speed = 160.0f;     // world units per second
    float stateTimer = 0.0f;  // seconds, the current state's timer
    bool exitTargetSet = false;
    bool exitFacing = false; // leaving to the right
    bool patrolTargetSet = false;
    bool patrolLeft = false;
    bool engaged = false; // fully entered: takes part in the chase
    bool playerContact = false;
    std::string contactName;
    vec2 appearPosition;
    vec2 entryTarget;
    vec2 exitTarget;
    vec2 patrolTarget;
    float leftLimitX = 0.0f;    // level 1: it walks in no further left than this
    float soundFadeTime = 0.0f; // seconds left of the sounds' fade-out
    std::weak_ptr<GameObject> dialogue;
    vec3 finalPosition;
    vec3 spawnPosition;
    bool attacking = false; // the attack sheet is running

private:
    void Appear(float dt);
    void Withdraw(float dt);
    void Attack(float dt);
    void Leave(float dt);
    void Chase(float dt);
    void Search(float dt);
    void PlayFinale(float dt);
    void ApproachFinal(float dt, Transform& own, Sprite& sprite);

    // The sheets and pursuit flags back as a withdrawn creature has them.
    void StandDown(bool resetSheet);
    // Walks toward targetX along its floor at `pace` world units per second.
    void WalkTo(float targetX, float pace, float dt);
    // One step of the sound fade-out; at its end both sounds are paused at full volume. The finale
    // fades them without the level-3 rooms' exceptions.
    void FadeSounds(float dt, bool finale);
    void SetGhosted(bool ghosted);
    void SetInteractable(bool interactable);
    void StopVelocity();
    // A hiding place the player is in that this creature touches.
    bool TouchesPlayersHidingPlace() const;

    bool vanished = false; // the finale is over: gone into the container's dark
};
