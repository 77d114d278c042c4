#pragma once

#include "scenes/Scene.h"

// The playable level.
class Level : public Scene {
public:
    Level() : Scene(SceneLevel) {}
};
