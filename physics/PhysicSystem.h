#pragma once

#include <memory>
#include <string>

#include "engine/System.h"

namespace Framework {

class PhysicSystem : public System {
public:
    void Update(float dt) override;
    std::string GetName() override { return "Physics System"; }
    void Shutdown() override {}
};

extern std::shared_ptr<PhysicSystem> physicSystem;

} // namespace Framework
