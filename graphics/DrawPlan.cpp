#include "graphics/DrawPlan.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graphics/GLTexture.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

// Slack for the CPU's and the GPU's arithmetic differing in the last bits: an occluder must be this
// much nearer, and what is left uncovered counts only when wider than the sliver (about a 500th of
// a pixel; the rasteriser snaps corners to a 256th, the same for abutting edges).
constexpr float depthSlack = 1e-5f;
constexpr float sliver = 2e-6f;

bool OutsideView(const DrawBox& box) {
    return !(box.maxX > -1.0f && box.minX < 1.0f && box.maxY > -1.0f && box.minY < 1.0f &&
             box.farDepth >= -1.0f && box.nearDepth <= 1.0f);
}

// What is left of `rest` once `cover` is taken away, as up to four boxes appended to `out`.
void Subtract(const DrawClip& rest, const DrawClip& cover, std::vector<DrawClip>& out) {
    if (cover.minX >= rest.maxX || cover.maxX <= rest.minX || cover.minY >= rest.maxY ||
        cover.maxY <= rest.minY) {
        out.push_back(rest);
        return;
    }
    DrawClip middle = rest;
    if (cover.minX > rest.minX)
        out.push_back({rest.minX, rest.minY, cover.minX, rest.maxY}), middle.minX = cover.minX;
    if (cover.maxX < rest.maxX)
        out.push_back({cover.maxX, rest.minY, rest.maxX, rest.maxY}), middle.maxX = cover.maxX;
    if (cover.minY > rest.minY) out.push_back({middle.minX, rest.minY, middle.maxX, cover.minY});
    if (cover.maxY < rest.maxY) out.push_back({middle.minX, cover.maxY, middle.maxX, rest.maxY});
}

// Whether the box meets the piece, edges touching included.
bool Meets(const DrawClip& box, const DrawClip& piece) {
    return box.maxX >= piece.minX - sliver && box.minX <= piece.maxX + sliver && box.maxY >= piece.minY - sliver &&
           box.minY <= piece.maxY + sliver;
}

bool Touches(const DrawBox& box, const std::vector<DrawClip>& pieces) {
    const DrawClip extent{box.minX, box.minY, box.maxX, box.maxY};
    return std::any_of(pieces.begin(), pieces.end(), [&](const DrawClip& piece) { return Meets(extent, piece); });
}

DrawClip Bounds(const std::vector<DrawClip>& pieces) {
    DrawClip box = pieces.front();
    for (const DrawClip& piece : pieces) {
        box.minX = std::min(box.minX, piece.minX);
        box.minY = std::min(box.minY, piece.minY);
        box.maxX = std::max(box.maxX, piece.maxX);
        box.maxY = std::max(box.maxY, piece.maxY);
    }
    return box;
}

float Area(const std::vector<DrawClip>& pieces) {
    float area = 0;
    for (const DrawClip& piece : pieces) area += (piece.maxX - piece.minX) * (piece.maxY - piece.minY);
    return area;
}

bool HasCore(const DrawBox& box) {
    return box.coreCount > 0;
}

bool CanOcclude(const DrawBox& box) {
    return box.hasSprite && (box.opaque || HasCore(box)) && box.axisAligned && !box.hasOtherDraw;
}

} // namespace

