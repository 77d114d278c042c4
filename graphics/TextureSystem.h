#pragma once

#include <memory>
#include <string>

#include "engine/System.h"

namespace Framework {

class TextureSystem : public System {
public:
    void Update(float dt) override;
    std::string GetName() override { return "Texture System"; }
    void Shutdown() override {}
};

extern std::shared_ptr<TextureSystem> textureSystem;

} // namespace Framework
