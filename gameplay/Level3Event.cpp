#include "gameplay/Level3Event.h"

#include <algorithm>
#include <cmath>

#include <imgui.h>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"
#include "scenes/Scene.h"
#include "scenes/SceneSystem.h"

namespace {

const EventControllerBase::EventTable levelThreeEvents = {
    {"Event01TriggerRedCorridor", 1}, {"Event02SpawnEnemy", 2},     {"Event03OpenLiftDoor", 3},
    {"Event04HideCorridor", 4},       {"Event05EventRainMist", 5},  {"Event06EnemyRoofTop", 6},
    {"Event07OldmanFlashesEnemy", 7}, {"Event08EnterContainer", 8}, {"Event09ChangeLightbulb", 9},
};

// The corridor's segments, tinted together when the lights fail.
const char* const corridorSegments[] = {"Corridor", "Corridor(1)", "Corridor(2)", "Corridor(3)",
                                        "CorridorWrapping"};
const char* const hiddenByTheCreature[] = {
    "CorridorWallCornerLeft", "CorridorWallCornerRight", "CorridorBackground", "CorridorBackground2",
    "CorridorBackground3",    "CorridorPlant",           "CorridorPlant1"};
const char* const dawnSprites[] = {"RooftopDawn", "RooftopBackgroundOverlayDawn"};
const char* const daySprites[] = {"RooftopDay", "RooftopBackgroundOverlayDay"};

const vec3 lit{1.0f, 1.0f, 1.0f};
const vec3 flickerTint{0.6666667f, 0.0f, 0.0f}; // red only, between the flashes
const vec3 emergencyRed{0.825f, 0.2f, 0.2f};
const vec3 silhouette{0.0f, 0.0f, 0.0f};

constexpr float flickerEnd = 0.9f;
constexpr float climbSpeed = 72.0f;  // world units per second up the shaft
constexpr float climbStill = 0.3f;   // seconds the player hangs on the ladder before climbing
constexpr float ladderOffset = 3.5f; // the player's x on the ladder, from the ladder's
constexpr float ladderSlip = 1.2f;   // downward speed while the player takes hold
constexpr float rainBeforeMusic = 1.5f;
constexpr float finaleRise = 1.5f; // finale volume per second
constexpr float walkSpeed = 60.0f; // the player's walking pace in the scripted walks
constexpr float oldManReach = 10.0f;
constexpr float endingEnd = 18.0f;

template <class T> std::shared_ptr<T> Named(const char* name) {
    return FindComponent<T>(name);
}

float Alpha(const char* name) {
    std::shared_ptr<Sprite> sprite = Named<Sprite>(name);
    return sprite ? sprite->transparency : 0.0f;
}

void AddAlpha(const char* name, float step) {
    if (std::shared_ptr<Sprite> sprite = Named<Sprite>(name))
        sprite->transparency = std::clamp(sprite->transparency + step, 0.0f, 1.0f);
}

void SetInteractable(const char* name, bool interactable) {
    if (std::shared_ptr<BoxCollider> box = Named<BoxCollider>(name)) box->interactable = interactable;
}

void SetEmitter(const char* name, bool on, bool burst = false) {
    std::shared_ptr<ParticleEmitter> emitter = Named<ParticleEmitter>(name);
    if (!emitter) return;
    emitter->playState = on;
    emitter->timedBurst = on && burst;
    if (!on) emitter->ResetEmitter();
}

bool EmitterRunning(const char* name) {
    std::shared_ptr<ParticleEmitter> emitter = Named<ParticleEmitter>(name);
    return emitter && emitter->playState;
}

bool InWindow(float time, float from, float to) {
    return time >= from && time < to;
}

Framework::AudioSystem* Audio() {
    return Framework::audioSystem.get();
}

} // namespace

void Level3Event::Initialize() {
    currentEvent = 0;
    interactionTarget.clear();
    player = FindObjectByName("Player");
    dialogue = FindObjectByName("Dialogue");
    redCorridorArmed = liftDoorArmed = ladderArmed = calendarArmed = liftDoorOpened = false;
    flicker = LightFlicker{};
    rooftopTimer = climbCameraY = lightningTimer = 0.0f;
    climbFinished = chaseStarted = oldManShown = false;
    thunderPlayed = 0;
    rainTimer = finaleVolume = finalFadeTimer = endingTimer = 0.0f;
    walkLeft = atCalendar = calendarTorn = endThunder = false;
    ClearStory();
    if (Framework::AudioSystem* audio = Audio()) {
        audio->PlaySound("creatureidle", true);
        audio->PlaySound("chase", true);
        audio->PauseSound("creatureidle");
        audio->PauseSound("chase");
        audio->PlayBGM("finale", true);
        audio->SetBGMVolume("finale", 0.0f);
        audio->PauseBGM("finale");
    }
}

