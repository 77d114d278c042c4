#include "graphics/TintedCopies.h"

#include <GL/glew.h>

#include <algorithm>

#include "graphics/GLTexture.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/QuadMesh.h"

uint32_t TintedCopies::Find(const GLTexture& texture, vec3 tint, float alpha, uint64_t frame,
                            const Framework::SpriteProgram& program, const QuadMesh& quad) {
    if (texture.textureId == 0 || texture.width == 0 || texture.height == 0) return 0;
    auto same = [&](const Copy& copy) {
        return copy.source == texture.textureId && copy.width == texture.width && copy.height == texture.height &&
               copy.tint.x == tint.x && copy.tint.y == tint.y && copy.tint.z == tint.z && copy.alpha == alpha;
    };
    auto found = std::find_if(copies.begin(), copies.end(), same);
    if (found == copies.end()) {
        copies.push_back({texture.textureId, texture.width, texture.height, tint, alpha, frame, frame, 0});
        return 0;
    }
    Copy& copy = *found;
    if (copy.last + 1 < frame) copy.since = frame; // not drawn in between: settling starts again
    copy.last = frame;
    if (copy.texture == 0 && frame >= copy.since + settleFrames && madeOnFrame != frame) {
        madeOnFrame = frame;
        if (!Make(copy, program, quad)) copy.since = frame; // tried again once it settles anew
    }
    return copy.texture;
}

bool TintedCopies::Make(Copy& copy, const Framework::SpriteProgram& program, const QuadMesh& quad) {
    GLint previousFramebuffer = 0, viewport[4] = {};
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousFramebuffer);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const GLboolean blend = glIsEnabled(GL_BLEND), depth = glIsEnabled(GL_DEPTH_TEST),
                    scissor = glIsEnabled(GL_SCISSOR_TEST);

    // Held as the pictures are, so the rasteriser copies it as it copies them.
    GLuint id = GLTexture::NewPictureTexture(copy.width, copy.height, nullptr);
    if (framebuffer == 0) {
        GLuint made = 0;
        glGenFramebuffers(1, &made);
        framebuffer = made;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, id, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (complete) {
        // The picture texel for texel, each multiplied by the tint and strength as a sprite draw does.
        // The quad's top edge (v = 0) lands on the first row, as an uploaded picture has it.
        glViewport(0, 0, GLsizei(copy.width), GLsizei(copy.height));
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_SCISSOR_TEST);
        glUseProgram(program.shader.program);
        const mat4 fill = scale(2.0f, -2.0f, 1.0f);
        glUniformMatrix4fv(program.mvp, 1, GL_FALSE, fill.data());
        glUniform1i(program.textureFlag, 1);
        glUniform3f(program.inColor, copy.tint.x, copy.tint.y, copy.tint.z);
        glUniform1f(program.alphaVal, copy.alpha);
        glUniform2f(program.frameSize, 1.0f, 1.0f);
        glUniform1f(program.xsize, 0.0f);
        glUniform1f(program.ysize, 0.0f);
        glUniform1f(program.flipX, 0.0f);
        glUniform1f(program.flipY, 0.0f);
        glUniform1i(program.textureSampler, 0);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, copy.source);
        quad.Draw();
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
    }
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, GLuint(previousFramebuffer));
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    if (blend) glEnable(GL_BLEND);
    if (depth) glEnable(GL_DEPTH_TEST);
    if (scissor) glEnable(GL_SCISSOR_TEST);
    if (!complete) {
        glDeleteTextures(1, &id);
        return false;
    }
    copy.texture = id;
    return true;
}

void TintedCopies::Forget(uint64_t frame) {
    auto stale = [frame](const Copy& copy) { return copy.last + keepFrames < frame; };
    for (const Copy& copy : copies)
        if (stale(copy) && copy.texture != 0) {
            GLuint id = copy.texture;
            glDeleteTextures(1, &id);
        }
    copies.erase(std::remove_if(copies.begin(), copies.end(), stale), copies.end());
}

void TintedCopies::Release() {
    for (const Copy& copy : copies)
        if (copy.texture != 0) {
            GLuint id = copy.texture;
            glDeleteTextures(1, &id);
        }
    copies.clear();
    if (framebuffer != 0) {
        GLuint id = framebuffer;
        glDeleteFramebuffers(1, &id);
    }
    framebuffer = 0;
    madeOnFrame = noFrame;
}
