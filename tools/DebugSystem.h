#pragma once

#include <memory>
#include <string>

#include "engine/System.h"
#include "platform/Platform.h"

namespace Framework {

class DebugSystem : public System {
public:
    // The window system's handle, handed over by the engine before the system is listed.
    Platform::WindowHandle* windowHandle = nullptr;

    void Update(float dt) override;
    std::string GetName() override { return "Debug System"; }
    void Shutdown() override {}
};

extern std::shared_ptr<DebugSystem> debugSystem;

} // namespace Framework
