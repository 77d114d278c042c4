#include <gtest/gtest.h>

#include "graphics/DrawPlan.h"
#include "graphics/GLTexture.h"

namespace {
enum Other { None, Particles, Text };

DrawBox Box(float minX, float maxX, float depth, bool opaque, Other other = None) {
    DrawBox b;
    b.hasSprite = b.axisAligned = true;
    b.opaque = opaque;
    b.hasOtherDraw = other != None;
    b.extentKnown = other != Text;
    b.minX = minX, b.maxX = maxX, b.minY = -1.0f, b.maxY = 1.0f;
    b.nearDepth = b.farDepth = b.shownFarDepth = depth;
    return b;
}

// Particles alone between depths `nearDepth` and `farDepth`; those strong enough to show reach
// `shownFar` at most.
DrawBox Drops(float nearDepth, float farDepth, float shownFar) {
    DrawBox b = Box(-0.2f, 0.2f, nearDepth, false, Particles);
    b.hasSprite = b.axisAligned = false;
    b.farDepth = farDepth;
    b.shownFarDepth = shownFar;
    return b;
}
} // namespace

// Only what the depth-tested picture proves invisible may go: equal depth, text anywhere in between,
// particles nearer than the occluder over it, or a see-through sprite in front keep the one behind.
TEST(DrawPlan, SkipsOnlyWhatNoPixelShows) {
    using D = DrawDecision;
    struct Case {
        std::vector<DrawBox> boxes;
        std::vector<D> expected;
    } cases[] = {
        {{Box(-1, 1, 0.5f, true), Box(-2, 2, 0.1f, true)}, {D::Hidden, D::Draw}},
        {{Box(2, 3, 0.5f, true)}, {D::Culled}},
        {{Box(-1, 1, 0.5f, true), Box(-2, 2, 0.5f, true)}, {D::Draw, D::Draw}},
        {{Box(-1, 1, 0.5f, true), Box(-2, 2, 0.1f, false)}, {D::Draw, D::Draw}},
        {{Box(-1, 1, 0.5f, true), Box(3, 4, 0.3f, false, Text), Box(-2, 2, 0.1f, true)},
         {D::Draw, D::Culled, D::Draw}},
        {{Box(-1, 1, 0.5f, true), Box(-1, 1, 0.05f, false, Particles), Box(-2, 2, 0.1f, true)},
         {D::Draw, D::Draw, D::Draw}},
        {{Box(-1, 1, 0.5f, true), Box(-1, 1, 0.3f, false, Particles), Box(-2, 2, 0.1f, true)},
         {D::Hidden, D::Draw, D::Draw}},
        {{Box(-1, 0, 0.5f, true), Box(0.5f, 1, 0.05f, false, Particles), Box(-2, 2, 0.1f, true)},
         {D::Hidden, D::Draw, D::Draw}},
        {{Box(-1, 1, 0.5f, true), Box(-1, 0, 0.2f, true), Box(0, 1, 0.1f, true)},
         {D::Hidden, D::Draw, D::Draw}},
        // Side by side at one depth: where one opaque sprite drew, the one behind is gone already.
        {{Box(-1, 1, 0.5f, true), Box(-1, 0, 0.2f, true), Box(0, 1, 0.2f, true)},
         {D::Hidden, D::Draw, D::Draw}},
        // A see-through sprite at the occluder's depth under its cover: the occluder loses there.
        {{Box(-1, 1, 0.5f, true), Box(-0.5f, 0.5f, 0.2f, false), Box(-1, 1, 0.2f, true)},
         {D::Draw, D::Draw, D::Draw}},
        // ... but one that stays clear of the cover does not stand in its way.
        {{Box(-1, 1, 0.5f, true), Box(-1, -0.5f, 0.1f, false), Box(-0.4f, 1, 0.1f, true),
          Box(-1, -0.4f, 0.05f, true)},
         {D::Hidden, D::Hidden, D::Draw, D::Draw}},
    };
    std::vector<D> plan;
    std::vector<DrawArea> clips;
    for (const Case& c : cases) {
        PlanDraws(c.boxes, plan, clips);
        EXPECT_EQ(plan, c.expected);
    }
    // Half covered: drawn, kept to the other half.
    PlanDraws({Box(-1, 1, 0.5f, true), Box(-1, 0, 0.1f, true)}, plan, clips);
    EXPECT_EQ(plan[0], D::Draw);
    EXPECT_FLOAT_EQ(clips[0].minX, 0.0f);
    // Covered in the middle: an opaque sprite is filled on both sides only; a see-through one, which
    // must not be filled twice where the pieces' margins overlap, over the box around them.
    for (bool opaque : {true, false}) {
        PlanDraws({Box(-1, 1, 0.5f, opaque), Box(-0.5f, 0.5f, 0.1f, true)}, plan, clips);
        ASSERT_EQ(plan[0], D::Draw);
        EXPECT_EQ(clips[0].pieceCount, opaque ? 2 : 0);
        EXPECT_FLOAT_EQ(clips[0].minX, -1.0f);
        EXPECT_FLOAT_EQ(clips[0].maxX, 1.0f);
        if (opaque) {
            EXPECT_FLOAT_EQ(clips[0].pieces[0].maxX + clips[0].pieces[1].minX, 0.0f);
        }
    }
}

