#include "graphics/FontRenderer.h"

#include <gtest/gtest.h>

#include "tests/support/Sandbox.h"

// Without a display FreeType runs alone: the glyphs get their metrics and no textures.

namespace {

class FontRendererMetrics : public ::testing::Test {
protected:
    Sandbox box;
    FontRenderer renderer;

    void SetUp() override { box.CopyResource("Fonts"); }
    std::string LoadCapturing(const std::string& name, bool& loaded) {
        testing::internal::CaptureStdout();
        loaded = renderer.LoadFont(name);
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(FontRendererMetrics, MissingCorruptOrCutFontsLeaveAnEmptyOrWholeTable) {
    bool loaded = false;
    EXPECT_EQ(LoadCapturing("arialbd", loaded), "making font from: |../Resources/Fonts/arialbd.ttf|\n");
    EXPECT_TRUE(loaded);
    EXPECT_EQ(renderer.fonts["arialbd"].size(), 255u);
    EXPECT_EQ(LoadCapturing("nosuch", loaded),
              "making font from: |../Resources/Fonts/nosuch.ttf|\nERROR::FREETYPE: Failed to load font\n");
    EXPECT_FALSE(loaded);
    box.WriteResource("Fonts/garbage.ttf", std::string(4096, '\x5a'));
    EXPECT_NE(LoadCapturing("garbage", loaded).find("Failed to load font"), std::string::npos);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(renderer.fonts["nosuch"].empty() && renderer.fonts["garbage"].empty());
    // Whatever FreeType makes of a cut font, glyphs that fail leave holes: the table stays indexed by code.
    const std::string font = box.ReadResource("Fonts/arial.ttf");
    for (size_t length : {size_t(0), size_t(12), size_t(200), font.size() / 3, font.size() - 1}) {
        box.WriteResource("Fonts/cut.ttf", font.substr(0, length));
        LoadCapturing("cut", loaded);
        EXPECT_TRUE(renderer.fonts["cut"].empty() || renderer.fonts["cut"].size() == 255u) << length;
    }
}

} // namespace
