#pragma once

#include "scenes/Scene.h"

// The loading screen shown before each level.
class Loading : public Scene {
public:
    Loading() : Scene(SceneLoading) {}
};
