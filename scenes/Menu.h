#pragma once

#include <memory>
#include <vector>

#include "scenes/Scene.h"

class GameObject;

// The main menu: a keyboard-driven list of buttons (Up/Down, Enter) with modal sub-screens for how
// to play, the credits, the options (the mute switch) and the quit question (Left/Right). Play and
// Yes act only after the screen has faded to black. The state the buttons share with the menu is
// MenuState (scenes/MenuState.h).
class Menu : public Scene {
public:
    Menu() : Scene(SceneMenu) { plansFrames = true; }

    void Load() override;
    void Initialize() override;
    void Update(float dt) override;
    // Each object's Sprite, then its ParticleEmitter.
    void Draw(mat4 projection, mat4 view) override;
    // Forgets the buttons and stops every sound, then empties the object store.
    void Unload() override;

    using ObjectList = std::vector<std::shared_ptr<GameObject>>;
    ObjectList mainButtons;                        // Play, How to play, Credits, Options, Quit: top to bottom
    ObjectList quitButtons;                        // Yes and No: left to right
    ObjectList optionButtons;                      // Mute and Back: top to bottom
    std::shared_ptr<GameObject> previousSelection; // the button that opened the open sub-screen
    std::shared_ptr<GameObject> selection;
    std::shared_ptr<GameObject> black;
    std::shared_ptr<GameObject> howToPlayHUD;
    std::shared_ptr<GameObject> back;
    std::shared_ptr<GameObject> quitConfirmationHUD;
    std::shared_ptr<GameObject> creditsHUD;
    bool activating = false; // the fade to black before Play or Yes acts is running
    bool muted = false;      // kept for the whole run, like the mute itself

private:
    void OpenRequestedScreens();
    void CloseScreenWhenDue(float dt);
    void HandleKeys();
    void Select(const std::shared_ptr<GameObject>& button);
    // Moves the selection to list[index]; false (and nothing changes) when index is outside it.
    bool MoveSelection(const ObjectList& list, int32_t index);
    void ToggleMute();
    // After a sub-screen that could not open: the index follows the selection again.
    void KeepMainIndex();
};
