#pragma once

#include "objects/Component.h"
#include "objects/Math.h"

// An axis-aligned box around its object, sized relative to the object's Transform. Gameplay asks
// whether two boxes overlap; there is no automatic collision response.
class BoxCollider : public Component {
public:
    BoxCollider();
    // The box relative to the Transform scale; z is 0 (the default camera uses 1920 by 1080).
    BoxCollider(float x, float y);

    // Both place the box around the Transform. The "Camera" object's box is divided by its zoom
    // (held in its Transform scale) so that it covers the visible area.
    void Initialize() override;
    void Update(float dt) override;
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    void Inspector(int objectId) override;

    vec3 GetMin() const { return min; }
    vec3 GetMax() const { return max; }

    vec3 min;                           // lower-left corner, world pixels, z 1
    vec3 max;                           // upper-right corner, world pixels, z 1
    vec3 scale{1, 1, 1};                // relative to the Transform scale
    vec3 size{1, 1, 1};                 // world size in pixels
    bool debugLine = false;             // draw this box's outline
    bool ghosted = false;               // the player walks through it
    bool interactable = false;          // touching it offers the player an interaction
    bool toBeAddedInteractable = false; // joins InteractableObjects when its level loads
};

// Makes the collider of the object called `objectName` a ghost (or solid again); nothing without one.
void SetGhosted(const std::string& objectName, bool ghosted);
// Lets the player use the object called `objectName` (or not); nothing without a collider.
void SetInteractable(const std::string& objectName, bool interactable);

// Editor outlines, shared by every collider: draw all boxes, and their colour (0 to 255 each).
extern bool showAllDebugLines;
extern vec3 debugLineColor;
