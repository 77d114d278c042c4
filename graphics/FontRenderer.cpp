#include "graphics/FontRenderer.h"

#include <GL/glew.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>

#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"

std::shared_ptr<FontRenderer> fontRenderer = std::make_shared<FontRenderer>();

namespace {

constexpr int verticesPerGlyph = 6;
// Far above any real character at 48 pixels; anything larger is a broken font and draws nothing.
constexpr FT_Pos maxGlyphSide = 16 * FontRenderer::pixelHeight;
constexpr int floatsPerVertex = 4;
constexpr GLsizeiptr vertexBufferBytes = verticesPerGlyph * floatsPerVertex * sizeof(float);

// One byte of coverage per pixel, rows packed tightly, whatever layout FreeType chose.
std::vector<unsigned char> CoverageOf(const FT_Bitmap& bitmap) {
    const unsigned width = bitmap.width, rows = bitmap.rows;
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * rows, 0);
    if (!bitmap.buffer) return pixels;
    // A negative pitch means the rows are stored bottom-up, starting at the buffer's last row.
    const int pitch = bitmap.pitch;
    const unsigned char* firstRow =
        pitch >= 0 ? bitmap.buffer : bitmap.buffer - static_cast<long>(pitch) * (rows - 1);
    for (unsigned y = 0; y < rows; ++y) {
        const unsigned char* source = firstRow + static_cast<long>(pitch) * y;
        unsigned char* target = pixels.data() + static_cast<size_t>(y) * width;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            for (unsigned x = 0; x < width; ++x) target[x] = source[x];
        } else if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            // Embedded bitmap strikes come one bit per pixel.
            for (unsigned x = 0; x < width; ++x) target[x] = (source[x / 8] & (0x80 >> (x % 8))) ? 255 : 0;
        }
    }
    return pixels;
}

GLuint UploadCoverage(const FT_Bitmap& bitmap) {
    const std::vector<unsigned char> pixels = CoverageOf(bitmap);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RED, static_cast<GLsizei>(bitmap.width),
                 static_cast<GLsizei>(bitmap.rows), 0, GL_RED, GL_UNSIGNED_BYTE,
                 pixels.empty() ? nullptr : pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

// Level texts are bytes; a char is signed, so anything past 127 must be widened without sign.
const Glyph* FindGlyph(const std::vector<Glyph>& glyphs, char byte) {
    const size_t index = static_cast<unsigned char>(byte);
    return index < glyphs.size() ? &glyphs[index] : nullptr;
}

void DeleteGlyphTextures(std::vector<Glyph>& glyphs) {
    for (Glyph& glyph : glyphs)
        if (glyph.textureId != 0) glDeleteTextures(1, &glyph.textureId);
}

} // namespace

