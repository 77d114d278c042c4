#include "objects/Math.h"

#include <gtest/gtest.h>

namespace {

TEST(Math, InverseReportsSingularMatricesAndMoveTowardsNeverDividesByZero) {
    bool invertible = true;
    const mat4 none = Inverse(scale(0, 5, 1), &invertible);
    EXPECT_FALSE(invertible);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(none.m[i], identity().m[i]) << i;

    const vec2 step = MoveTowards({0, 0}, {30, 40}, 10, 0.5f); // 5 of 50 pixels
    EXPECT_NEAR(step.x, 3, 1e-5f);
    EXPECT_NEAR(step.y, 4, 1e-5f);
    const vec2 arrived = MoveTowards({0, 0}, {30, 40}, 1000, 1);
    EXPECT_TRUE(arrived.x == 30 && arrived.y == 40) << "no overshoot";
    const vec2 there = MoveTowards({7, 7}, {7, 7}, -5, 1);
    EXPECT_TRUE(there.x == 7 && there.y == 7);
}

} // namespace
