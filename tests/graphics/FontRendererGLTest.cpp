#include "graphics/FontRenderer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/graphics/EffectsScene.h"

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

TEST_F(TextOnScreen, EachFontDrawsItsLineFromTheBaselineStart) {
    const std::string line = "Hollowtide";
    AddText("Bold", {-500, 100, 0}, line, {1, 0, 0}, "arialbd");
    AddText("Regular", {-500, -100, 0}, line, {0, 1, 0}, "arial");
    const Image frame = game->Screenshot();

    for (auto [font, channel, baseline] :
         {std::tuple{"arialbd", Red, 100}, std::tuple{"arial", Green, -100}}) {
        SCOPED_TRACE(font);
        const InkBox ink = FindInk(frame, channel);
        EXPECT_NEAR(ink.left, centreX - 500 + GlyphOf(font, 'H').bearing.x, 1.5);
        // The last glyph ends its bitmap before the pen's final advance.
        EXPECT_NEAR(ink.right, centreX - 500 + fontRenderer->MeasureText(line, font, 1.0f) - 3.5, 4.5);
        // No descenders: ink sits on the baseline.
        EXPECT_NEAR(ink.bottom, centreY - baseline - 1, 1.5);
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

} // namespace
