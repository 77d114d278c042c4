#include "scenes/Level.h"

#include <string>

#include "audio/AudioSystem.h"
#include "gameplay/Areas.h"
#include "gameplay/GameFlags.h"
#include "gameplay/LevelRules.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/GraphicsSystem.h"
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

constexpr float fadeInRate = 0.2f; // transparency per second: five seconds from black

// A developer warp: with C held, the key moves the player to a fixed place or to a named object.
struct Warp {
    int32_t level;
    char key;
    const char* target; // object to move to; null for the fixed place below
    vec2 place;
    int32_t area; // the area the warp lands in; -1 leaves it
    bool moveCamera;
    bool dropOntoFloor; // gravity on, for a landing below the current floor
};

const Warp warps[] = {
    {1, 'R', nullptr, {1000.0f, -576.0f}, Area::Floor12, false, false},
    {1, 'T', nullptr, {-800.0f, -2111.0f}, Area::Floor1, false, true},
    {1, 'U', nullptr, {-1000.0f, -576.0f}, Area::Floor12, true, false},
    {2, 'R', "OutsideToRoom", {}, -1, false, false},
    {2, 'T', "ShaftEnd", {}, -1, false, false},
};

} // namespace

void Level::Load() {
    rules = FindLevelRules(GameFlags.currentLevel);
    if (rules) LoadLevel(rules->name, std::string("../Resources/Level/") + rules->name + ".txt");
}

void Level::Initialize() {
    fadeInDone = false;
    firstFrame = true;
    rooftopSwitched = false;
    GameFlags.ResetForLevelStart();

    // Triggers and switches are boxes for the game to test, not things the player should see.
    for (const GameObjectRef& object : GameObjectList)
        if (object && (object->type == ObjectType::TriggerEvent || object->type == ObjectType::LightSwitch))
            SetTransparency(object, 0.0f);
    InitializeObjects();

    LookUpObjects();
    pauseMenu.Start();
    SetTransparency(black, 1.0f);
    if (std::shared_ptr<Transform> roof = ComponentOf<Transform>(rooftopBackground))
        rooftopBackgroundStart = roof->position;
    scrolledBackground = backgroundGroup;

    camera.Start(cameraObject, player);
    if (rules && rules->hasOpening) {
        SetTransparency(FindObjectByName("EventLiftBurstingOut"), 0.0f);
        SetTransparency(fadeInAndOut, 0.0f);
        opening.Start(black, FindObjectByName("BedroomLightningOverlay"), FindObjectByName("DialogueInit"));
    } else if (std::shared_ptr<TextSprite> text = FindComponent<TextSprite>("DialogueInit")) {
        text->alpha = 0.0f;
    }
    hints.Start();
    if (rules) ambience.Start(rules->level);
}

void Level::LookUpObjects() {
    cameraObject = FindObjectByName("Camera");
    player = FindObjectByName("Player");
    fadeInAndOut = FindObjectByName("FadeInAndOut");
    black = FindObjectByName("Black");
    foregroundGroup = FindObjectByName("ForegroundGroup");
    backgroundGroup = FindObjectByName("BackgroundGroup");
    rooftopBackground = FindObjectByName("RooftopBackground");
}

void Level::Update(float dt) {
    Framework::SceneSystem* scenes = Framework::sceneSystem.get();
    GameFlagBlock& flags = GameFlags;
    Framework::InputSystem* input = Framework::inputSystem.get();

    // While paused the player's movement flags are stale; scrolling on them would drift the sky.
    if (!(scenes && scenes->isPaused)) ScrollBackground();
    // The menu runs on the real frame time: the game's own time stops while it is open.
    if (fadeInDone) pauseMenu.Update(scenes ? scenes->frameDt : dt, cameraObject);

    if (firstFrame) {
        if (std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player)) {
            body->useGravity = true;
            body->isGrounded = false;
        }
        firstFrame = false;
    }
    if (scenes && scenes->isPaused) return;

    hints.Update(dt, rules ? rules->level : 0);
    UpdateObjects(dt);

    if (rules && rules->hasOpening) {
        if (input && input->IsKeyTriggered(Key::Escape)) opening.Skip();
        opening.Update(dt);
        fadeInDone = opening.IsDone();
    } else {
        FadeIn(dt);
    }
    if (rules && rules->nextLevel != 0 && flags.levelExitReached && FadeOut(dt)) {
        flags.currentLevel = rules->nextLevel;
        RequestSceneChange(SceneLoading);
    }

    camera.Update(dt, flags.isHiding && !flags.buildingCollapse, rules ? rules->level : 0);
    WarpKeys();
    if (rules) ambience.Update(rules->level, dt);
}

