#include "tests/support/HeadlessGui.h"

#include <imgui.h>
#include <imgui_internal.h>

#include "objects/Component.h"

HeadlessGui::HeadlessGui() : context(ImGui::CreateContext()) {
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height); // a frame needs a built atlas
}

HeadlessGui::~HeadlessGui() {
    ImGui::DestroyContext(context);
}

std::string HeadlessGui::InspectorText(Component& component, int objectId) {
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(1280, 720);
    io.DeltaTime = 1 / 60.0f;
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
