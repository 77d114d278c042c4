#pragma once

#include <memory>
#include <string>

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Rigidbody.h"

// An object with a Transform (centre and size in pixels) and, on request, a Rigidbody and a
// BoxCollider in the recommended order, so that the box follows the body in the same frame.
inline std::shared_ptr<GameObject> MakeBody(const std::string& name, vec3 position, vec2 size,
                                            bool withBody = true, bool withCollider = true) {
    auto object = std::make_shared<GameObject>(name, ObjectType::Floor, 0);
    object->AddComponent(std::make_shared<Transform>(position, size), ComponentType::Transform);
    if (withBody) object->AddComponent(std::make_shared<Rigidbody>(1.0f), ComponentType::Rigidbody);
    if (withCollider) object->AddComponent(std::make_shared<BoxCollider>(), ComponentType::BoxCollider);
    return object;
}
