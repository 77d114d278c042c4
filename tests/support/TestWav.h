#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a 16-bit PCM WAV file holding `samples` (interleaved when channels > 1).
std::string MakeWav(const std::vector<int16_t>& samples, int channels, int rate);

// `frames` frames of a square wave of +-amplitude in every channel, `period` frames per cycle.
std::vector<int16_t> SquareWave(int frames, int channels, int16_t amplitude, int period = 100);
