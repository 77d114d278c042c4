#include "gameplay/ScriptedEnemy.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>

#include "audio/AudioSystem.h"
#include "gameplay/Areas.h"
#include "gameplay/GameFlags.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Collision.h"
#include "physics/Rigidbody.h"

namespace {

enum : int32_t {
    Appearing = 0,
    Withdrawn = 1,
    Attacking = 2,
    Leaving = 3,
    Chasing = 4,
    Searching = 5,
    Finale = 6
};

const char* const walkSheet = "creature_walk.png";
const char* const attackSheet = "creature_attack.png";
constexpr int32_t sheetColumns = 30;
constexpr float chaseRange = 370.0f;      // x reach of its senses
constexpr float arrivalSlack = 10.0f;     // x distance that counts as arrived
constexpr float pullOutDistance = 200.0f; // where a pulled-out player ends up, beside the creature
constexpr float chaseAnimationRate = 70.0f;
constexpr float finalePace = 0.4f; // share of `speed` on the level-3 finale walk
constexpr int32_t searchesBeforeLeaving = 6;

// Level 1's appear points: the ground floor, or floor 12 once the player has passed the height band.
const vec2 groundFloorAppear{-1200.0f, -2053.0f};
const vec2 upperFloorAppear{-834.0f, -528.0f};
const vec2 levelOneExit{1420.0f, -528.0f};

// The creature's art faces right, as the player's does: flipX turns it to the left.
void ShowSheet(Sprite& sprite, const char* textureName, int32_t animationCount) {
    sprite.textureName = textureName;
    sprite.numRows = 1;
    sprite.numColumns = sheetColumns;
    sprite.column = sprite.row = 0;
    sprite.uOffset = sprite.vOffset = 0.0f;
    sprite.animationCount = animationCount;
    sprite.animate = true;
    sprite.textureChanged = true;
}

// The width of the view the level-1 walk-in limit and the level-2 exit are measured against.
constexpr float viewWidth = static_cast<float>(Framework::viewWidth);

std::shared_ptr<ParticleEmitter> Particles() {
    return FindComponent<ParticleEmitter>("CreatureParticles");
}

void StopParticles(ParticleEmitter& particles) {
    particles.playState = false;
    particles.ResetEmitter();
}

} // namespace

ScriptedEnemy::ScriptedEnemy() : Component(ComponentType::ScriptedEnemy) {}

void ScriptedEnemy::Initialize() {
    started = false;
    GameFlags.finaleApproach = false;
    state = Withdrawn;
    componentType = ComponentType::ScriptedEnemy;
    searchPasses = 0;
    waitTime = 2.0f;
    speed = 160.0f;
    stateTimer = soundFadeTime = 0.0f;
    exitTargetSet = exitFacing = patrolTargetSet = patrolLeft = engaged = playerContact = false;
    attacking = vanished = false;
    contactName.clear();
    dialogue = FindObjectByName("Dialogue");
    if (std::shared_ptr<Transform> spot = FindComponent<Transform>("EnemyFinalPos"))
        finalPosition = spot->position;
    if (std::shared_ptr<Transform> own = ComponentOf<Transform>(owner)) spawnPosition = own->position;
    // Where a level names no appear point, the creature comes on stage where it was placed.
    appearPosition = vec2{spawnPosition.x, spawnPosition.y};
}

void ScriptedEnemy::Update(float dt) {
    if (!owner) return;
    // Only a creature that can be seen attacks: withdrawn or gone into the dark it is not there.
    std::shared_ptr<Sprite> look = ComponentOf<Sprite>(owner);
    const bool seen = !look || look->transparency > 0.0f;
    if (ScanContacts(*owner, playerContact, contactName) && seen && !GameFlags.isHiding) state = Attacking;
    Think(dt);
}

