#include "graphics/FontRenderer.h"

#include <gtest/gtest.h>

#include "tests/graphics/EffectsScene.h"

namespace {

using TextOnScreen = EffectsOnScreen;

TEST_F(TextOnScreen, BothFontsDrawTheirLineFromTheBaselineStart) {
    for (auto [font, y, colour] :
         {std::tuple{"arialbd", 100.0f, vec3{1, 0, 0}}, {"arial", -100.0f, vec3{0, 1, 0}}}) {
        auto caption = std::make_shared<TextSprite>("Hollowtide", colour);
        caption->fontName = font;
        SpawnObject(font, {-500, y, 0}, {1, 1}, ObjectType::Background)
            ->AddComponent(caption, ComponentType::TextSprite);
    }
    EXPECT_TRUE(game->MatchesGolden("text_both_fonts"));
}

} // namespace
