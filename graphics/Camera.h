#pragma once

#include <memory>

#include "objects/Math.h"

namespace Framework {

// A snapshot of the level's "Camera" object that the level editor moves instead of the object
// itself. The running game's camera is the "Camera" object's Transform.
class Camera {
public:
    vec3 position;
    vec2 scale;
    float rotation = 0.0f; // degrees
    mat4 matrix;           // translate(position) x rotateZ(rotation) x scale(scale, 1)

    vec3 GetPosition() const { return position; }
    vec2 GetScale() const { return scale; }
    mat4 GetMatrix() const { return matrix; }

    // Copies the "Camera" object's Transform; does nothing when the object or its Transform is
    // missing.
    void SyncFromCameraObject();
    // Run by the engine once per frame, after the systems' updates.
    void RebuildMatrix();
};

extern std::shared_ptr<Camera> camera;

} // namespace Framework
