#pragma once

#include <cstdint>

// The unit quad (corners at +-0.5, v = 0 on the top edge) that every textured drawer scales with
// its model matrix. Attribute 0 is the position (vec3), attribute 1 the texture coordinate (vec2).
struct QuadMesh {
    uint32_t positionBuffer = 0;
    uint32_t uvBuffer = 0;
    uint32_t indexBuffer = 0;
    uint32_t indexCount = 6;

    // Uploads the three buffers; needs a current context.
    void Create();
    // Deletes the buffers; must run while the context that made them is still current.
    void Release();
    // Draws the two triangles with whatever program is bound.
    void Draw() const;
    // The same in steps, for many draws in a row (particles): bind once, draw each, unbind.
    void Bind() const;
    void DrawBound() const;
    void Unbind() const;
};
