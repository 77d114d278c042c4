#include "scenes/Splash.h"

#include "audio/AudioSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "scenes/SceneSystem.h"

namespace {

constexpr float blackHoldSeconds = 6.0f; // black screen before the first logo
constexpr float logoShowSeconds = 5.0f;  // each logo fully shown

} // namespace

void Splash::Load() {
    LoadLevel("Splash", "../Resources/Level/Splash.txt");
}

void Splash::Initialize() {
    InitializeObjects();
    fadeTimer = 0.0f;
    holdTimer = 0.0f;
    revealing = true;
    skipRequested = false;
    stage = 1;
    black = FindObjectByName("Black");
    logos = {FindObjectByName("Tessary"), FindObjectByName("Orvex")};
    SetTransparency(black, 1.0f);
    ShowLogo(0, 1.0f);
    ShowLogo(1, 0.0f);
    // The art decodes on worker threads behind the black screen; each frame uploads what is ready
    // (and the audio system decodes a few sounds).
    Framework::textureSystem->StartPreload();
}

void Splash::ShowLogo(size_t index, float transparency) {
    if (index < logos.size()) SetTransparency(logos[index], transparency);
}

void Splash::Update(float dt) {
    using Framework::inputSystem;
    if (stage != 1 && (inputSystem->IsKeyTriggered(Key::Escape) || inputSystem->IsKeyTriggered(Key::Enter)))
        skipRequested = true;

    // Without a "Black" every fade counts as finished at once.
    std::shared_ptr<Sprite> blackSprite = ComponentOf<Sprite>(black);
    if (skipRequested) {
        if (blackSprite && blackSprite->transparency <= 1.0f) blackSprite->transparency += dt;
        if (!blackSprite || blackSprite->transparency > 1.0f) RequestSceneChange(SceneMenu);
    } else {
        holdTimer += dt;
        if (holdTimer > blackHoldSeconds) {
            const float alpha = blackSprite ? blackSprite->transparency : 0.0f;
            if (revealing && stage % 3 == 0) {
                RequestSceneChange(SceneMenu);
            } else if (revealing && blackSprite && alpha >= 0.0f) {
                blackSprite->transparency -= dt;
                fadeTimer = 0.0f;
            } else {
                fadeTimer += dt;
                if (fadeTimer > logoShowSeconds) {
                    if (blackSprite && alpha <= 1.0f) {
                        revealing = false;
                        blackSprite->transparency += dt;
                    } else {
                        ++stage;
                        for (int32_t i = 0; i + 1 < stage; ++i) ShowLogo(static_cast<size_t>(i), 0.0f);
                        ShowLogo(static_cast<size_t>(stage - 1), 1.0f);
                        revealing = true;
                        // The reveal restarts this timer too; without a "Black" there is no reveal
                        // and the next logo would otherwise be skipped at once.
                        fadeTimer = 0.0f;
                    }
                }
            }
        }
    }
    UpdateObjects(dt);
}

void Splash::Draw(mat4 projection, mat4 view) {
    DrawPlannedSprites(projection, view);
}

void Splash::Unload() {
    // Whatever comes next finds every picture and sound loaded.
    Framework::textureSystem->FinishPreload();
    if (Framework::audioSystem) Framework::audioSystem->FinishLoading();
    black.reset();
    logos.clear();
    Scene::Unload();
}
