#pragma once

#include <memory>

#include "objects/Component.h"

class GameObject;
class Sprite;

// The key-cap hints. The "E" cap rides on the player until GameFlags.promptRequested asks for it:
// then it is lifted off at GameFlags.promptPosition and pulses between half and full opacity until
// the request ends, when it hides and goes back onto the player. In level 1 the A, D and SPACE caps
// show during the lock mini-game and W and S at the lift. One per level; no stored fields.
class KeyboardPrompt : public Component {
public:
    KeyboardPrompt();

    // Clears the prompt flags and the pulse, and finds the six key-cap objects ("KeyboardPromptE",
    // "...A", "...D", "...SPACE", "...W", "...S"); a missing one is skipped.
    void Initialize() override;
    // dt: seconds; the pulse moves by dt per second of opacity.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    float pulseAlpha = 0.0f; // 0.5 to 1.0 once pulsing
    bool pulseFalling = false;

private:
    void Pulse(Sprite& sprite, float dt);

    // Weak: the level's object list owns the caps.
    std::weak_ptr<GameObject> interactKey;
    std::weak_ptr<GameObject> leftKey;
    std::weak_ptr<GameObject> rightKey;
    std::weak_ptr<GameObject> spaceKey;
    std::weak_ptr<GameObject> liftUpKey;
    std::weak_ptr<GameObject> liftDownKey;
};
