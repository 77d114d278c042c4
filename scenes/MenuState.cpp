#include "scenes/MenuState.h"

MenuStateBlock MenuState;
