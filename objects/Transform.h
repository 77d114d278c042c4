#pragma once

#include <cstdint>
#include <memory>

#include "objects/Component.h"
#include "objects/Math.h"

// Places its object in the 2D world (pixels, radians) and builds the model matrix the drawers use.
// With a parent, the position follows the parent's Transform through parentOffset.
class Transform : public Component {
public:
    Transform();
    // scale: size in pixels; z is always 1.
    Transform(vec3 position, vec2 scale);

    void Initialize() override;
    void Update(float dt) override;
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override;
    // Position and size in pixels; the rotation is shown in degrees and kept in radians.
    void Inspector(int objectId) override;

    vec3 GetPosition() const { return position; }
    vec3 GetScale() const { return scale; }
    mat4 GetModelMatrix() const { return modelMatrix; }
    // For the camera object: the view matrix (its rotation read in degrees). Otherwise the model
    // matrix.
    mat4 GetCameraMatrix() const;

    // World position in pixels; with a parent this moves the offset and the next Update follows.
    void SetPosition(float x, float y);
    // Size in pixels; a value of 0 or below becomes 1.
    void SetScale(float x, float y);

    vec3 parentOffset;
    vec2 parentScaleRatio;
    vec2 parentScaleFactor;
    vec3 position;
    vec3 positionInUnits;
    vec3 scale;
    vec3 originalScale;
    vec3 scaleInUnits{1, 1, 1};
    uint32_t pixelsPerUnit = 64;
    float rotation = 0; // radians
    mat4 modelMatrix;
    mat4 auxMatrix;
    bool upToDate = false; // false after any move: the next Update rebuilds modelMatrix

private:
    // The parent's Transform while this object is attached to a parent that has one.
    std::shared_ptr<Transform> ParentTransform() const;
    float PixelsPerUnit() const;
};