// A see-through sprite hides what lies under its opaque core, and only there; the core is the
// largest rectangle of texels with alpha 255.
TEST(DrawPlan, AnOpaqueCoreHidesWhatIsUnderIt) {
    std::vector<DrawDecision> plan;
    std::vector<DrawArea> areas;
    DrawBox window = Box(-2, 2, 0.1f, false);
    window.coreCount = 1;
    window.cores[0] = DrawClip{-2, -1, 0, 1};
    PlanDraws({Box(-1, 1, 0.5f, true), window}, plan, areas);
    EXPECT_EQ(plan[0], DrawDecision::Draw);
    EXPECT_FLOAT_EQ(areas[0].minX, 0.0f);
    window.cores[0].maxX = 2;
    PlanDraws({Box(-1, 1, 0.5f, true), window}, plan, areas);
    EXPECT_EQ(plan[0], DrawDecision::Hidden);

    // 5 x 4 texels, alpha 255 except where marked 0; the opaque block is columns 1-3, rows 1-3.
    const int alpha[4][5] = {
        {255, 0, 255, 255, 0}, {0, 255, 255, 255, 255}, {255, 255, 255, 255, 0}, {0, 255, 255, 255, 0}};
    std::vector<unsigned char> rgba;
    for (const auto& row : alpha)
        for (int a : row) rgba.insert(rgba.end(), {10, 20, 30, static_cast<unsigned char>(a)});
    const TexelRect core = LargestOpaqueRect(rgba, 5, 4);
    EXPECT_EQ(std::vector<uint32_t>({core.x0, core.y0, core.x1, core.y1}),
              std::vector<uint32_t>({1, 1, 4, 4}));
    EXPECT_EQ(LargestOpaqueRect(rgba, 5, 5).Area(), 0u); // fewer pixels than the size says
}

// The depth test can be left off only when everything drawn lies strictly nearer than whatever it
// meets that was drawn before it: then drawing in order already gives the tested picture.
TEST(DrawPlan, DepthTestMattersOnlyWhereOrderAndDepthDisagree) {
    using D = DrawDecision;
    struct Case {
        std::vector<DrawBox> boxes;
        std::vector<D> plan;
        bool matters;
    } cases[] = {
        {{Box(-1, 1, 0.5f, true), Box(-0.5f, 0.5f, 0.1f, false)}, {D::Draw, D::Draw}, false},
        {{Box(-1, 0, 0.5f, true), Box(0.5f, 1, 0.5f, true)}, {D::Draw, D::Draw}, false},    // apart
        {{Box(-1, 0, 0.5f, true), Box(0, 1, 0.5f, true)}, {D::Draw, D::Draw}, false},       // abutting
        {{Box(-1, 0.002f, 0.5f, true), Box(0, 1, 0.5f, true)}, {D::Draw, D::Draw}, true},   // a column shared
        {{Box(-1, 1, 0.5f, true), Box(-0.5f, 0.5f, 0.5f, true)}, {D::Draw, D::Draw}, true}, // a tie
        {{Box(-1, 1, 0.1f, true), Box(-0.5f, 0.5f, 0.5f, true)}, {D::Draw, D::Draw}, true}, // behind
        {{Box(-1, 1, 0.1f, true), Box(-0.5f, 0.5f, 0.5f, true)}, {D::Draw, D::Hidden}, false},
        {{Box(-1, 1, 0.5f, true), Box(3, 4, 0.6f, false, Text)}, {D::Draw, D::Culled}, true},
        {{Box(-1, 1, 0.5f, true), Box(3, 4, 0.2f, false, Text)}, {D::Draw, D::Culled}, false},
        {{Box(-1, 1, 0.5f, true), Box(-1, 1, 0.1f, false, Text)}, {D::Draw, D::Draw}, true}, // its own text
        // Splashes in front of the water, their faded ends at its depth: those change no pixel.
        {{Box(-1, 1, 0.5f, false), Drops(0.4f, 0.5f, 0.45f)}, {D::Draw, D::NoSprite}, false},
        {{Box(-1, 1, 0.5f, false), Drops(0.4f, 0.5f, 0.5f)}, {D::Draw, D::NoSprite}, true},
        // ... but whatever comes after them still meets the depth the faint ones write.
        {{Drops(0.4f, 0.5f, 0.45f), Box(-1, 1, 0.48f, false)}, {D::NoSprite, D::Draw}, true},
    };
    for (const Case& c : cases) EXPECT_EQ(DepthTestMatters(c.boxes, c.plan, 1920, 1080), c.matters);
}

