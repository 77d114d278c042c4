#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/System.h"
#include "graphics/QuadMesh.h"
#include "objects/Math.h"
#include "platform/Platform.h"

namespace Framework {

// Everything is laid out for a 1920 x 1080 view; a drawable of another size shows that view whole,
// scaled uniformly and centred, with black bars where the aspect differs.
constexpr int viewWidth = 1920;
constexpr int viewHeight = 1080;
// Where the view lands in a drawable of width x height pixels (empty for an empty drawable).
Platform::Rect FitView(int width, int height);

// Owns the OpenGL context of the game window, the 2D camera's projection and view, and the unit
// quad shared by every textured drawer. It draws nothing itself: RenderFrame hands the matrices to
// the scene's drawer.
class GraphicsSystem : public System {
public:
    Platform::GLContextHandle renderContext = nullptr;
    mat4 projection; // orthographic over the 1920 x 1080 view, one world unit a view pixel at zoom 1
    mat4 baseView;   // the eye at z = 100 looking down -z
    mat4 view;       // baseView x camera matrix, rebuilt every frame
    std::unique_ptr<QuadMesh> quadMesh;
    // Cleared by the editor while it drives the view through Framework::Camera.
    bool editorCameraInactive = true;
    // False: frames are updated but neither drawn nor shown (scripted runs that look only at some
    // frames, and measurements of the engine's own time).
    bool drawFrames = true;

    void Initialize() override;
    void Update(float) override {}
    std::string GetName() override { return "Graphics System"; }
    // Releases the GL objects of the graphics singletons, then the context.
    void Shutdown() override;
    bool InitializeFailed() const override { return renderContext == nullptr; }

    // Builds `projection` for the 1920 x 1080 view, and `baseView`. Once, at start.
    void BuildMatrices();
    // One frame: the whole drawable cleared black, the viewport fitted to it, blending, the view,
    // then `drawScene` with the projection and view.
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
