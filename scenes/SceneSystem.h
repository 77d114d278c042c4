#pragma once

#include <memory>
#include <string>

#include "engine/System.h"

namespace Framework {

// Scene ids: 0 splash, 1 menu, 2 level, 3 loading, 4 editor, 5 restart, 6 quit; 7 means none.
class SceneSystem : public System {
public:
    int currentScene = 0;
    int nextScene = 7;
    int previousScene = 7;
    bool isPaused = false;

    void HandleMessage(const SystemMessage& message) override;
    void Update(float dt) override;
    std::string GetName() override { return "Scene System"; }
    void Shutdown() override {}
};

extern std::shared_ptr<SceneSystem> sceneSystem;

} // namespace Framework
