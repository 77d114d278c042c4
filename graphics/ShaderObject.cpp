#include "graphics/ShaderObject.h"

#include <GL/glew.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/Platform.h"

namespace {

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::stringstream buffer;
    buffer << file.rdbuf();
    text = buffer.str();
    return true;
}

// Driver logs span several lines; the report must stay one line per failure.
std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '\0'))
        text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string ShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    if (length < 2) return "";
    std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    return OneLine(log.data());
}

bool CompileFailed(GLuint shader) {
    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    return status != GL_TRUE;
}

} // namespace

std::string VertexShaderPath(const std::string& programName) {
    return "../Resources/Shaders/" + programName + "_vertex.shpv";
}

std::string FragmentShaderPath(const std::string& programName) {
    return "../Resources/Shaders/" + programName + "_frag.shpf";
}

bool ShaderObject::Init(const std::string& vertexPath, const std::string& fragmentPath,
                        const std::string& defines) {
    Release();
    if (!Platform::HasCurrentGLContext()) return false;

    std::string vertexSource, fragmentSource;
    if (!ReadWholeFile(vertexPath, vertexSource)) {
        std::printf("ShaderObject::Init [Error linking program] %s: cannot open the vertex shader\n",
                    vertexPath.c_str());
        return false;
    }
    if (!ReadWholeFile(fragmentPath, fragmentSource)) {
        std::printf("ShaderObject::Init [Error linking program] %s: cannot open the fragment shader\n",
                    fragmentPath.c_str());
        return false;
    }

    if (!defines.empty()) {
        const size_t lineEnd = fragmentSource.find('\n');
        fragmentSource.insert(lineEnd == std::string::npos ? fragmentSource.size() : lineEnd + 1, defines);
    }

    program = glCreateProgram();
    vertexShader = glCreateShader(GL_VERTEX_SHADER);
    fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);
    const char* vertexText = vertexSource.c_str();
    const char* fragmentText = fragmentSource.c_str();
    glShaderSource(vertexShader, 1, &vertexText, nullptr);
    glShaderSource(fragmentShader, 1, &fragmentText, nullptr);
    glCompileShader(vertexShader);
    glCompileShader(fragmentShader);

    // A link log only says "linking with uncompiled shader"; the compile logs say where.
    std::string compileProblems;
    if (CompileFailed(vertexShader)) compileProblems += " " + vertexPath + ": " + ShaderLog(vertexShader);
    if (CompileFailed(fragmentShader))
        compileProblems += " " + fragmentPath + ": " + ShaderLog(fragmentShader);

    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);
    glDetachShader(program, vertexShader);
    glDetachShader(program, fragmentShader);
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    vertexShader = fragmentShader = 0;

    GLint linked = GL_FALSE, logLength = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &logLength);
    std::string log;
    if (logLength >= 2) {
        std::vector<char> buffer(static_cast<size_t>(logLength) + 1, '\0');
        glGetProgramInfoLog(program, logLength, nullptr, buffer.data());
        log = OneLine(buffer.data());
    }

    // A failed link with an empty log is still a failure; a warning log on a good link is shown.
    if (linked == GL_TRUE && log.empty()) {
        std::printf("ShaderObject Initialized.\n");
        return true;
    }
    std::printf("ShaderObject::Init [Error linking program] (%s, %s) %s%s\n", vertexPath.c_str(),
                fragmentPath.c_str(), log.c_str(), compileProblems.c_str());
    if (linked == GL_TRUE) return true;
    // Binding a program that failed to link is an error that leaves the previous program bound,
    // so the drawer would draw with someone else's uniforms: drop it instead.
    glDeleteProgram(program);
    program = 0;
    return false;
}

void ShaderObject::Release() {
    if (program != 0 && Platform::HasCurrentGLContext()) glDeleteProgram(program);
    program = 0;
}