void ScriptedEnemy::Sense(float) {
    GameFlagBlock& flags = GameFlags;
    if (!FindObjectByName("Player")) return;
    const bool levelThree = flags.currentLevel == 3;
    if (levelThree && flags.lightingZone == LightingZone::Container) {
        if (flags.creatureReleased) state = Finale;
        return;
    }
    if (state == Attacking && flags.playerDying) {
        StandDown(true);
        state = Withdrawn;
        return;
    }
    if (flags.creatureReleased) {
        state = Appearing;
        return;
    }
    if (levelThree && (flags.creatureHold || flags.wrapInProgress)) {
        StandDown(false);
        state = Withdrawn;
        return;
    }
    if (!engaged) return;

    const bool near = PlayerWithin(owner, chaseRange);
    if (!flags.isHiding) {
        if (levelThree)
            state = Chasing;
        else if (near)
            state = playerContact ? Attacking : Chasing;
    } else if (levelThree) {
        if (!near)
            state = Searching;
        else if (state == Chasing && playerContact)
            state = Attacking;
        else if (state == Appearing)
            state = Searching;
    } else if (state == Chasing) {
        if (playerContact) state = Attacking;
    } else if (!near) {
        state = searchPasses < searchesBeforeLeaving ? Searching : Leaving;
    }
}

void ScriptedEnemy::UpdateState(float dt) {
    switch (state) {
    case Appearing:
        Appear(dt);
        break;
    case Withdrawn:
        Withdraw(dt);
        break;
    case Attacking:
        Attack(dt);
        break;
    case Leaving:
        Leave(dt);
        break;
    case Chasing:
        Chase(dt);
        break;
    case Searching:
        Search(dt);
        break;
    case Finale:
        PlayFinale(dt);
        break;
    default:
        break;
    }
}

void ScriptedEnemy::Appear(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    if (!own) return;
    if (flags.creatureReleased && !flags.creatureActive) {
        bool faceLeft = false;
        if (flags.currentLevel == 1) {
            appearPosition = flags.heightBandFlag ? upperFloorAppear : groundFloorAppear;
            // It may walk in from no further left than half a view less 100 from where it appears.
            leftLimitX = appearPosition.x - (viewWidth / 2 - 100.0f);
            faceLeft = !flags.heightBandFlag;
        } else if (flags.currentLevel == 2) {
            if (std::shared_ptr<Transform> spot = FindComponent<Transform>("Level2SpawnPos"))
                appearPosition = vec2{spot->position.x, spot->position.y};
        } else if (flags.currentLevel == 3 && flags.lightingZone == LightingZone::Corridor) {
            if (Framework::AudioSystem* audio = Framework::audioSystem.get()) {
                audio->ResumeSound("creatureidle");
                audio->ResumeSound("chase");
            }
        } else if (flags.currentLevel == 3 && flags.lightingZone == LightingZone::Outside) {
            if (std::shared_ptr<Transform> spot = FindComponent<Transform>("SpawnEnemyRooftop"))
                appearPosition = vec2{spot->position.x, spot->position.y};
            faceLeft = true;
        }
        own->SetPosition(appearPosition.x, appearPosition.y);
        if (std::shared_ptr<Transform> player = FindComponent<Transform>("Player"))
            entryTarget = vec2{player->position.x, player->position.y};

        std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner);
        stateTimer += dt;
        if (sprite) {
            sprite->transparency = std::min(stateTimer, 1.0f);
            sprite->textureChanged = true;
            sprite->flipX = faceLeft;
        }
        if (std::shared_ptr<ParticleEmitter> particles = Particles()) particles->playState = true;
        if (!sprite || sprite->transparency >= 1.0f) {
            flags.creatureReleased = false;
            flags.creatureActive = true;
            stateTimer = 0.0f; // the attack and the search time themselves from 0
        }
    }

    // Held at the left limit it has come as close as it may: that counts as arrived too.
    const bool limited = flags.currentLevel == 1 && !flags.isHiding;
    WalkTo(entryTarget.x, speed, dt);
    if (limited && own->position.x < leftLimitX) own->SetPosition(leftLimitX, own->position.y);
    if (std::fabs(own->position.x - entryTarget.x) <= arrivalSlack ||
        (limited && own->position.x <= leftLimitX)) {
        engaged = true;
        soundFadeTime = 1.0f;
    }
}

