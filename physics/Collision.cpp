#include "physics/Collision.h"

#include <memory>

#include "objects/GameObject.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"

bool CollisionIntersection(GameObject& a, GameObject& b, const vec3& offsetA, float) {
    if (!a.GetComponent<Rigidbody>() || !b.GetComponent<Rigidbody>()) return false;
    std::shared_ptr<BoxCollider> boxA = a.GetComponent<BoxCollider>();
    std::shared_ptr<BoxCollider> boxB = b.GetComponent<BoxCollider>();
    if (!boxA || !boxB) return false;

    const vec3 minA{boxA->min.x + offsetA.x, boxA->min.y + offsetA.y, boxA->min.z + offsetA.z};
    const vec3 maxA{boxA->max.x + offsetA.x, boxA->max.y + offsetA.y, boxA->max.z + offsetA.z};
    // Written as "overlaps" rather than "not separated" so that a NaN corner never counts as a hit.
    return boxB->min.x <= maxA.x && minA.x <= boxB->max.x && boxB->min.y <= maxA.y && minA.y <= boxB->max.y;
}
