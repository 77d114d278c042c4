#include "tools/FileChooser.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <filesystem>

void FileChooser::Open(const std::string& newTitle, const std::string& newFolder,
                       const std::string& newExtension, bool newName) {
    title = newTitle;
    folder = newFolder;
    extension = newExtension;
    allowNew = newName;
    name.clear();
    listed.clear();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path file = entry.path().filename();
        if (file.extension() == extension && IsPlainName(file.stem().string()))
            listed.push_back(file.stem().string());
    }
    std::sort(listed.begin(), listed.end());
    open = true;
}

bool FileChooser::IsPlainName(const std::string& text) {
    if (text.empty() || text.size() > 64) return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-';
    });
}

bool FileChooser::Show(std::string& path) {
    if (!open) return false;
    ImGui::SetNextWindowSize(ImVec2(360, 420), ImGuiCond_Appearing);
    ImGui::Begin((title + "###FileChooser").c_str(), &open);
    ImGui::TextUnformatted(folder.c_str());
    ImGui::BeginChild("Files", ImVec2(0, -ImGui::GetFrameHeightWithSpacing() * 2), true);
    bool chosen = false;
    for (const std::string& file : listed) {
        if (ImGui::Selectable((file + extension).c_str(), file == name,
                              ImGuiSelectableFlags_AllowDoubleClick)) {
            name = file;
            chosen = ImGui::IsMouseDoubleClicked(0);
        }
    }
    ImGui::EndChild();
    ImGui::InputText("File name", &name, allowNew ? 0 : ImGuiInputTextFlags_ReadOnly);
    const bool known = std::find(listed.begin(), listed.end(), name) != listed.end();
    const bool usable = IsPlainName(name) && (allowNew || known);
    chosen = (ImGui::Button("OK") || chosen) && usable;
    ImGui::SameLine();
    if (ImGui::Button("Cancel")) open = false;
    if (!usable && !name.empty()) ImGui::TextUnformatted("Letters, digits, '_' and '-' only");
    ImGui::End();
    if (!chosen) return false;
    path = folder + name + extension;
    open = false;
    return true;
}
