#include "scenes/LevelOpening.h"

#include <algorithm>

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"

namespace {

constexpr float fadeStart = 20.5f; // seconds: the opening fades in from here
constexpr float skipTime = 20.6f;  // Escape jumps to just past the fade start
constexpr float fadeRate = 0.2f;   // transparency per second: five seconds from black
const char* const musicName = "intro";

// One lightning flash: from `start` to `end` seconds the bedroom overlay flashes in, showing sheet
// column `column`.
struct Flash {
    float start;
    float end;
    int32_t column;
};

constexpr Flash flashes[] = {
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

Framework::AudioSystem* Audio() {
    return Framework::audioSystem.get();
}

} // namespace

void LevelOpening::Start(std::shared_ptr<GameObject> blackObject, std::shared_ptr<GameObject> lightningObject,
                         std::shared_ptr<GameObject> linesObject) {
    black = std::move(blackObject);
    lightning = std::move(lightningObject);
    lines = std::move(linesObject);
    timer = 0.0f;
    done = false;
    if (std::shared_ptr<Sprite> overlay = ComponentOf<Sprite>(lightning)) overlay->transparency = 0.0f;
    if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(lines)) text->alpha = 0.0f;
    // Its volume follows the fade from black.
    if (Audio()) {
        Audio()->PlayBGM(musicName, false);
        Audio()->SetBGMVolume(musicName, 1.0f);
    }
}

void LevelOpening::Skip() {
    timer = skipTime;
}

void LevelOpening::Update(float dt) {
    if (done) return;
    GameFlagBlock& flags = GameFlags;
    const float before = timer;
    timer += dt;
    std::shared_ptr<Sprite> blackSprite = ComponentOf<Sprite>(black);

    if (blackSprite && blackSprite->transparency > 0.0f && timer <= fadeStart) flags.inputLocked = true;

    if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(lines))
        for (const Line& line : openingLines)
            if (Inside(timer, line.start, line.end)) text->SetText(line.text);

    if (std::shared_ptr<Sprite> overlay = ComponentOf<Sprite>(lightning)) {
        const int32_t columns = std::max(overlay->numColumns, 1);
        for (const Flash& flash : flashes) {
            if (!Inside(timer, flash.start, flash.end) || Inside(before, flash.start, flash.end)) continue;
            overlay->transparency = 1.0f;
            overlay->column = std::min(flash.column, columns - 1);
            overlay->uOffset = static_cast<float>(overlay->column) / columns;
        }
        overlay->transparency = std::max(0.0f, overlay->transparency - 4.0f * dt);
    }

    if (timer <= fadeStart) return;
    flags.inputLocked = false;
    done = StepFade(blackSprite.get(), 0.0f, fadeRate * dt);
    if (blackSprite && Audio()) Audio()->SetBGMVolume(musicName, blackSprite->transparency);
    if (done && Audio()) Audio()->StopBGM(musicName);
}
