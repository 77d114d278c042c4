#pragma once

#include "scenes/Scene.h"

// The level editor; no path of the game enters it.
class Editor : public Scene {
public:
    Editor() : Scene(SceneEditor) {}
};
