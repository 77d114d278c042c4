#include "scenes/LevelHints.h"

#include <algorithm>
#include <cstdlib>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "physics/BoxCollider.h"

namespace {

constexpr float respawnHintDelay = 4.5f; // seconds after the respawn
constexpr float frameStep = 1.0f / 60.0f;
constexpr float flashGap = 0.9f;  // at least this long between flashes
constexpr float roundRest = 4.0f; // seconds after a round's last flash before the next round
constexpr float tintFall = 0.02f; // per frame, back toward the dark after a flash
constexpr float darkTint = 0.4f;

int32_t FlashesForARound() {
    return std::max(2, 1 + std::rand() % 4);
}

} // namespace

void LevelHints::Start() {
    hintTimer = flashTimer = restTimer = 0.0f;
    flashCount = 0;
    linesSaid = 0;
}

void LevelHints::Update(float dt, int32_t level) {
    GameFlagBlock& flags = GameFlags;
    if (flags.respawnedOutside) {
        hintTimer += dt;
        if (hintTimer >= respawnHintDelay) {
            hintTimer = 0.0f;
            flashCount = FlashesForARound();
            flags.ventEntered = true;
            flags.respawnedOutside = false;
        }
    }
    if (level != 2 || !flags.ventEntered) return;
    if (flags.playerDying) {
        StopBackCorridor();
        return;
    }
    restTimer += dt;
    BackCorridor();
}

void LevelHints::BackCorridor() {
    std::shared_ptr<Sprite> corridor = FindComponent<Sprite>("BackCorridor");
    // While the lightning shows the way, the lit floor gives way to the air-conditioner ledges.
    SetGhosted("OutsideLightingFloor", true);
    SetGhosted("OutsideAirconUnit", false);

    flashTimer += frameStep;
    if (corridor) {
        const float tint = std::max(darkTint, corridor->colorTint.x - tintFall);
        corridor->colorTint = vec3{tint, tint, tint};
    }
    if (flashCount > 0 && flashTimer >= flashGap) {
        if (corridor) corridor->colorTint = vec3{1.0f, 1.0f, 1.0f};
        --flashCount;
        flashTimer = 0.0f;
        restTimer = 0.0f;
        if (Framework::audioSystem) {
            Framework::audioSystem->PlaySound("thunderoutdoor5", false);
            Framework::audioSystem->SetSoundVolume("thunderoutdoor5", 0.8f);
        }
        if (linesSaid == 0) Say("Dialogue", "There seems to be a path across...?");
        if (linesSaid == 1 && flashCount == 0) Say("Dialogue", "I see it! I should sprint over to the vent!");
        if (linesSaid < 2 && (linesSaid == 0 || flashCount == 0)) ++linesSaid;
    }
    if (flashCount == 0 && restTimer >= roundRest) flashCount = FlashesForARound();
}

void LevelHints::StopBackCorridor() {
    hintTimer = flashTimer = restTimer = 0.0f;
    flashCount = 0;
    if (std::shared_ptr<Sprite> corridor = FindComponent<Sprite>("BackCorridor"))
        corridor->colorTint = vec3{1.0f, 1.0f, 1.0f};
    GameFlags.ventEntered = false;
    GameFlags.respawnedOutside = false;
}