void PlanDraws(const std::vector<DrawBox>& boxes, std::vector<DrawDecision>& plan,
               std::vector<DrawArea>& areas, DrawCounts* counts) {
    plan.assign(boxes.size(), DrawDecision::NoSprite);
    areas.assign(boxes.size(), DrawArea{});
    for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].hasSprite) plan[i] = OutsideView(boxes[i]) ? DrawDecision::Culled : DrawDecision::Draw;
    if (counts) *counts = {};

    std::vector<DrawClip> rest, next, fewest;
    std::vector<std::pair<DrawClip, float>> between; // boxes drawn over what is left, and their depth
    std::vector<DrawClip> used;                      // the covers taken away
    for (size_t a = 0; a < boxes.size(); ++a) {
        const DrawBox& back = boxes[a];
        // Particles alone (no sprite) get the covers that hide them; a sprite whose own particles
        // come after it is left whole.
        const bool particlesAlone = !back.hasSprite && back.hasOtherDraw && back.extentKnown && !OutsideView(back);
        if (!particlesAlone && (plan[a] != DrawDecision::Draw || back.hasOtherDraw)) continue;
        auto clip = [](float v) { return std::clamp(v, -1.0f, 1.0f); };
        rest.assign(1, DrawClip{clip(back.minX), clip(back.minY), clip(back.maxX), clip(back.maxY)});
        fewest = rest;
        // Walks forward over what is drawn after it; anything of unknown extent ends the walk. A
        // later sprite wins the depth test over its cover only if it is strictly nearer than the
        // sprite and than everything drawn in between that meets the cover.
        between.clear();
        used.clear();
        for (size_t c = a + 1; c < boxes.size() && !rest.empty(); ++c) {
            const DrawBox& front = boxes[c];
            if (front.hasOtherDraw && !front.extentKnown) break;
            const bool drawn = plan[c] == DrawDecision::Draw || (front.hasOtherDraw && !OutsideView(front));
            if (!drawn) continue;
            const DrawClip whole{front.minX, front.minY, front.maxX, front.maxY};
            const DrawClip* covers = front.opaque ? &whole : front.cores;
            const int coverCount = !CanOcclude(front) ? 0 : front.opaque ? 1 : front.coreCount;
            bool occludes = false;
            for (int k = 0; k < coverCount; ++k) {
                const DrawClip& cover = covers[k];
                float nearest = back.nearDepth;
                for (const auto& [box, depth] : between)
                    if (Meets(box, cover)) nearest = std::min(nearest, depth);
                if (!(nearest > front.farDepth + depthSlack)) continue;
                occludes = true;
                used.push_back(cover);
                next.clear();
                for (const DrawClip& piece : rest) Subtract(piece, cover, next);
                rest.clear();
                for (const DrawClip& piece : next)
                    if (piece.maxX - piece.minX > sliver && piece.maxY - piece.minY > sliver)
                        rest.push_back(piece);
                if (rest.size() <= DrawArea::maxPieces) fewest = rest;
            }
            // Depth written away from what is left does not stand in a later occluder's way there,
            // nor does an opaque occluder's: wherever it drew, the sprite is hidden already.
            if (!(occludes && front.opaque) && Touches(front, rest))
                between.push_back({DrawClip{front.minX, front.minY, front.maxX, front.maxY}, front.nearDepth});
        }
        if (particlesAlone) { // the largest covers
            std::sort(used.begin(), used.end(),
                      [](const DrawClip& x, const DrawClip& y) { return Area({x}) > Area({y}); });
            areas[a].coverCount = int(std::min(used.size(), size_t(DrawArea::maxPieces)));
            std::copy(used.begin(), used.begin() + areas[a].coverCount, areas[a].covers);
            continue;
        }
        if (rest.empty()) {
            plan[a] = DrawDecision::Hidden;
            continue;
        }
        // Too many pieces for an opaque sprite: the fewer, larger pieces it had before the last
        // covers, when they fill less than the box around all the pieces.
        const std::vector<DrawClip>& shown =
            back.opaque && rest.size() > DrawArea::maxPieces && Area(fewest) < Area({Bounds(rest)}) ? fewest
                                                                                                    : rest;
        DrawArea& left = areas[a];
        static_cast<DrawClip&>(left) = Bounds(shown);
        // A blended sprite must not be filled twice anywhere: it keeps the one box.
        if (back.opaque && shown.size() > 1 && shown.size() <= DrawArea::maxPieces) {
            left.pieceCount = int(shown.size());
            std::copy(shown.begin(), shown.end(), left.pieces);
        }
        if (counts)
            counts->clipped += left.minX > clip(back.minX) || left.minY > clip(back.minY) ||
                               left.maxX < clip(back.maxX) || left.maxY < clip(back.maxY);
    }
    if (counts)
        for (size_t i = 0; i < boxes.size(); ++i)
            if (plan[i] == DrawDecision::Draw) {
                const DrawArea& area = areas[i];
                const DrawBox& b = boxes[i];
                for (int p = 0; p < std::max(1, area.pieceCount); ++p) {
                    const DrawClip& c = area.pieceCount > 0 ? area.pieces[p] : area;
                    const float w = std::min(c.maxX, b.maxX) - std::max(c.minX, b.minX);
                    const float h = std::min(c.maxY, b.maxY) - std::max(c.minY, b.minY);
                    if (w > 0 && h > 0) counts->screens += w * h / 4.0f;
                }
            }

    if (counts) {
        for (DrawDecision d : plan) {
            counts->drawn += d == DrawDecision::Draw;
            counts->culled += d == DrawDecision::Culled;
            counts->hidden += d == DrawDecision::Hidden;
        }
    }
}