void FontRenderer::Init() {
    // Whatever an earlier Init made belonged to a context that no longer exists.
    fonts.clear();
    shader = ShaderObject();
    vertexBuffer = 0;

    LoadFont("arialbd");
    LoadFont("arial");
    shader.Init(VertexShaderPath("text"), FragmentShaderPath("text"));
    if (!Platform::HasCurrentGLContext()) return;
    glGenBuffers(1, &vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, vertexBufferBytes, nullptr, GL_DYNAMIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

bool FontRenderer::LoadFont(const std::string& name) {
    const bool makeTextures = Platform::HasCurrentGLContext();
    std::vector<Glyph>& glyphs = fonts[name];
    if (makeTextures) DeleteGlyphTextures(glyphs);
    glyphs.clear();
    glyphs.reserve(glyphCount);

    const std::string path = "../Resources/Fonts/" + name + ".ttf";
    std::printf("making font from: |%s|\n", path.c_str());

    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::printf("ERROR::FREETYPE: Could not init FreeType Library\n");
        return false;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        std::printf("ERROR::FREETYPE: Failed to load font\n");
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, pixelHeight);
    if (makeTextures) glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    for (FT_ULong code = 0; code < static_cast<FT_ULong>(glyphCount); ++code) {
        // The outline's size is checked before it is rasterised: a broken font can scale a glyph
        // to tens of thousands of pixels a side, and its bitmap would be reserved whole.
        const bool loaded = FT_Load_Char(face, code, FT_LOAD_DEFAULT) == 0;
        const FT_Glyph_Metrics& metrics = face->glyph->metrics;
        if (loaded && (metrics.width / 64 > maxGlyphSide || metrics.height / 64 > maxGlyphSide)) {
            glyphs.push_back(Glyph{});
            continue;
        }
        if (!loaded || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
            std::printf("ERROR::FREETYTPE: Failed to load Glyph\n");
            // An empty glyph keeps the table indexed by character code.
            glyphs.push_back(Glyph{});
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        Glyph glyph;
        glyph.textureId = makeTextures ? UploadCoverage(slot->bitmap) : 0;
        glyph.size = {static_cast<float>(slot->bitmap.width), static_cast<float>(slot->bitmap.rows)};
        glyph.bearing = {static_cast<float>(slot->bitmap_left), static_cast<float>(slot->bitmap_top)};
        glyph.advance = static_cast<uint32_t>(slot->advance.x);
        glyphs.push_back(glyph);
    }

    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

void FontRenderer::RenderText(const std::string& text, const std::string& fontName, float x, float y, float z,
                              float scale, const vec3& color, float alpha) {
    const auto font = fonts.find(fontName);
    if (font == fonts.end() || font->second.empty() || !shader.IsUsable() || vertexBuffer == 0) return;
    // The shader discards every fragment at alpha 0, so hidden text (a hint waiting to fade in)
    // would cost a draw call per glyph for nothing.
    if (!(alpha > 0.0f)) return;
    const std::vector<Glyph>& glyphs = font->second;

    // Other drawers leave their attribute arrays and index buffer behind.
    glDisableVertexAttribArray(1);
    glDisableVertexAttribArray(0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    const GLuint program = shader.program;
    const mat4 mvp = Framework::graphicsSystem->GetProjection() * Framework::graphicsSystem->GetView() *
                     translate(0.0f, 0.0f, z);
    glUseProgram(program);
    glUniform3f(glGetUniformLocation(program, "textColor"), color.x, color.y, color.z);
    glUniform1f(glGetUniformLocation(program, "alpha"), alpha);
    glUniformMatrix4fv(glGetUniformLocation(program, "MVP"), 1, GL_FALSE, mvp.data());
    glUniform1i(glGetUniformLocation(program, "textureSampler"), 0);

    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glVertexAttribPointer(0, floatsPerVertex, GL_FLOAT, GL_FALSE, floatsPerVertex * sizeof(float), nullptr);
    glActiveTexture(GL_TEXTURE0);

    float pen = x;
    for (char byte : text) {
        const Glyph* glyph = FindGlyph(glyphs, byte);
        if (!glyph) continue;
        const float xpos = pen + glyph->bearing.x * scale;
        const float ypos = y - (glyph->size.y - glyph->bearing.y) * scale;
        const float w = glyph->size.x * scale;
        const float h = glyph->size.y * scale;
        const float vertices[verticesPerGlyph][floatsPerVertex] = {
            {xpos, ypos + h, 0.0f, 0.0f}, {xpos, ypos, 0.0f, 1.0f},     {xpos + w, ypos, 1.0f, 1.0f},
            {xpos, ypos + h, 0.0f, 0.0f}, {xpos + w, ypos, 1.0f, 1.0f}, {xpos + w, ypos + h, 1.0f, 0.0f}};
        glBindTexture(GL_TEXTURE_2D, glyph->textureId);
        glBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(vertices), vertices);
        glDrawArrays(GL_TRIANGLES, 0, verticesPerGlyph);
        pen += static_cast<float>(glyph->advance >> 6) * scale;
    }

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glUseProgram(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisableVertexAttribArray(0);
}

float FontRenderer::MeasureText(const std::string& text, const std::string& fontName, float scale) const {
    const auto font = fonts.find(fontName);
    if (font == fonts.end()) return 0.0f;
    float pen = 0.0f;
    for (char byte : text)
        if (const Glyph* glyph = FindGlyph(font->second, byte))
            pen += static_cast<float>(glyph->advance >> 6) * scale;
    return pen;
}

void FontRenderer::Release() {
    if (Platform::HasCurrentGLContext()) {
        for (auto& font : fonts) DeleteGlyphTextures(font.second);
        if (vertexBuffer != 0) glDeleteBuffers(1, &vertexBuffer);
        shader.Release();
    }
    fonts.clear();
    shader = ShaderObject();
    vertexBuffer = 0;
}
