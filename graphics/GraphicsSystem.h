#pragma once

#include <memory>
#include <string>

#include "engine/System.h"
#include "platform/Platform.h"

namespace Framework {

// Owns the OpenGL context of the game window.
class GraphicsSystem : public System {
public:
    Platform::GLContextHandle renderContext = nullptr;

    void Initialize() override;
    void Update(float) override {}
    std::string GetName() override { return "Graphics System"; }
    void Shutdown() override;
    bool InitializeFailed() const override { return renderContext == nullptr; }

private:
    bool CreateContext();
};

extern std::shared_ptr<GraphicsSystem> graphicsSystem;

} // namespace Framework
