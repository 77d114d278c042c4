#include "gameplay/Level1Event.h"

#include <algorithm>
#include <cmath>

#include <imgui.h>

#include "audio/AudioSystem.h"
#include "gameplay/DoorLock.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Lift.h"
#include "gameplay/LightSwitch.h"
#include "gameplay/Weather.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"
#include "scenes/SceneSystem.h"

namespace {

const EventControllerBase::EventTable levelOneEvents = {
    {"Event011Newspaper", 1},
    {"Event012Eyes", 2},
    {"Event013CreatureSpawn(Left)", 3},
    {"Event014CreaturePursuit(Right)", 4},
    {"Event015Lamp", 5},
    {"Event016Cat", 6},
    {"Event017FlipFloor11Overlay", 7},
};

// The rooms the flicker turns dark and light again: their alternative sheet is the unlit room.
const char* const flickeringRooms[] = {"Corridor",     "Corridor(1)", "Corridor(2)",
                                       "VoidDeckWest", "VoidDeck",    "VoidDeckEast"};

constexpr float newspaperSpeed = 160.0f;
constexpr float newspaperStopX = -1100.0f;
constexpr float otherWorldStart = 0.9f; // the other world fades in from here
constexpr float flickerEnd = 1.8f;
constexpr float catWalkSpeed = 140.0f;
constexpr float pettingLength = 3.0f;
constexpr int32_t burstReleaseColumn = 39; // the cell on which the lift doors give way

template <class T> std::shared_ptr<T> Named(const char* name) {
    return FindComponent<T>(name);
}

// Every sprite of a family of objects ("VoidDeckAlternate", "VoidDeckAlternate(1)", ...).
void SetFamilyTransparency(const char* prefix, float alpha) {
    for (const GameObjectRef& object : GameObjectList)
        if (object && NameStartsWith(object->name, prefix)) SetTransparency(object, alpha);
}

float Alpha(const char* name) {
    std::shared_ptr<Sprite> sprite = Named<Sprite>(name);
    return sprite ? sprite->transparency : 0.0f;
}

// Moves the object's Transform toward `target` at `speed` units per second; true once there.
bool Approach(Transform& place, vec2 target, float speed, float dt) {
    const vec2 next = MoveTowards(vec2{place.position.x, place.position.y}, target, speed, dt);
    place.SetPosition(next.x, next.y);
    return next.x == target.x && next.y == target.y;
}

} // namespace

void Level1Event::Initialize() {
    currentEvent = 0;
    interactionTarget.clear();
    player = FindObjectByName("Player");
    dialogue = FindObjectByName("Dialogue");
    flicker = LightFlicker{};
    flickerOnUpperFloor = false;
    newspaperShown = eyesSeen = catWalking = catWalked = petting = petted = stayLineSaid = overlayPlaced =
        false;
    pettingTime = 0.0f;
    catJumpLeg = 0;
    huntStarted = huntToRetry = false;
}

void Level1Event::Update(float dt) {
    if (Framework::sceneSystem && Framework::sceneSystem->isPaused) return;
    if (!owner || !player) return;
    DetectEvent(*owner, *player, levelOneEvents);
    HandleInteraction(*player, dt);
    ApplyEventEffects(dt);
    NewspaperDrift(dt);
    UpdateSequences(dt);
    CatSteps(dt);
    LiftBurst();
    RetryHuntAfterDeath();
    // The window opens once the creature has gone and the building has begun to give way.
    if (std::shared_ptr<BoxCollider> window = Named<BoxCollider>("WindowEnd"))
        if (GameFlags.buildingCollapse) window->interactable = true;
}

void Level1Event::Say(const std::string& line) {
    if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(dialogue)) text->SetText(line);
}

