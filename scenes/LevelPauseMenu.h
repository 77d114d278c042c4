#pragma once

#include <memory>

class GameObject;

// The pause menu of a level: Escape opens a panel of three buttons (resume, how to play, quit)
// drawn with the level's HUD objects; quitting asks Yes or No first. While it is open the game is
// paused, but the menu, its HUD objects and the drawing keep running. Keyboard only.
class LevelPauseMenu {
public:
    using ObjectRef = std::shared_ptr<GameObject>;

    // Looks up the HUD objects (any may be missing), remembers the panel's loaded place and size and
    // hides the sub-screens. The menu starts closed.
    void Start();
    // Runs every frame once the level has faded in. dt: the real frame time in seconds, which the
    // HUD objects get while the game is paused. Writes the scene system's pause.
    void Update(float dt, const ObjectRef& camera);

    bool pauseOpen = false;
    bool howToPlayOpen = false;

    ObjectRef panel; // "PauseMenuHUD"
    ObjectRef resumeButton;
    ObjectRef howToPlayButton;
    ObjectRef quitButton;
    ObjectRef howToPlaySheet;
    ObjectRef quitConfirmation;
    ObjectRef yesButton;
    ObjectRef noButton;
    ObjectRef selectedButton;
    ObjectRef lastSelectedButton; // the selection of the previous frame, for the hover sound
    ObjectRef pressedButton;      // the button whose sub-screen is open

private:
    void Toggle();
    void Select(const ObjectRef& button);
    void Navigate();
    void ShowQuitQuestion(bool shown);
    void PlaceOnCamera(const ObjectRef& camera);
    void RunHud(float dt);

    float anchorX = 0, anchorY = 0;
    float anchorScaleX = 1, anchorScaleY = 1;
};
