#pragma once

#include "objects/Component.h"

// The bedroom-darkening trigger (stored as "TriggerEvent"): the first time the player walks into its
// box, every sprite of an object whose name starts with "Bedroom" swaps to "bedroom_unlit.png". It
// never fires again in the level. No stored fields.
class TriggerBase : public Component {
public:
    TriggerBase();

    void Update(float dt) override;
    void Inspector(int objectId) override;

    bool fired = false;
};
