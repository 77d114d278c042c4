#pragma once

#include "scenes/Scene.h"

// The main menu.
class Menu : public Scene {
public:
    Menu() : Scene(SceneMenu) {}
};
