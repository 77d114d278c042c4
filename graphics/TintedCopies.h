#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "objects/Math.h"

class GLTexture;
struct QuadMesh;

namespace Framework {
struct SpriteProgram;
}

// Pictures drawn under a steady tint or strength (floor slabs, end walls, plain backdrops, a faint
// overlay), tinted once into a texture of their own. The rasteriser must shade every pixel of a
// tinted sprite, but copies an untinted picture texel for pixel, several times faster. A copy is
// made only after its picture has been drawn the same way for a while, so a tint that fades (a
// lightning flash on a wall) is shaded as before, and a copy nobody draws is soon deleted again.
class TintedCopies {
public:
    TintedCopies() = default;
    TintedCopies(const TintedCopies&) = delete;
    TintedCopies& operator=(const TintedCopies&) = delete;

    static constexpr uint64_t settleFrames = 30; // drawn this long under one tint before a copy
    static constexpr uint64_t keepFrames = 120;  // a copy not drawn for this long is deleted

    // The copy of `texture` under `tint` at strength `alpha`, made with `program` (the tinted
    // whole-picture program) once they have settled; 0 while they have not, or when no copy can be
    // made.
    uint32_t Find(const GLTexture& texture, vec3 tint, float alpha, uint64_t frame,
                  const Framework::SpriteProgram& program, const QuadMesh& quad);
    // Deletes the copies not drawn since `frame` - keepFrames.
    void Forget(uint64_t frame);
    // Deletes them all; must run while the context that made them is still current.
    void Release();
    // The copies made and not yet deleted.
    size_t Count() const {
        return size_t(std::count_if(copies.begin(), copies.end(), [](const Copy& copy) { return copy.texture != 0; }));
    }

private:
    struct Copy {
        uint32_t source = 0, width = 0, height = 0;
        vec3 tint;
        float alpha = 1.0f;
        uint64_t since = 0, last = 0; // the frames the pair was first and last drawn, in a row
        uint32_t texture = 0;         // 0 until made
    };
    bool Make(Copy& copy, const Framework::SpriteProgram& program, const QuadMesh& quad);

    std::vector<Copy> copies;
    static constexpr uint64_t noFrame = ~uint64_t(0);
    uint64_t madeOnFrame = noFrame; // one copy a frame at most, so entering a room does not stall
    uint32_t framebuffer = 0;
};
