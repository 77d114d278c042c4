#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/ShaderObject.h"
#include "objects/Math.h"

// The debug drawer of the editor and the collider outlines: callers queue coloured segments, squares
// and circles during a frame; the scene draws them and the scene system empties the queues.
class ShapeTool {
public:
    uint32_t positionBuffer = 0;
    uint32_t colorBuffer = 0;
    ShaderObject shader;
    vec3 color{1.0f, 0.6f, 0.0f};   // colour of the uniform-colour batches
    std::vector<vec3> lineVertices; // two entries per segment
    std::vector<vec3> lineColors;   // one per entry of lineVertices
    std::vector<vec3> loopVertices; // every circle of the frame in one line loop
    std::vector<vec3> loopColors;
    std::vector<vec3> uniformLineVertices;
    std::vector<vec3> uniformLoopVertices;

    // Needs a current context; the engine calls it once after the systems are up.
    void Init();
    // Frees the buffers and the program while the context is still current.
    void Release();

    // Both ends should share one z; the segment is queued as given either way.
    void DrawLine(const vec3& a, const vec3& b, const vec3& lineColor);
    // size: edge length in world units; queues four segments (8 entries), even for size 0.
    void DrawSquare(const vec3& center, float size, const vec3& lineColor);
    // 360 points, one per degree, at z 0.
    void DrawCircle(const vec3& center, float radius, const vec3& lineColor);

    void DrawBatches();
    // Empties every queue.
    void Clear();
    void DrawUniformBatches();
    // The world x axis in red and the y axis in green.
    void DrawAxes();

private:
    void BeginDraw();
    void EndDraw();
    void DrawList(const std::vector<vec3>& vertices, const std::vector<vec3>* colors, unsigned mode);
};

extern std::shared_ptr<ShapeTool> shapeTool;
