#include "scenes/Loading.h"

#include <algorithm>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "scenes/SceneSystem.h"

namespace {

constexpr float waitSeconds = 4.0f; // fully shown before the closing fade
const char* const windName = "windoutdoor";

std::shared_ptr<Sprite> FadeSprite(const GameObjectRef& object) {
    return object ? object->GetComponent<Sprite>() : nullptr;
}

} // namespace

void Loading::Load() {
    LoadLevel("Loading", "../Resources/Level/Loading.txt");
}

void Loading::Initialize() {
    InitializeObjects();
    Framework::audioSystem->PlayBGM(windName, false);
    waitTimer = 0.0f;
    fadedIn = false;
    black = FindObjectByName("Black");
    if (std::shared_ptr<Sprite> sprite = FadeSprite(black)) sprite->transparency = 1.0f;
}

void Loading::Update(float dt) {
    // Without a "Black" both fades count as finished at once.
    std::shared_ptr<Sprite> blackSprite = FadeSprite(black);
    if (!fadedIn) {
        if (blackSprite) blackSprite->transparency -= dt;
        if (!blackSprite || blackSprite->transparency <= 0.0f) fadedIn = true;
    } else {
        waitTimer += dt;
        if (waitTimer >= waitSeconds) {
            if (blackSprite && blackSprite->transparency < 1.0f) {
                blackSprite->transparency += dt;
                auto& records = Framework::audioSystem->bgmChannels;
                auto wind = records.find(windName);
                if (wind != records.end())
                    Framework::audioSystem->SetBGMVolume(windName, std::max(0.0f, wind->second.volume - dt));
            }
            if (!blackSprite || blackSprite->transparency >= 1.0f) {
                GameFlags.levelExitReached = false;
                Framework::sceneSystem->nextScene = SceneLevel;
            }
        }
    }
    UpdateObjects(dt);
}

void Loading::Draw(mat4 projection, mat4 view) {
    for (const GameObjectRef& object : GameObjectList)
        if (std::shared_ptr<Sprite> sprite = FadeSprite(object)) sprite->Draw(projection, view);
}

void Loading::Unload() {
    Framework::audioSystem->PauseBGM(windName);
    black.reset();
    Scene::Unload();
}
