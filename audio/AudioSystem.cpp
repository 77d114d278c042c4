#include "audio/AudioSystem.h"

namespace Framework {

std::shared_ptr<AudioSystem> audioSystem = std::make_shared<AudioSystem>();

void AudioSystem::Update(float) {
    timer.Start();
    timer.Stop();
}

} // namespace Framework
