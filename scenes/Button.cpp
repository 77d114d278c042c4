#include "scenes/Button.h"

#include <imgui.h>

#include <array>

#include "engine/WindowSystem.h"
#include "gameplay/GameFlags.h"
#include "scenes/MenuState.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/Serializer.h"
#include "scenes/SceneSystem.h"

namespace {

const std::array<const char*, Button::kindCount> kindLabels = {
    "Play", "How to play", "Credits", "Back", "Options", "Mute", "Quit", "Yes", "No"};

// How long a pressed Back or No stays on screen before its sub-screen closes.
constexpr float pressedLookSeconds = 0.5f;

void RequestClose(float delay) {
    MenuState.closeDelay = delay;
    MenuState.closeRequested = true;
    MenuState.closeTimer = 0.0f;
}

} // namespace

std::string ButtonTypeLabel(int32_t buttonType) {
    if (buttonType < 0 || buttonType >= Button::kindCount) return "";
    return kindLabels[static_cast<size_t>(buttonType)];
}

void SetButtonLook(GameObject* object, int32_t look) {
    std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(object);
    if (!sprite) return;
    sprite->buttonState = look;
    sprite->row = look;
    sprite->vOffset =
        static_cast<float>(look) / static_cast<float>(sprite->numRows > 0 ? sprite->numRows : 1);
}

void Button::Initialize() {
    componentType = ComponentType::Button;
}

bool Button::Serialize(Serializer& serializer) {
    Component::Serialize(serializer);
    serializer.WriteString("ButtonType");
    serializer.WriteInt(buttonType);
    return true;
}

bool Button::Deserialize(Serializer& serializer) {
    std::string key;
    if (!serializer.ReadWord(key) || !serializer.ReadInt(buttonType)) return false;
    typeLabel = ButtonTypeLabel(buttonType);
    return true;
}

void Button::Inspector(int objectId) {
    const std::string id = std::to_string(objectId);
    if (!ImGui::TreeNode(("Button##" + id).c_str())) return;
    // A number read from a file may name no kind at all: show it with an empty label.
    const std::string current = ButtonTypeLabel(buttonType);
    if (ImGui::BeginCombo(("Button Type##" + id).c_str(), current.c_str())) {
        for (int32_t kind = 0; kind < kindCount; ++kind) {
            if (ImGui::Selectable(kindLabels[static_cast<size_t>(kind)], kind == buttonType)) {
                buttonType = kind;
                typeLabel = kindLabels[static_cast<size_t>(kind)];
            }
        }
        ImGui::EndCombo();
    }
    ImGui::TreePop();
}

void Button::Activate() {
    using Framework::sceneSystem;
    switch (buttonType) {
    case Play:
        // A new game: nothing of an earlier play-through (scroll speed, forced walking, story
        // markers) may leak into it.
        GameFlags.Reset();
        GameFlags.currentLevel = 1;
        RequestSceneChange(SceneLoading);
        break;
    case HowToPlay:
        MenuState.howToPlayRequested = true;
        MenuState.verticalNavEnabled = false;
        MenuState.horizontalNavEnabled = false;
        break;
    case Credits:
        MenuState.creditsRequested = true;
        MenuState.verticalNavEnabled = false;
        MenuState.horizontalNavEnabled = false;
        break;
    case Back:
        MenuState.verticalNavEnabled = false;
        MenuState.horizontalNavEnabled = false;
        RequestClose(pressedLookSeconds);
        break;
    case Options:
        MenuState.horizontalNavEnabled = false;
        MenuState.optionsRequested = true;
        MenuState.selectionIndex = 0;
        break;
    case Mute:
        // Closing from the options screen is what toggles the sound; the screen stays open.
        RequestClose(0.0f);
        break;
    case Quit:
        MenuState.quitDialogRequested = true;
        MenuState.verticalNavEnabled = false;
        MenuState.horizontalNavEnabled = true;
        MenuState.selectionIndex = 0;
        break;
    case Yes:
        // The Quit message unloads the menu, and with it possibly this button's object: nothing
        // of this object may be touched after it.
        RequestQuit();
        sceneSystem->HandleMessage(Framework::SystemMessage{Framework::Quit});
        return;
    case No:
        SetButtonLook(FindObjectByName("NoButtonHUD"), Pressed);
        MenuState.selectionIndex = 0;
        RequestClose(pressedLookSeconds);
        break;
    default:
        break;
    }
}