// A sprite that meets only the opaque sprite drawn just before it, at its depth or behind it, goes
// without the test: the opaque one is drawn again where they meet, as the test would have kept it.
TEST(DrawPlan, AnOpaqueSpriteDrawnAgainStandsInForTheDepthTest) {
    using D = DrawDecision;
    std::vector<CoverAgain> again;
    auto matters = [&](const std::vector<DrawBox>& boxes) {
        return DepthTestMatters(boxes, std::vector<D>(boxes.size(), D::Draw), 1920, 1080, &again);
    };
    // Two rooms side by side at one depth, sharing a column of pixels.
    EXPECT_FALSE(matters({Box(-1, 0.002f, 0.5f, true), Box(0, 1, 0.5f, true)}));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].after, 1u);
    EXPECT_EQ(again[0].sprite, 0u);
    EXPECT_FLOAT_EQ(again[0].clip.minX, 0.0f);
    EXPECT_FLOAT_EQ(again[0].clip.maxX, 0.002f);
    // Behind a nearer one drawn first.
    EXPECT_FALSE(matters({Box(-1, 1, 0.1f, true), Box(-0.5f, 0.5f, 0.5f, false)}));
    EXPECT_EQ(again.size(), 1u);
    // The test stays, and nothing is drawn again, when the first is see-through, has particles, is
    // a hair farther without being level, or something is drawn in between.
    for (const std::vector<DrawBox>& boxes :
         {std::vector<DrawBox>{Box(-1, 0.002f, 0.5f, false), Box(0, 1, 0.5f, true)},
          std::vector<DrawBox>{Box(-1, 0.002f, 0.5f, true, Particles), Box(0, 1, 0.5f, true)},
          std::vector<DrawBox>{Box(-1, 0.002f, 0.5f, true), Box(0, 1, 0.5f - 1e-6f, true)},
          std::vector<DrawBox>{Box(-1, 0.002f, 0.5f, true), Box(-0.9f, -0.8f, 0.4f, false), Box(0, 1, 0.5f, true)}}) {
        EXPECT_TRUE(matters(boxes));
        EXPECT_TRUE(again.empty());
    }
}

