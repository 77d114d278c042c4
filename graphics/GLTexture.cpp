#include "graphics/GLTexture.h"

#include <GL/glew.h>
#include <lodepng.h>

#include <cstdio>
#include <vector>

#include "graphics/PngLimits.h"
#include "platform/Platform.h"

namespace {

void ReportDecodeError(const std::string& path, unsigned error) {
    std::printf("error %u: %s (%s)\n", error, lodepng_error_text(error), path.c_str());
}

} // namespace

GLTexture::GLTexture(const std::string& path) {
    if (!Platform::HasCurrentGLContext()) return;

    std::vector<unsigned char> file;
    unsigned error = lodepng::load_file(file, path);
    if (error == 0 && file.empty()) error = 48; // lodepng's "empty input buffer"
    if (error != 0) {
        ReportDecodeError(path, error);
        return;
    }

    // Check the size in the header before decoding: a forged header would otherwise make the
    // decoder reserve width x height x 4 bytes for an image the GPU refuses anyway.
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    const std::string fault = PngSizeFault(file, maxSize > 0 ? static_cast<unsigned>(maxSize) : 16384u);
    if (!fault.empty()) {
        std::printf("%s: %s\n", path.c_str(), fault.c_str());
        return;
    }

    std::vector<unsigned char> pixels;
    unsigned decodedWidth = 0, decodedHeight = 0;
    error = lodepng::decode(pixels, decodedWidth, decodedHeight, file);
    if (error != 0) {
        ReportDecodeError(path, error);
        return;
    }
    width = decodedWidth;
    height = decodedHeight;
    opaque = true;
    for (size_t i = 3; i < pixels.size() && opaque; i += 4) opaque = pixels[i] == 255;

    GLuint id = 0;
    glGenTextures(1, &id);
    textureId = id;
    glBindTexture(GL_TEXTURE_2D, id);
    // Rows of 4 bytes per pixel are always aligned, whatever the unpack state says.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0,
                 GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
}

GLTexture::~GLTexture() {
    // After the context is gone the name means nothing, and the call itself may not be safe.
    if (textureId != 0 && Platform::HasCurrentGLContext()) {
        GLuint id = textureId;
        glDeleteTextures(1, &id);
    }
}
