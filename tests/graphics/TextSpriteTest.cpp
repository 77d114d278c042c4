#include "graphics/TextSprite.h"

#include <gtest/gtest.h>

namespace {

constexpr float frame = 1.0f / 60.0f;

TEST(TextSprite, StaysOpaqueTwoSecondsThenFadesOutOverTwoAndAHalf) {
    TextSprite caption;
    caption.alpha = 0.0f;
    caption.SetText("What was that?");
    int updates = 0;
    float halfway = -1.0f;
    while (caption.alpha > 0.0f && updates < 1000) {
        if (caption.fadeTimer <= 2.0f) {
            EXPECT_EQ(caption.alpha, 1.0f) << "update " << updates;
        }
        caption.Update(frame);
        if (++updates == 195) halfway = caption.alpha; // 1.25 s into the fade
    }
    EXPECT_NEAR(halfway, 0.5f, 0.02f);
    EXPECT_NEAR(updates, 270, 2);                    // 4.5 s
    EXPECT_GT(caption.alpha, -frame / 2.5f - 1e-6f); // the last step may overshoot by one step only

    // Once faded it stays put; setting the text again, even the same one, restarts the cycle.
    const float faded = caption.alpha;
    for (int i = 0; i < 60; ++i) caption.Update(frame);
    EXPECT_EQ(caption.alpha, faded);
    caption.SetText(caption.text);
    EXPECT_EQ(caption.alpha, 1.0f);
    EXPECT_EQ(caption.fadeTimer, 0.0f);
}

} // namespace
