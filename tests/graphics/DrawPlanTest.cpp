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
    b.nearDepth = b.farDepth = depth;
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
    window.coreMinX = -2, window.coreMaxX = 0, window.coreMinY = -1, window.coreMaxY = 1;
    PlanDraws({Box(-1, 1, 0.5f, true), window}, plan, areas);
    EXPECT_EQ(plan[0], DrawDecision::Draw);
    EXPECT_FLOAT_EQ(areas[0].minX, 0.0f);
    window.coreMaxX = 2;
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
    };
    for (const Case& c : cases) EXPECT_EQ(DepthTestMatters(c.boxes, c.plan, 1920, 1080), c.matters);
}