void ScriptedEnemy::Withdraw(float dt) {
    GameFlagBlock& flags = GameFlags;
    SetGhosted(true);
    stateTimer = 0.0f; // the next appearance fades in from nothing
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner)) {
        if (sprite->transparency >= 0.9f) {
            sprite->transparency = 0.0f;
            if (std::shared_ptr<Transform> own = ComponentOf<Transform>(owner))
                own->SetPosition(spawnPosition.x, spawnPosition.y);
        }
        if (flags.currentLevel == 3 && flags.creatureHold) sprite->transparency = 0.0f;
        sprite->textureChanged = false;
    }
    FadeSounds(dt, false);
    StopVelocity();
    if (!flags.creatureActive) return;
    flags.creatureActive = false;
    flags.creatureReleased = false;
    // Level 1's building gives way when the creature gives up its hunt; after a kill it only goes
    // back to wait, and the hunt can be tried again.
    if (flags.currentLevel == 1 && !flags.playerDying) flags.buildingCollapse = true;
    // Once, as it goes: a burst restarted every withdrawn frame would still be counting down when
    // the creature next appears and would cut its particles off.
    if (std::shared_ptr<ParticleEmitter> particles = Particles()) {
        if (particles->playState) {
            StopParticles(*particles);
        } else {
            particles->playState = true;
            particles->timedBurst = true;
        }
    }
}

void ScriptedEnemy::Attack(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner);
    SetGhosted(false);
    if (!attacking && !flags.playerDying) {
        if (sprite) ShowSheet(*sprite, attackSheet, 1);
        attacking = true;
    }
    StopVelocity();

    if (!flags.isHiding) {
        if (attacking && playerContact) flags.playerDying = true;
        stateTimer += dt;
        if (stateTimer >= waitTime) {
            SetInteractable(true);
            stateTimer = 0.0f;
            state = Chasing;
            attacking = false;
            // Not left frozen on the last attack cell for the chase.
            if (sprite) ShowSheet(*sprite, walkSheet, -1);
        }
        return;
    }

    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    std::shared_ptr<Transform> player = FindComponent<Transform>("Player");
    if (!sprite || !own || !player || !attacking || sprite->column < sheetColumns - 1 ||
        !TouchesPlayersHidingPlace())
        return;
    ShowSheet(*sprite, walkSheet, -1);
    attacking = false;
    SetInteractable(false);
    const float side = own->position.x >= player->position.x ? 1.0f : -1.0f;
    own->SetPosition(player->position.x + side * pullOutDistance, own->position.y);
    flags.isHiding = false;
}

void ScriptedEnemy::Leave(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    if (!own) return;
    if (!exitTargetSet) {
        exitTarget =
            flags.currentLevel == 1 ? levelOneExit : vec2{own->position.x + viewWidth, own->position.y};
        exitFacing = exitTarget.x >= own->position.x;
        if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner)) sprite->flipX = !exitFacing;
        exitTargetSet = true;
    }
    flags.creatureActive = true;
    WalkTo(exitTarget.x, speed, dt);
    const bool reached = exitFacing ? own->position.x >= exitTarget.x : own->position.x <= exitTarget.x;
    if (!reached) return;
    state = Withdrawn;
    exitTargetSet = false;
    engaged = false;
    if (Framework::AudioSystem* audio = Framework::audioSystem.get()) {
        audio->StopSound("creatureidle");
        audio->PlaySoundOnce("evade", false);
    }
}

