#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/System.h"
#include "graphics/QuadMesh.h"
#include "objects/Math.h"
#include "platform/Platform.h"

namespace Framework {

// Owns the OpenGL context of the game window, the 2D camera's projection and view, and the unit
// quad shared by every textured drawer. It draws nothing itself: RenderFrame hands the matrices to
// the scene's drawer.
class GraphicsSystem : public System {
public:
    Platform::GLContextHandle renderContext = nullptr;
    mat4 projection; // orthographic, one world unit per pixel at zoom 1, origin at the screen centre
    mat4 baseView;   // the eye at z = 100 looking down -z
    mat4 view;       // baseView x camera matrix, rebuilt every frame
    std::unique_ptr<QuadMesh> quadMesh;
    // Cleared by the editor while it drives the view through Framework::Camera.
    bool editorCameraInactive = true;

    void Initialize() override;
    void Update(float) override {}
    std::string GetName() override { return "Graphics System"; }
    // Releases the GL objects of the graphics singletons, then the context.
    void Shutdown() override;
    bool InitializeFailed() const override { return renderContext == nullptr; }

    // Builds `projection` for a client area of width x height pixels, and `baseView`. The game does
    // this once at start; a zero size falls back to 1920 x 1080.
    void BuildMatrices(int width, int height);
    // One frame: viewport, blending, clear, the view, then `drawScene` with the projection and view.
    // editorView: the editor is the scene, so its free camera gives the view unless it is inactive;
    // otherwise the view follows the "Camera" object.
    void RenderFrame(bool editorView = false, const std::function<void(mat4, mat4)>& drawScene = nullptr);
    mat4 GetProjection() const { return projection; }
    mat4 GetView() const { return view; }
    // The shared quad, made on the first call; empty without a context.
    QuadMesh* GetQuadMesh();

private:
    bool CreateContext();
    mat4 CameraMatrix(bool editorView) const;
};

extern std::shared_ptr<GraphicsSystem> graphicsSystem;

} // namespace Framework
