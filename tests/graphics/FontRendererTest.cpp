#include "graphics/FontRenderer.h"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
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

uint32_t BigEndian32(const std::vector<char>& data, size_t at) {
    return uint32_t(uint8_t(data[at])) << 24 | uint32_t(uint8_t(data[at + 1])) << 16 |
           uint32_t(uint8_t(data[at + 2])) << 8 | uint32_t(uint8_t(data[at + 3]));
}

uint16_t BigEndian16(const std::vector<char>& data, size_t at) {
    return uint16_t(uint8_t(data[at]) << 8 | uint8_t(data[at + 1]));
}

size_t TableOffset(const std::vector<char>& font, const char* tag) {
    const int tables = BigEndian16(font, 4);
    for (int i = 0; i < tables; ++i) {
        const size_t record = 12 + 16 * size_t(i);
        if (std::memcmp(&font[record], tag, 4) == 0) return BigEndian32(font, record + 8);
    }
    return 0;
}

// The font with the outline of `character` replaced by a composite glyph that contains itself,
// which FreeType refuses to load.
std::vector<char> FontWithBrokenGlyph(const std::vector<char>& font, char character) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Init_FreeType(&library);
    FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(font.data()), FT_Long(font.size()), 0,
                       &face);
    const unsigned glyphIndex = FT_Get_Char_Index(face, FT_ULong(character));
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    const size_t head = TableOffset(font, "head"), loca = TableOffset(font, "loca"),
                 glyf = TableOffset(font, "glyf");
    const bool longOffsets = BigEndian16(font, head + 50) != 0;
    const size_t glyph = glyf + (longOffsets ? BigEndian32(font, loca + 4 * glyphIndex)
                                             : 2 * size_t(BigEndian16(font, loca + 2 * glyphIndex)));
    std::vector<char> broken = font;
    broken[glyph] = broken[glyph + 1] = char(0xFF); // numberOfContours -1: a composite
    broken[glyph + 10] = broken[glyph + 11] = 0;    // component flags: last component
    broken[glyph + 12] = char(glyphIndex >> 8);
    broken[glyph + 13] = char(glyphIndex & 0xFF);
    return broken;
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
    EXPECT_EQ(renderer.fonts["arialbd"]['A'].bearing.y,
              renderer.fonts["arialbd"]['A'].size.y);   // on the baseline
    EXPECT_LT(arial['g'].bearing.y, arial['g'].size.y); // a descender reaches below it
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

TEST_F(FontRendererMetrics, MissingOrCorruptFontFilesLeaveAnEmptyFont) {
    bool loaded = true;
    std::string output = LoadCapturing(renderer, "nosuch", &loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(output,
              "making font from: |../Resources/Fonts/nosuch.ttf|\nERROR::FREETYPE: Failed to load font\n");
    EXPECT_TRUE(renderer.fonts["nosuch"].empty());
    EXPECT_EQ(renderer.MeasureText("Hello", "nosuch", 1.0f), 0.0f);

    box.WriteResource("Fonts/garbage.ttf", std::string(4096, '\x5a'));
    output = LoadCapturing(renderer, "garbage", &loaded);
    EXPECT_FALSE(loaded);
    EXPECT_NE(output.find("ERROR::FREETYPE: Failed to load font"), std::string::npos);
    EXPECT_TRUE(renderer.fonts["garbage"].empty());

    // Cut copies of a real font: whatever FreeType makes of them, the table stays indexed by code.
    const std::vector<char> font = ReadBinary(box.resources() / "Fonts" / "arial.ttf");
    for (size_t length : {size_t(0), size_t(12), size_t(200), font.size() / 3, font.size() - 1}) {
        box.WriteResource("Fonts/cut.ttf", std::string(font.data(), length));
        LoadCapturing(renderer, "cut", &loaded);
        EXPECT_TRUE(renderer.fonts["cut"].empty() || renderer.fonts["cut"].size() == 255u) << length;
    }
}

TEST_F(FontRendererMetrics, AGlyphThatFailsLeavesAHoleNotAShift) {
    LoadCapturing(renderer, "arial");
    const std::vector<Glyph> intact = renderer.fonts["arial"];
    const std::vector<char> broken =
        FontWithBrokenGlyph(ReadBinary(box.resources() / "Fonts" / "arial.ttf"), 'A');
    box.WriteResource("Fonts/broken.ttf", std::string(broken.begin(), broken.end()));

    bool loaded = false;
    const std::string output = LoadCapturing(renderer, "broken", &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_NE(output.find("ERROR::FREETYTPE: Failed to load Glyph\n"), std::string::npos);
    const std::vector<Glyph>& glyphs = renderer.fonts["broken"];
    ASSERT_EQ(glyphs.size(), 255u);
    EXPECT_EQ(glyphs['A'].advance, 0u);
    EXPECT_EQ(glyphs['A'].size.x, 0.0f);
    EXPECT_EQ(glyphs['B'].advance, intact['B'].advance);
    EXPECT_EQ(glyphs['B'].size.x, intact['B'].size.x);
    EXPECT_EQ(glyphs['z'].advance, intact['z'].advance);
}

} // namespace
