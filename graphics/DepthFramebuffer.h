#pragma once

#include <cstdint>

// The window keeps no depth buffer: without one the software rasteriser fills axis-aligned quads
// as rectangles, copies opaque pictures straight from their texels and forgets whatever an opaque
// sprite covers in a tile. The few frames that do need the depth test are drawn here instead, into
// a colour and depth pair the size of the drawable, and then copied to the window.
class DepthFramebuffer {
public:
    DepthFramebuffer() = default;
    DepthFramebuffer(const DepthFramebuffer&) = delete;
    DepthFramebuffer& operator=(const DepthFramebuffer&) = delete;

    // Draws go here from now on, to a frame cleared to transparent black and to the far depth;
    // false (drawing stays on the window) when it cannot be made at this size.
    bool Begin(int width, int height);
    // Copies the frame to the window's back buffer and draws go to the window again.
    void Finish();
    bool Active() const { return active; }
    // Deletes the GL objects; must run while the context that made them is still current.
    void Release();

private:
    uint32_t framebuffer = 0, colour = 0, depth = 0;
    int width = 0, height = 0;
    bool active = false;
    // The size it could not be made at: said once and not tried again, and a frame that needs the
    // test is drawn without it.
    int failedWidth = 0, failedHeight = 0;
};
