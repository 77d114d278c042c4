#include "gameplay/PlayerContact.h"

#include "objects/GameObject.h"
#include "physics/Collision.h"

bool PlayerTouches(GameObject& self, bool previous) {
    bool touching = previous;
    for (const GameObjectRef& object : GameObjectList) {
        if (!object || object.get() == &self || object->type != ObjectType::Player) continue;
        touching = CollisionIntersection(self, *object, vec3{0.0f, 0.0f, 0.0f}, 0.0f);
    }
    return touching;
}
