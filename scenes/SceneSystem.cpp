#include "scenes/SceneSystem.h"

namespace Framework {

std::shared_ptr<SceneSystem> sceneSystem = std::make_shared<SceneSystem>();

void SceneSystem::HandleMessage(const SystemMessage& message) {
    if (message.id == Quit) nextScene = 6;
}

void SceneSystem::Update(float) {
    timer.Start();
    timer.Stop();
}

} // namespace Framework
