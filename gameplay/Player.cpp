#include "gameplay/Player.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>

#include "audio/AudioSystem.h"
#include "engine/Random.h"
#include "gameplay/Areas.h"
#include "gameplay/GameFlags.h"
#include "gameplay/LevelRules.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Collision.h"
#include "physics/Rigidbody.h"
#include "scenes/SceneSystem.h"

namespace {

constexpr float fadeStep = 1.0f / 60.0f;   // the death fade moves by a fixed amount per frame
constexpr float lookAheadFactor = 0.07f;   // walls are tested this many seconds of movement ahead
constexpr float baseAnimationRate = 60.0f; // frames per second the walk and run sheets play at

// The seven sheets the player switches between in one kind of light.
struct SpriteSet {
    const char* idle;
    const char* run;
    const char* walk;
    const char* jump;
    const char* crawl;
    const char* hide;
    const char* climb;
};

SpriteSet PlainSet(const char* crawl) {
    return {"player_idle.png", "player_run.png",  "player_walk.png", "player_jump.png", crawl,
            "player_hide.png", "player_climb.png"};
}

SpriteSet LitSet() {
    return {"player_idle_lit.png",    "player_run_lit.png",  "player_walk_lit.png", "player_jump_lit.png",
            "player_crawl_unlit.png", "player_hide_lit.png", "player_climb.png"};
}

SpriteSet UnlitSet(const char* climb) {
    return {"player_idle_unlit.png",
            "player_run_unlit.png",
            "player_walk_unlit.png",
            "player_jump_unlit.png",
            "player_crawl_unlit.png",
            "player_hide_unlit.png",
            climb};
}

// The set for a lighting zone with the room's lights on or off; false for a zone with no set, in
// which case the sprite is left as it is.
bool SpriteSetFor(int32_t zone, bool lightsOff, SpriteSet& set) {
    switch (zone) {
    case LightingZone::Bedroom:
        set = lightsOff ? UnlitSet("player_climb.png") : PlainSet("player_crawl_unlit.png");
        return true;
    case LightingZone::Corridor:
    case LightingZone::VoidDeck:
    case LightingZone::Jungle:
        set = lightsOff ? UnlitSet("player_climb.png") : LitSet();
        return true;
    case LightingZone::FloodedRooms:
    case LightingZone::Outside:
    case LightingZone::Shaft:
    case LightingZone::Container:
        set = UnlitSet("player_climb_unlit.png");
        return true;
    case LightingZone::UnlitBedroom:
        set = lightsOff ? PlainSet("player_crawl.png") : UnlitSet("player_climb.png");
        return true;
    case LightingZone::DeathBed:
        set = PlainSet("player_crawl.png");
        return true;
    case LightingZone::Final:
        set = PlainSet("player_crawl_unlit.png");
        return true;
    default:
        return false;
    }
}

// Puts a sheet on the sprite unless it already shows it. With the lights off the name goes to the
// alternative texture, so a light switch can flip the room and the player together.
void ShowSheet(Sprite& sprite, const std::string& name, int32_t columns) {
    const bool lightsOff = GameFlags.lightsOff;
    std::string& stored = lightsOff ? sprite.altTextureName : sprite.textureName;
    sprite.useAltTexture = lightsOff;
    // The second test catches a light change that left the stored name as it was but the other
    // texture on screen.
    if (stored == name && sprite.currentTextureName == name) return;
    stored = name;
    sprite.numRows = 1;
    sprite.numColumns = columns;
    sprite.column = 0;
    sprite.row = 0;
    sprite.uOffset = 0.0f;
    sprite.vOffset = 0.0f;
    sprite.animate = true;
    sprite.textureChanged = true;
}

std::shared_ptr<ParticleEmitter> SplashEmitter() {
    return FindComponent<ParticleEmitter>("PlayerSplashParticles");
}

void PlayAt(const std::string& name, float volume) {
    if (!Framework::audioSystem) return;
    Framework::audioSystem->PlaySound(name, false);
    Framework::audioSystem->SetSoundVolume(name, volume);
}

std::vector<std::string> NumberedNames(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back(stem + std::to_string(i));
    return names;
}

} // namespace

