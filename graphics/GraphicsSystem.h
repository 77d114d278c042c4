#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"
#include "graphics/DepthFramebuffer.h"
#include "graphics/DrawPlan.h"
#include "graphics/QuadMesh.h"
#include "graphics/ShaderObject.h"
#include "graphics/TintedCopies.h"
#include "objects/Math.h"
#include "platform/Platform.h"

class Sprite;

namespace Framework {

// The sprites' one program and the places of its uniforms, looked up once.
struct SpriteProgram {
    ShaderObject shader;
    int mvp = -1, textureFlag = -1, inColor = -1, alphaVal = -1, frameSize = -1, xsize = -1, ysize = -1,
        flipX = -1, flipY = -1, textureSampler = -1;
};

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
    // True: the scenes skip the sprites a frame's plan finds culled or hidden, and fill only the
    // part of a partly covered one that can show (see PlanDraws), and fill the plain regions of a
    // see-through picture without blending, or not at all. False draws every sprite whole; whether
    // the frame needs the depth test is decided the same way either way.
    bool planDraws = true;
    // True: a whole picture drawn under a steady tint or strength is drawn from a tinted copy
    // (TintedCopies), which the rasteriser copies rather than shades.
    bool tintCopies = true;
    DrawCounts drawCounts; // of the last frame drawn (all zero but particles when it was not planned)
    // Whether the last planned frame needs the depth test: without it (DepthTestMatters) its sprites
    // go back to front untested, which the software rasteriser fills far faster.
    bool frameDepthTested = true;

    // Which sprites of `objects` (in draw order) this frame needs, one decision per object; every
    // sprite is drawn when planDraws is off. The result lives until the next call.
    const std::vector<DrawDecision>& PlanFrame(const std::vector<std::shared_ptr<GameObject>>& objects,
                                               const mat4& projection, const mat4& view);
    // Draws object `index` of the last plan's sprite, kept to the part of the view it can show.
    void DrawPlanned(size_t index, Sprite& sprite, mat4 projection, mat4 view);
    // The last plan's area of object `index`, or null.
    const DrawArea* PlannedArea(size_t index) const { return index < frameAreas.size() ? &frameAreas[index] : nullptr; }
    // The whole pixels of the drawn view around a box of it, one more on each side, so that a pixel
    // whose centre the box holds is never cut off.
    PixelRect PixelsAround(const DrawClip& clip) const;
    // The whole pixels of the drawn view that lie inside a box of it.
    PixelRect PixelsWithin(const DrawClip& clip) const;
    // Keeps drawing to `rect` with the scissor test; false (and no test) when it holds the whole view.
    bool ScissorTo(const PixelRect& rect) const;

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
    // scenePlans: `drawScene` calls PlanFrame before it draws, which decides whether the frame needs
    // the depth test; any other frame is tested.
    void RenderFrame(bool editorView = false, const std::function<void(mat4, mat4)>& drawScene = nullptr,
                     bool scenePlans = false);
    mat4 GetProjection() const { return projection; }
    mat4 GetView() const { return view; }
    // What to draw in place of `texture` shown whole under `tint` at strength `alpha`, in a frame
    // drawn without the depth test: its tinted copy once they have settled (TintedCopies), else 0.
    uint32_t TintedCopy(const GLTexture& texture, vec3 tint, float alpha);
    size_t TintedCopyCount() const { return tintedCopies.Count(); }
    // The shared quad, made on the first call; empty without a context.
    QuadMesh* GetQuadMesh();
    // The program every sprite draws with, built on the first call; null without a context or
    // when it does not build (then sprites draw nothing).
    // The sprite program; `depthTested` false gives its variant for frames drawn without the depth
    // test, which never discards, and `wholeTexture` the variant for a sprite showing its whole
    // texture unmirrored, which skips the sheet-cell mapping.
    const SpriteProgram* GetSpriteProgram(bool depthTested = true, bool wholeTexture = false,
                                          bool untinted = false);
    // Builds every variant of the sprites' program now, so no frame pays for compiling one.
    void PrepareSpritePrograms();

private:
    static constexpr int spriteProgramCount = 8; // index: untested + 2 * whole texture + 4 * untinted
    std::unique_ptr<SpriteProgram> spritePrograms[spriteProgramCount];
    DepthFramebuffer depthFramebuffer; // where a frame that needs the depth test is drawn
    TintedCopies tintedCopies;
    uint64_t frameNumber = 0; // frames rendered, for the copies' ages
    std::vector<DrawBox> frameBoxes;
    std::vector<DrawDecision> framePlan;
    std::vector<DrawArea> frameAreas;
    // Opaque sprites drawn again after the next one (DepthTestMatters), and those sprites.
    std::vector<CoverAgain> frameCoverAgain;
    std::vector<std::shared_ptr<Sprite>> frameCoverSprites;
    std::vector<PlainClip> framePlainClips; // scratch of DrawPlanned
    std::vector<std::pair<PixelRect, bool>> framePlainRects;
    std::vector<PixelRect> frameUnblended, frameBlended;
    bool spriteProgramTried[spriteProgramCount] = {};

    bool CreateContext();
    DrawClip InPixels(const DrawClip& clip) const; // window pixel coordinates of a box of the view
    mat4 CameraMatrix(bool editorView) const;
};

extern std::shared_ptr<GraphicsSystem> graphicsSystem;

} // namespace Framework