void Level3Event::ClearStory() {
    GameFlagBlock& flags = GameFlags;
    flags.cutsceneWalk = flags.creatureHold = flags.rooftopDone = flags.runDisabled = false;
    flags.rooftopCameraY = 0.0f;
    flags.eventRainDone = flags.oldManFlash = flags.containerEntered = flags.rooftopRain = false;
    flags.finaleMusic = flags.oldManMaterialized = flags.chaseMusicPlaying = false;
    flags.liftBurstPending = flags.redCorridorActive = flags.finaleApproach = false;
}

void Level3Event::Update(float dt) {
    if (Framework::sceneSystem && Framework::sceneSystem->isPaused) return;
    if (!owner || !player) return;
    DetectEvent(*owner, *player, levelThreeEvents);
    HandleInteraction(*player, dt);
    ApplyEventEffects(dt);
    UpdateSequences(dt);
    if (GameFlags.creatureHold) RooftopClimb(dt);
    if (climbFinished) RooftopLightning(dt);
    RooftopRainAndFinale(dt);
    OpenLadder();
    EventWeather();
    OldManScenes(dt);
    if (calendarArmed) Ending(dt);
}

void Level3Event::Say(const std::string& line) {
    if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(dialogue)) text->SetText(line);
}

void Level3Event::TintCorridor(vec3 tint) {
    for (const char* name : corridorSegments)
        if (std::shared_ptr<Sprite> segment = Named<Sprite>(name)) segment->colorTint = tint;
}

void Level3Event::OnInteract(GameObject& object) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<BoxCollider> box = object.GetComponent<BoxCollider>();
    const bool usable = box && box->interactable;
    const std::string& name = object.name;

    if (std::shared_ptr<TextSprite> caption = object.GetComponent<TextSprite>())
        if (caption->onlyOnInteract && (caption->repeatOnCollision || !caption->spent)) {
            Say(caption->GetText());
            if (!caption->repeatOnCollision) caption->spent = true;
        }

    if (object.type == ObjectType::WrapPos && usable &&
        (name == "RoofTopToContainer" || name == "ContainerToRoofTop" || name == "DeathbedToXX")) {
        if (std::shared_ptr<WrapPos> wrap = object.GetComponent<WrapPos>()) wrap->active = true;
        flags.inputLocked = true;
        if (name == "ContainerToRoofTop" && !flags.containerEntered)
            if (std::shared_ptr<Sprite> look = ComponentOf<Sprite>(player)) look->flipX = false;
    } else if (object.type == ObjectType::Hiding && flags.redCorridorActive) {
        flags.isHiding = !flags.isHiding;
        if (flags.isHiding) flags.playerState = PlayerHide;
    } else if (name == "Event09ChangeLightbulb" && usable) {
        // The bulb from the flat goes into the roof's lamp, and the sky opens.
        box->interactable = false;
        flags.rooftopRain = flags.inputLocked = true;
        if (std::shared_ptr<Sprite> roof = Named<Sprite>("Rooftop")) UseAltTexture(*roof, true);
        SetEmitter("EventMistParticles", true, true);
        SetEmitter("EventRainParticles", true, true);
    } else if (name == "Event10Calendar" && usable) {
        box->interactable = false;
        flags.inputLocked = true;
        calendarArmed = true;
        std::shared_ptr<Transform> calendar = Named<Transform>("Calendar");
        std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
        walkLeft = calendar && place && calendar->position.x < place->position.x;
    } else if (name == "Event01TriggerRedCorridor" && usable) {
        redCorridorArmed = true;
        box->interactable = false;
    } else if (name == "Event03OpenLiftDoor" && usable) {
        liftDoorArmed = ladderArmed = true;
        rooftopTimer = 0.0f;
        box->interactable = false;
    } else if (name == "Event07OldmanFlashesEnemy" && usable) {
        flags.finaleApproach = flags.inputLocked = flags.isHiding = true;
        box->interactable = false;
    } else if (name == "RedCorridorToRooftop" && ladderArmed) {
        StartClimb(object);
    }
}