Player::Player()
    : Component(ComponentType::Player), concreteFootsteps(NumberedNames("footstepconcrete", 8)),
      grassFootsteps(NumberedNames("footstepgrass", 8)), outdoorThunder(NumberedNames("thunderoutdoor", 5)),
      ventFootsteps(NumberedNames("footstepvents", 8)),
      AreaTable{{"T_EMPTYSPACE", Area::EmptySpace}, {"T_BEDROOM", Area::Bedroom},
                {"T_FLOOR12", Area::Floor12},       {"T_FLOOR1", Area::Floor1},
                {"T_FLOOR11", Area::Floor11},       {"T_KITCHEN", Area::Kitchen},
                {"T_OUTSIDE", Area::Outside},       {"T_UNLITBEDROOM", Area::UnlitBedroom},
                {"T_DEATHBED", Area::DeathBed},     {"T_SHAFTFLOOR12", Area::ShaftFloor12},
                {"T_CONTAINER", Area::Container},   {"T_FINAL", Area::Final}} {}

void Player::Initialize() {
    componentType = ComponentType::Player;
    GameFlags.ResetForPlayerStart();

    nearInteractable = false;
    firstFrame = true;
    groundId = -1;

    playerObject = FindObjectByName("Player");
    cupboardObject = FindObjectByName("Cupboard");
    catObject = FindObjectByName("Cat");
    dialogueObject = FindObjectByName("Dialogue");
    // The component's own object carries the body it drives, whatever the level calls it.
    GameObjectRef named = playerObject.lock();
    GameObject* self = owner ? owner : named.get();
    collider = ComponentOf<BoxCollider>(self);
    body = ComponentOf<Rigidbody>(self);
    transform = ComponentOf<Transform>(self);
    sprite = ComponentOf<Sprite>(self);

    thunderTimer = 0.0f;
    dialogueDelay = 0.0f;
    sceneTimer = 0.0f;
    if (transform) lastPosition = {transform->position.x, transform->position.y};
}

void Player::Update(float dt) {
    if (Framework::sceneSystem && Framework::sceneSystem->isPaused) return;
    // Without its own body the player cannot move or stand; nothing else here makes sense then.
    if (!owner || !body || !transform || !collider) return;
    GameFlagBlock& flags = GameFlags;

    if (flags.playerDying) DeathStep();
    MovementAndInput();

    // Copied first: a contact may add or remove objects.
    const std::vector<GameObjectRef> others = GameObjectList;
    for (const GameObjectRef& other : others) {
        if (!other || other.get() == owner) continue;
        StandAndCollide(*other, dt);
        ContactRules(*other, dt);
    }
    InteractionPrompt(dt);

    if (flags.landingSoundDue) {
        PlayLandingSound();
        flags.landingSoundDue = false;
    }

    if (flags.currentArea == Area::DeathBed && firstFrame) {
        body->useGravity = true;
        body->isGrounded = false;
        firstFrame = false;
    }

    Thunder(dt);

    const float y = transform->position.y;
    if (y > -578.0f && y < -574.0f) flags.heightBandFlag = true;
    if (y > -2113.0f && y < -2109.0f) flags.heightBandFlag = false;

    ChooseSprite();
    Footsteps();
    CupboardLooks();

    flags.positionChanged = transform->position.x != lastPosition.x;
    lastPosition = {transform->position.x, transform->position.y};

    if (flags.currentLevel == 3) {
        for (const char* name :
             {"BackgroundGroup", "CorridorBackground", "CorridorBackground2", "CorridorBackground3"}) {
            GameObjectRef background = FindObjectByName(name);
            std::shared_ptr<Transform> backgroundTransform = ComponentOf<Transform>(background);
            if (backgroundTransform) backgroundTransform->Update(dt);
        }
    }
}

