#include "tools/DebugSystem.h"

namespace Framework {

std::shared_ptr<DebugSystem> debugSystem = std::make_shared<DebugSystem>();

void DebugSystem::Update(float) {
    timer.Start();
    timer.Stop();
}

} // namespace Framework
