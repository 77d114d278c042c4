#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/System.h"
#include "platform/Platform.h"

namespace Framework {

// Binds Dear ImGui to the game through the library's own SDL and OpenGL 3 backends. The scene system
// begins each GUI frame, the scenes and inspectors build their windows, and this system, last in
// the frame, adds the performance window when it is wanted and draws the GUI over the game.
class DebugSystem : public System {
public:
    // Samples shown by each graph of the performance window, one every 0.2 s.
    static constexpr int historyLength = 60;
    static constexpr int graphedSystems = 8;

    int32_t displayHeight = 0, displayWidth = 0;
    // The window system's handle, handed over by the engine before the system is listed.
    Platform::WindowHandle* windowHandle = nullptr;
    bool showPerformance = false;
    std::string fpsText = "FPS:";
    float fpsTimer = 0.0f;                               // seconds since the graphs last took a sample
    std::array<float, historyLength> frameTimeHistory{}; // seconds, oldest first
    std::array<std::array<float, historyLength>, graphedSystems> systemTimeHistory{};

    // ShowPerformance (2) and HidePerformance (3).
    void HandleMessage(const SystemMessage& message) override;
    // Needs the window and its GL context; without them the game runs with no GUI at all.
    void Initialize() override;
    void Update(float dt) override;
    std::string GetName() override { return "Debug System"; }
    void Shutdown() override;

    // Starts this frame's GUI, before the scene builds its windows. dt: seconds; wheel: notches.
    void BeginGuiFrame(float dt, float wheel);
    // True between BeginGuiFrame and the end of this system's Update: GUI calls are allowed.
    bool IsGuiFrameOpen() const { return frameOpen; }

private:
    void ShowPerformanceWindow(float dt);
    bool guiReady = false;
    bool frameOpen = false;
};

extern std::shared_ptr<DebugSystem> debugSystem;

} // namespace Framework