void Player::DeathStep() {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Sprite> fade = FindComponent<Sprite>("FadeInAndOut");

    // Out to black, across to the death bed, and back in once its room has lit the player.
    if (flags.lightingZone != LightingZone::DeathBed) {
        flags.inputLocked = true;
        body->isGrounded = false;
        body->useGravity = false;
        if (!StepFade(fade.get(), 1.0f, fadeStep)) return;

        const LevelRules* rules = FindLevelRules(flags.currentLevel);
        if (fade && rules && rules->respawnKeepsTint) flags.ambientColour = fade->colorTint;
        const RespawnRule respawn = RespawnRuleFor(flags.currentLevel, flags.lightingZone);
        if (!respawn.wrapTarget.empty()) flags.respawnWrapTarget = respawn.wrapTarget;
        if (respawn.whiteFade && fade) fade->colorTint = vec3{1.0f, 1.0f, 1.0f};

        if (std::shared_ptr<Transform> spawn = FindComponent<Transform>("DeathSpawnPos")) {
            const vec3 at = spawn->position;
            body->SetPosition(at.x, at.y, transform->position.z);
            if (std::shared_ptr<Transform> view = FindComponent<Transform>("Camera"))
                view->SetPosition(at.x, at.y);
            flags.cameraTargetY = at.y + 35.0f;
        }
        flags.currentArea = Area::DeathBed;
        if (sprite) {
            sprite->flipX = false;
            sprite->flipY = false;
        }
        return;
    }

    if (flags.chaseMusicPlaying) {
        if (Framework::audioSystem) Framework::audioSystem->StopSound("rooftopchase");
        flags.chaseMusicPlaying = false;
    }
    if (StepFade(fade.get(), 0.0f, fadeStep)) {
        flags.inputLocked = false;
        flags.playerDying = false;
        body->isGrounded = true;
        body->useGravity = true;
    }
}

void Player::ApplyHideRule() {
    body->velocity = vec2{0.0f, 0.0f};
    GameFlags.playerState = PlayerHide;
}

void Player::MovementAndInput() {
    GameFlagBlock& flags = GameFlags;
    Framework::InputSystem* input = Framework::inputSystem.get();

    if (flags.inputLocked) {
        body->velocity = vec2{0.0f, 0.0f};
        if (body->isGrounded && !flags.cutsceneWalk) flags.playerState = PlayerIdle;
        if (flags.isHiding) {
            ApplyHideRule();
            return;
        }
    } else if (flags.isHiding) {
        // Inside a hiding place the player is only let out by the interaction that put them in.
        ApplyHideRule();
        return;
    } else if (input) {
        if (input->IsActionTriggered("ACTION_RUN"))
            flags.isRunning = flags.runDisabled ? false : !flags.isRunning;

        if (input->IsActionTriggered("ACTION_JUMP")) {
            // In water the press is used up and the frame does nothing else.
            if (!flags.inWater) Jump();
        } else {
            const bool left = input->IsActionDown("ACTION_LEFT");
            const bool right = !left && input->IsActionDown("ACTION_RIGHT");
            if (left) {
                // The first frame of a press only turns the player round.
                if (input->IsActionTriggered("ACTION_LEFT")) {
                    if (sprite) {
                        sprite->flipX = true;
                        sprite->flipY = false;
                    }
                } else {
                    MoveLeft();
                    flags.isMoving = true;
                }
            } else if (right) {
                if (input->IsActionTriggered("ACTION_RIGHT")) {
                    if (sprite) {
                        sprite->flipX = false;
                        sprite->flipY = false;
                    }
                } else {
                    MoveRight();
                    flags.isMoving = true;
                }
            } else {
                body->velocity = vec2{0.0f, 0.0f};
                if (body->isGrounded) {
                    flags.playerState = PlayerIdle;
                    flags.isRunning = false;
                    flags.isMoving = false;
                }
            }
        }
    }

    if (body->acceleration.y < 0.0f) flags.playerState = PlayerJump;
    if (flags.inVent) {
        if (flags.isClimbing || flags.currentLevel == 3)
            flags.playerState = PlayerClimb;
        else if (flags.currentLevel == 2)
            flags.playerState = PlayerCrawl;
    }
}