bool DepthTestMatters(const std::vector<DrawBox>& boxes, const std::vector<DrawDecision>& plan, int viewWidth,
                      int viewHeight, std::vector<CoverAgain>* coverAgain) {
    if (coverAgain) coverAgain->clear();
    auto keepTest = [&] {
        if (coverAgain) coverAgain->clear();
        return true;
    };
    // Whether a pixel centre of the view lies in both ranges (normalised device coordinates), give or
    // take the rasteriser's snapping: sprites that only abut, as a floor's slab and its underside do,
    // share no pixel and their order cannot matter.
    auto sharePixels = [](float minA, float maxA, float minB, float maxB, int pixels) {
        constexpr float snap = 1.0f / 64.0f; // of a pixel: snapping is finer, arithmetic coarser
        const float low = (std::max(minA, minB) + 1.0f) * 0.5f * float(pixels) - 0.5f - snap;
        const float high = (std::min(maxA, maxB) + 1.0f) * 0.5f * float(pixels) - 0.5f + snap;
        return std::floor(high) >= std::ceil(low);
    };
    std::vector<size_t> drawn;
    for (size_t i = 0; i < boxes.size() && i < plan.size(); ++i) {
        const DrawBox& box = boxes[i];
        const bool sprite = plan[i] == DrawDecision::Draw;
        const bool other = box.hasOtherDraw && (!box.extentKnown || !OutsideView(box));
        if (!sprite && !other) continue;
        if (sprite && !box.extentKnown) return keepTest();
        for (size_t earlier : drawn) {
            const DrawBox& before = boxes[earlier];
            const bool meet = !before.extentKnown || !box.extentKnown ||
                              (sharePixels(before.minX, before.maxX, box.minX, box.maxX, viewWidth) &&
                               sharePixels(before.minY, before.maxY, box.minY, box.maxY, viewHeight));
            if (!meet || before.nearDepth > box.shownFarDepth + depthSlack) continue;
            // Drawn first, opaque, as near or nearer: with nothing drawn in between, drawing it again
            // after this sprite where they meet gives what the test would. Equal depths are exactly
            // equal on the GPU too (the same depth row of the matrices), nearer ones by a margin.
            // (Drawn with nothing else, the one before is a planned sprite.)
            const bool again = coverAgain && sprite && !box.hasOtherDraw && earlier == drawn.back() &&
                               before.opaque && !before.hasOtherDraw &&
                               (before.farDepth == box.nearDepth || before.farDepth + depthSlack < box.nearDepth);
            if (!again) return keepTest();
            coverAgain->push_back({i, earlier,
                                   DrawClip{std::max(before.minX, box.minX), std::max(before.minY, box.minY),
                                            std::min(before.maxX, box.maxX), std::min(before.maxY, box.maxY)}});
        }
        drawn.push_back(i);
    }
    return false;
}

