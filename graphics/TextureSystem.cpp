#include "graphics/TextureSystem.h"

namespace Framework {

std::shared_ptr<TextureSystem> textureSystem = std::make_shared<TextureSystem>();

void TextureSystem::Update(float) {
    timer.Start();
    timer.Stop();
}

} // namespace Framework