void Level::ScrollBackground() {
    if (!rules || !rules->scrollsBackground) return;
    GameFlagBlock& flags = GameFlags;
    const float speed = flags.backgroundScrollSpeed;
    float step = flags.isRunning ? speed * 200.0f : speed * 60.0f;
    if (flags.facingLeft) step = -step;

    if (flags.rooftopDone && rooftopBackground && !rooftopSwitched) {
        scrolledBackground = rooftopBackground;
        flags.backgroundScrollSpeed = 0.003f;
        rooftopSwitched = true;
    }
    if (!flags.isMoving || !flags.positionChanged) return;

    // The void deck's railings pass in front of the player the other way.
    if (flags.currentArea == Area::Floor1)
        if (std::shared_ptr<Transform> front = ComponentOf<Transform>(foregroundGroup))
            front->SetPosition(front->position.x - step, front->position.y);
    if (std::shared_ptr<Transform> back = ComponentOf<Transform>(scrolledBackground))
        back->SetPosition(back->position.x + step, back->position.y);
}

void Level::FadeIn(float dt) {
    if (!fadeInDone) fadeInDone = StepFade(ComponentOf<Sprite>(black).get(), 0.0f, fadeInRate * dt);
}

bool Level::FadeOut(float dt) {
    return StepFade(ComponentOf<Sprite>(black).get(), 1.0f, dt);
}

void Level::MovePlayerTo(float x, float y) {
    std::shared_ptr<Transform> body = ComponentOf<Transform>(player);
    if (!body) return;
    body->position.x = x;
    body->position.y = y;
    body->upToDate = false;
}

void Level::WarpKeys() {
    Framework::InputSystem* input = Framework::inputSystem.get();
    if (!rules || !input || !input->IsKeyDown(Key::Letter('C'))) return;
    GameFlagBlock& flags = GameFlags;
    std::shared_ptr<Rigidbody> body = ComponentOf<Rigidbody>(player);

    // G walks through walls and floors: the player's own box becomes a ghost.
    if (rules->level <= 2 && input->IsKeyTriggered(Key::Letter('G'))) {
        if (std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(player)) box->ghosted = !box->ghosted;
        if (body && rules->level == 2) body->useGravity = true;
        return;
    }
    for (const Warp& warp : warps) {
        if (warp.level != rules->level || !input->IsKeyTriggered(Key::Letter(warp.key))) continue;
        vec2 place = warp.place;
        if (warp.target) {
            std::shared_ptr<Transform> target = FindComponent<Transform>(warp.target);
            if (!target) return;
            place = {target->position.x, target->position.y};
        }
        MovePlayerTo(place.x, place.y);
        if (warp.moveCamera)
            if (std::shared_ptr<Transform> view = ComponentOf<Transform>(cameraObject))
                view->SetPosition(place.x, place.y);
        if (warp.area >= 0) flags.currentArea = warp.area;
        flags.cameraTargetY = place.y + flags.cameraHeightOffset;
        if (warp.dropOntoFloor && body) body->useGravity = true;
        return;
    }
}

void Level::Draw(mat4 projection, mat4 view) {
    // Sprites out of view, hidden behind an opaque one, or fully transparent are not drawn.
    const std::vector<DrawDecision>& plan =
        Framework::graphicsSystem->PlanFrame(GameObjectList, projection, view);
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        const GameObjectRef& object = GameObjectList[i];
        if (!object) continue;
        if (std::shared_ptr<TextSprite> text = object->GetComponent<TextSprite>()) text->Draw();
        if (plan[i] == DrawDecision::Draw)
            Framework::graphicsSystem->DrawPlanned(i, *object->GetComponent<Sprite>(), projection, view);
        if (std::shared_ptr<ParticleEmitter> particles = object->GetComponent<ParticleEmitter>())
            particles->Draw(projection, view, Framework::graphicsSystem->PlannedArea(i));
    }
}

void Level::Unload() {
    if (Framework::audioSystem) Framework::audioSystem->StopAll();
    Scene::Unload();
}
