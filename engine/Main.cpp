#include "engine/Engine.h"

int main(int, char**) {
    return Framework::RunGame();
}
