#pragma once

#include <memory>
#include <vector>

#include "scenes/Scene.h"

class GameObject;

// The two studio logos shown at the start of every run, each revealed from and hidden into black.
// While the screen is still black at the start it loads every texture of the art folder, so that
// no later scene stalls on a first use. Enter or Escape skips to the menu, but only once the first
// logo has been shown.
class Splash : public Scene {
public:
    Splash() : Scene(SceneSplash) { plansFrames = true; }

    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    void Draw(mat4 projection, mat4 view) override;
    void Unload() override;

    float fadeTimer = 0.0f; // seconds the current logo has been fully shown
    float holdTimer = 0.0f; // seconds since the scene started
    bool revealing = true;  // "Black" is being lowered to reveal the current logo
    bool skipRequested = false;
    int32_t stage = 1;                              // 1: first logo, 2: second logo, 3: both shown
    std::vector<std::shared_ptr<GameObject>> logos; // "Tessary" then "Orvex"; entries may be empty
    std::shared_ptr<GameObject> black;

private:
    void ShowLogo(size_t index, float transparency);
};
