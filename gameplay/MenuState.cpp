#include "gameplay/MenuState.h"

MenuStateBlock MenuState;