void Level1Event::ApplyEventEffects(float) {
    GameFlagBlock& flags = GameFlags;
    switch (currentEvent) {
    case 1: // the newspaper blows past
        if (!flags.phaseTwoFlag || newspaperShown) break;
        newspaperShown = true;
        SetTransparency("Newspaper", 1.0f);
        PlayEffect("newspaperblow");
        if (std::shared_ptr<Rigidbody> paper = Named<Rigidbody>("Newspaper"))
            paper->velocity = vec2{-newspaperSpeed, 0.0f};
        break;
    case 2: // eyes in the dark, and the lights begin to go
        if (!flags.phaseTwoFlag || eyesSeen || flags.weatherStopped) break;
        eyesSeen = true;
        flags.inputLocked = true;
        flags.weatherStopped = true;
        SetTransparency("SpawnEyes", 1.0f);
        SetWeather(false);
        StartFlicker();
        break;
    case 4: // the chase begins
        if (!flags.phaseTwoFlag || !flags.blackoutStarted || !flags.weatherStopped) break;
        flags.inputLocked = true;
        flags.weatherStopped = false;
        flags.pursuitStarted = true;
        huntStarted = true;
        SetGhosted("Event014LeftBoundary", false);
        break;
    case 6: // the cat comes out to the chess table
        if (flags.phaseTwoFlag || catWalking || catWalked) break;
        catWalking = true;
        SetTransparency("CatWalk", 1.0f);
        if (std::shared_ptr<Sprite> walk = Named<Sprite>("CatWalk")) walk->animate = true;
        break;
    case 7: // floor 11's overgrown corridor is laid over the corridor
        if (overlayPlaced) break;
        overlayPlaced = true;
        if (std::shared_ptr<Transform> corridor = Named<Transform>("Corridor"))
            if (std::shared_ptr<Transform> overlay = Named<Transform>("CorridorAlternate11Overlay"))
                overlay->SetPosition(corridor->position.x, corridor->position.y + corridor->scale.y);
        break;
    default:
        break;
    }
}

void Level1Event::NewspaperDrift(float dt) {
    if (!newspaperShown) return;
    std::shared_ptr<Transform> place = Named<Transform>("Newspaper");
    std::shared_ptr<Rigidbody> paper = Named<Rigidbody>("Newspaper");
    std::shared_ptr<Sprite> look = Named<Sprite>("Newspaper");
    if (!place || !paper || !look || look->transparency <= 0.0f) return;
    if (place->position.x > newspaperStopX) return;
    look->transparency = std::max(0.0f, look->transparency - dt);
    if (look->transparency <= 0.0f) paper->velocity = vec2{};
}

void Level1Event::StartFlicker() {
    flicker.Start();
    GameFlagBlock& flags = GameFlags;
    flickerOnUpperFloor = flags.heightBandFlag;
    if (flickerOnUpperFloor) return;
    if (flags.blackoutSoundPending) {
        PlayEffect("blackout");
        flags.blackoutSoundPending = false;
    }
    if (std::shared_ptr<Transform> scare = Named<Transform>("PlayerScare"))
        if (std::shared_ptr<Transform> body = ComponentOf<Transform>(player))
            scare->SetPosition(body->position.x, body->position.y);
    SetTransparency("PlayerScare", 1.0f);
    Say("Huh? What's happening?");
    flags.alternateWorld = true;
}

void Level1Event::SetRoomsLit(bool lit) {
    for (const char* name : flickeringRooms)
        if (std::shared_ptr<Sprite> room = Named<Sprite>(name)) UseAltTexture(*room, !lit);
    GameFlags.lightsOff = !lit;
}

void Level1Event::UpdateSequences(float dt) {
    if (!flicker.running) return;
    GameFlagBlock& flags = GameFlags;
    if (flicker.Step(dt)) {
        SetRoomsLit(flicker.lit);
        SetFamilyTransparency("VoidDeckForeground", flicker.lit ? 1.0f : 0.0f);
    }
    if (flickerOnUpperFloor) {
        if (flicker.time < otherWorldStart) return;
        for (const char* plant : {"CorridorPlant", "CorridorPlant1"})
            if (std::shared_ptr<Sprite> look = Named<Sprite>(plant)) UseAltTexture(*look, true);
        if (Framework::audioSystem) Framework::audioSystem->PlaySound("suspense", false);
        SetRoomsLit(true);
        EndFlicker();
        return;
    }
    if (flicker.time >= otherWorldStart) {
        SetRoomsLit(false);
        SetFamilyTransparency("VoidDeckAlternate", std::min(1.0f, flicker.time - otherWorldStart));
        SetTransparency("KeyboardPromptSHIFT", 0.0f);
        SetFamilyTransparency("VoidDeckForeground", 0.0f);
        // In the other world nothing is left to read.
        for (const GameObjectRef& object : InteractableObjects) {
            std::shared_ptr<TextSprite> caption = ComponentOf<TextSprite>(object);
            std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(object);
            if (!caption || !caption->onlyOnInteract || !box) continue;
            box->interactable = false;
            box->ghosted = true;
            caption->onlyOnInteract = false;
        }
    }
    if (flicker.time >= flickerEnd) {
        SetGhosted("Event013LeftBoundary", false);
        flags.creatureReleased = flags.heightBandFlag;
        EndFlicker();
    }
}

void Level1Event::EndFlicker() {
    flicker.running = false;
    GameFlags.inputLocked = false;
    SetTransparency("PlayerScare", 0.0f);
    SetTransparency("SpawnEyes", 0.0f);
}

