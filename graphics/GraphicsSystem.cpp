#include "graphics/GraphicsSystem.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/WindowSystem.h"
#include "graphics/Camera.h"
#include "graphics/FontRenderer.h"
#include "graphics/ShapeTool.h"
#include "graphics/Sprite.h"
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
        depthFramebuffer.Release();
        tintedCopies.Release();
        for (auto& program : spritePrograms)
            if (program) program->shader.Release();
    }
    quadMesh.reset();
    for (int i = 0; i < spriteProgramCount; ++i) {
        spritePrograms[i].reset();
        spriteProgramTried[i] = false;
    }
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

const SpriteProgram* GraphicsSystem::GetSpriteProgram(bool depthTested, bool wholeTexture, bool untinted) {
    const int variant = (depthTested ? 0 : 1) + (wholeTexture ? 2 : 0) + (untinted ? 4 : 0);
    if (spriteProgramTried[variant] || !renderContext) return spritePrograms[variant].get();
    spriteProgramTried[variant] = true;
    auto built = std::make_unique<SpriteProgram>();
    if (!built->shader.Init(VertexShaderPath("lel"), FragmentShaderPath("lel"),
                            std::string(depthTested ? "" : "#define DEPTH_UNTESTED 1\n") +
                                (wholeTexture ? "#define WHOLE_TEXTURE 1\n" : "") +
                                (untinted ? "#define UNTINTED 1\n" : "")))
        return nullptr;
    const GLuint program = built->shader.program;
    auto at = [program](const char* name) { return glGetUniformLocation(program, name); };
    built->mvp = at("MVP");
    built->textureFlag = at("textureFlag");
    built->inColor = at("inColor");
    built->alphaVal = at("alphaVal");
    built->frameSize = at("frameSize");
    built->xsize = at("xsize");
    built->ysize = at("ysize");
    built->flipX = at("flipX");
    built->flipY = at("flipY");
    built->textureSampler = at("textureSampler");
    spritePrograms[variant] = std::move(built);
    return spritePrograms[variant].get();
}

uint32_t GraphicsSystem::TintedCopy(const GLTexture& texture, vec3 tint, float alpha) {
    if (!tintCopies) return 0;
    const SpriteProgram* program = GetSpriteProgram(false, true, false);
    QuadMesh* quad = GetQuadMesh();
    return program && quad ? tintedCopies.Find(texture, tint, alpha, frameNumber, *program, *quad) : 0;
}

void GraphicsSystem::PrepareSpritePrograms() {
    for (int variant = 0; variant < spriteProgramCount; ++variant)
        GetSpriteProgram((variant & 1) == 0, (variant & 2) != 0, (variant & 4) != 0);
}

const std::vector<DrawDecision>&
GraphicsSystem::PlanFrame(const std::vector<std::shared_ptr<GameObject>>& objects, const mat4& projection,
                          const mat4& view) {
    const mat4 projectionView = projection * view;
    frameBoxes.clear();
    for (const auto& object : objects) frameBoxes.push_back(object ? BoxOf(*object, projectionView) : DrawBox{});
    PlanDraws(frameBoxes, framePlan, frameAreas, planDraws ? &drawCounts : nullptr);
    const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
    // Decided on what the frame really holds either way, so that a frame drawn unplanned goes
    // through the same rasteriser paths as its planned twin, and the two show the same thing.
    frameDepthTested = DepthTestMatters(frameBoxes, framePlan, fitted.width, fitted.height, &frameCoverAgain);
    frameCoverSprites.clear();
    for (const CoverAgain& again : frameCoverAgain)
        frameCoverSprites.push_back(ComponentOf<Sprite>(objects[again.sprite]));
    if (!planDraws) { // every sprite counts as over the whole view, and none hides another
        for (DrawBox& box : frameBoxes) {
            box.minX = box.minY = -1.0f;
            box.maxX = box.maxY = 1.0f;
            box.nearDepth = box.farDepth = 0.0f;
            box.opaque = false;
            box.coreCount = 0;
        }
        PlanDraws(frameBoxes, framePlan, frameAreas, &drawCounts);
    }
    // A frame drawn in order without the test needs no depth buffer at all, for its sprites,
    // particles and text alike (RenderFrame turns the test back on); one that needs it is drawn
    // offscreen, where there is one.
    if (renderContext) {
        if (!frameDepthTested)
            glDisable(GL_DEPTH_TEST);
        else if (!depthFramebuffer.Active())
            depthFramebuffer.Begin(windowSystem->width, windowSystem->height);
    }
    return framePlan;
}

