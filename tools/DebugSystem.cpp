#include "tools/DebugSystem.h"

#include <imgui.h>
#include <backends/imgui_impl_opengl3.h>

#include <algorithm>

#include "audio/AudioSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "input/InputSystem.h"
#include "physics/PhysicSystem.h"
#include "scenes/SceneSystem.h"

namespace Framework {

std::shared_ptr<DebugSystem> debugSystem = std::make_shared<DebugSystem>();

namespace {

constexpr float sampleInterval = 0.2f; // seconds
constexpr float graphMax = 0.02f;      // seconds: the top of every graph
constexpr float graphHeight = 130.0f;

struct GraphedSystem {
    System* system;
    ImVec4 color;
};

ImVec4 Rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f};
}

// In legend order: the k-th system's legend sits k lines down.
std::array<GraphedSystem, DebugSystem::graphedSystems> GraphedSystems() {
    return {{{debugSystem.get(), Rgb(100, 181, 169)},
             {windowSystem.get(), Rgb(222, 189, 55)},
             {graphicsSystem.get(), Rgb(255, 25, 100)},
             {physicSystem.get(), Rgb(144, 155, 239)},
             {sceneSystem.get(), Rgb(255, 237, 38)},
             {textureSystem.get(), Rgb(145, 247, 255)},
             {inputSystem.get(), Rgb(255, 204, 102)},
             {audioSystem.get(), Rgb(139, 255, 143)}}};
}

template <size_t N> void PushSample(std::array<float, N>& history, float value) {
    std::rotate(history.begin(), history.begin() + 1, history.end());
    history.back() = value;
}

std::string Milliseconds(float seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f", seconds * 1000.0f);
    return text;
}

} // namespace

void DebugSystem::HandleMessage(const SystemMessage& message) {
    if (message.id == ShowPerformance) showPerformance = true;
    if (message.id == HidePerformance) showPerformance = false;
}

void DebugSystem::Initialize() {
    showPerformance = false;
    if (guiReady || !windowHandle || !*windowHandle || !graphicsSystem->renderContext) return;
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    // No imgui.ini in the game's folder, and the game alone decides whether the cursor shows.
    io.IniFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    if (!Platform::BindGui(*windowHandle, graphicsSystem->renderContext) || !ImGui_ImplOpenGL3_Init()) {
        std::printf("The editor's GUI could not start; the game runs without it\n");
        Platform::UnbindGui();
        ImGui::DestroyContext();
        return;
    }
    guiReady = true;
}

void DebugSystem::Shutdown() {
    if (!guiReady) return;
    if (frameOpen) ImGui::EndFrame();
    frameOpen = false;
    ImGui_ImplOpenGL3_Shutdown();
    Platform::UnbindGui();
    ImGui::DestroyContext();
    guiReady = false;
}

void DebugSystem::BeginGuiFrame(float dt, float wheel) {
    if (!guiReady) return;
    if (frameOpen) ImGui::EndFrame(); // a frame that was never drawn
    ImGui_ImplOpenGL3_NewFrame();
    Platform::StartGuiFrame();
    ImGuiIO& io = ImGui::GetIO();
    if (dt > 0.0f) io.DeltaTime = dt;
    io.MouseWheel += wheel;
    io.MousePos = ImVec2(inputSystem->mouseX, inputSystem->mouseY);
    io.MouseDown[0] = io.MouseDown[0] || inputSystem->IsKeyDown(Key::MouseLeft);
    io.MouseDown[2] = io.MouseDown[2] || inputSystem->IsKeyDown(Key::MouseMiddle);
    ImGui::NewFrame();
    frameOpen = true;
}

void DebugSystem::ShowPerformanceWindow(float dt) {
    const float width = static_cast<float>(displayWidth), height = static_cast<float>(displayHeight);
    ImGui::SetNextWindowPos(ImVec2(0.0f, height - height / 4.55f));
    ImGui::SetNextWindowSize(ImVec2(width * 2.2f / 3.0f, height / 5.0f));
    ImGui::Begin("Performance Window");
    const auto systems = GraphedSystems();
    fpsTimer += dt;
    if (fpsTimer > sampleInterval) {
        fpsTimer = 0.0f;
        fpsText = "FPS:" + std::to_string(dt > 0.0f ? 1.0f / dt : 0.0f);
        PushSample(frameTimeHistory, dt);
        for (size_t i = 0; i < systems.size(); ++i)
            PushSample(systemTimeHistory[i], systems[i].system->timer.elapsed);
    }
    const ImVec2 size(ImGui::GetContentRegionAvail().x, graphHeight);
    const ImVec2 origin = ImGui::GetCursorPos();
    ImGui::PushStyleColor(ImGuiCol_PlotLines, Rgb(255, 0, 255));
    ImGui::PushStyleColor(ImGuiCol_Text, Rgb(255, 0, 255));
    const std::string frameLegend = "Frame Time -" + Milliseconds(frameTimeHistory.back()) + " ms";
    ImGui::PlotLines(fpsText.c_str(), frameTimeHistory.data(), historyLength, 0, frameLegend.c_str(), 0.0f,
                     graphMax, size);
    ImGui::PopStyleColor(2);
    ImGui::PushStyleColor(ImGuiCol_FrameBg, ImVec4(0, 0, 0, 0));
    for (size_t i = 0; i < systems.size(); ++i) {
        ImGui::SetCursorPos(origin);
        ImGui::PushStyleColor(ImGuiCol_PlotLines, systems[i].color);
        ImGui::PushStyleColor(ImGuiCol_Text, systems[i].color);
        const std::string legend = std::string(i + 1, '\n') + systems[i].system->GetName() + " - " +
                                   Milliseconds(systemTimeHistory[i].back()) + " ms";
        ImGui::PlotLines(("##system" + std::to_string(i)).c_str(), systemTimeHistory[i].data(), historyLength,
                         0, legend.c_str(), 0.0f, graphMax, size);
        ImGui::PopStyleColor(2);
    }
    ImGui::PopStyleColor();
    ImGui::End();
}

void DebugSystem::Update(float dt) {
    timer.Start();
    displayHeight = windowSystem->height;
    displayWidth = windowSystem->width;
    if (frameOpen && showPerformance) ShowPerformanceWindow(dt);
    timer.Stop();
    if (!frameOpen) return;
    ImGui::Render();
    // A minimised window has nothing to draw into, and a frame without windows draws nothing (the
    // renderer would still save and restore the whole GL state around it).
    ImDrawData* drawData = ImGui::GetDrawData();
    if (displayWidth > 0 && displayHeight > 0 && drawData && drawData->CmdListsCount > 0)
        ImGui_ImplOpenGL3_RenderDrawData(drawData);
    frameOpen = false;
}

} // namespace Framework
