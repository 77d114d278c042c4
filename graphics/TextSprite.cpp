#include "graphics/TextSprite.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <utility>

#include "graphics/FontRenderer.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Serializer.h"
#include "objects/Transform.h"

namespace {
constexpr float opaqueSeconds = 2.0f;
constexpr float fadeSeconds = 2.5f;
} // namespace

TextSprite::TextSprite(std::string text, vec3 color)
    : Component(ComponentType::TextSprite), text(std::move(text)), color(color) {}

void TextSprite::Initialize() {
    componentType = ComponentType::TextSprite;
}

void TextSprite::Update(float dt) {
    fadeTimer += dt;
    if (fadeTimer > opaqueSeconds && alpha > 0.0f) alpha -= dt / fadeSeconds;
}

void TextSprite::SetText(const std::string& newText) {
    alpha = 1.0f;
    fadeTimer = 0.0f;
    if (&newText != &text) text = newText;
}

void TextSprite::Draw() {
    if (!owner) return;
    std::shared_ptr<Transform> transform = owner->GetComponent<Transform>();
    if (!transform) return;
    const vec3 p = transform->GetPosition() + position;
    fontRenderer->RenderText(text, fontName, p.x, p.y, p.z, scale, color, alpha);
}

bool TextSprite::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteStringLine(text);
    serializer.WriteString("FontName");
    serializer.WriteString(fontName);
    serializer.WriteString("Position");
    serializer.WriteVec3(position);
    serializer.WriteString("Color");
    serializer.WriteVec3(color);
    serializer.WriteString("Scale");
    serializer.WriteFloat(scale);
    serializer.WriteString("Alpha");
    serializer.WriteFloat(alpha);
    serializer.WriteString("Repeat");
    serializer.WriteBool(repeatOnCollision);
    serializer.WriteString("OnlyOnInteract");
    serializer.WriteBool(onlyOnInteract);
    // The stored line ends at the first '|' and drops carriage returns.
    return text.find_first_of("|\r") == std::string::npos && IsStorableWord(fontName);
}

bool TextSprite::Deserialize(Serializer& serializer) {
    std::string key;
    return serializer.ReadStringLine(text) && serializer.ReadWord(key) && serializer.ReadWord(fontName) &&
           serializer.ReadWord(key) && serializer.ReadVec3(position) && serializer.ReadWord(key) &&
           serializer.ReadVec3(color) && serializer.ReadWord(key) && serializer.ReadFloat(scale) &&
           serializer.ReadWord(key) && serializer.ReadFloat(alpha) && serializer.ReadWord(key) &&
           serializer.ReadBool(repeatOnCollision) && serializer.ReadWord(key) &&
           serializer.ReadBool(onlyOnInteract);
}

void Say(const std::string& objectName, const std::string& line) {
    if (std::shared_ptr<TextSprite> text = FindComponent<TextSprite>(objectName)) text->SetText(line);
}

void TextSprite::Inspector(int objectId) {
    const std::string id = std::to_string(objectId);
    if (!ImGui::CollapsingHeader(("TextSprite##" + id).c_str())) return;
    // Edited in a copy of any length and written back only when the user changes it. A '|' would
    // end the stored caption early, so none is taken.
    std::string edited = text;
    if (ImGui::InputTextMultiline(("Text##" + id).c_str(), &edited)) {
        edited.erase(std::remove(edited.begin(), edited.end(), '|'), edited.end());
        text = edited;
    }
    ImGui::TextUnformatted("Choose Font");
    ImGui::Text("Font: %s", fontName.c_str());
    if (ImGui::BeginCombo(("Font##" + id).c_str(), fontName.c_str())) {
        for (const auto& font : fontRenderer->GetFonts())
            if (ImGui::Selectable(font.first.c_str(), font.first == fontName)) fontName = font.first;
        ImGui::EndCombo();
    }
    ImGui::InputFloat(("Text Scale##" + id).c_str(), &scale);
    ImGui::InputFloat(("Alpha##" + id).c_str(), &alpha);
    ImGui::Checkbox(("Repeat On Collision##" + id).c_str(), &repeatOnCollision);
    ImGui::Checkbox(("Only On Interact##" + id).c_str(), &onlyOnInteract);
    ImGui::InputFloat3(("TextSprite Position##" + id).c_str(), &position.x);
    ImGui::ColorEdit3(("TextSprite Color##" + id).c_str(), &color.x, ImGuiColorEditFlags_Uint8);
}