void GraphicsSystem::DrawPlanned(size_t index, Sprite& sprite, mat4 projection, mat4 view) {
    const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
    if (index >= frameAreas.size() || fitted.width <= 0 || fitted.height <= 0) {
        sprite.Draw(projection, view);
        return;
    }
    auto drawWithin = [&](const PixelRect& rect, bool unblended, Sprite& which) {
        const bool scissored = ScissorTo(rect);
        which.Draw(projection, view, frameDepthTested, unblended);
        if (scissored) glDisable(GL_SCISSOR_TEST);
    };
    const DrawArea& area = frameAreas[index];
    for (int piece = 0; piece < area.pieceCount; ++piece)
        drawWithin(PixelsAround(area.pieces[piece]), false, sprite);
    if (area.pieceCount == 0) {
        // A see-through picture with plain regions: those all opaque are filled without blending,
        // those all clear not at all, and only the rest is blended.
        std::shared_ptr<Transform> transform = sprite.owner ? sprite.owner->GetComponent<Transform>() : nullptr;
        framePlainClips.clear();
        if (planDraws && transform && !sprite.IsOpaque())
            PlainClipsOf(sprite, projection * (view * transform->GetModelMatrix()), framePlainClips);
        framePlainRects.clear();
        for (const PlainClip& clip : framePlainClips) framePlainRects.push_back({PixelsWithin(clip), clip.opaque});
        SplitArea(PixelsAround(area), framePlainRects, frameUnblended, frameBlended);
        for (const PixelRect& rect : frameUnblended) drawWithin(rect, true, sprite);
        for (const PixelRect& rect : frameBlended) drawWithin(rect, false, sprite);
    }
    // The opaque sprite drawn just before, over where the depth test would have kept it.
    for (size_t k = 0; k < frameCoverAgain.size(); ++k)
        if (frameCoverAgain[k].after == index && frameCoverSprites[k])
            drawWithin(PixelsAround(frameCoverAgain[k].clip), false, *frameCoverSprites[k]);
}

DrawClip GraphicsSystem::InPixels(const DrawClip& clip) const {
    const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
    auto pixelX = [&](float x) { return fitted.left + (x + 1.0f) * 0.5f * float(fitted.width); };
    auto pixelY = [&](float y) { return fitted.top + (y + 1.0f) * 0.5f * float(fitted.height); };
    return DrawClip{pixelX(clip.minX), pixelY(clip.minY), pixelX(clip.maxX), pixelY(clip.maxY)};
}

PixelRect GraphicsSystem::PixelsAround(const DrawClip& clip) const {
    const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
    const DrawClip at = InPixels(clip);
    return PixelRect{std::max(fitted.left, int(std::floor(at.minX)) - 1),
                     std::max(fitted.top, int(std::floor(at.minY)) - 1),
                     std::min(fitted.left + fitted.width, int(std::ceil(at.maxX)) + 1),
                     std::min(fitted.top + fitted.height, int(std::ceil(at.maxY)) + 1)};
}

PixelRect GraphicsSystem::PixelsWithin(const DrawClip& clip) const {
    const DrawClip at = InPixels(clip);
    return PixelRect{int(std::ceil(at.minX)), int(std::ceil(at.minY)), int(std::floor(at.maxX)),
                     int(std::floor(at.maxY))};
}

bool GraphicsSystem::ScissorTo(const PixelRect& rect) const {
    const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
    const bool whole = rect.x0 <= fitted.left && rect.y0 <= fitted.top && rect.x1 >= fitted.left + fitted.width &&
                       rect.y1 >= fitted.top + fitted.height;
    if (whole || !renderContext) return false;
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect.x0, rect.y0, std::max(0, rect.x1 - rect.x0), std::max(0, rect.y1 - rect.y0));
    return true;
}

mat4 GraphicsSystem::CameraMatrix(bool editorView) const {
    if (editorView && !editorCameraInactive) return camera->GetMatrix();
    GameObjectRef cameraObject = FindObjectByName("Camera");
    std::shared_ptr<Transform> transform = ComponentOf<Transform>(cameraObject);
    return transform ? transform->GetCameraMatrix() : identity();
}

void GraphicsSystem::RenderFrame(bool editorView, const std::function<void(mat4, mat4)>& drawScene,
                                 bool scenePlans) {
    if (!drawFrames) return;
    timer.Start();
    ++frameNumber;
    if (renderContext) {
        // The bars stay black: the whole drawable is cleared, then only the fitted view is drawn. A
        // scene that plans its frame is drawn offscreen only if it needs the depth test (PlanFrame).
        glViewport(0, 0, windowSystem->width, windowSystem->height);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        if (scenePlans || !depthFramebuffer.Begin(windowSystem->width, windowSystem->height))
            glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        const Platform::Rect fitted = FitView(windowSystem->width, windowSystem->height);
        glViewport(fitted.left, fitted.top, fitted.width, fitted.height);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
    }
    view = baseView * CameraMatrix(editorView);
    drawCounts = {}; // a scene that plans its frame fills them in; particles count as they draw
    if (drawScene) drawScene(projection, view);
    // Drawn again this frame only: a later frame that is not planned must not find them.
    frameCoverAgain.clear();
    frameCoverSprites.clear();
    if (renderContext) {
        depthFramebuffer.Finish();
        glEnable(GL_DEPTH_TEST);
        tintedCopies.Forget(frameNumber);
    }
    timer.Stop();
}

} // namespace Framework
