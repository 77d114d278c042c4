#pragma once

// The game's random numbers: the classic 15-bit linear congruential generator, so that
// `Rand() / 32767.0f` spans exactly [0, 1] as the game's constants assume.
constexpr int RAND_LIMIT = 32767;

void SeedRandom(unsigned int seed);
int Rand(); // 0 .. RAND_LIMIT