void Level3Event::StartClimb(GameObject& ladder) {
    GameFlagBlock& flags = GameFlags;
    flags.inputLocked = flags.inVent = true;
    if (std::shared_ptr<BoxCollider> box = ladder.GetComponent<BoxCollider>()) box->interactable = false;
    if (std::shared_ptr<Sprite> look = ComponentOf<Sprite>(player)) look->colorTint = silhouette;
    SetGhosted("RooftopFloor", true);
    std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    std::shared_ptr<Transform> rungs = ladder.GetComponent<Transform>();
    if (body && place && rungs) {
        body->useGravity = false;
        body->SetPosition(rungs->position.x + ladderOffset, place->position.y, place->position.z);
        body->velocity = vec2{0.0f, -ladderSlip};
    }
    if (std::shared_ptr<Transform> view = FindComponent<Transform>("Camera")) climbCameraY = view->position.y;
    rooftopTimer = 0.0f;
    flags.creatureHold = true;
    ladderArmed = false;
}

void Level3Event::ApplyEventEffects(float) {
    GameFlagBlock& flags = GameFlags;
    switch (currentEvent) {
    case 1: // the lights fail, and the emergency lighting comes on red
        if (!redCorridorArmed) break;
        redCorridorArmed = false;
        flicker.Start();
        flags.redCorridorActive = flags.inputLocked = true;
        PlayEffect("ominousherald3");
        SetEmitter("MistParticles", false);
        break;
    case 2: // it is back, and the corridor no longer ends
    case 6: // it comes up after the player on the roof
        if (!flags.redCorridorActive || flags.creatureReleased || flags.creatureActive) break;
        flags.creatureReleased = true;
        if (currentEvent == 6) break;
        for (const char* name : hiddenByTheCreature) SetTransparency(name, 0.0f);
        SetTransparency("CorridorWrapping", 1.0f);
        SetGhosted("CorridorLeftBoundary", true);
        SetGhosted("CorridorRightBoundary", true);
        Say("It's back!");
        break;
    case 3: // the lift doors open on the shaft
        if (!liftDoorArmed) break;
        liftDoorArmed = false;
        liftDoorOpened = true;
        if (std::shared_ptr<Sprite> door = Named<Sprite>("LiftDoorRed")) {
            door->animate = true;
            door->animationCount = 1;
        }
        PlayEffect("liftdooropen");
        break;
    case 4: // into the hiding corridor: the dark that hid it lifts
        if (Alpha("HideCorridorOverlay") > 0.0f) SetTransparency("HideCorridorOverlay", 0.0f);
        break;
    case 5: // up on the roof the storm and the chase begin
        if (!flags.chaseMusicPlaying) {
            PlayEffect("rooftopchase");
            flags.chaseMusicPlaying = true;
        }
        if (!flags.creatureReleased && !flags.creatureActive) flags.creatureReleased = true;
        if (!flags.eventRainDone && !chaseStarted) {
            chaseStarted = true;
            SetEmitter("RainParticles", true, true);
            SetEmitter("MistParticles", true, true);
            SetEmitter("IntenseRoofTopRain", true);
            SetTransparency("RooftopBackgroundEyes", 1.0f);
            flags.inputLocked = true;
            Say("The storm's getting stronger.");
        }
        break;
    case 8: // into the container: once the wrap's fade has cleared, the player walks in
        if (flags.containerEntered) break;
        flags.inputLocked = true;
        if (Alpha("FadeInAndOut") <= 0.0f) flags.cutsceneWalk = flags.containerEntered = true;
        break;
    default:
        break;
    }
}

// The red flicker: the corridor's lights stutter, faster and faster, and settle on the emergency red.
void Level3Event::UpdateSequences(float dt) {
    if (!flicker.running) return;
    GameFlagBlock& flags = GameFlags;
    if (flicker.Step(dt)) {
        TintCorridor(flicker.lit ? lit : flickerTint);
        flags.lightsOff = !flicker.lit;
    }
    if (flicker.time < flickerEnd) return;
    flicker.running = false;
    TintCorridor(emergencyRed);
    flags.lightsOff = true;
    flags.inputLocked = false;
    if (Framework::AudioSystem* audio = Audio()) audio->PlaySound("suspense", false);
}

void Level3Event::RooftopClimb(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> view = FindComponent<Transform>("Camera");
    std::shared_ptr<Transform> top = FindComponent<Transform>("RoofTopEnd");
    if (!flags.rooftopDone) {
        rooftopTimer += dt;
        if (!view || !top) return;
        climbCameraY = std::min(climbCameraY + climbSpeed * dt, top->position.y);
        view->SetPosition(view->position.x, climbCameraY);
        std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);
        std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
        if (body && place && rooftopTimer > climbStill) {
            body->velocity = vec2{};
            body->SetPosition(place->position.x, place->position.y + climbSpeed * dt, place->position.z);
        }
        return;
    }
    if (view) flags.cameraTargetY = flags.rooftopCameraY = view->position.y;
    if (std::shared_ptr<Sprite> look = ComponentOf<Sprite>(player)) look->colorTint = lit;
    flags.creatureHold = false;
    climbFinished = true;
    lightningTimer = 0.0f;
}

