#pragma once

#include <memory>

#include "scenes/Scene.h"

class GameObject;

// The short interstitial before each level: fades in from black with the wind outside, waits, then
// fades the picture and the wind out together and hands over to the level scene.
class Loading : public Scene {
public:
    Loading() : Scene(SceneLoading) { plansFrames = true; }

    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    void Draw(mat4 projection, mat4 view) override;
    // Pauses the wind, then empties the object store.
    void Unload() override;

    float waitTimer = 0.0f; // seconds since the opening fade finished
    std::shared_ptr<GameObject> black;
    bool fadedIn = false;
};
