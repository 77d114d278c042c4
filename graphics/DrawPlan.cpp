#include "graphics/DrawPlan.h"

#include <algorithm>
#include <cmath>

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

bool CanOcclude(const DrawBox& box) {
    return box.hasSprite && box.opaque && box.axisAligned && !box.hasOtherDraw;
}

} // namespace

void PlanDraws(const std::vector<DrawBox>& boxes, std::vector<DrawDecision>& plan,
               std::vector<DrawClip>& clips, DrawCounts* counts) {
    plan.assign(boxes.size(), DrawDecision::NoSprite);
    clips.assign(boxes.size(), DrawClip{});
    for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].hasSprite) plan[i] = OutsideView(boxes[i]) ? DrawDecision::Culled : DrawDecision::Draw;
    if (counts) *counts = {};

    std::vector<DrawClip> rest, next;
    for (size_t a = 0; a < boxes.size(); ++a) {
        const DrawBox& back = boxes[a];
        // Its own particles come after it: leave such a sprite whole.
        if (plan[a] != DrawDecision::Draw || back.hasOtherDraw) continue;
        auto clip = [](float v) { return std::clamp(v, -1.0f, 1.0f); };
        rest.assign(1, DrawClip{clip(back.minX), clip(back.minY), clip(back.maxX), clip(back.maxY)});
        // Walks forward over what is drawn after it; anything of unknown extent ends the walk, and
        // the nearest depth drawn so far bounds which later sprites still win the depth test there.
        float nearestBetween = back.nearDepth;
        for (size_t c = a + 1; c < boxes.size() && !rest.empty(); ++c) {
            const DrawBox& front = boxes[c];
            if (front.hasOtherDraw) break;
            if (plan[c] == DrawDecision::NoSprite || plan[c] == DrawDecision::Culled) continue;
            if (CanOcclude(front) && nearestBetween > front.farDepth + depthSlack) {
                const DrawClip cover{front.minX, front.minY, front.maxX, front.maxY};
                next.clear();
                for (const DrawClip& piece : rest) Subtract(piece, cover, next);
                rest.clear();
                for (const DrawClip& piece : next)
                    if (piece.maxX - piece.minX > sliver && piece.maxY - piece.minY > sliver)
                        rest.push_back(piece);
            }
            nearestBetween = std::min(nearestBetween, front.nearDepth);
        }
        if (rest.empty()) {
            plan[a] = DrawDecision::Hidden;
            continue;
        }
        DrawClip& left = clips[a];
        left = rest[0];
        for (const DrawClip& piece : rest) {
            left.minX = std::min(left.minX, piece.minX);
            left.minY = std::min(left.minY, piece.minY);
            left.maxX = std::max(left.maxX, piece.maxX);
            left.maxY = std::max(left.maxY, piece.maxY);
        }
        if (counts)
            counts->clipped += left.minX > clip(back.minX) || left.minY > clip(back.minY) ||
                               left.maxX < clip(back.maxX) || left.maxY < clip(back.maxY);
    }

    if (counts) {
        for (DrawDecision d : plan) {
            counts->drawn += d == DrawDecision::Draw;
            counts->culled += d == DrawDecision::Culled;
            counts->hidden += d == DrawDecision::Hidden;
        }
    }
}

DrawBox BoxOf(const GameObject& object, const mat4& projectionView) {
    DrawBox box;
    // Empty text draws nothing; particles are taken as drawn wherever they may be.
    std::shared_ptr<TextSprite> text = object.GetComponent<TextSprite>();
    box.hasOtherDraw = (text && !text->GetText().empty()) || object.GetComponent<ParticleEmitter>();
    std::shared_ptr<Sprite> sprite = object.GetComponent<Sprite>();
    std::shared_ptr<Transform> transform = object.GetComponent<Transform>();
    // A sprite at transparency 0 or below is discarded texel by texel: it draws nothing.
    if (!sprite || !transform || sprite->transparency <= 0.0f) return box;
    box.hasSprite = true;
    box.opaque = sprite->IsOpaque();

    const mat4 mvp = projectionView * transform->GetModelMatrix();
    const float corners[4][2] = {{0.5f, 0.5f}, {-0.5f, 0.5f}, {-0.5f, -0.5f}, {0.5f, -0.5f}};
    float xs[4], ys[4], zs[4];
    for (int i = 0; i < 4; ++i) {
        const vec4 p = mvp * vec4{corners[i][0], corners[i][1], 0.0f, 1.0f};
        // The view is orthographic: w stays 1 unless a matrix is unusual, and then nothing is assumed.
        if (!(p.w == 1.0f) || !std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
            box.minX = box.minY = box.nearDepth = -1.0f;
            box.maxX = box.maxY = box.farDepth = 1.0f;
            box.opaque = false;
            return box;
        }
        xs[i] = p.x;
        ys[i] = p.y;
        zs[i] = p.z;
    }
    box.minX = *std::min_element(xs, xs + 4);
    box.maxX = *std::max_element(xs, xs + 4);
    box.minY = *std::min_element(ys, ys + 4);
    box.maxY = *std::max_element(ys, ys + 4);
    box.nearDepth = *std::min_element(zs, zs + 4);
    box.farDepth = *std::max_element(zs, zs + 4);
    // Corners 0-1 and 2-3 share a y, 1-2 and 3-0 share an x (or, turned a quarter, the other way).
    const bool straight = xs[1] == xs[2] && xs[3] == xs[0] && ys[0] == ys[1] && ys[2] == ys[3];
    const bool quarter = ys[1] == ys[2] && ys[3] == ys[0] && xs[0] == xs[1] && xs[2] == xs[3];
    box.axisAligned = straight || quarter;
    return box;
}
