#pragma once

#include <memory>
#include <string>

#include "engine/System.h"

namespace Framework {

class AudioSystem : public System {
public:
    void Update(float dt) override;
    std::string GetName() override { return "Audio System"; }
    void Shutdown() override {}
    // Distance volumes of positional sounds; the engine calls it each frame of the level scene.
    void UpdatePositionalVolumes() {}
};

extern std::shared_ptr<AudioSystem> audioSystem;

} // namespace Framework
