#include "objects/Math.h"

#include <cmath>

vec2 operator+(const vec2& a, const vec2& b) {
    return {a.x + b.x, a.y + b.y};
}
vec2 operator-(const vec2& a, const vec2& b) {
    return {a.x - b.x, a.y - b.y};
}
vec2 operator*(const vec2& v, float s) {
    return {v.x * s, v.y * s};
}
vec2 operator/(const vec2& v, float s) {
    return {v.x / s, v.y / s};
}
float Length(const vec2& v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

vec3 operator+(const vec3& a, const vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
vec3 operator-(const vec3& a, const vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
vec3 operator*(const vec3& v, float s) {
    return {v.x * s, v.y * s, v.z * s};
}
vec3 operator/(const vec3& v, float s) {
    return {v.x / s, v.y / s, v.z / s};
}
float Dot(const vec3& a, const vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
vec3 Cross(const vec3& a, const vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Length(const vec3& v) {
    return std::sqrt(Dot(v, v));
}

vec3 Normalize(const vec3& v) {
    float length = Length(v);
    return length > 0 ? v / length : vec3{};
}

mat4 identity() {
    return mat4{};
}

mat4 operator*(const mat4& a, const mat4& b) {
    mat4 result;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.at(row, k) * b.at(k, column);
            result.at(row, column) = sum;
        }
    return result;
}

vec4 operator*(const mat4& a, const vec4& v) {
    const float in[4] = {v.x, v.y, v.z, v.w};
    float out[4];
    for (int row = 0; row < 4; ++row)
        out[row] = a.at(row, 0) * in[0] + a.at(row, 1) * in[1] + a.at(row, 2) * in[2] + a.at(row, 3) * in[3];
    return {out[0], out[1], out[2], out[3]};
}

mat4 Inverse(const mat4& a, bool* invertible) {
    // Cofactor expansion, as in the MESA gluInvertMatrix; works on the column-major array directly
    // because the inverse of the transpose is the transpose of the inverse.
    const float* m = a.m;
    float inv[16];
    inv[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15] + m[9] * m[7] * m[14] +
             m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
    inv[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15] - m[8] * m[7] * m[14] -
             m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
    inv[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15] + m[8] * m[7] * m[13] +
             m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
    inv[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14] - m[8] * m[6] * m[13] -
              m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
    inv[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15] - m[9] * m[3] * m[14] -
             m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
    inv[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15] + m[8] * m[3] * m[14] +
             m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
    inv[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15] - m[8] * m[3] * m[13] -
             m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
    inv[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14] + m[8] * m[2] * m[13] +
              m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
    inv[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15] + m[5] * m[3] * m[14] +
             m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
    inv[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15] - m[4] * m[3] * m[14] -
             m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
    inv[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15] + m[4] * m[3] * m[13] +
              m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
    inv[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14] - m[4] * m[2] * m[13] -
              m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
    inv[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11] - m[5] * m[3] * m[10] -
             m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
    inv[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11] + m[4] * m[3] * m[10] +
             m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
    inv[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11] - m[4] * m[3] * m[9] -
              m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
    inv[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10] + m[4] * m[2] * m[9] +
              m[8] * m[1] * m[6] - m[8] * m[2] * m[5];

    float determinant = m[0] * inv[0] + m[1] * inv[4] + m[2] * inv[8] + m[3] * inv[12];
    bool ok = determinant != 0 && std::isfinite(determinant);
    if (invertible) *invertible = ok;
    if (!ok) return mat4{};
    mat4 result;
    for (int i = 0; i < 16; ++i) result.m[i] = inv[i] / determinant;
    return result;
}

mat4 translate(float x, float y, float z) {
    mat4 result;
    result.at(0, 3) = x;
    result.at(1, 3) = y;
    result.at(2, 3) = z;
    return result;
}

mat4 scale(float x, float y, float z) {
    mat4 result;
    result.at(0, 0) = x;
    result.at(1, 1) = y;
    result.at(2, 2) = z;
    return result;
}

mat4 rotateZ(float radians) {
    mat4 result;
    float c = std::cos(radians), s = std::sin(radians);
    result.at(0, 0) = c;
    result.at(1, 0) = s;
    result.at(0, 1) = -s;
    result.at(1, 1) = c;
    return result;
}

mat4 orthographic(float left, float right, float bottom, float top, float near, float far) {
    mat4 result;
    result.at(0, 0) = 2 / (right - left);
    result.at(1, 1) = 2 / (top - bottom);
    result.at(2, 2) = -2 / (far - near);
    result.at(0, 3) = -(right + left) / (right - left);
    result.at(1, 3) = -(top + bottom) / (top - bottom);
    result.at(2, 3) = -(far + near) / (far - near);
    return result;
}

mat4 lookAt(const vec3& eye, const vec3& target, const vec3& up) {
    vec3 forward = Normalize(target - eye);
    vec3 side = Normalize(Cross(forward, up));
    vec3 trueUp = Cross(side, forward);
    mat4 result;
    result.at(0, 0) = side.x;
    result.at(0, 1) = side.y;
    result.at(0, 2) = side.z;
    result.at(1, 0) = trueUp.x;
    result.at(1, 1) = trueUp.y;
    result.at(1, 2) = trueUp.z;
    result.at(2, 0) = -forward.x;
    result.at(2, 1) = -forward.y;
    result.at(2, 2) = -forward.z;
    result.at(0, 3) = -Dot(side, eye);
    result.at(1, 3) = -Dot(trueUp, eye);
    result.at(2, 3) = Dot(forward, eye);
    return result;
}

mat3 rotateZ3(float radians) {
    mat3 result;
    float c = std::cos(radians), s = std::sin(radians);
    result.at(0, 0) = c;
    result.at(1, 0) = s;
    result.at(0, 1) = -s;
    result.at(1, 1) = c;
    return result;
}

vec3 operator*(const mat3& a, const vec3& v) {
    return {a.at(0, 0) * v.x + a.at(0, 1) * v.y + a.at(0, 2) * v.z,
            a.at(1, 0) * v.x + a.at(1, 1) * v.y + a.at(1, 2) * v.z,
            a.at(2, 0) * v.x + a.at(2, 1) * v.y + a.at(2, 2) * v.z};
}

vec2 MoveTowards(vec2 current, vec2 target, float speed, float dt) {
    float step = speed * dt;
    vec2 toTarget = target - current;
    float distance = Length(toTarget);
    // At distance 0 a negative step would divide by zero; there is nowhere to go anyway.
    if (distance == 0 || step >= distance) return target;
    return current + toTarget / distance * step;
}
