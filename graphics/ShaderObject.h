#pragma once

#include <cstdint>
#include <string>

// One GLSL program built from a vertex and a fragment file. After Init only `program` is
// meaningful: the shader objects are deleted once linked. The owner releases the program.
struct ShaderObject {
    uint32_t program = 0;
    uint32_t vertexShader = 0;
    uint32_t fragmentShader = 0;

    // Builds the program and prints one line on standard output: "ShaderObject Initialized." or
    // "ShaderObject::Init [Error linking program] ..." with the reason. Returns false (and leaves
    // `program` 0, so drawers skip their draw) when a file is missing or the program does not link;
    // also false, silently, when no OpenGL context is current.
    // `defines` ("#define NAME 1\n" lines) go into the fragment source after its #version line.
    bool Init(const std::string& vertexPath, const std::string& fragmentPath, const std::string& defines = "");
    // Deletes the program; the context that built it must still be current.
    void Release();
    bool IsUsable() const { return program != 0; }
};

// "../Resources/Shaders/<name>_vertex.shpv" and "../Resources/Shaders/<name>_frag.shpf".
std::string VertexShaderPath(const std::string& programName);
std::string FragmentShaderPath(const std::string& programName);
