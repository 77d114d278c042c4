#pragma once

#include <memory>

class GameObject;

// Level 1's storm opening: a black screen with lightning flashing in the bedroom and the player's
// first lines, the "intro" music, then a slow fade in that the music follows. The player cannot move
// until the fade starts; Escape skips to it.
class LevelOpening {
public:
    // Takes "Black", "BedroomLightningOverlay" and "DialogueInit" (any may be missing) and starts the
    // music.
    void Start(std::shared_ptr<GameObject> black, std::shared_ptr<GameObject> lightning,
               std::shared_ptr<GameObject> lines);
    // Jumps to just past the start of the fade.
    void Skip();
    // dt: seconds. Does nothing once the fade has finished: later scenes lock the input too.
    void Update(float dt);
    bool IsDone() const { return done; }

    float timer = 0.0f; // seconds into the opening

private:
    std::shared_ptr<GameObject> black;
    std::shared_ptr<GameObject> lightning;
    std::shared_ptr<GameObject> lines;
    bool done = false;
};
