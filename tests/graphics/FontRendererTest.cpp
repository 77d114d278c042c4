#include "graphics/FontRenderer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/Sandbox.h"

// Without a display FreeType runs alone: the glyphs get their metrics and no textures.

namespace {

std::string LoadCapturing(FontRenderer& renderer, const std::string& name, bool* loaded = nullptr) {
    testing::internal::CaptureStdout();
    const bool result = renderer.LoadFont(name);
    if (loaded) *loaded = result;
    return testing::internal::GetCapturedStdout();
}

std::vector<char> ReadBinary(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

class FontRendererMetrics : public ::testing::Test {
protected:
    Sandbox box;
    FontRenderer renderer;

    void SetUp() override {
        box.CopyResource("Fonts/arialbd.ttf");
        box.CopyResource("Fonts/arial.ttf");
    }
};

TEST_F(FontRendererMetrics, ShippedFontsMeasureLinesByWholePixelAdvances) {
    for (const char* name : {"arialbd", "arial"}) {
        bool loaded = false;
        EXPECT_EQ(LoadCapturing(renderer, name, &loaded),
                  std::string("making font from: |../Resources/Fonts/") + name + ".ttf|\n");
        EXPECT_TRUE(loaded) << name;
        ASSERT_EQ(renderer.fonts[name].size(), 255u) << name;
    }
    const std::vector<Glyph>& arial = renderer.fonts["arial"];
    // The longest dialogue line measures about 1240 pixels in a bold Arial-metric font at 48 pixels.
    const std::string longest = "I'd love to stay, but I should probably head back home.";
    const float bold = renderer.MeasureText(longest, "arialbd", 1.0f);
    EXPECT_NEAR(bold, 1240.0f, 40.0f);
    EXPECT_LT(renderer.MeasureText(longest, "arial", 1.0f), bold);

    // Whole pixels per glyph, then scaled. A line feed is just another glyph; 0xC3 0xA9 (UTF-8 for
    // e-acute) is two Latin-1 glyphs; 0xFF has no glyph at all.
    float expected = 0.0f;
    for (unsigned char c : std::string("Ho\n\xc3\xa9")) expected += float(arial[c].advance >> 6);
    EXPECT_FLOAT_EQ(renderer.MeasureText("Ho\n\xc3\xa9\xff", "arial", 1.0f), expected);
    EXPECT_FLOAT_EQ(renderer.MeasureText("Ho\n\xc3\xa9", "arial", 0.5f), expected * 0.5f);

    EXPECT_EQ(renderer.MeasureText("Hello", "nosuch", 1.0f), 0.0f);
    // Without a GL context drawing stops before anything; above all it must not invent a font.
    renderer.RenderText("\xc3\xa9\xff", "nosuch", 0.0f, 0.0f, 0.0f, 1.0f, vec3{1, 1, 1}, 1.0f);
    EXPECT_EQ(renderer.GetFonts().count("nosuch"), 0u);
}

TEST_F(FontRendererMetrics, MissingCorruptOrCutFontsLeaveAnEmptyOrWholeTable) {
    bool loaded = true;
    EXPECT_EQ(LoadCapturing(renderer, "nosuch", &loaded),
              "making font from: |../Resources/Fonts/nosuch.ttf|\nERROR::FREETYPE: Failed to load font\n");
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(renderer.fonts["nosuch"].empty());
    box.WriteResource("Fonts/garbage.ttf", std::string(4096, '\x5a'));
    EXPECT_NE(LoadCapturing(renderer, "garbage", &loaded).find("Failed to load font"), std::string::npos);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(renderer.fonts["garbage"].empty());

    // Whatever FreeType makes of a cut font, glyphs that fail leave holes: the table stays indexed by code.
    const std::vector<char> font = ReadBinary(box.resources() / "Fonts" / "arial.ttf");
    for (size_t length : {size_t(0), size_t(12), size_t(200), font.size() / 3, font.size() - 1}) {
        box.WriteResource("Fonts/cut.ttf", std::string(font.data(), length));
        LoadCapturing(renderer, "cut", &loaded);
        EXPECT_TRUE(renderer.fonts["cut"].empty() || renderer.fonts["cut"].size() == 255u) << length;
    }
}

} // namespace