void Player::Jump() {
    GameFlagBlock& flags = GameFlags;
    if (flags.inputLocked || flags.inVent) return;
    if (!flags.isHiding && body->isGrounded) {
        body->acceleration = jumpForce;
        body->isJumping = true;
        flags.playerState = PlayerJump;
    }
    flags.isMoving = true;
    if (flags.isHiding) ApplyHideRule();
}

void Player::MoveLeft() {
    Move(true);
}

void Player::MoveRight() {
    Move(false);
}

void Player::Move(bool left) {
    if (!body) return;
    GameFlagBlock& flags = GameFlags;
    float speed;
    if (!left && flags.runDisabled) {
        speed = 60.0f;
    } else if (flags.inWater) {
        speed = flags.isRunning ? 150.0f : 45.0f;
        if (sprite && sprite->animationDelay >= baseAnimationRate) {
            sprite->animationDelay *= 0.75f;
            sprite->framePeriod = 1.0f / sprite->animationDelay;
        }
    } else {
        speed = flags.isRunning ? 200.0f : 60.0f;
        if (sprite && sprite->animationDelay < baseAnimationRate) {
            sprite->animationDelay = baseAnimationRate;
            sprite->framePeriod = 1.0f / sprite->animationDelay;
        }
    }
    moveSpeed = left ? -speed : speed;
    body->velocity = vec2{moveSpeed, 0.0f};
    if (sprite) {
        sprite->flipX = left;
        sprite->flipY = false;
    }
    flags.facingLeft = left;
    if (body->isGrounded) flags.playerState = left ? PlayerMoveLeft : PlayerMoveRight;
}

void Player::StandAndCollide(GameObject& other, float dt) {
    std::shared_ptr<BoxCollider> otherBox = other.GetComponent<BoxCollider>();
    if (!otherBox) return;
    GameFlagBlock& flags = GameFlags;
    Rigidbody& r = *body;

    if (other.type == ObjectType::Floor) {
        if (otherBox->ghosted) {
            // A floor that turned into a ghost under the player drops them.
            if (other.id == groundId) {
                r.useGravity = true;
                r.isGrounded = false;
                groundId = -1;
            }
            return;
        }
        if (other.id == groundId || !r.isGrounded) {
            const vec3 shift{lookAheadFactor * r.velocity.x, r.GetGravity().y, 0.0f};
            const bool overlap = CollisionIntersection(*owner, other, shift, dt);
            if (groundId == -1 && !r.isGrounded && overlap) {
                r.velocity = vec2{0.0f, 0.0f};
                if (r.useGravity) flags.landingSoundDue = true;
            }
            if (r.useGravity) {
                if (overlap) {
                    const float floorTop = otherBox->GetMax().y;
                    if (!r.isJumping && std::fabs(collider->GetMin().y - floorTop) > 0.01f) {
                        const float halfHeight = (collider->GetMax().y - collider->GetMin().y) / 2.0f;
                        r.SetPosition(transform->position.x, floorTop + halfHeight + 1.0f,
                                      transform->position.z);
                    }
                    r.isGrounded = true;
                    groundId = other.id;
                } else {
                    r.isGrounded = false;
                    groundId = -1;
                }
            }
            return;
        }
    } else if (other.type != ObjectType::Boundary || otherBox->ghosted) {
        return;
    }

    // Walls, and floors at another height than the one stood on, stop the player a step early.
    const vec3 shift{lookAheadFactor * r.velocity.x, 0.0f, 0.0f};
    if (CollisionIntersection(*owner, other, shift, dt)) r.velocity = vec2{0.0f, 0.0f};
}

std::string Player::FootstepName(bool crawling) const {
    const GameFlagBlock& flags = GameFlags;
    if (crawling) return "footstepvents1";
    if (flags.alternateWorld) return grassFootsteps[Rand() % 8];
    if (flags.currentLevel == 2 && flags.inWater) return "footstepwater1";
    return concreteFootsteps[Rand() % 8];
}

