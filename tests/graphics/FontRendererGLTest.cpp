#include "graphics/FontRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "tests/graphics/EffectsScene.h"
#include "tests/support/GameHarness.h"

// Text drawn by the real engine in a 1280 x 720 window with no camera object: world (0, 0) is the
// centre of the screen and one world unit is one pixel, so screen x = 640 + x, row = 360 - y.

namespace {

class TextOnScreen : public EffectsOnScreen {
protected:
    std::shared_ptr<TextSprite> AddText(const std::string& name, vec3 at, const std::string& text, vec3 color,
                                        const std::string& font = "arialbd") {
        auto object = AddObject(name, at);
        auto caption = std::make_shared<TextSprite>(text, color);
        caption->fontName = font;
        object->AddComponent(caption, ComponentType::TextSprite);
        return caption;
    }

    const Glyph& GlyphOf(const std::string& font, char c) {
        return fontRenderer->fonts[font][(unsigned char)c];
    }
};

TEST_F(TextOnScreen, TheEngineLoadsBothFontsIntoTextures) {
    for (const char* name : {"arialbd", "arial"}) {
        ASSERT_EQ(fontRenderer->fonts[name].size(), 255u) << name;
        EXPECT_NE(GlyphOf(name, 'A').textureId, 0u) << name;
        EXPECT_NE(GlyphOf(name, 'A').textureId, GlyphOf(name, 'B').textureId) << name;
    }
    EXPECT_TRUE(fontRenderer->shader.IsUsable());
    EXPECT_NE(fontRenderer->vertexBuffer, 0u);
}

TEST_F(TextOnScreen, EachFontDrawsItsLineFromTheBaselineStart) {
    const std::string line = "Hollowtide";
    AddText("Bold", {-500, 100, 0}, line, {1, 0, 0}, "arialbd");
    AddText("Regular", {-500, -100, 0}, line, {0, 1, 0}, "arial");
    const Image frame = game->Screenshot();

    for (auto [font, channel, baseline] :
         {std::tuple{"arialbd", Red, 100}, std::tuple{"arial", Green, -100}}) {
        SCOPED_TRACE(font);
        const InkBox ink = FindInk(frame, channel);
        ASSERT_FALSE(ink.Empty());
        EXPECT_EQ(ink.brightest, 255);
        const float start = centreX - 500 + GlyphOf(font, 'H').bearing.x;
        EXPECT_NEAR(ink.left, start, 1.5);
        // The last glyph ends its bitmap before the pen's final advance.
        const float end = centreX - 500 + fontRenderer->MeasureText(line, font, 1.0f);
        EXPECT_LE(ink.right, end + 1);
        EXPECT_GE(ink.right, end - 8);
        // No descenders: ink sits on the baseline and rises by the tallest glyph.
        EXPECT_NEAR(ink.bottom, centreY - baseline - 1, 1.5);
        EXPECT_NEAR(ink.Height(), GlyphOf(font, 'l').size.y, 2.0);
    }
    EXPECT_GT(FindInk(frame, Red).Width(), FindInk(frame, Green).Width()); // bold is wider
    EXPECT_TRUE(game->MatchesGolden("text_both_fonts"));
}

TEST_F(TextOnScreen, OffsetFromTheObjectAndScaleApply) {
    auto full = AddText("Full", {100, 50, 0}, "HH", {1, 0, 0});
    full->position = {10, 0, 0};
    auto half = AddText("Half", {-400, -100, 0}, "HH", {0, 1, 0});
    half->scale = 0.5f;
    const Image frame = game->Screenshot();

    const InkBox big = FindInk(frame, Red);
    const InkBox small = FindInk(frame, Green);
    EXPECT_NEAR(big.left, centreX + 110 + GlyphOf("arialbd", 'H').bearing.x, 1.5);
    EXPECT_NEAR(big.bottom, centreY - 50 - 1, 1.5);
    EXPECT_NEAR(small.left, centreX - 400 + 0.5f * GlyphOf("arialbd", 'H').bearing.x, 1.5);
    // 24-pixel text: half the height and half the pen's travel.
    EXPECT_NEAR(small.Height(), big.Height() / 2.0, 1.5);
    EXPECT_NEAR(small.Width(), big.Width() / 2.0, 2.0);
}

TEST_F(TextOnScreen, ACaptionIsOpaqueForTwoSecondsThenFades) {
    auto caption = AddText("Caption", {-100, 0, 0}, "", {1, 1, 1});
    caption->SetText("FADE");
    int framesRun = 0;
    for (int sample : {60, 150, 195, 240, 275, 300}) {
        game->RunFrames(sample - framesRun);
        framesRun = sample;
        const InkBox ink = FindInk(game->Screenshot(), Red);
        const float expected = std::max(caption->alpha, 0.0f) * 255.0f;
        SCOPED_TRACE(sample);
        EXPECT_NEAR(ink.brightest, expected, 6.0);
        if (sample <= 120) {
            EXPECT_EQ(caption->alpha, 1.0f);
        }
    }
    EXPECT_NEAR(FindInk(game->Screenshot(), Red).brightest, 0, 1); // faded out, still "drawn"
    EXPECT_LE(caption->alpha, 0.0f);
    // A new text starts the cycle over.
    game->RunFrames(1);
    caption->SetText("AGAIN");
    EXPECT_EQ(FindInk(game->Screenshot(), Red).brightest, 255);
}

TEST_F(TextOnScreen, LineBreaksHighBytesAndUnknownFontsAreHarmless) {
    auto odd = AddText("Odd", {-300, 0, 0}, "One\nTwo \xc3\xa9\xff\x80\x7f", {1, 0, 0});
    AddText("Nowhere", {-300, -200, 0}, "Not drawn", {0, 1, 0}, "nosuch");
    game->RunFrames(2);
    const Image frame = game->Screenshot();

    // One line: a line feed is a glyph with an advance, not a new line.
    const InkBox ink = FindInk(frame, Red);
    ASSERT_FALSE(ink.Empty());
    EXPECT_LE(ink.Height(), 48);
    EXPECT_LE(ink.right, centreX - 300 + fontRenderer->MeasureText(odd->text, "arialbd", 1.0f) + 1);
    EXPECT_TRUE(FindInk(frame, Green).Empty());
    EXPECT_EQ(fontRenderer->GetFonts().count("nosuch"), 0u);
}

} // namespace
