#include "graphics/GraphicsSystem.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/WindowSystem.h"
#include "graphics/Camera.h"
#include "graphics/FontRenderer.h"
#include "graphics/ShapeTool.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace Framework {

std::shared_ptr<GraphicsSystem> graphicsSystem = std::make_shared<GraphicsSystem>();

bool GraphicsSystem::CreateContext() {
    renderContext = Platform::CreateGLContext(windowSystem->hwnd);
    if (!renderContext) {
        std::fprintf(stderr, "Hollowtide: cannot create an OpenGL context: %s\n",
                     Platform::LastError().c_str());
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
    if (!CreateContext()) return;
    BuildMatrices();
    editorCameraInactive = true;
}

Platform::Rect FitView(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    const float scale =
        std::min(static_cast<float>(width) / viewWidth, static_cast<float>(height) / viewHeight);
    const int fittedWidth = static_cast<int>(std::lround(viewWidth * scale));
    const int fittedHeight = static_cast<int>(std::lround(viewHeight * scale));
    return {(width - fittedWidth) / 2, (height - fittedHeight) / 2, fittedWidth, fittedHeight};
}

void GraphicsSystem::BuildMatrices() {
    baseView = lookAt({0.0f, 0.0f, 100.0f}, {0.0f, 0.0f, -1.0f}, {0.0f, 1.0f, 0.0f});
    projection = orthographic(-viewWidth / 2.0f, viewWidth / 2.0f, -viewHeight / 2.0f, viewHeight / 2.0f,
                              1.0f, 1000.0f);
    view = baseView;
}

void GraphicsSystem::Shutdown() {
    // Everything made in this context goes before it; at program exit there is no context left.
    if (renderContext) {
        fontRenderer->Release();
        shapeTool->Release();
        if (quadMesh) quadMesh->Release();
    }
    quadMesh.reset();
    Platform::DeleteGLContext(renderContext);
    renderContext = nullptr;
}

QuadMesh* GraphicsSystem::GetQuadMesh() {
    if (!quadMesh && renderContext) {
        quadMesh = std::make_unique<QuadMesh>();
        quadMesh->Create();
    }
    return quadMesh.get();
}

mat4 GraphicsSystem::CameraMatrix(bool editorView) const {
    if (editorView && !editorCameraInactive) return camera->GetMatrix();
    GameObjectRef cameraObject = FindObjectByName("Camera");
    std::shared_ptr<Transform> transform = ComponentOf<Transform>(cameraObject);
    return transform ? transform->GetCameraMatrix() : identity();
}

void GraphicsSystem::RenderFrame(bool editorView, const std::function<void(mat4, mat4)>& drawScene) {
    if (!drawFrames) return;
    timer.Start();
    if (renderContext) {
        // The bars stay black: the whole drawable is cleared, then only the fitted view is drawn.
        glViewport(0, 0, windowSystem->width, windowSystem->height);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
        glViewport(fitted.left, fitted.top, fitted.width, fitted.height);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
    }
    view = baseView * CameraMatrix(editorView);
    if (drawScene) drawScene(projection, view);
    timer.Stop();
}

} // namespace Framework
