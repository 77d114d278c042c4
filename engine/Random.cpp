#include "engine/Random.h"

namespace {
unsigned int randomState = 1;
}

void SeedRandom(unsigned int seed) {
    randomState = seed;
}

int Rand() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}
