#pragma once

#include "scenes/Scene.h"

// The splash logos shown at start.
class Splash : public Scene {
public:
    Splash() : Scene(SceneSplash) {}
};
