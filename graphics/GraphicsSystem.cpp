#include "graphics/GraphicsSystem.h"

#include <GL/glew.h>

#include <cstdio>

#include "engine/WindowSystem.h"

namespace Framework {

std::shared_ptr<GraphicsSystem> graphicsSystem = std::make_shared<GraphicsSystem>();

bool GraphicsSystem::CreateContext() {
    renderContext = Platform::CreateGLContext(windowSystem->hwnd);
    if (!renderContext) {
        std::fprintf(stderr, "Hollowtide: cannot create an OpenGL context: %s\n", Platform::LastError().c_str());
        return false;
    }
    glewExperimental = GL_TRUE;
    GLenum result = glewInit();
    // GLEW built for GLX answers "no GLX display" under EGL even though every entry point loaded.
    if (result != GLEW_OK && result != GLEW_ERROR_NO_GLX_DISPLAY) {
        std::fprintf(stderr, "Hollowtide: cannot load OpenGL entry points: %s\n",
                     reinterpret_cast<const char*>(glewGetErrorString(result)));
        Platform::DeleteGLContext(renderContext);
        renderContext = nullptr;
        return false;
    }
    GLint major = -1, minor = -1;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    std::printf("Using OpenGL: %d.%d\n", major, minor);
    return true;
}

void GraphicsSystem::Initialize() {
    if (!windowSystem->hwnd) return;
    CreateContext();
}

void GraphicsSystem::Shutdown() {
    Platform::DeleteGLContext(renderContext);
    renderContext = nullptr;
}

} // namespace Framework