void ScriptedEnemy::Chase(float dt) {
    GameFlagBlock& flags = GameFlags;
    searchPasses = 0;
    flags.creatureActive = true;
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    std::shared_ptr<Transform> player = FindComponent<Transform>("Player");
    if (flags.currentLevel == 3 && (flags.creatureHold || flags.wrapInProgress))
        SetGhosted(true);
    else if (player)
        WalkTo(player->position.x, speed, dt);
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner)) {
        sprite->animationDelay = chaseAnimationRate;
        sprite->framePeriod = 1.0f / chaseAnimationRate;
        if (own && player) sprite->flipX = player->position.x < own->position.x;
        sprite->flipY = false;
    }
    if (playerContact) state = Attacking;
}

// Each pass walks to one side of the hiding player and waits there: left 200, right 200, left 400,
// right 400, and again (600 and 800 on level 3, where the rooms are wider).
void ScriptedEnemy::Search(float dt) {
    GameFlagBlock& flags = GameFlags;
    flags.creatureActive = true;
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    if (!own) return;
    const bool levelThree = flags.currentLevel == 3;
    if (!patrolTargetSet) {
        const float nearSide = levelThree ? 600.0f : 200.0f;
        const float farSide = levelThree ? 800.0f : 400.0f;
        const float distance = (searchPasses / 2) % 2 == 0 ? nearSide : farSide;
        std::shared_ptr<Transform> player = FindComponent<Transform>("Player");
        const float centre = player ? player->position.x : own->position.x;
        patrolLeft = searchPasses % 2 == 0;
        patrolTarget = vec2{centre + (patrolLeft ? -distance : distance), own->position.y};
        patrolTargetSet = true;
        if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner)) sprite->flipX = patrolLeft;
    }
    WalkTo(patrolTarget.x, speed, dt);
    const bool there = patrolLeft ? own->position.x <= patrolTarget.x : own->position.x >= patrolTarget.x;
    if (there) {
        stateTimer += dt;
        if (stateTimer >= waitTime) {
            ++searchPasses;
            stateTimer = 0.0f;
            patrolTargetSet = false;
        }
    }
    if (!levelThree && searchPasses >= searchesBeforeLeaving) state = Leaving;
}

void ScriptedEnemy::PlayFinale(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner);
    if (!own || !sprite) return;
    if (flags.creatureReleased && !flags.creatureActive && flags.lightingZone == LightingZone::Container) {
        soundFadeTime = 1.0f;
        if (std::shared_ptr<Transform> spot = FindComponent<Transform>("SpawnEnemyContainer"))
            own->SetPosition(spot->position.x, spot->position.y);
        sprite->transparency = 1.0f;
        sprite->flipX = false;
        if (std::shared_ptr<ParticleEmitter> particles = Particles()) particles->playState = true;
        flags.creatureReleased = false;
        flags.creatureActive = true;
        SetGhosted(false);
        if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(dialogue.lock()))
            text->SetText("Oh no! It's getting in!");
        vanished = false;
        stateTimer = 0.0f;
    }
    if (flags.creatureActive && !flags.finaleApproach) {
        WalkTo(finalPosition.x, finalePace * speed, dt);
        if (std::fabs(own->position.x - finalPosition.x) <= arrivalSlack) flags.finaleApproach = true;
    }
    if (vanished)
        FadeSounds(dt, true);
    else if (flags.finaleApproach)
        ApproachFinal(dt, *own, *sprite);
}

