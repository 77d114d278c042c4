#pragma once

#include "objects/Math.h"

class GameObject;

// True when the boxes of a and b overlap on both axes, touching edges included. a's box is moved by
// offsetA first (zero, or a look-ahead step of a's movement). Both objects need a Rigidbody and a
// BoxCollider, otherwise the answer is false; ghosted colliders still count (the player's contact
// handling is what walks through them). dt does not change the answer.
bool CollisionIntersection(GameObject& a, GameObject& b, const vec3& offsetA, float dt);
