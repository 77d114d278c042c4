#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "objects/Math.h"

class GameObject;
class GLTexture;
class Sprite;

// The part of the view (normalised device coordinates) a drawn sprite can still show.
struct DrawClip {
    float minX = -1, minY = -1, maxX = 1, maxY = 1;
};

// Where one object's drawing lands, in normalised device coordinates, as the plan needs it.
struct DrawBox {
    bool hasSprite = false;    // a sprite that would draw (transparency above 0)
    bool hasOtherDraw = false; // text or particles: drawn too, after the sprite
    bool extentKnown = true;   // false: the other drawing may land anywhere, at any depth (text)
    bool opaque = false;       // every texel the sprite shows has alpha 1
    bool axisAligned = false;  // its quad is a rectangle along the screen's axes
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    float nearDepth = 0, farDepth = 0; // smallest and largest depth of its corners
    // The largest depth of what it draws that can change a pixel: particles too faint to show count
    // for the depth they write, not here; below -1 when nothing of it can show.
    float shownFarDepth = 0;
    // Where a see-through sprite still shows only texels with alpha 1: its picture's largest opaque
    // rectangle and its largest opaque plain regions.
    static constexpr int maxCores = 4;
    int coreCount = 0;
    DrawClip cores[maxCores];
};

enum class DrawDecision : uint8_t { Draw, Culled, Hidden, NoSprite };

// What a drawn sprite is filled over: the box `bounds` of what it can still show, or, for an opaque
// sprite whose visible part is an L or a frame around something nearer, those few pieces (drawing
// an opaque sprite twice over a pixel changes nothing, so pieces may overlap at their edges).
struct DrawArea : DrawClip {
    static constexpr int maxPieces = 4;
    int pieceCount = 0; // 0: fill the bounds
    DrawClip pieces[maxPieces];
    // Particles without a sprite: the largest boxes where opaque sprites drawn later and nearer
    // hide whatever the particles draw.
    int coverCount = 0;
    DrawClip covers[maxPieces];
};

struct DrawCounts {
    int drawn = 0;
    int culled = 0;    // entirely outside the view
    int hidden = 0;    // entirely behind opaque sprites drawn later and nearer
    int clipped = 0;   // drawn, partly behind such sprites: only the rest is filled
    float screens = 0; // the area filled, in screens: what the rasteriser pays for
    int particles = 0; // particle quads drawn (counted as they are drawn)
};

// Decides which sprites of a frame need drawing, and where, for boxes in draw order with depth
// testing on (less-than, depth written) as the frame is drawn. A sprite is culled when its quad lies
// outside the view. Its pixels are covered when later opaque, axis-aligned sprites (or the opaque
// core of a see-through one) lie over them
// strictly nearer with nothing drawn over them in between as near: those pixels end up the
// occluder's whatever the sprite did. Particles count by the box of their live quads; text, whose
// extent is not known, ends the search for occluders. A sprite covered whole is hidden; otherwise
// `areas` holds what is left. Both vectors are refilled, one entry per box.
void PlanDraws(const std::vector<DrawBox>& boxes, std::vector<DrawDecision>& plan,
               std::vector<DrawArea>& areas, DrawCounts* counts = nullptr);

// An opaque sprite drawn again, over `clip`, right after the sprite `after`: where the two meet, the
// depth test would have kept the opaque one's pixels, as near as the other or nearer and drawn first.
struct CoverAgain {
    size_t after = 0;
    size_t sprite = 0;
    DrawClip clip;
};

// Whether the depth test can change this frame's picture: whether anything drawn that can show (a
// planned sprite, particles in view strong enough to change a pixel, text) meets something drawn
// before it that is as near or nearer somewhere.
// Things meet when a pixel of the view (viewWidth x viewHeight) has its centre in both. When nothing
// does, the frame is drawn back to front and the test only costs time. An object with both a sprite
// and text keeps the test: its text may lie behind its own sprite.
// With `coverAgain`, a sprite that meets only the opaque sprite drawn just before it (two rooms side
// by side at one depth, say), at the same depth or behind it, needs no test either: the opaque one
// is drawn again over where they meet (the list says where; it is emptied first).
bool DepthTestMatters(const std::vector<DrawBox>& boxes, const std::vector<DrawDecision>& plan, int viewWidth,
                      int viewHeight, std::vector<CoverAgain>* coverAgain = nullptr);

// Whether the unit quad under `mvp` lies inside one of the area's covers, by more than the width of
// any pixel of a view 400 pixels or more across (then nothing of it shows).
constexpr float coverMargin = 0.005f;
bool QuadCovered(const mat4& mvp, const DrawArea& area);

// Whether the unit quad under `mvp` lies wholly outside the view (false for a view that is not the
// game's orthographic one): such a quad fills nothing, and its draw call can be saved.
bool QuadOutsideView(const mat4& mvp);

// A plain region of a sprite's texture (GLTexture::plainRegions) as a box of the view, one texel in
// from its edges, so that a pixel whose centre falls in it samples only texels of the region.
struct PlainClip : DrawClip {
    bool opaque = false; // every texel alpha 255 (else every texel alpha 0)
};

// The plain regions of a sprite drawn whole and unmirrored along the screen's axes under `mvp`;
// `out` is left empty for any other sprite. Opaque regions count only at full strength.
void PlainClipsOf(const Sprite& sprite, const mat4& mvp, std::vector<PlainClip>& out);

// Pixels [x0, x1) x [y0, y1) of the window.
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

// Splits `area` for a sprite with `plain` rects (disjoint; `second` true for opaque ones): the opaque
// rects, cut to the area, go to `unblended`; the rest of the area, less the clear rects, goes to
// `blended` as disjoint rects. Both vectors are refilled.
void SplitArea(const PixelRect& area, const std::vector<std::pair<PixelRect, bool>>& plain,
               std::vector<PixelRect>& unblended, std::vector<PixelRect>& blended);

// A fragment fainter than this blends to nothing in an 8-bit frame: its alpha rounds to 0 (with a
// margin for the rasteriser's own rounding).
constexpr float faintestVisibleAlpha = 0.45f / 255.0f;

// Where the unit quad under `mvp`, textured with `texture` (mirrored as flipX and flipY say) and
// drawn at `alpha`, can change a pixel: the box of its texels that are not too faint, in the view,
// one texel and more beyond. False when that is not known (the quad is not upright, no texture);
// an empty box when nothing shows.
bool VisibleTexels(const GLTexture* texture, bool flipX, bool flipY, float alpha, const mat4& mvp, DrawClip& clip);

// The box of an object's sprite and live particles under projection x view; text, whose extent is
// not known, widens it to the whole view at the text's depth.
DrawBox BoxOf(const GameObject& object, const mat4& projectionView);
