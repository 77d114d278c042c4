#include "gameplay/Weather.h"

#include "graphics/ParticleEmitter.h"
#include "objects/GameObject.h"

void SetWeather(bool on) {
    for (const char* name : {"MistParticles", "RainParticles"})
        if (std::shared_ptr<ParticleEmitter> emitter = FindComponent<ParticleEmitter>(name)) {
            emitter->playState = on;
            if (!on) emitter->ResetEmitter();
        }
}