// A see-through picture is cut into what needs no blending: the regions are disjoint, each holds
// only texels of its kind, and no region is left out for want of room among the first ones.
TEST(DrawPlan, PlainRegionsHoldOnlyTheirKindOfTexel) {
    // 12 x 8 texels in cells of 2: the left half opaque, a clear block top right, the rest faint,
    // and one faint texel inside the opaque half.
    const uint32_t w = 12, h = 8;
    std::vector<unsigned char> rgba(w * h * 4, 0);
    auto alphaAt = [&](uint32_t x, uint32_t y) -> unsigned char& { return rgba[(y * w + x) * 4 + 3]; };
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) alphaAt(x, y) = x < 6 ? 255 : (y < 4 ? 0 : 100);
    alphaAt(1, 5) = 254;
    const std::vector<PlainRegion> regions = PlainRegions(rgba, w, h, 2, 12);
    uint64_t opaqueArea = 0, clearArea = 0;
    for (size_t i = 0; i < regions.size(); ++i) {
        const TexelRect& r = regions[i].rect;
        for (uint32_t y = r.y0; y < r.y1; ++y)
            for (uint32_t x = r.x0; x < r.x1; ++x)
                ASSERT_EQ(alphaAt(x, y), regions[i].opaque ? 255 : 0) << "region " << i << " at " << x << "," << y;
        for (size_t j = 0; j < i; ++j) {
            const TexelRect& o = regions[j].rect;
            EXPECT_TRUE(r.x1 <= o.x0 || o.x1 <= r.x0 || r.y1 <= o.y0 || o.y1 <= r.y0) << i << " meets " << j;
        }
        (regions[i].opaque ? opaqueArea : clearArea) += r.Area();
    }
    EXPECT_EQ(clearArea, 6u * 4u);                 // the clear block, whole
    // The opaque half less the faint texel's cell, and at most one lone cell the merge leaves beside it.
    EXPECT_GE(opaqueArea, 6u * 8u - 2u * 2u - 2u * 2u);
    EXPECT_TRUE(PlainRegions(rgba, w, h, 2, 1).size() == 1u && PlainRegions(rgba, w, h, 2, 1)[0].rect.Area() >= 16u);
    EXPECT_TRUE(PlainRegions(std::vector<unsigned char>(w * h * 4, 255), w, h, 2).empty()); // opaque throughout
    EXPECT_TRUE(PlainRegions(rgba, w, h + 1, 2).empty());                                   // short of pixels
}

// Every pixel of the area is filled exactly once, blended or not, except over the clear rects.
TEST(DrawPlan, SplitAreaFillsEachPixelOnceAndSkipsOnlyClearOnes) {
    unsigned seed = 7;
    auto next = [&seed](int n) { seed = seed * 1103515245u + 12345u; return int((seed >> 16) % unsigned(n)); };
    for (int round = 0; round < 200; ++round) {
        const PixelRect area{next(5), next(5), 20 + next(10), 15 + next(10)};
        // Disjoint plain rects from a grid of 6 x 6 cells, some reaching past the area.
        std::vector<std::pair<PixelRect, bool>> plain;
        for (int cy = -1; cy < 5; ++cy)
            for (int cx = -1; cx < 5; ++cx)
                if (next(3) == 0) plain.push_back({PixelRect{cx * 6 + 1, cy * 6, cx * 6 + 6, cy * 6 + 5}, next(2) == 0});
        std::vector<PixelRect> unblended, blended;
        SplitArea(area, plain, unblended, blended);
        std::vector<int> filled(40 * 40, 0), expected(40 * 40, 0);
        for (int y = area.y0; y < area.y1; ++y)
            for (int x = area.x0; x < area.x1; ++x) {
                bool clear = false;
                for (const auto& [r, opaque] : plain)
                    clear |= !opaque && x >= r.x0 && x < r.x1 && y >= r.y0 && y < r.y1;
                expected[y * 40 + x] = clear ? 0 : 1;
            }
        for (const auto* rects : {&unblended, &blended})
            for (const PixelRect& r : *rects)
                for (int y = r.y0; y < r.y1; ++y)
                    for (int x = r.x0; x < r.x1; ++x) ++filled[y * 40 + x];
        ASSERT_EQ(filled, expected) << "round " << round;
        for (const PixelRect& r : unblended) { // opaque rects only
            bool inside = false;
            for (const auto& [p, opaque] : plain)
                inside |= opaque && r.x0 >= p.x0 && r.x1 <= p.x1 && r.y0 >= p.y0 && r.y1 <= p.y1;
            EXPECT_TRUE(inside) << "round " << round;
        }
    }
    std::vector<PixelRect> unblended, blended;
    SplitArea({0, 0, 10, 10}, {}, unblended, blended);
    EXPECT_EQ(blended.size(), 1u) << "nothing plain: the area in one piece";
}

