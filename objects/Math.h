#pragma once

// Small value types for the 2D world and the matrices handed to OpenGL. Matrices are column-major
// (element at row r, column c is m[c * 4 + r]), so `data()` goes straight to glUniformMatrix4fv.
// Angles are radians unless a name says otherwise.

struct vec2 {
    float x = 0, y = 0;
};

struct vec3 {
    float x = 0, y = 0, z = 0;
};

struct vec4 {
    float x = 0, y = 0, z = 0, w = 0;
};

struct mat3 {
    float m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

    float& at(int row, int column) { return m[column * 3 + row]; }
    float at(int row, int column) const { return m[column * 3 + row]; }
    const float* data() const { return m; }
};

struct mat4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    float& at(int row, int column) { return m[column * 4 + row]; }
    float at(int row, int column) const { return m[column * 4 + row]; }
    const float* data() const { return m; }
};

vec2 operator+(const vec2& a, const vec2& b);
vec2 operator-(const vec2& a, const vec2& b);
vec2 operator*(const vec2& v, float s);
vec2 operator/(const vec2& v, float s);
float Length(const vec2& v);

vec3 operator+(const vec3& a, const vec3& b);
vec3 operator-(const vec3& a, const vec3& b);
vec3 operator*(const vec3& v, float s);
vec3 operator/(const vec3& v, float s);
float Dot(const vec3& a, const vec3& b);
vec3 Cross(const vec3& a, const vec3& b);
float Length(const vec3& v);
// A zero vector stays zero rather than turning into NaN.
vec3 Normalize(const vec3& v);

mat4 identity();
mat4 operator*(const mat4& a, const mat4& b);
vec4 operator*(const mat4& a, const vec4& v);
// Full 4x4 inverse. A singular matrix yields identity and sets *invertible to false.
mat4 Inverse(const mat4& a, bool* invertible = nullptr);

mat4 translate(float x, float y, float z);
mat4 scale(float x, float y, float z);
mat4 rotateZ(float radians);
// Same projection as glOrtho: maps the box onto the -1..1 cube, looking down -z.
mat4 orthographic(float left, float right, float bottom, float top, float near, float far);
// Same view as gluLookAt: right-handed, the eye looks along target - eye.
mat4 lookAt(const vec3& eye, const vec3& target, const vec3& up);

mat3 rotateZ3(float radians);
vec3 operator*(const mat3& a, const vec3& v);

// Steps from current towards target by speed * dt (pixels per second, seconds) without
// overshooting; returns the target once it is within reach.
vec2 MoveTowards(vec2 current, vec2 target, float speed, float dt);
