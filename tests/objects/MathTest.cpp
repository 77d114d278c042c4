#include "objects/Math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const float pi = 3.14159265f;

vec4 Apply(const mat4& m, float x, float y, float z) {
    return m * vec4{x, y, z, 1};
}

void ExpectPoint(const vec4& p, float x, float y, float z, const char* what) {
    EXPECT_NEAR(p.x, x, 1e-4f) << what;
    EXPECT_NEAR(p.y, y, 1e-4f) << what;
    EXPECT_NEAR(p.z, z, 1e-4f) << what;
    EXPECT_NEAR(p.w, 1, 1e-6f) << what;
}

void ExpectMatrix(const mat4& actual, const mat4& expected, float tolerance) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual.m[i], expected.m[i], tolerance) << "element " << i;
}

} // namespace

TEST(Math, BuildersAreColumnMajorAsOpenGLExpects) {
    mat4 t = translate(1, 2, 3);
    EXPECT_EQ(t.m[12], 1);
    EXPECT_EQ(t.m[13], 2);
    EXPECT_EQ(t.m[14], 3);
    EXPECT_EQ(t.m[15], 1);
    EXPECT_EQ(t.data(), t.m);

    mat4 r = rotateZ(pi / 6);
    EXPECT_NEAR(r.m[0], std::sqrt(3.0f) / 2, 1e-6f); // cos in the first column
    EXPECT_NEAR(r.m[1], 0.5f, 1e-6f);                // sin below it
    EXPECT_NEAR(r.m[4], -0.5f, 1e-6f);               // -sin heads the second column
    EXPECT_NEAR(r.m[5], std::sqrt(3.0f) / 2, 1e-6f);

    mat4 s = scale(2, 3, 4);
    EXPECT_EQ(s.m[0], 2);
    EXPECT_EQ(s.m[5], 3);
    EXPECT_EQ(s.m[10], 4);
    EXPECT_EQ(s.m[15], 1);
    ExpectMatrix(identity(), mat4{}, 0);
}

TEST(Math, ProductsMatchHandComputedValues) {
    // Translate after rotate after scale: the corner (0.5, 0.5) of a 64 by 32 quad turned a
    // quarter to the left and moved to (100, 50) lands at (100 - 16, 50 + 32).
    mat4 model = translate(100, 50, 0) * rotateZ(pi / 2) * scale(64, 32, 1);
    ExpectPoint(Apply(model, 0.5f, 0.5f, 0), 84, 82, 0, "model corner");

    mat4 a, b;
    for (int i = 0; i < 16; ++i) {
        a.m[i] = static_cast<float>(i + 1);
        b.m[i] = static_cast<float>(16 - i);
    }
    // Row 0 of a is (1, 5, 9, 13); column 0 of b is (16, 15, 14, 13).
    mat4 product = a * b;
    EXPECT_EQ(product.at(0, 0), 1 * 16 + 5 * 15 + 9 * 14 + 13 * 13);
    // Row 3 of a is (4, 8, 12, 16); column 2 of b is (8, 7, 6, 5).
    EXPECT_EQ(product.at(3, 2), 4 * 8 + 8 * 7 + 12 * 6 + 16 * 5);

    vec4 v = a * vec4{1, 0, 0, 2};
    EXPECT_EQ(v.x, 1 + 2 * 13);
    EXPECT_EQ(v.w, 4 + 2 * 16);

    vec3 turned = rotateZ3(pi / 2) * vec3{10, 0, 7};
    EXPECT_NEAR(turned.x, 0, 1e-5f);
    EXPECT_NEAR(turned.y, 10, 1e-5f);
    EXPECT_EQ(turned.z, 7);
}

TEST(Math, InverseUndoesAMatrixAndReportsSingularOnes) {
    mat4 model = translate(-40, 25, 3) * rotateZ(0.7f) * scale(64, 128, 1);
    bool invertible = false;
    mat4 inverse = Inverse(model, &invertible);
    EXPECT_TRUE(invertible);
    ExpectMatrix(model * inverse, identity(), 1e-5f);
    ExpectMatrix(inverse * model, identity(), 1e-5f);

    mat4 flat = scale(0, 5, 1);
    mat4 none = Inverse(flat, &invertible);
    EXPECT_FALSE(invertible);
    ExpectMatrix(none, identity(), 0);
    for (float value : none.m) EXPECT_TRUE(std::isfinite(value));
}

TEST(Math, OrthographicAndLookAtMatchGlOrthoAndGluLookAt) {
    mat4 ortho = orthographic(-960, 960, -540, 540, 0.1f, 1000);
    ExpectPoint(Apply(ortho, 960, 540, -0.1f), 1, 1, -1, "near top right");
    ExpectPoint(Apply(ortho, -960, -540, -1000), -1, -1, 1, "far bottom left");
    ExpectPoint(Apply(ortho, 0, 0, -500.05f), 0, 0, 0, "centre");
    EXPECT_NEAR(ortho.at(0, 0), 2.0f / 1920, 1e-9f);
    EXPECT_NEAR(ortho.at(2, 3), -1000.1f / 999.9f, 1e-6f);

    mat4 screen = orthographic(0, 1920, 0, 1080, -1, 1);
    ExpectPoint(Apply(screen, 0, 0, 0), -1, -1, 0, "screen origin");
    ExpectPoint(Apply(screen, 1920, 1080, 0), 1, 1, 0, "screen corner");

    // Looking straight down -z is a plain translation by -eye.
    ExpectMatrix(lookAt({10, 20, 100}, {10, 20, 0}, {0, 1, 0}), translate(-10, -20, -100), 1e-6f);
    // From +x towards the origin: the eye goes to the origin, the target in front (-z), -z to the right.
    mat4 side = lookAt({5, 0, 0}, {0, 0, 0}, {0, 1, 0});
    ExpectPoint(Apply(side, 5, 0, 0), 0, 0, 0, "eye");
    ExpectPoint(Apply(side, 0, 0, 0), 0, 0, -5, "target");
    ExpectPoint(Apply(side, 5, 0, -1), 1, 0, 0, "right");
    ExpectPoint(Apply(side, 5, 1, 0), 0, 1, 0, "up");
}

TEST(Math, MoveTowardsStepsWithoutOvershootingOrDividingByZero) {
    vec2 step = MoveTowards({0, 0}, {30, 40}, 10, 0.5f); // 5 of 50 pixels
    EXPECT_NEAR(step.x, 3, 1e-5f);
    EXPECT_NEAR(step.y, 4, 1e-5f);

    vec2 arrived = MoveTowards({0, 0}, {30, 40}, 1000, 1);
    EXPECT_EQ(arrived.x, 30);
    EXPECT_EQ(arrived.y, 40);

    vec2 there = MoveTowards({7, 7}, {7, 7}, -5, 1);
    EXPECT_EQ(there.x, 7);
    EXPECT_EQ(there.y, 7);

    // A negative speed backs away; the formula is kept as it is.
    vec2 away = MoveTowards({0, 0}, {10, 0}, -2, 1);
    EXPECT_NEAR(away.x, -2, 1e-6f);
}