void ScriptedEnemy::ApproachFinal(float dt, Transform& own, Sprite& sprite) {
    GameFlagBlock& flags = GameFlags;
    if (std::fabs(own.position.x - finalPosition.x) > arrivalSlack)
        WalkTo(finalPosition.x, finalePace * speed, dt);
    const bool inContainer = flags.currentArea == Area::Container;
    if (inContainer) flags.isHiding = flags.inputLocked = true;
    StopVelocity();
    flags.oldManFlash = true;
    if (std::shared_ptr<BoxCollider> flash = FindComponent<BoxCollider>("Event07OldmanFlashesEnemy"))
        flash->interactable = false;
    stateTimer += dt;
    std::shared_ptr<Sprite> oldMan = FindComponent<Sprite>("OldManIdle");
    if (!oldMan || oldMan->transparency < 1.0f || stateTimer < 2.0f) return;
    if (!attacking) {
        ShowSheet(sprite, attackSheet, 1);
        attacking = true;
    }
    // Past the lunge (cell 7) a creature facing a hidden player goes into the dark.
    if (!inContainer || sprite.column <= 7) return;
    sprite.animate = false;
    sprite.transparency = 0.0f;
    SetGhosted(true);
    if (std::shared_ptr<Sprite> container = FindComponent<Sprite>("Container")) {
        container->useAltTexture = true;
        container->textureChanged = true;
    }
    if (std::shared_ptr<ParticleEmitter> particles = Particles()) StopParticles(*particles);
    flags.inputLocked = flags.isHiding = false;
    vanished = true;
}

void ScriptedEnemy::StandDown(bool resetSheet) {
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(owner); sprite && resetSheet)
        ShowSheet(*sprite, walkSheet, -1);
    attacking = false;
    exitTargetSet = patrolTargetSet = engaged = false;
}

void ScriptedEnemy::WalkTo(float targetX, float pace, float dt) {
    std::shared_ptr<Transform> own = ComponentOf<Transform>(owner);
    if (!own) return;
    // Along its own floor: its centre stays above the player's, which a straight line to the
    // player's centre would pull it down from.
    const vec2 at{own->position.x, own->position.y};
    const vec2 next = MoveTowards(at, vec2{targetX, at.y}, pace, dt);
    own->SetPosition(next.x, next.y);
}

void ScriptedEnemy::FadeSounds(float dt, bool finale) {
    Framework::AudioSystem* audio = Framework::audioSystem.get();
    if (!audio) return;
    const GameFlagBlock& flags = GameFlags;
    const bool levelThree = flags.currentLevel == 3 && !finale;
    if (soundFadeTime > 0.0f) {
        soundFadeTime -= dt;
        const float volume = std::max(soundFadeTime, 0.0f);
        const bool idleStays =
            levelThree && (flags.currentArea == Area::Outside || flags.currentArea == Area::Container);
        audio->SetSoundVolume("chase", volume);
        audio->SetSoundVolume("creatureidle", idleStays ? 1.0f : volume);
        return;
    }
    audio->SetSoundVolume("chase", 1.0f);
    audio->SetSoundVolume("creatureidle", 1.0f);
    if (levelThree && flags.currentArea == Area::Container)
        audio->ResumeSound("creatureidle");
    else
        audio->PauseSound("creatureidle");
    audio->PauseSound("chase");
}

void ScriptedEnemy::SetGhosted(bool ghosted) {
    if (std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(owner)) box->ghosted = ghosted;
}

void ScriptedEnemy::SetInteractable(bool interactable) {
    if (std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(owner)) box->interactable = interactable;
}

void ScriptedEnemy::StopVelocity() {
    if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(owner)) body->velocity = vec2{0.0f, 0.0f};
}

bool ScriptedEnemy::TouchesPlayersHidingPlace() const {
    GameObjectRef player = FindObjectByName("Player");
    if (!owner || !player) return false;
    const vec3 still{0.0f, 0.0f, 0.0f};
    for (const GameObjectRef& place : GameObjectList)
        if (place && place->type == ObjectType::Hiding &&
            CollisionIntersection(*owner, *place, still, 0.0f) &&
            CollisionIntersection(*player, *place, still, 0.0f))
            return true;
    return false;
}

void ScriptedEnemy::Inspector(int objectId) {
    ImGui::CollapsingHeader(("ScriptedEnemy##" + std::to_string(objectId)).c_str());
}
