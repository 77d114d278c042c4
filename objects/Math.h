#pragma once

// Small value types for the 2D world. The object model extends this toolkit (matrices, builders).
struct vec2 {
    float x = 0, y = 0;
};

struct vec3 {
    float x = 0, y = 0, z = 0;
};
