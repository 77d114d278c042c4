#include "graphics/DepthFramebuffer.h"

#include <GL/glew.h>

#include <cstdio>

bool DepthFramebuffer::Begin(int frameWidth, int frameHeight) {
    if (frameWidth <= 0 || frameHeight <= 0) return false;
    if (frameWidth == failedWidth && frameHeight == failedHeight) return false;
    if (framebuffer == 0 || frameWidth != width || frameHeight != height) {
        Release();
        width = frameWidth;
        height = frameHeight;
        GLuint ids[2] = {};
        glGenRenderbuffers(2, ids);
        colour = ids[0];
        depth = ids[1];
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        GLuint id = 0;
        glGenFramebuffers(1, &id);
        framebuffer = id;
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        if (!complete) {
            std::printf("no offscreen depth buffer of %d x %d: overlapping sprites may draw out of order\n", width,
                        height);
            failedWidth = width;
            failedHeight = height;
            Release();
            return false;
        }
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    active = true;
    return true;
}

void DepthFramebuffer::Finish() {
    if (!active) return;
    active = false;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void DepthFramebuffer::Release() {
    if (framebuffer != 0) {
        GLuint id = framebuffer;
        glDeleteFramebuffers(1, &id);
    }
    if (colour != 0 || depth != 0) {
        GLuint ids[2] = {colour, depth};
        glDeleteRenderbuffers(2, ids);
    }
    framebuffer = colour = depth = 0;
    width = height = 0;
    active = false;
}
