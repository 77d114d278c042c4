#pragma once

#include <imgui.h>
#include <imgui_internal.h>

#include <string>

#include "objects/Component.h"

// A GUI context with no window behind it, for drawing component inspectors in tests.
class HeadlessGui {
public:
    HeadlessGui() { ImGui::GetIO().Fonts->Build(); } // a frame needs a built font atlas
    ~HeadlessGui() { ImGui::DestroyContext(context); }

    // One GUI frame with the component's inspector open; returns the text it drew.
    std::string InspectorText(Component& component, int objectId) {
        ImGui::GetIO().DisplaySize = ImVec2(1280, 720);
        ImGui::GetIO().DeltaTime = 1 / 60.0f;
        ImGui::NewFrame();
        ImGui::Begin("Inspector");
        ImGui::LogToBuffer();
        ImGui::SetNextItemOpen(true);
        component.Inspector(objectId);
        std::string text = ImGui::GetCurrentContext()->LogBuffer.c_str();
        ImGui::LogFinish();
        ImGui::End();
        ImGui::Render();
        return text;
    }

private:
    ImGuiContext* context = ImGui::CreateContext();
};
