#pragma once

#include "objects/Component.h"
#include "objects/Math.h"

// Integrates gravity and velocity into its object's Transform every frame. The player drives the
// jump and grounded flags; nothing here resolves contacts.
class Rigidbody : public Component {
public:
    explicit Rigidbody(float mass = 1.0f);

    void Initialize() override;
    // x moves by velocity × dt, y by velocity × a fixed 0.02 step: the game's jumps and falls are
    // tuned to frames, not seconds.
    void Update(float dt) override;
    bool Serialize(Serializer& serializer) override;
    bool Deserialize(Serializer& serializer) override; // leaves inverseMass as it was
    void Inspector(int objectId) override;

    vec2 GetGravity() const { return gravity; }
    // Move the owner's Transform (world pixels); nothing happens without one.
    void SetPosition(const vec3& position);
    void SetPosition(float x, float y, float z);
    // The owner's Transform position; 0, 0, 0 without one.
    vec3 GetPosition() const;

    bool isJumping = false;
    bool isGrounded = true;
    vec2 gravity{0, -9.8f};
    float mass;
    float inverseMass; // 0 for a mass of 0
    vec2 acceleration;
    vec2 velocity;   // x: pixels per second; y: pixels per 0.02 s step
    float timer = 0; // seconds since Initialize
    bool useGravity = false;
};