float Player::FootstepVolume() const {
    if (GameFlags.currentLevel == 2 && GameFlags.inWater) return std::max(10, Rand() % 30) * 0.01f;
    return 1.0f;
}

void Player::PlayLandingSound() {
    const std::string name = FootstepName(false);
    PlayAt(name, FootstepVolume());
}

void Player::Thunder(float dt) {
    const GameFlagBlock& flags = GameFlags;
    if (flags.alternateWorld) return;
    thunderTimer += dt;
    const int roll = Rand() % 30;
    if (!(thunderTimer > static_cast<float>(roll) && thunderTimer > 10.0f)) return;
    const LevelRules* rules = FindLevelRules(flags.currentLevel);
    if (rules && flags.currentArea == rules->indoorThunderArea)
        PlayAt("thunderindoor", 0.6f);
    else if (rules && rules->outdoorThunder)
        PlayAt(outdoorThunder[Rand() % 5], 0.8f);
    thunderTimer = 0.0f;
}

void Player::ChooseSprite() {
    if (!sprite) return;
    GameFlagBlock& flags = GameFlags;
    SpriteSet set;
    const bool haveSet = SpriteSetFor(flags.lightingZone, flags.lightsOff, set);
    auto show = [&](const char* name, int32_t columns) {
        if (haveSet) ShowSheet(*sprite, name, columns);
    };

    switch (flags.playerState) {
    case PlayerIdle:
        show(set.idle, 30);
        if (std::shared_ptr<ParticleEmitter> splash = SplashEmitter()) {
            splash->playState = false;
            splash->ResetEmitter();
        }
        break;
    case PlayerMoveLeft:
    case PlayerMoveRight:
        if (flags.isRunning)
            show(set.run, 20);
        else
            show(set.walk, 30);
        break;
    case PlayerJump:
        show(set.jump, 20);
        break;
    case PlayerHide:
        show(set.hide, 10);
        break;
    case PlayerCrawl:
        show(set.crawl, 40);
        flags.isRunning = false;
        break;
    case PlayerClimb:
        show(set.climb, 30);
        flags.isRunning = false;
        break;
    default:
        break;
    }
}

void Player::Footsteps() {
    GameFlagBlock& flags = GameFlags;
    const int32_t state = flags.playerState;
    const bool walking = state == PlayerMoveLeft || state == PlayerMoveRight;
    const bool crawling = state == PlayerCrawl;
    if (!walking && !crawling) return;

    if (walking) {
        std::shared_ptr<ParticleEmitter> splash = SplashEmitter();
        const bool splashes =
            !flags.splashDisabled && (!flags.isRunning || flags.lightingZone == LightingZone::FloodedRooms);
        if (splash && splashes) splash->playState = true;
    }

    if (!sprite || !body->isGrounded) return;
    int32_t stepCell;
    if (crawling)
        stepCell = footstepPhase ? 9 : 29;
    else if (flags.isRunning)
        stepCell = footstepPhase ? 8 : 18;
    else
        stepCell = footstepPhase ? 6 : 21;
    if (sprite->column != stepCell) return;
    PlayAt(FootstepName(crawling), FootstepVolume());
    footstepPhase = !footstepPhase;
}

bool Player::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("playerID");
    serializer.WriteFloat(playerID);
    serializer.WriteString("JumpForce");
    serializer.WriteFloat(jumpForce.y);
    return true;
}

bool Player::Deserialize(Serializer& serializer) {
    std::string key;
    return serializer.ReadWord(key) && serializer.ReadFloat(playerID) && serializer.ReadWord(key) &&
           serializer.ReadFloat(jumpForce.y);
}

void Player::Inspector(int objectId) {
    const std::string id = std::to_string(objectId);
    if (!ImGui::CollapsingHeader(("Player##" + id).c_str())) return;
    ImGui::InputFloat(("Jump Force##" + id).c_str(), &jumpForce.y);
}