// Two flashes over the roof, around 2 s and 3 s after the climb, each with its thunder.
void Level3Event::RooftopLightning(float dt) {
    std::shared_ptr<Sprite> sky = Named<Sprite>("RooftopBackgroundOverlay");
    if (!sky || (thunderPlayed >= 2 && lightningTimer > 4.0f)) return;
    lightningTimer += dt;
    const float step = InWindow(lightningTimer, 2.0f, 2.3f)    ? 1.0f / 120.0f
                       : InWindow(lightningTimer, 3.0f, 3.25f) ? 1.0f / 42.0f
                                                               : -1.0f / 60.0f;
    const float floor = 0.55f; // the overlay's own, darker tint
    for (float* channel : {&sky->colorTint.x, &sky->colorTint.y, &sky->colorTint.z})
        *channel = std::clamp(*channel + step * 4.0f, floor, 1.0f);
    if ((thunderPlayed == 0 && lightningTimer >= 2.0f) || (thunderPlayed == 1 && lightningTimer >= 3.0f)) {
        ++thunderPlayed;
        if (Framework::AudioSystem* audio = Audio()) {
            audio->PlaySound("thunderoutdoor5", false);
            audio->SetSoundVolume("thunderoutdoor5", 0.8f);
        }
    }
}

void Level3Event::RooftopRainAndFinale(float dt) {
    GameFlagBlock& flags = GameFlags;
    if (flags.rooftopRain) {
        rainTimer += dt;
        if (rainTimer >= rainBeforeMusic && !flags.finaleMusic && !flags.runDisabled) {
            flags.finaleMusic = true;
            flags.liftBurstPending = true; // the walk into the dawn follows the look at it
        }
    }
    if (flags.finaleMusic || flags.runDisabled) {
        finaleVolume = std::min(1.0f, finaleVolume + finaleRise * dt);
        if (Framework::AudioSystem* audio = Audio()) {
            audio->SetBGMVolume("raincorridor", 0.0f);
            audio->ResumeBGM("finale");
            audio->SetBGMVolume("finale", finaleVolume);
        }
    }
    if (flags.liftBurstPending && flags.finaleMusic) FinalWalk(dt);
}

// Walking only, toward the sunrise: dawn, then day, fade in over the sky, and the way on opens.
void Level3Event::FinalWalk(float dt) {
    GameFlagBlock& flags = GameFlags;
    flags.runDisabled = true;
    flags.isRunning = false;
    if (flags.inputLocked) return; // the camera is still looking at the dawn
    finalFadeTimer += dt;
    if (InWindow(finalFadeTimer, 1.0f, 5.0f))
        for (const char* name : dawnSprites) AddAlpha(name, dt / 4.0f);
    if (InWindow(finalFadeTimer, 5.0f, 10.0f))
        for (const char* name : daySprites) AddAlpha(name, dt / 5.0f);
    if (finalFadeTimer < 12.0f) return;
    SetGhosted("RooftopToFinalEvent", false);
    if (Alpha(daySprites[0]) >= 0.9f) flags.liftBurstPending = flags.finaleMusic = flags.rooftopRain = false;
}

void Level3Event::OpenLadder() {
    std::shared_ptr<Sprite> door = Named<Sprite>("LiftDoorRed");
    std::shared_ptr<BoxCollider> ladder = Named<BoxCollider>("RedCorridorToRooftop");
    if (liftDoorOpened && door && ladder && door->animationCount == 0 && !GameFlags.creatureHold &&
        !GameFlags.rooftopDone)
        ladder->interactable = true;
}

// After the roof's first downpour has blown over, the storm settles into its steady rain.
void Level3Event::EventWeather() {
    GameFlagBlock& flags = GameFlags;
    if (!liftDoorOpened || flags.eventRainDone || !chaseStarted) return;
    if (EmitterRunning("RainParticles") || EmitterRunning("MistParticles")) return;
    SetEmitter("EventRainParticles", true);
    SetEmitter("EventMistParticles", true);
    flags.inputLocked = false;
    flags.eventRainDone = true;
}

