#include "scenes/Level.h"

#include <algorithm>
#include <string>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"
#include "scenes/SceneSystem.h"

namespace {

constexpr float heartbeatScaleStep = 0.0043631438f; // camera zoom change per frame of a beat
constexpr float heartbeatHalfBeat = 0.123f;         // seconds of a contraction or an expansion
constexpr float heartbeatRestTime = 0.5f;           // seconds between beats
constexpr float frameStep = 1.0f / 60.0f;           // beats are counted in frames, not seconds
constexpr float restingZoom = 2.0f;
constexpr float hidingZoom = 2.7f;
constexpr float openingFadeStart = 20.5f; // seconds: the level-1 opening fades in from here
constexpr float openingSkipTime = 20.6f;  // Escape jumps the opening to just past the fade start

std::shared_ptr<Sprite> SpriteOf(const GameObjectRef& object) {
    return object ? object->GetComponent<Sprite>() : nullptr;
}

std::shared_ptr<Transform> TransformOf(const GameObjectRef& object) {
    return object ? object->GetComponent<Transform>() : nullptr;
}

void SetTransparency(const GameObjectRef& object, float value) {
    if (std::shared_ptr<Sprite> sprite = SpriteOf(object)) sprite->transparency = value;
}

Framework::AudioSystem* Audio() {
    return Framework::audioSystem.get();
}

Framework::InputSystem* Input() {
    return Framework::inputSystem.get();
}

// One lightning flash of the level-1 opening: from `start` to `end` seconds the bedroom overlay
// flashes in, showing sheet column `column`.
struct Flash {
    float start;
    float end;
    int32_t column;
};

constexpr Flash openingFlashes[] = {
    {5.4f, 5.7f, 0},   {5.7f, 6.0f, 0},   {6.0f, 7.0f, 0},   {11.0f, 11.3f, 1},
    {11.9f, 12.9f, 0}, {16.0f, 17.0f, 2}, {17.6f, 17.9f, 0}, {18.2f, 18.5f, 0},
};

struct Line {
    float start;
    float end;
    const char* text;
};

constexpr Line openingLines[] = {
    {4.5f, 4.8f, "The storm..."},
    {11.3f, 11.9f, "Ugh. Can't sleep."},
    {17.0f, 17.6f, "I should take a walk."},
};

bool Inside(float t, float start, float end) {
    return t > start && t < end;
}

} // namespace

void Level::Load() {
    switch (GameFlags.currentLevel) {
    case 1:
        LoadLevel("Level1", "../Resources/Level/Level1.txt");
        break;
    case 2:
        LoadLevel("Level2", "../Resources/Level/Level2.txt");
        break;
    case 3:
        LoadLevel("Level3", "../Resources/Level/Level3.txt");
        break;
    default:
        break;
    }
}

void Level::Initialize() {
    hiding = false;
    heartbeatActive = false;
    fadeInDone = false;
    firstFrame = true;
    introTimer = 0.0f;
    hintTimer = 0.0f;
    flashCount = 0;
    rooftopSwitched = false;
    heartbeatPhase = heartbeatHalfBeat;
    heartbeatStage = 0;
    heartbeatStageStarted = false;
    heartbeatRest = 0.0f;

    GameFlagBlock& flags = GameFlags;
    flags.cameraTargetY = 0.0f;
    flags.cameraHeightOffset = 35.0f;
    flags.levelExitReached = false;
    flags.ventEntered = false;
    flags.respawnedOutside = false;
    flags.panToEnemy = false;
    flags.panToVent = false;
    flags.currentArea = 1;

    // Triggers and switches are boxes for the game to test, not things the player should see.
    for (const GameObjectRef& object : GameObjectList)
        if (object && (object->type == ObjectType::TriggerEvent || object->type == ObjectType::LightSwitch))
            SetTransparency(object, 0.0f);
    InitializeObjects();

    LookUpObjects();
    if (std::shared_ptr<Transform> panel = TransformOf(pauseMenuHUD)) {
        pauseMenuHomePosition = panel->position;
        pauseMenuHomeScale = panel->scale;
    }
    SetTransparency(yesButtonHUD, 0.0f);
    SetTransparency(noButtonHUD, 0.0f);
    SetTransparency(quitConfirmationHUD, 0.0f);
    SetTransparency(howToPlayHUD, 0.0f);
    SetTransparency(black, 1.0f);

    const int32_t level = flags.currentLevel;
    if (level == 1) {
        flags.currentArea = 1;
        SetTransparency(eventLiftBurstingOut, 0.0f);
        SetTransparency(bedroomLightningOverlay, 0.0f);
        SetTransparency(fadeInAndOut, 0.0f);
    } else if (level == 2) {
        flags.currentArea = 5;
    } else if (level == 3) {
        if (std::shared_ptr<Transform> roof = TransformOf(rooftopBackground))
            rooftopBackgroundStart = roof->position;
    }
    scrolledBackground = backgroundGroup;

    std::shared_ptr<Transform> cameraTransform = TransformOf(cameraObject);
    std::shared_ptr<Transform> playerTransform = TransformOf(player);
    if (cameraTransform && playerTransform) {
        cameraTransform->SetPosition(playerTransform->position.x, playerTransform->position.y);
        flags.cameraTargetY = cameraTransform->position.y;
    }

    // The opening's music; its volume follows the fade from black.
    if (level == 1 && Audio()) {
        Audio()->PlayBGM("intro", false);
        Audio()->SetBGMVolume("intro", 1.0f);
    }

    if (dialogueInit)
        if (std::shared_ptr<TextSprite> text = dialogueInit->GetComponent<TextSprite>()) text->alpha = 0.0f;
}

