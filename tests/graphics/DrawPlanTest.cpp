#include <gtest/gtest.h>

#include "graphics/DrawPlan.h"

namespace {
DrawBox Box(float minX, float maxX, float depth, bool opaque, bool other = false) {
    DrawBox b;
    b.hasSprite = b.axisAligned = true;
    b.opaque = opaque;
    b.hasOtherDraw = other;
    b.minX = minX, b.maxX = maxX, b.minY = -1.0f, b.maxY = 1.0f;
    b.nearDepth = b.farDepth = depth;
    return b;
}
} // namespace

// Only what the depth-tested picture proves invisible may go: equal depth, text or particles in
// between, or a see-through sprite in front keep the one behind.
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
        {{Box(-1, 1, 0.5f, true), Box(-1, 1, 0.3f, false, true), Box(-2, 2, 0.1f, true)},
         {D::Draw, D::Draw, D::Draw}},
        {{Box(-1, 1, 0.5f, true), Box(-1, 0, 0.2f, true), Box(0, 1, 0.1f, true)},
         {D::Hidden, D::Draw, D::Draw}},
    };
    std::vector<D> plan;
    std::vector<DrawClip> clips;
    for (const Case& c : cases) {
        PlanDraws(c.boxes, plan, clips);
        EXPECT_EQ(plan, c.expected);
    }
    // Half covered: drawn, kept to the other half.
    PlanDraws({Box(-1, 1, 0.5f, true), Box(-1, 0, 0.1f, true)}, plan, clips);
    EXPECT_EQ(plan[0], D::Draw);
    EXPECT_FLOAT_EQ(clips[0].minX, 0.0f);
}
