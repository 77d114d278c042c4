#pragma once

class GameObject;

// The contact test the interactables share: whether the player's object overlaps `self` this frame
// (both need a Rigidbody and a BoxCollider). Every object of type Player other than `self` decides
// in turn, so with the one player a level has, the answer is that player's overlap; `previous` is
// kept when the level has no player at all.
bool PlayerTouches(GameObject& self, bool previous);