// A faint particle is drawn only where its texels are strong enough to change an 8-bit pixel: the
// box of such texels, a little wider, placed as the quad shows it (mirrored too); nothing at all
// when even the strongest texel is too faint.
TEST(DrawPlan, AFaintParticleShowsOnlyItsStrongerTexels) {
    // 8 x 4 texels: alpha 255 at column 6 row 1, alpha 40 at column 2 row 2, clear elsewhere.
    std::vector<unsigned char> rgba(8 * 4 * 4, 0);
    rgba[(1 * 8 + 6) * 4 + 3] = 255;
    rgba[(2 * 8 + 2) * 4 + 3] = 40;
    const std::vector<TexelRect> boxes = AlphaBoxes(rgba, 8, 4);
    ASSERT_EQ(boxes.size(), 256u);
    EXPECT_EQ(std::vector<uint32_t>({boxes[1].x0, boxes[1].y0, boxes[1].x1, boxes[1].y1}),
              std::vector<uint32_t>({2, 1, 7, 3}));
    EXPECT_EQ(std::vector<uint32_t>({boxes[41].x0, boxes[41].y0, boxes[41].x1, boxes[41].y1}),
              std::vector<uint32_t>({6, 1, 7, 2}));
    EXPECT_EQ(boxes[0].Area(), 32u);
    EXPECT_TRUE(AlphaBoxes(rgba, 8, 5).empty()); // short of pixels

    GLTexture texture{DecodedPng{}}; // no context here: filled in by hand
    texture.textureId = 1, texture.width = 8, texture.height = 4, texture.alphaBoxes = boxes;
    // The quad over the whole view, u along x, v 0 at the top.
    const mat4 mvp = scale(2.0f, 2.0f, 1.0f);
    auto visible = [&](float alpha, bool flipX) {
        DrawClip clip;
        EXPECT_TRUE(VisibleTexels(&texture, flipX, false, alpha, mvp, clip));
        return clip;
    };
    const DrawClip strong = visible(1.0f, false), faint = visible(0.01f, false), mirrored = visible(0.01f, true);
    EXPECT_LE(strong.minX, -1.0f + 2 * 2.0f / 8.0f); // column 2 is in
    EXPECT_LE(faint.minX, 1.0f - 2 * 2.0f / 8.0f);   // at alpha 0.01 only the opaque column 6 shows
    EXPECT_GE(faint.minX, -1.0f + 2 * 3.0f / 8.0f);  // ... and column 2 does not
    EXPECT_NEAR(mirrored.minX, -faint.maxX, 1e-5f);
    EXPECT_NEAR(mirrored.maxX, -faint.minX, 1e-5f);
    const DrawClip none = visible(0.001f, false); // 255 x 0.001 is below half a step
    EXPECT_FALSE(none.minX < none.maxX);
    texture.textureId = 0; // nothing bound: every fragment takes the tint, nothing is known
    DrawClip clip;
    EXPECT_FALSE(VisibleTexels(&texture, false, false, 0.5f, mvp, clip));
}

// Particles without a sprite learn where later, nearer opaque sprites hide them; a particle whose
// quad lies well inside such a cover is not drawn, one reaching out of it is.
TEST(DrawPlan, ParticlesBehindAnOpaqueSpriteAreHidden) {
    DrawBox rain = Box(-1, 1, 0.5f, false, Particles);
    rain.hasSprite = false;
    std::vector<DrawDecision> plan;
    std::vector<DrawArea> areas;
    PlanDraws({rain, Box(-1, 0, 0.1f, true), Box(0.2f, 1, 0.5f, true)}, plan, areas);
    ASSERT_EQ(areas[0].coverCount, 1); // the second sprite is not nearer than the rain
    EXPECT_FLOAT_EQ(areas[0].covers[0].maxX, 0.0f);
    const mat4 inside = translate(-0.5f, 0.0f, 0.0f) * scale(0.2f, 0.2f, 1.0f);
    const mat4 across = translate(-0.05f, 0.0f, 0.0f) * scale(0.2f, 0.2f, 1.0f);
    EXPECT_TRUE(QuadCovered(inside, areas[0]));
    EXPECT_FALSE(QuadCovered(across, areas[0]));
    // A see-through sprite at the cover's depth drawn in between keeps the rain under it.
    PlanDraws({rain, Box(-1, 1, 0.1f, false), Box(-1, 0, 0.1f, true)}, plan, areas);
    EXPECT_EQ(areas[0].coverCount, 0);
}
