#include "graphics/ShapeTool.h"

#include <GL/glew.h>

#include <cmath>

#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"

std::shared_ptr<ShapeTool> shapeTool = std::make_shared<ShapeTool>();

namespace {
constexpr float pi = 3.1415927f;
}

void ShapeTool::Init() {
    if (!Platform::HasCurrentGLContext()) return;
    Release();
    glGenBuffers(1, &positionBuffer);
    glGenBuffers(1, &colorBuffer);
    color = {1.0f, 0.6f, 0.0f};
    shader.Init(VertexShaderPath("shapes"), FragmentShaderPath("shapes"));
}

void ShapeTool::Release() {
    if (Platform::HasCurrentGLContext()) {
        if (positionBuffer) glDeleteBuffers(1, &positionBuffer);
        if (colorBuffer) glDeleteBuffers(1, &colorBuffer);
    }
    positionBuffer = colorBuffer = 0;
    shader.Release();
}

void ShapeTool::DrawLine(const vec3& a, const vec3& b, const vec3& lineColor) {
    lineVertices.push_back(a);
    lineVertices.push_back(b);
    lineColors.push_back(lineColor);
    lineColors.push_back(lineColor);
}

void ShapeTool::DrawSquare(const vec3& center, float size, const vec3& lineColor) {
    const float h = size * 0.5f;
    const vec3 topLeft{center.x - h, center.y + h, center.z};
    const vec3 topRight{center.x + h, center.y + h, center.z};
    const vec3 bottomRight{center.x + h, center.y - h, center.z};
    const vec3 bottomLeft{center.x - h, center.y - h, center.z};
    DrawLine(topLeft, bottomLeft, lineColor);
    DrawLine(bottomLeft, bottomRight, lineColor);
    DrawLine(bottomRight, topRight, lineColor);
    DrawLine(topRight, topLeft, lineColor);
}

void ShapeTool::DrawCircle(const vec3& center, float radius, const vec3& lineColor) {
    for (int degree = 0; degree < 360; ++degree) {
        const float angle = degree * pi / 180.0f;
        loopVertices.push_back(
            {center.x + std::cos(angle) * radius, center.y + std::sin(angle) * radius, 0.0f});
        loopColors.push_back(lineColor);
    }
}

void ShapeTool::BeginDraw() {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glUseProgram(shader.program);
    const mat4 mvp = Framework::graphicsSystem->GetProjection() * Framework::graphicsSystem->GetView();
    glUniformMatrix4fv(glGetUniformLocation(shader.program, "MVP"), 1, GL_FALSE, mvp.data());
}

void ShapeTool::EndDraw() {
    glUseProgram(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
}

void ShapeTool::DrawList(const std::vector<vec3>& vertices, const std::vector<vec3>* colors, unsigned mode) {
    glBindBuffer(GL_ARRAY_BUFFER, positionBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(vec3)), vertices.data(),
                 GL_STATIC_DRAW);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    if (colors) {
        glBindBuffer(GL_ARRAY_BUFFER, colorBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(colors->size() * sizeof(vec3)), colors->data(),
                     GL_STATIC_DRAW);
        glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    }
    glDrawArrays(mode, 0, static_cast<GLsizei>(vertices.size()));
}

void ShapeTool::Clear() {
    lineVertices.clear();
    lineColors.clear();
    loopVertices.clear();
    loopColors.clear();
    uniformLineVertices.clear();
    uniformLoopVertices.clear();
}

void ShapeTool::DrawBatches() {
    if (!shader.IsUsable() || (lineVertices.empty() && loopVertices.empty())) return;
    BeginDraw();
    glLineWidth(3.0f);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    DrawList(lineVertices, &lineColors, GL_LINES);
    DrawList(loopVertices, &loopColors, GL_LINE_LOOP);
    glLineWidth(1.0f);
    glDisableVertexAttribArray(1);
    glDisableVertexAttribArray(0);
    EndDraw();
}

void ShapeTool::DrawUniformBatches() {
    if (!shader.IsUsable() || (uniformLineVertices.empty() && uniformLoopVertices.empty())) return;
    BeginDraw();
    glUniform1i(glGetUniformLocation(shader.program, "manualColor"), 1);
    glUniform3f(glGetUniformLocation(shader.program, "inColor"), color.x, color.y, color.z);
    glLineWidth(2.0f);
    glEnableVertexAttribArray(0);
    DrawList(uniformLineVertices, nullptr, GL_LINES);
    DrawList(uniformLoopVertices, nullptr, GL_LINE_LOOP);
    glLineWidth(1.0f);
    glUniform1i(glGetUniformLocation(shader.program, "manualColor"), 0);
    glDisableVertexAttribArray(0);
    EndDraw();
}

void ShapeTool::DrawAxes() {
    if (!shader.IsUsable()) return;
    BeginDraw();
    glDisable(GL_TEXTURE_2D);
    const GLint manualColor = glGetUniformLocation(shader.program, "manualColor");
    const GLint inColor = glGetUniformLocation(shader.program, "inColor");
    glUniform1i(manualColor, 1);
    glUniform3f(inColor, 1.0f, 0.0f, 0.0f);
    glLineWidth(1.5f);
    // Immediate mode feeds generic attribute 0 in a compatibility context.
    glBegin(GL_LINES);
    glVertex3f(-30000.0f, 0.0f, 0.0f);
    glVertex3f(30000.0f, 0.0f, 0.0f);
    glEnd();
    glUniform3f(inColor, 0.0f, 1.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, -30000.0f, 0.0f);
    glVertex3f(0.0f, 30000.0f, 0.0f);
    glEnd();
    glLineWidth(1.0f);
    glUniform1i(manualColor, 0);
    EndDraw();
}