void Level1Event::CatSteps(float dt) {
    if (catWalking) {
        std::shared_ptr<Transform> walk = Named<Transform>("CatWalk");
        std::shared_ptr<Transform> rest = Named<Transform>("OutsideCat");
        if (!walk || !rest) {
            catWalking = false;
        } else if (std::fabs(walk->position.x - rest->position.x) < 20.0f) {
            catWalking = false;
            catWalked = true;
            SetTransparency("CatWalk", 0.0f);
            SetTransparency("OutsideCat", 1.0f);
            if (std::shared_ptr<BoxCollider> box = Named<BoxCollider>("OutsideCat")) box->interactable = true;
        } else {
            Approach(*walk, vec2{rest->position.x, walk->position.y}, catWalkSpeed, dt);
        }
    }
    if (petting) {
        pettingTime += dt;
        if (pettingTime >= pettingLength) {
            petting = false;
            GameFlags.inputLocked = false;
            SetTransparency("PlayerPetCat", 0.0f);
            SetTransparency("OutsideCat", 0.0f);
            if (std::shared_ptr<Sprite> body = ComponentOf<Sprite>(player)) body->transparency = 1.0f;
            if (std::shared_ptr<Transform> jump = Named<Transform>("CatJump")) {
                catJumpLeg = 1;
                catJumpTarget = vec2{jump->position.x + 200.0f, jump->position.y};
                SetTransparency("CatJump", 1.0f);
                if (std::shared_ptr<Sprite> look = Named<Sprite>("CatJump")) look->animate = true;
            }
        }
    }
    if (catJumpLeg == 1 || catJumpLeg == 2) {
        std::shared_ptr<Transform> jump = Named<Transform>("CatJump");
        std::shared_ptr<Sprite> look = Named<Sprite>("CatJump");
        if (!jump || !look) {
            catJumpLeg = 3;
            return;
        }
        const float speed = catJumpLeg == 1 ? 160.0f : 260.0f;
        const bool there = Approach(*jump, catJumpTarget, speed, dt);
        if (catJumpLeg == 1 && there) {
            catJumpLeg = 2;
            catJumpTarget = vec2{jump->position.x - 1500.0f, jump->position.y};
        } else if (catJumpLeg == 2 && (!look->animate || look->column >= 29)) {
            look->transparency = 0.0f;
            catJumpLeg = 3;
        }
    }
}

void Level1Event::LiftBurst() {
    GameFlagBlock& flags = GameFlags;
    if (!flags.liftBurstPending) return;
    std::shared_ptr<Sprite> burst = Named<Sprite>("EventLiftBurstingOut");
    if (!burst) return;
    burst->transparency = 1.0f;
    burst->animate = true;
    // Released once: the creature clears the call itself when it is on stage.
    if (burst->column >= burstReleaseColumn) {
        SetTransparency("LiftStaticBackground", 1.0f);
        flags.creatureReleased = true;
        flags.liftBurstPending = false;
    }
}

void Level1Event::RetryHuntAfterDeath() {
    GameFlagBlock& flags = GameFlags;
    if (huntStarted && flags.playerDying && !flags.buildingCollapse) huntToRetry = true;
    if (!huntToRetry || flags.playerDying) return;
    // Back from the death bed: the old lift stands shut again and walking back past it lets the
    // creature out once more.
    huntToRetry = huntStarted = false;
    flags.weatherStopped = true;
    SetGhosted("Event014LeftBoundary", true);
    SetTransparency("LiftStaticBackground", 0.0f);
    if (std::shared_ptr<Sprite> burst = Named<Sprite>("EventLiftBurstingOut")) {
        burst->transparency = 0.0f;
        burst->animate = false;
        burst->animationCount = 1;
        burst->column = 0;
        burst->uOffset = 0.0f;
    }
}

void Level1Event::PetCat(GameObject& cat) {
    GameFlagBlock& flags = GameFlags;
    flags.phaseTwoFlag = true;
    petted = petting = true;
    pettingTime = 0.0f;
    SetTransparency("ChesstableOldMan", 0.0f);
    PlayEffect("catmeow2");
    if (std::shared_ptr<BoxCollider> box = cat.GetComponent<BoxCollider>()) box->interactable = false;
    flags.inputLocked = true;
    if (std::shared_ptr<Sprite> look = cat.GetComponent<Sprite>()) {
        UseAltTexture(*look, true);
        look->numRows = 1;
        look->numColumns = 60;
        look->column = look->row = 0;
        look->animationCount = 1;
        look->animate = true;
    }
    // The petting scene shows the player kneeling by the cat.
    if (std::shared_ptr<Transform> scene = Named<Transform>("PlayerPetCat"))
        if (std::shared_ptr<Transform> body = ComponentOf<Transform>(player))
            scene->SetPosition(body->position.x, body->position.y);
    SetTransparency("PlayerPetCat", 1.0f);
    if (std::shared_ptr<Sprite> scene = Named<Sprite>("PlayerPetCat")) scene->animate = true;
    if (std::shared_ptr<Sprite> body = ComponentOf<Sprite>(player)) body->transparency = 0.0f;
}