void Level3Event::OldManScenes(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> oldMan = Named<Transform>("OldManIdle");
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);
    if (flags.cutsceneWalk && oldMan && place && body) {
        if (place->position.x < oldMan->position.x + oldManReach) {
            flags.playerState = PlayerMoveRight;
            flags.isMoving = true;
            body->SetPosition(place->position.x + walkSpeed * dt, place->position.y, place->position.z);
            Say("Is he...?");
        } else {
            flags.inputLocked = flags.cutsceneWalk = false;
            flags.creatureReleased = true;
            Say("W-What is this...?");
        }
    }
    if (!flags.oldManFlash) return;
    std::shared_ptr<Sprite> materialize = Named<Sprite>("OldManMaterialize");
    if (!oldManShown && materialize) {
        oldManShown = true;
        materialize->transparency = 1.0f;
        materialize->animate = true;
    }
    if (materialize && materialize->animationCount != 0) return;
    if (materialize) materialize->transparency = 0.0f;
    SetTransparency("OldManIdle", 1.0f);
    if (flags.rooftopRain) return;
    flags.oldManFlash = false;
    flags.oldManMaterialized = true;
    SetTransparency("RooftopBackgroundEyes", 0.0f);
    SetInteractable("Event09ChangeLightbulb", true);
    SetInteractable("ContainerToRoofTop", true);
    SetInteractable("RoofTopToContainer", false);
}

void Level3Event::Ending(float dt) {
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Transform> calendar = Named<Transform>("Calendar");
    std::shared_ptr<Transform> place = ComponentOf<Transform>(player);
    std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);
    Framework::AudioSystem* audio = Audio();
    if (!atCalendar) {
        if (calendar && place && body && place->position.x != calendar->position.x) {
            const float step = std::min(walkSpeed * dt, std::fabs(calendar->position.x - place->position.x));
            body->SetPosition(place->position.x + (walkLeft ? -step : step), place->position.y,
                              place->position.z);
            flags.playerState = walkLeft ? PlayerMoveLeft : PlayerMoveRight;
            flags.cutsceneWalk = true;
            if (std::shared_ptr<Sprite> look = ComponentOf<Sprite>(player)) look->flipX = walkLeft;
            return;
        }
        atCalendar = true;
        flags.cutsceneWalk = false;
        flags.playerState = PlayerIdle;
        if (std::shared_ptr<Sprite> look = ComponentOf<Sprite>(player)) look->transparency = 0.0f;
        if (std::shared_ptr<Transform> scene = Named<Transform>("PlayerFinalAnimation"))
            if (place) scene->SetPosition(place->position.x, place->position.y);
        if (std::shared_ptr<Sprite> scene = Named<Sprite>("PlayerFinalAnimation")) {
            scene->transparency = 1.0f;
            scene->animate = true;
        }
    }
    endingTimer += dt;
    const float t = endingTimer;
    if (t < 1.0f) Say("The creature is gone at last.");
    if (InWindow(t, 4.0f, 5.0f)) Say("The date...");
    if (InWindow(t, 7.0f, 8.0f)) Say("Wasn't it the 12th?");
    if (InWindow(t, 9.0f, 12.0f) && !calendarTorn)
        if (std::shared_ptr<Sprite> page = Named<Sprite>("Calendar"); page && !page->animate) {
            calendarTorn = true;
            page->animate = true;
            PlayEffect("calendartear");
        }
    if (InWindow(t, 13.0f, 15.0f) && !endThunder) {
        endThunder = true;
        if (audio) {
            audio->PlaySound("thunderoutdoor5", false);
            audio->SetSoundVolume("thunderoutdoor5", 0.8f);
            audio->StopBGM("finale");
            audio->StopBGM("day");
        }
        SetTransparency("EndingFlash", 0.6f);
    }
    // White, the credits, and back to the menu.
    if (InWindow(t, 15.0f, endingEnd)) AddAlpha("EndingFlash", dt);
    if (t >= 15.0f) {
        if (std::shared_ptr<Transform> credits = Named<Transform>("CreditsHUD"))
            if (std::shared_ptr<Transform> view = FindComponent<Transform>("Camera"))
                credits->SetPosition(view->position.x, view->position.y);
        SetTransparency("CreditsHUD", t < endingEnd ? Alpha("EndingFlash") : 1.0f);
    }
    if (t < endingEnd) return;
    AddAlpha("EndingFlash", -dt);
    if (Alpha("EndingFlash") > 0.0f) return;
    ClearStory();
    calendarArmed = false;
    flags.inputLocked = false;
    RequestSceneChange(SceneMenu);
}

void Level3Event::Inspector(int objectId) {
    ImGui::CollapsingHeader(("Level3Event##" + std::to_string(objectId)).c_str());
}
