#include "graphics/ShapeTool.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ShapeTool, SquareQueuesFourSegmentsEvenWhenEmpty) {
    ShapeTool tool;
    tool.DrawSquare({10, 20, 5}, 4, {1, 0, 0});
    tool.DrawSquare({0, 0, 0}, 0, {0, 1, 0});
    ASSERT_EQ(tool.lineVertices.size(), 16u);
    ASSERT_EQ(tool.lineColors.size(), 16u);
    // TL -> BL first, at the centre's z.
    EXPECT_FLOAT_EQ(tool.lineVertices[0].x, 8.0f);
    EXPECT_FLOAT_EQ(tool.lineVertices[0].y, 22.0f);
    EXPECT_FLOAT_EQ(tool.lineVertices[1].y, 18.0f);
    EXPECT_FLOAT_EQ(tool.lineVertices[1].z, 5.0f);
    EXPECT_FLOAT_EQ(tool.lineColors[15].y, 1.0f);
}

TEST(ShapeTool, CirclesShareOneLoopAtZeroDepth) {
    ShapeTool tool;
    tool.DrawCircle({100, 0, 7}, 10, {1, 1, 1});
    tool.DrawCircle({-100, 0, 7}, 10, {1, 1, 1});
    ASSERT_EQ(tool.loopVertices.size(), 720u);
    EXPECT_EQ(tool.loopColors.size(), 720u);
    EXPECT_FLOAT_EQ(tool.loopVertices[0].x, 110.0f);
    EXPECT_FLOAT_EQ(tool.loopVertices[0].z, 0.0f);
    EXPECT_NEAR(tool.loopVertices[90].y, 10.0f, 1e-4f);
    EXPECT_TRUE(tool.uniformLineVertices.empty());
}

TEST(ShapeTool, LineKeepsBothEndsAsGiven) {
    ShapeTool tool;
    tool.DrawLine({0, 0, 1}, {5, 5, 2}, {0, 0, 1});
    ASSERT_EQ(tool.lineVertices.size(), 2u);
    EXPECT_FLOAT_EQ(tool.lineVertices[1].z, 2.0f);
    // Without a context nothing is drawn and nothing breaks.
    tool.DrawBatches();
    tool.DrawUniformBatches();
    tool.DrawAxes();
    EXPECT_EQ(tool.lineVertices.size(), 2u);
}

} // namespace
