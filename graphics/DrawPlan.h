#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "objects/Math.h"

class GameObject;

// Where one object's drawing lands, in normalised device coordinates, as the plan needs it.
struct DrawBox {
    bool hasSprite = false;    // a sprite that would draw (transparency above 0)
    bool hasOtherDraw = false; // text or particles: drawn too, their extent unknown
    bool opaque = false;       // every texel the sprite shows has alpha 1
    bool axisAligned = false;  // its quad is a rectangle along the screen's axes
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    float nearDepth = 0, farDepth = 0; // smallest and largest depth of its corners
};

enum class DrawDecision : uint8_t { Draw, Culled, Hidden, NoSprite };

// The part of the view (normalised device coordinates) a drawn sprite can still show.
struct DrawClip {
    float minX = -1, minY = -1, maxX = 1, maxY = 1;
};

struct DrawCounts {
    int drawn = 0;
    int culled = 0;  // entirely outside the view
    int hidden = 0;  // entirely behind opaque sprites drawn later and nearer
    int clipped = 0; // drawn, partly behind such sprites: only the rest is filled
};

// Decides which sprites of a frame need drawing, and where, for boxes in draw order with depth
// testing on (less-than, depth written) as the frame is drawn. A sprite is culled when its quad lies
// outside the view. Its pixels are covered when later opaque, axis-aligned sprites lie over them
// strictly nearer with nothing drawn in between as near: those pixels end up the occluder's whatever
// the sprite did. A sprite covered whole is hidden; otherwise `clips` holds the box of what is left.
// Both vectors are refilled, one entry per box.
void PlanDraws(const std::vector<DrawBox>& boxes, std::vector<DrawDecision>& plan,
               std::vector<DrawClip>& clips, DrawCounts* counts = nullptr);

// The box of an object's sprite under projection x view (no sprite: only hasOtherDraw is set).
DrawBox BoxOf(const GameObject& object, const mat4& projectionView);
