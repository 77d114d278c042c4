#pragma once

#include <memory>
#include <string>

#include "gameplay/EventControllerBase.h"
#include "objects/Component.h"

// Level one's script: the flat, the corridor and the void deck in the storm. It answers the player's
// interactions (switches, the keys and the lock, the lift button, the window, the stairs back, the
// cupboard and captions) and tracks which story trigger the player stands in.
class Level1Event : public EventControllerBase, public Component {
public:
    Level1Event() : Component(ComponentType::Level1Event) {}

    // Looks up "Player" and "Dialogue".
    void Initialize() override;
    // dt: seconds. Nothing while the game is paused.
    void Update(float dt) override;
    void Inspector(int objectId) override;

protected:
    void OnInteract(GameObject& object) override;

private:
    void Say(const std::string& line);

    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> dialogue;
};
