#include "objects/Math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Math, ModelMatrixAndItsInverse) {
    // Translate after rotate after scale: the corner (0.5, 0.5) of a 64 by 32 quad turned a quarter
    // to the left and moved to (100, 50) lands at (100 - 16, 50 + 32).
    const mat4 model = translate(100, 50, 0) * rotateZ(3.14159265f / 2) * scale(64, 32, 1);
    const vec4 corner = model * vec4{0.5f, 0.5f, 0, 1};
    EXPECT_NEAR(corner.x, 84, 1e-4f);
    EXPECT_NEAR(corner.y, 82, 1e-4f);

    bool invertible = false;
    const mat4 product = model * Inverse(model, &invertible);
    EXPECT_TRUE(invertible);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(product.m[i], identity().m[i], 1e-5f) << i;

    const mat4 none = Inverse(scale(0, 5, 1), &invertible);
    EXPECT_FALSE(invertible);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(none.m[i], identity().m[i]) << i;
}

TEST(Math, MoveTowardsStepsWithoutOvershootingOrDividingByZero) {
    const vec2 step = MoveTowards({0, 0}, {30, 40}, 10, 0.5f); // 5 of 50 pixels
    EXPECT_NEAR(step.x, 3, 1e-5f);
    EXPECT_NEAR(step.y, 4, 1e-5f);
    const vec2 arrived = MoveTowards({0, 0}, {30, 40}, 1000, 1);
    EXPECT_EQ(arrived.x, 30);
    EXPECT_EQ(arrived.y, 40);
    const vec2 there = MoveTowards({7, 7}, {7, 7}, -5, 1);
    EXPECT_EQ(there.x, 7);
    EXPECT_EQ(there.y, 7);
}

} // namespace
