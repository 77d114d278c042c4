#include "scenes/LevelPauseMenu.h"

#include "audio/AudioSystem.h"
#include "gameplay/GameFlags.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "scenes/Button.h"
#include "scenes/SceneSystem.h"

namespace {

void SetShown(const LevelPauseMenu::ObjectRef& object, bool shown) {
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(object))
        sprite->transparency = shown ? 1.0f : 0.0f;
}

// A level other than 1 to 3: the quit has asked for the main menu.
constexpr int32_t quitLevel = 4;

} // namespace

void LevelPauseMenu::Start() {
    panel = FindObjectByName("PauseMenuHUD");
    resumeButton = FindObjectByName("ResumeButtonHUD");
    howToPlayButton = FindObjectByName("HowToPlayButtonHUD");
    quitButton = FindObjectByName("QuitGameButtonHUD");
    howToPlaySheet = FindObjectByName("HowToPlayHUD");
    quitConfirmation = FindObjectByName("QuitConfirmationHUD");
    yesButton = FindObjectByName("YesButtonHUD");
    noButton = FindObjectByName("NoButtonHUD");
    pauseOpen = howToPlayOpen = false;
    selectedButton = lastSelectedButton = pressedButton = nullptr;

    if (std::shared_ptr<Transform> place = ComponentOf<Transform>(panel)) {
        anchorX = place->position.x;
        anchorY = place->position.y;
        anchorScaleX = place->scale.x;
        anchorScaleY = place->scale.y;
    }
    ShowQuitQuestion(false);
    SetShown(howToPlaySheet, false);
}

void LevelPauseMenu::Update(float dt, const ObjectRef& camera) {
    Framework::InputSystem* input = Framework::inputSystem.get();
    if (input && input->IsKeyTriggered(Key::Escape)) Toggle();

    Framework::SceneSystem* scenes = Framework::sceneSystem.get();
    std::shared_ptr<Transform> place = ComponentOf<Transform>(panel);
    if (!pauseOpen) {
        if (place) {
            place->SetPosition(anchorX, anchorY);
            place->SetScale(anchorScaleX, anchorScaleY);
        }
        if (scenes) scenes->isPaused = false;
        return;
    }

    PlaceOnCamera(camera);
    Navigate();
    if (selectedButton != lastSelectedButton && selectedButton) PlayEffect("buttonhover");
    lastSelectedButton = selectedButton;
    RunHud(dt);
    // The Yes frame leaves for the main menu: that scene must not start paused.
    if (scenes) scenes->isPaused = GameFlags.currentLevel != quitLevel;
}

void LevelPauseMenu::Toggle() {
    pauseOpen = !pauseOpen;
    howToPlayOpen = false;
    pressedButton = nullptr;
    for (const ObjectRef& button : {resumeButton, howToPlayButton, quitButton, yesButton, noButton})
        SetButtonLook(button, Button::Idle);
    Select(resumeButton);
    ShowQuitQuestion(false);
    SetShown(howToPlaySheet, false);
}

void LevelPauseMenu::Select(const ObjectRef& button) {
    if (selectedButton && selectedButton != button && selectedButton != pressedButton)
        SetButtonLook(selectedButton, Button::Idle);
    selectedButton = button;
    SetButtonLook(selectedButton, Button::Highlighted);
}

void LevelPauseMenu::ShowQuitQuestion(bool shown) {
    SetShown(quitConfirmation, shown);
    SetShown(yesButton, shown);
    SetShown(noButton, shown);
}

void LevelPauseMenu::Navigate() {
    Framework::InputSystem* input = Framework::inputSystem.get();
    if (!input || !selectedButton) return;
    const bool enter = input->IsKeyTriggered(Key::Enter);

    if (selectedButton == resumeButton) {
        if (enter) {
            PlayEffect("buttonpress");
            Toggle();
        } else if (input->IsKeyTriggered(Key::Down)) {
            Select(howToPlayButton);
        }
    } else if (selectedButton == howToPlayButton) {
        if (enter) {
            PlayEffect("buttonpress");
            howToPlayOpen = !howToPlayOpen;
            SetShown(howToPlaySheet, howToPlayOpen);
            ShowQuitQuestion(false);
            pressedButton = howToPlayOpen ? howToPlayButton : nullptr;
            SetButtonLook(howToPlayButton, howToPlayOpen ? Button::Pressed : Button::Highlighted);
        } else if (!howToPlayOpen && input->IsKeyTriggered(Key::Up)) {
            Select(resumeButton);
        } else if (!howToPlayOpen && input->IsKeyTriggered(Key::Down)) {
            Select(quitButton);
        }
    } else if (selectedButton == quitButton) {
        if (enter) {
            PlayEffect("buttonpress");
            ShowQuitQuestion(true);
            SetShown(howToPlaySheet, false);
            pressedButton = quitButton;
            SetButtonLook(quitButton, Button::Pressed);
            Select(noButton);
        } else if (input->IsKeyTriggered(Key::Up)) {
            Select(howToPlayButton);
        }
    } else if (selectedButton == noButton) {
        if (enter) {
            PlayEffect("buttonpress");
            ShowQuitQuestion(false);
            pressedButton = nullptr;
            SetButtonLook(noButton, Button::Idle);
            Select(quitButton);
        } else if (input->IsKeyTriggered(Key::Left)) {
            Select(yesButton);
        }
    } else if (selectedButton == yesButton) {
        if (enter) {
            PlayEffect("buttonpress");
            GameFlags.currentLevel = quitLevel;
            RequestSceneChange(SceneMenu);
        } else if (input->IsKeyTriggered(Key::Right)) {
            Select(noButton);
        }
    }
}

void LevelPauseMenu::PlaceOnCamera(const ObjectRef& camera) {
    std::shared_ptr<Transform> place = ComponentOf<Transform>(panel);
    std::shared_ptr<Transform> view = ComponentOf<Transform>(camera);
    if (!place || !view) return;
    place->SetPosition(view->position.x, view->position.y);
    // Divided by the zoom, the panel keeps its size on screen however close the camera is.
    place->SetScale(anchorScaleX / (view->scale.x != 0 ? view->scale.x : 1.0f),
                    anchorScaleY / (view->scale.y != 0 ? view->scale.y : 1.0f));
}

void LevelPauseMenu::RunHud(float dt) {
    for (const GameObjectRef& object : GameObjectList) {
        if (!object || object->type != ObjectType::HUD) continue;
        for (const std::shared_ptr<Component>& component : object->components)
            if (component) component->Update(dt);
    }
}