namespace {

// The corners of the unit quad every sprite and particle scales, in the quad mesh's order.
const vec4 unitQuad[4] = {{0.5f, 0.5f, 0, 1}, {-0.5f, 0.5f, 0, 1}, {-0.5f, -0.5f, 0, 1}, {0.5f, -0.5f, 0, 1}};

// Projects points; false when the view is unusual (orthographic keeps w at 1) or a value is not finite.
bool Project(const mat4& mvp, const vec4* points, int count, float* xs, float* ys, float* zs) {
    for (int i = 0; i < count; ++i) {
        const vec4 p = mvp * points[i];
        if (!(p.w == 1.0f) || !std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
        xs[i] = p.x;
        ys[i] = p.y;
        zs[i] = p.z;
    }
    return true;
}

void Bound(DrawBox& box, const float* xs, const float* ys, const float* zs, int count) {
    box.minX = *std::min_element(xs, xs + count);
    box.maxX = *std::max_element(xs, xs + count);
    box.minY = *std::min_element(ys, ys + count);
    box.maxY = *std::max_element(ys, ys + count);
    box.nearDepth = *std::min_element(zs, zs + count);
    box.farDepth = *std::max_element(zs, zs + count);
}

// The screen box of the texture's opaque core, one texel in from its edges so that no pixel whose
// centre falls in it can sample a texel outside. Only for a whole, unmirrored texture drawn at full
// strength, on a quad whose corners 1 (u 0, v 0) and 3 (u 1, v 1) are projected to `xs`, `ys`.
// Whether projected quad corners 0-1 and 2-3 share a y, and 1-2 and 3-0 an x: the quad is upright.
bool Straight(const float* xs, const float* ys) {
    return xs[1] == xs[2] && xs[3] == xs[0] && ys[0] == ys[1] && ys[2] == ys[3];
}

// The screen box of `texels`, one texel in from its edges; false when that leaves nothing.
bool TexelsInView(const GLTexture& texture, const TexelRect& texels, const float* xs, const float* ys,
                  DrawClip& clip) {
    if (texels.x1 < texels.x0 + 3 || texels.y1 < texels.y0 + 3) return false;
    const float u0 = float(texels.x0 + 1) / float(texture.width), u1 = float(texels.x1 - 1) / float(texture.width);
    const float v0 = float(texels.y0 + 1) / float(texture.height), v1 = float(texels.y1 - 1) / float(texture.height);
    const float xa = xs[1] + u0 * (xs[3] - xs[1]), xb = xs[1] + u1 * (xs[3] - xs[1]);
    const float ya = ys[1] + v0 * (ys[3] - ys[1]), yb = ys[1] + v1 * (ys[3] - ys[1]);
    clip = {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
    return true;
}

bool ShowsTexelsStraight(const Sprite& sprite) {
    const GLTexture* texture = sprite.texture.get();
    return texture && texture->textureId != 0 && sprite.ShowsWholeTexture();
}

void CoreOf(const Sprite& sprite, const float* xs, const float* ys, DrawBox& box) {
    if (!ShowsTexelsStraight(sprite) || sprite.transparency < 1.0f) return;
    const GLTexture& texture = *sprite.texture;
    if (TexelsInView(texture, texture.opaqueCore, xs, ys, box.cores[box.coreCount])) ++box.coreCount;
    for (const PlainRegion& region : texture.plainRegions)
        if (region.opaque && box.coreCount < DrawBox::maxCores &&
            TexelsInView(texture, region.rect, xs, ys, box.cores[box.coreCount]))
            ++box.coreCount;
}

void WholeView(DrawBox& box) {
    box.minX = box.minY = box.nearDepth = -1.0f;
    box.maxX = box.maxY = box.farDepth = 1.0f;
    box.opaque = false;
}

} // namespace

bool QuadOutsideView(const mat4& mvp) {
    DrawBox box;
    float xs[4], ys[4], zs[4];
    if (!Project(mvp, unitQuad, 4, xs, ys, zs)) return false;
    Bound(box, xs, ys, zs, 4);
    return OutsideView(box);
}

bool QuadCovered(const mat4& mvp, const DrawArea& area) {
    DrawBox box;
    float xs[4], ys[4], zs[4];
    if (area.coverCount == 0 || !Project(mvp, unitQuad, 4, xs, ys, zs)) return false;
    Bound(box, xs, ys, zs, 4);
    for (int i = 0; i < area.coverCount; ++i) {
        const DrawClip& cover = area.covers[i];
        if (box.minX >= cover.minX + coverMargin && box.maxX <= cover.maxX - coverMargin &&
            box.minY >= cover.minY + coverMargin && box.maxY <= cover.maxY - coverMargin)
            return true;
    }
    return false;
}

bool VisibleTexels(const GLTexture* texture, bool flipX, bool flipY, float alpha, const mat4& mvp, DrawClip& clip) {
    float xs[4], ys[4], zs[4];
    if (!texture || texture->textureId == 0 || texture->alphaBoxes.size() != 256 || !(alpha > 0.0f) ||
        !Project(mvp, unitQuad, 4, xs, ys, zs) || !Straight(xs, ys))
        return false;
    // Texels fainter than `least` give fragments fainter than the faintest visible alpha.
    const float least = std::floor(faintestVisibleAlpha * 255.0f / std::min(alpha, 1.0f));
    const TexelRect& box = texture->alphaBoxes[size_t(std::clamp(least, 0.0f, 255.0f))];
    if (least > 255.0f || box.x1 <= box.x0) {
        clip = DrawClip{0, 0, 0, 0};
        return true;
    }
    // Two texels wider on each side, so no rounding of a pixel centre can reach a texel beyond; a
    // mirrored quad shows the box mirrored.
    const float w = float(texture->width), h = float(texture->height);
    float u0 = (float(box.x0) - 2.0f) / w, u1 = (float(box.x1) + 2.0f) / w;
    float v0 = (float(box.y0) - 2.0f) / h, v1 = (float(box.y1) + 2.0f) / h;
    if (flipX) u0 = 1.0f - std::exchange(u1, 1.0f - u0);
    if (flipY) v0 = 1.0f - std::exchange(v1, 1.0f - v0);
    const float xa = xs[1] + u0 * (xs[3] - xs[1]), xb = xs[1] + u1 * (xs[3] - xs[1]);
    const float ya = ys[1] + v0 * (ys[3] - ys[1]), yb = ys[1] + v1 * (ys[3] - ys[1]);
    clip = {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
    return true;
}

void PlainClipsOf(const Sprite& sprite, const mat4& mvp, std::vector<PlainClip>& out) {
    out.clear();
    float xs[4], ys[4], zs[4];
    if (!ShowsTexelsStraight(sprite) || sprite.texture->plainRegions.empty() ||
        !Project(mvp, unitQuad, 4, xs, ys, zs) ||
        !Straight(xs, ys))
        return;
    for (const PlainRegion& region : sprite.texture->plainRegions) {
        PlainClip clip;
        clip.opaque = region.opaque;
        if ((!region.opaque || sprite.transparency >= 1.0f) &&
            TexelsInView(*sprite.texture, region.rect, xs, ys, clip))
            out.push_back(clip);
    }
}

void SplitArea(const PixelRect& area, const std::vector<std::pair<PixelRect, bool>>& plain,
               std::vector<PixelRect>& unblended, std::vector<PixelRect>& blended) {
    unblended.clear();
    blended.clear();
    if (area.Empty()) return;
    std::vector<PixelRect> cut; // the plain rects inside the area
    std::vector<int> edges = {area.y0, area.y1};
    for (const auto& [rect, opaque] : plain) {
        const PixelRect inside{std::max(rect.x0, area.x0), std::max(rect.y0, area.y0), std::min(rect.x1, area.x1),
                               std::min(rect.y1, area.y1)};
        if (inside.Empty()) continue;
        cut.push_back(inside);
        if (opaque) unblended.push_back(inside);
        edges.push_back(inside.y0);
        edges.push_back(inside.y1);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    // Band by band, the gaps between the plain rects crossing it are blended; a gap that continues
    // the one just above it in the same columns grows that rect instead of starting another.
    std::vector<std::pair<int, int>> crossing;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int y0 = edges[e], y1 = edges[e + 1];
        crossing.clear();
        for (const PixelRect& rect : cut)
            if (rect.y0 <= y0 && rect.y1 >= y1) crossing.emplace_back(rect.x0, rect.x1);
        std::sort(crossing.begin(), crossing.end());
        crossing.emplace_back(area.x1, area.x1);
        int x = area.x0;
        for (const std::pair<int, int>& span : crossing) {
            const int from = span.first, to = span.second;
            if (from > x) {
                auto above = std::find_if(blended.begin(), blended.end(), [&](const PixelRect& r) {
                    return r.x0 == x && r.x1 == from && r.y1 == y0;
                });
                if (above != blended.end())
                    above->y1 = y1;
                else
                    blended.push_back({x, y0, from, y1});
            }
            x = std::max(x, to);
        }
    }
}

DrawBox BoxOf(const GameObject& object, const mat4& projectionView) {
    DrawBox box;
    std::shared_ptr<Transform> transform = object.GetComponent<Transform>();
    std::shared_ptr<Sprite> sprite = object.GetComponent<Sprite>();
    // A sprite at transparency 0 or below is discarded texel by texel: it draws nothing.
    if (sprite && transform && sprite->transparency > 0.0f) {
        box.hasSprite = true;
        box.opaque = sprite->IsOpaque();

        float xs[4], ys[4], zs[4];
        if (Project(projectionView * transform->GetModelMatrix(), unitQuad, 4, xs, ys, zs)) {
            Bound(box, xs, ys, zs, 4);
            // Upright, or turned a quarter (corners 1-2 and 3-0 share a y, 0-1 and 2-3 an x).
            const bool straight = Straight(xs, ys);
            const bool quarter = ys[1] == ys[2] && ys[3] == ys[0] && xs[0] == xs[1] && xs[2] == xs[3];
            box.axisAligned = straight || quarter;
            if (straight && !box.opaque) CoreOf(*sprite, xs, ys, box);
        } else {
            WholeView(box);
        }
    }

    float shownFar = box.hasSprite ? box.farDepth : -2.0f;
    vec3 low, high;
    vec2 shownZ;
    std::shared_ptr<ParticleEmitter> particles = object.GetComponent<ParticleEmitter>();
    if (particles && particles->LiveBounds(low, high, shownZ)) {
        // Those too faint to change a pixel are left out: how far they lie cannot show.
        if (shownZ.x <= shownZ.y) {
            const vec4 ends[2] = {{low.x, low.y, shownZ.x, 1}, {low.x, low.y, shownZ.y, 1}};
            float xs[2], ys[2], zs[2];
            const bool known = Project(projectionView, ends, 2, xs, ys, zs);
            shownFar = std::max(shownFar, known ? std::max(zs[0], zs[1]) : 1.0f);
        }
        const vec4 corners[8] = {{low.x, low.y, low.z, 1},   {high.x, low.y, low.z, 1},
                                 {low.x, high.y, low.z, 1},  {high.x, high.y, low.z, 1},
                                 {low.x, low.y, high.z, 1},  {high.x, low.y, high.z, 1},
                                 {low.x, high.y, high.z, 1}, {high.x, high.y, high.z, 1}};
        DrawBox drops;
        float xs[8], ys[8], zs[8];
        if (Project(projectionView, corners, 8, xs, ys, zs))
            Bound(drops, xs, ys, zs, 8);
        else
            WholeView(drops);
        if (box.hasSprite) {
            box.minX = std::min(box.minX, drops.minX), box.maxX = std::max(box.maxX, drops.maxX);
            box.minY = std::min(box.minY, drops.minY), box.maxY = std::max(box.maxY, drops.maxY);
            box.nearDepth = std::min(box.nearDepth, drops.nearDepth);
            box.farDepth = std::max(box.farDepth, drops.farDepth);
        } else {
            drops.hasOtherDraw = true;
            box = drops;
        }
        box.hasOtherDraw = true;
    }
    // Empty text draws nothing, and at alpha 0 every fragment of it is discarded.
    std::shared_ptr<TextSprite> text = object.GetComponent<TextSprite>();
    if (text && !text->GetText().empty() && text->alpha > 0.0f) {
        const vec3 at = (transform ? transform->GetPosition() : vec3{}) + text->position;
        const vec4 point[1] = {{at.x, at.y, at.z, 1}};
        float x, y, z;
        const bool known = Project(projectionView, point, 1, &x, &y, &z);
        const bool first = !box.hasSprite && !box.hasOtherDraw;
        box.nearDepth = known ? (first ? z : std::min(box.nearDepth, z)) : -1.0f;
        box.farDepth = known ? (first ? z : std::max(box.farDepth, z)) : 1.0f;
        shownFar = std::max(shownFar, known ? z : 1.0f);
        box.minX = box.minY = -1.0f;
        box.maxX = box.maxY = 1.0f;
        box.hasOtherDraw = true;
        box.extentKnown = false;
    }
    box.shownFarDepth = shownFar;
    return box;
}
