#include "scenes/Loading.h"

#include <algorithm>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "scenes/SceneSystem.h"

namespace {

constexpr float waitSeconds = 4.0f; // fully shown before the closing fade
const char* const windName = "windoutdoor";

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
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(black)) sprite->transparency = 1.0f;
}

void Loading::Update(float dt) {
    // Without a "Black" both fades count as finished at once.
    std::shared_ptr<Sprite> blackSprite = ComponentOf<Sprite>(black);
    if (!fadedIn) {
        fadedIn = StepFade(blackSprite.get(), 0.0f, dt);
    } else {
        waitTimer += dt;
        if (waitTimer >= waitSeconds) {
            const bool covered = StepFade(blackSprite.get(), 1.0f, dt);
            if (blackSprite) {
                auto& records = Framework::audioSystem->bgmChannels;
                auto wind = records.find(windName);
                if (wind != records.end())
                    Framework::audioSystem->SetBGMVolume(windName, std::max(0.0f, wind->second.volume - dt));
            }
            if (covered) {
                GameFlags.levelExitReached = false;
                RequestSceneChange(SceneLevel);
            }
        }
    }
    UpdateObjects(dt);
}

void Loading::Draw(mat4 projection, mat4 view) {
    DrawPlannedSprites(projection, view);
}

void Loading::Unload() {
    Framework::audioSystem->PauseBGM(windName);
    black.reset();
    Scene::Unload();
}