void Level::LookUpObjects() {
    cameraObject = FindObjectByName("Camera");
    pauseMenuHUD = FindObjectByName("PauseMenuHUD");
    resumeButtonHUD = FindObjectByName("ResumeButtonHUD");
    howToPlayButtonHUD = FindObjectByName("HowToPlayButtonHUD");
    quitGameButtonHUD = FindObjectByName("QuitGameButtonHUD");
    howToPlayHUD = FindObjectByName("HowToPlayHUD");
    quitConfirmationHUD = FindObjectByName("QuitConfirmationHUD");
    yesButtonHUD = FindObjectByName("YesButtonHUD");
    noButtonHUD = FindObjectByName("NoButtonHUD");
    player = FindObjectByName("Player");
    fadeInAndOut = FindObjectByName("FadeInAndOut");
    black = FindObjectByName("Black");
    outsideLightingFloor = FindObjectByName("OutsideLightingFloor");
    outsideAirconUnit = FindObjectByName("OutsideAirconUnit");
    bedroomLightningOverlay = FindObjectByName("BedroomLightningOverlay");
    dialogueInit = FindObjectByName("DialogueInit");
    motherBedroomFloor = FindObjectByName("MotherBedroomFloor");
    corridorBackground = FindObjectByName("CorridorBackground");
    corridorBackground1 = FindObjectByName("CorridorBackground(1)");
    backgroundGroup = FindObjectByName("BackgroundGroup");
    foregroundGroup = FindObjectByName("ForegroundGroup");
    eventLiftBurstingOut = FindObjectByName("EventLiftBurstingOut");
    cupboard = FindObjectByName("Cupboard");
    echo = FindObjectByName("Echo");
    vents = FindObjectByName("Vents");
    elevatorShaftOverlay = FindObjectByName("ElevatorShaftOverlay");
    rooftopBackground = FindObjectByName("RooftopBackground");
}

void Level::Update(float dt) {
    Framework::SceneSystem* scenes = Framework::sceneSystem.get();
    const bool paused = scenes && scenes->isPaused;
    const int32_t level = GameFlags.currentLevel;
    GameFlagBlock& flags = GameFlags;

    // While paused the player's movement flags are stale; scrolling on them would drift the sky.
    if (!paused) ScrollBackground();

    if (firstFrame) {
        if (std::shared_ptr<Rigidbody> body = player ? player->GetComponent<Rigidbody>() : nullptr) {
            body->useGravity = true;
            body->isGrounded = false;
        }
        firstFrame = false;
    }
    if (paused) return;

    hiding = flags.isHiding && !flags.buildingCollapse;

    UpdateObjects(dt);

    bool levelFinished = false;
    if (level == 1) {
        if (Input() && Input()->IsKeyTriggered(Key::Escape)) introTimer = openingSkipTime;
        Opening(dt);
        if (flags.levelExitReached) levelFinished = FadeOut(dt);
    } else if (level == 2) {
        FadeIn(dt);
        if (flags.levelExitReached) levelFinished = FadeOut(dt);
    } else if (level == 3) {
        FadeIn(dt);
    }
    if (levelFinished) FinishLevel(level);

    Heartbeat();
    FollowAndZoom(dt);
    WarpKeys(level);
}

