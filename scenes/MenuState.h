#pragma once

#include <cstdint>

// What the main menu and its buttons share. A button's action only raises requests here; the menu
// answers them in its next update, so the two never call each other. Reset by the menu each time
// it starts.
struct MenuStateBlock {
    void Reset() { *this = MenuStateBlock{}; }

    int32_t selectionIndex = 0; // index of the selection within the list being navigated
    bool verticalNavEnabled = true;
    bool horizontalNavEnabled = false;
    bool inOptions = false; // Up/Down walk the option buttons instead of the main ones

    // One-shot requests, each cleared by the menu once handled.
    bool howToPlayRequested = false;
    bool creditsRequested = false;
    bool optionsRequested = false;
    bool quitDialogRequested = false;
    bool closeRequested = false;

    float closeTimer = 0.0f; // seconds since the close request
    float closeDelay = 0.5f; // seconds the pressed look stays before the sub-screen closes
};

extern MenuStateBlock MenuState;