void Level1Event::OnInteract(GameObject& object) {
    GameFlagBlock& flags = GameFlags;

    ReadCaption(object);
    if (object.name == "WindowEnd") flags.levelExitReached = true;
    if (object.name == "OutsideCat" && Alpha("OutsideCat") == 1.0f) {
        if (!flags.phaseTwoFlag && !petted) {
            PetCat(object);
        } else if (petted && !stayLineSaid) {
            stayLineSaid = true;
            PlayEffect("catmeow2");
            Say("I'd love to stay, but I should probably head back home.");
        }
    }

    switch (object.type) {
    case ObjectType::Hiding:
        if (flags.phaseTwoFlag && flags.blackoutStarted) {
            flags.isHiding = !flags.isHiding;
            SetWeather(!flags.isHiding);
            if (flags.isHiding) flags.playerState = PlayerHide;
        }
        break;
    case ObjectType::TriggerEvent:
        // The lift's power lever brings the lights, the deck and the weather back.
        if (object.name == "Event013CreatureSpawn(Left)" && flags.phaseTwoFlag) {
            flags.lightSwitchUse = true;
            if (std::shared_ptr<LightSwitch> lever = object.GetComponent<LightSwitch>()) lever->LeverStep();
            SetFamilyTransparency("VoidDeckAlternate", 0.0f);
            SetFamilyTransparency("VoidDeckForeground", 1.0f);
            SetRoomsLit(true);
            SetGhosted("Event013LeftBoundary", true);
            SetWeather(true);
        }
        break;
    case ObjectType::LightSwitch:
        if (std::shared_ptr<LightSwitch> lightSwitch = object.GetComponent<LightSwitch>()) {
            lightSwitch->FlipGroup();
            flags.lightSwitchUse = true;
        }
        break;
    case ObjectType::Lock:
        if (object.name == "HouseKeys") {
            std::shared_ptr<Sprite> keys = object.GetComponent<Sprite>();
            if (keys && keys->transparency == 1.0f) {
                flags.hasHouseKeys = true;
                keys->transparency = 0.0f;
                PlayEffect("keypickup");
                Say("Got the keys.");
            }
        } else if (std::shared_ptr<DoorLock> lock = object.GetComponent<DoorLock>()) {
            if (flags.doorUnlocked) break;
            if (!flags.hasHouseKeys) {
                Say("I need the keys.");
            } else {
                lock->active = !lock->active;
                flags.inputLocked = !flags.inputLocked;
                flags.lockPromptVisible = true;
            }
        }
        break;
    case ObjectType::LiftButton:
        if (!flags.alternateWorld && !flags.blackoutStarted)
            if (std::shared_ptr<Lift> lift = object.GetComponent<Lift>()) {
                flags.liftCalled = true;
                PlayEffect("liftbutton");
                lift->Use();
                SetTransparency("KeyboardPromptSHIFT", 0.0f);
            }
        break;
    case ObjectType::WrapPos:
        if (object.name == "WrapExit" && !flags.phaseTwoFlag) {
            // The stairs lead back up while the way home is still open.
            flags.wrapReturn = true;
        } else if (object.name == "WrapExit" && !flags.blackoutStarted) {
            flags.blackoutStarted = true;
            if (flags.blackoutSoundPending) {
                PlayEffect("blackout");
                flags.blackoutSoundPending = false;
            }
            SetTransparency("OldManIdle", 1.0f);
            SetGhosted("OldManIdle", false);
            StartFlicker();
            Say("Blocked! I need to find another way.");
        }
        // The death bed's door takes the player back to where they were caught.
        if (object.name == "DeathbedToXX")
            if (std::shared_ptr<WrapPos> wrap = object.GetComponent<WrapPos>()) wrap->active = true;
        break;
    default:
        break;
    }
}

void Level1Event::Inspector(int objectId) {
    ImGui::CollapsingHeader(("Level1Event##" + std::to_string(objectId)).c_str());
}