void Level::ScrollBackground() {
    const int32_t level = GameFlags.currentLevel;
    if (level != 1 && level != 3) return;
    GameFlagBlock& flags = GameFlags;
    const float speed = flags.backgroundScrollSpeed;
    float step = flags.isRunning ? speed * 200.0f : speed * 60.0f;
    if (flags.facingLeft) step = -step;

    if (level == 3 && flags.rooftopDone && !rooftopSwitched) {
        scrolledBackground = rooftopBackground;
        flags.backgroundScrollSpeed = 0.003f;
        rooftopSwitched = true;
    }
    if (!flags.isMoving || !flags.positionChanged) return;

    if (level == 1 && flags.currentArea == 3)
        if (std::shared_ptr<Transform> front = TransformOf(foregroundGroup))
            front->SetPosition(front->position.x - step, front->position.y);
    if (std::shared_ptr<Transform> back = TransformOf(scrolledBackground))
        back->SetPosition(back->position.x + step, back->position.y);
}

void Level::Opening(float dt) {
    // Once the opening has faded in it must leave the lock alone: later scenes lock input too.
    if (fadeInDone) return;
    GameFlagBlock& flags = GameFlags;
    const float before = introTimer;
    introTimer += dt;
    std::shared_ptr<Sprite> blackSprite = SpriteOf(black);

    if (blackSprite && blackSprite->transparency > 0.0f && introTimer <= openingFadeStart)
        flags.inputLocked = true;

    if (std::shared_ptr<TextSprite> text = dialogueInit ? dialogueInit->GetComponent<TextSprite>() : nullptr)
        for (const Line& line : openingLines)
            if (Inside(introTimer, line.start, line.end)) text->SetText(line.text);

    if (std::shared_ptr<Sprite> lightning = SpriteOf(bedroomLightningOverlay)) {
        for (const Flash& flash : openingFlashes) {
            if (!Inside(introTimer, flash.start, flash.end) || Inside(before, flash.start, flash.end))
                continue;
            lightning->transparency = 1.0f;
            lightning->column = std::min(flash.column, std::max(lightning->numColumns, 1) - 1);
            lightning->uOffset = static_cast<float>(lightning->column) / std::max(lightning->numColumns, 1);
        }
        lightning->transparency = std::max(0.0f, lightning->transparency - 4.0f * dt);
    }

    if (introTimer <= openingFadeStart) return;
    flags.inputLocked = false;
    if (blackSprite) {
        blackSprite->transparency -= 0.2f * dt;
        if (Audio()) Audio()->SetBGMVolume("intro", std::max(0.0f, blackSprite->transparency));
    }
    if (!blackSprite || blackSprite->transparency <= 0.0f) {
        if (blackSprite) blackSprite->transparency = 0.0f;
        fadeInDone = true;
        if (Audio()) Audio()->StopBGM("intro");
    }
}

void Level::FadeIn(float dt) {
    if (fadeInDone) return;
    std::shared_ptr<Sprite> blackSprite = SpriteOf(black);
    if (blackSprite) blackSprite->transparency -= 0.2f * dt;
    if (!blackSprite || blackSprite->transparency <= 0.0f) {
        if (blackSprite) blackSprite->transparency = 0.0f;
        fadeInDone = true;
    }
}

bool Level::FadeOut(float dt) {
    std::shared_ptr<Sprite> blackSprite = SpriteOf(black);
    if (!blackSprite) return true;
    blackSprite->transparency = std::min(1.0f, blackSprite->transparency + dt);
    return blackSprite->transparency >= 1.0f;
}

void Level::FinishLevel(int32_t level) {
    if (level == 1) GameFlags.currentLevel = 2;
    if (level == 2) GameFlags.currentLevel = 3;
    if (Framework::sceneSystem) Framework::sceneSystem->nextScene = SceneLoading;
}

void Level::Heartbeat() {
    std::shared_ptr<Transform> view = TransformOf(cameraObject);
    if (!view) return;

    if (hiding) {
        heartbeatActive = true;
        if (heartbeatStage == 0) {
            if (!heartbeatStageStarted && Audio()) Audio()->PlaySound("heartbeat1", false);
            heartbeatStageStarted = true;
            view->SetScale(view->scale.x - heartbeatScaleStep, view->scale.y - heartbeatScaleStep);
            heartbeatPhase -= frameStep;
            if (heartbeatPhase < 0.0f) {
                heartbeatStage = 1;
                heartbeatStageStarted = false;
            }
        } else if (heartbeatStage == 1) {
            if (!heartbeatStageStarted && Audio()) Audio()->PlaySound("heartbeat2", false);
            heartbeatStageStarted = true;
            view->SetScale(view->scale.x + heartbeatScaleStep, view->scale.y + heartbeatScaleStep);
            heartbeatPhase += frameStep;
            if (heartbeatPhase >= heartbeatHalfBeat) {
                heartbeatStage = 2;
                heartbeatRest = 0.0f;
            }
        } else {
            heartbeatRest += frameStep;
            if (heartbeatRest >= heartbeatRestTime) {
                heartbeatStage = 0;
                heartbeatStageStarted = false;
            }
        }
        return;
    }

    if (!heartbeatActive) return;
    heartbeatPhase = heartbeatHalfBeat;
    heartbeatStage = 0;
    heartbeatStageStarted = false;
    float x = view->scale.x, y = view->scale.y;
    while (x < restingZoom) x += heartbeatScaleStep;
    while (y < restingZoom) y += heartbeatScaleStep;
    view->SetScale(x, y);
    heartbeatActive = false;
}

