#include "physics/PhysicSystem.h"

namespace Framework {

std::shared_ptr<PhysicSystem> physicSystem = std::make_shared<PhysicSystem>();

void PhysicSystem::Update(float) {
    timer.Start();
    timer.Stop();
}

} // namespace Framework
