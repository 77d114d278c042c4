#pragma once

// Starts or stops the outdoor weather ("MistParticles", "RainParticles"); stopping also clears the
// particles already in the air. Either emitter may be missing.
void SetWeather(bool on);