void Level::FollowAndZoom(float dt) {
    std::shared_ptr<Transform> view = TransformOf(cameraObject);
    std::shared_ptr<Transform> body = TransformOf(player);
    if (!view) return;
    const GameFlagBlock& flags = GameFlags;

    if (body) {
        if (flags.playerInLift)
            view->SetPosition(body->position.x, body->position.y + flags.cameraHeightOffset);
        else if (!flags.creatureHold)
            view->SetPosition(body->position.x, flags.cameraTargetY);
    }

    // Clamped at both ends: a step past the limit would leave the resting view a little off.
    if (hiding && view->scale.x < hidingZoom && view->scale.y < hidingZoom)
        view->SetScale(std::min(hidingZoom, view->scale.x + dt), std::min(hidingZoom, view->scale.y + dt));
    else if (!hiding && view->scale.x > restingZoom && view->scale.y > restingZoom)
        view->SetScale(std::max(restingZoom, view->scale.x - dt), std::max(restingZoom, view->scale.y - dt));
}

void Level::MovePlayerTo(float x, float y) {
    std::shared_ptr<Transform> body = TransformOf(player);
    if (!body) return;
    body->position.x = x;
    body->position.y = y;
    body->upToDate = false;
}

void Level::WarpKeys(int32_t level) {
    Framework::InputSystem* input = Input();
    if (!input || !input->IsKeyDown(Key::Letter('C'))) return;
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Rigidbody> body = player ? player->GetComponent<Rigidbody>() : nullptr;
    std::shared_ptr<BoxCollider> box = player ? player->GetComponent<BoxCollider>() : nullptr;

    if (level == 1) {
        if (input->IsKeyTriggered(Key::Letter('R'))) {
            MovePlayerTo(1000.0f, -576.0f);
            flags.currentArea = 2;
            flags.cameraTargetY = flags.cameraHeightOffset - 576.0f;
        } else if (input->IsKeyTriggered(Key::Letter('T'))) {
            MovePlayerTo(-800.0f, -2111.0f);
            flags.currentArea = 3;
            flags.cameraTargetY = flags.cameraHeightOffset - 2111.0f;
            if (body) body->useGravity = true;
        } else if (input->IsKeyTriggered(Key::Letter('G'))) {
            if (box) box->ghosted = !box->ghosted;
        } else if (input->IsKeyTriggered(Key::Letter('U'))) {
            MovePlayerTo(-1000.0f, -576.0f);
            if (std::shared_ptr<Transform> view = TransformOf(cameraObject))
                view->SetPosition(-1000.0f, -576.0f);
            flags.currentArea = 2;
            flags.cameraTargetY = flags.cameraHeightOffset - 576.0f;
        }
    } else if (level == 2) {
        auto warpTo = [&](const char* name) {
            std::shared_ptr<Transform> target = TransformOf(FindObjectByName(name));
            if (!target) return;
            MovePlayerTo(target->position.x, target->position.y);
            flags.cameraTargetY = target->position.y + flags.cameraHeightOffset;
        };
        if (input->IsKeyTriggered(Key::Letter('G'))) {
            if (body) body->useGravity = false;
            if (box) box->ghosted = !box->ghosted;
            if (body) body->useGravity = true;
        } else if (input->IsKeyTriggered(Key::Letter('R'))) {
            warpTo("OutsideToRoom");
        } else if (input->IsKeyTriggered(Key::Letter('T'))) {
            warpTo("ShaftEnd");
        }
    }
}

void Level::Draw(mat4 projection, mat4 view) {
    for (const GameObjectRef& object : GameObjectList) {
        if (!object) continue;
        if (std::shared_ptr<TextSprite> text = object->GetComponent<TextSprite>()) text->Draw();
        // A fully transparent sprite would only write depth: skipping it keeps the full-screen fades
        // and the invisible triggers from costing a screen of fill each frame.
        std::shared_ptr<Sprite> sprite = object->GetComponent<Sprite>();
        if (sprite && sprite->transparency > 0.0f) sprite->Draw(projection, view);
        if (std::shared_ptr<ParticleEmitter> particles = object->GetComponent<ParticleEmitter>())
            particles->Draw(projection, view);
    }
}

void Level::Unload() {
    if (Audio()) Audio()->StopAll();
    Scene::Unload();
}
