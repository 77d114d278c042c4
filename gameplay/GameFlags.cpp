#include "gameplay/GameFlags.h"

GameFlagBlock GameFlags;
