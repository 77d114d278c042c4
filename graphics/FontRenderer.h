#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graphics/ShaderObject.h"
#include "objects/Math.h"

// One rasterised character of a font.
struct Glyph {
    uint32_t textureId = 0; // coverage bitmap in the red channel; 0 for a glyph that failed to load
    vec2 size;              // bitmap width and rows, pixels
    vec2 bearing;           // bitmap left and top offsets from the pen position, pixels
    uint32_t advance = 0;   // horizontal pen advance, 1/64 pixel
};

// Turns TrueType fonts into one texture per character (codes 0 to 254, rasterised 48 pixels high)
// and draws single lines of text in world space, one quad per byte. There is no kerning, no line
// breaking and no special meaning for control characters.
class FontRenderer {
public:
    static constexpr int glyphCount = 255;
    static constexpr int pixelHeight = 48;

    // Per font name, the glyphs indexed by character code. A font that could not be read has an
    // empty vector.
    std::map<std::string, std::vector<Glyph>> fonts;
    ShaderObject shader;
    uint32_t vertexBuffer = 0; // six vertices of (x, y, u, v), re-filled for every character

    // Loads "arialbd" and "arial", builds the "text" program and the vertex buffer. The engine
    // calls it once after the systems are up. Calling it again after the context was remade starts
    // from scratch (the old GL names died with their context).
    void Init();
    // Rasterises "../Resources/Fonts/<name>.ttf" into fonts[name], replacing what was there.
    // Prints progress and FreeType errors on standard output; false when the file could not be
    // used. Without a current OpenGL context only the metrics are kept (every textureId 0).
    bool LoadFont(const std::string& name);
    // Draws one line with its baseline starting at (x, y), at depth z. scale 1.0 = 48 pixels at
    // camera zoom 1. Bytes the font has no glyph for, and fonts never loaded, draw nothing.
    void RenderText(const std::string& text, const std::string& fontName, float x, float y, float z,
                    float scale, const vec3& color, float alpha);
    // How far the pen moves over `text` at `scale`, in world units; 0 for an unknown font.
    float MeasureText(const std::string& text, const std::string& fontName, float scale) const;
    std::map<std::string, std::vector<Glyph>> GetFonts() const { return fonts; }
    // Frees the glyph textures, the program and the buffer; the context that made them must still
    // be current.
    void Release();
};

extern std::shared_ptr<FontRenderer> fontRenderer;
