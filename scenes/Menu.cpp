#include "scenes/Menu.h"

#include <algorithm>
#include <cstdio>

#include "audio/AudioSystem.h"
#include "engine/Engine.h"
#include "scenes/Button.h"
#include "scenes/MenuState.h"
#include "scenes/SceneSystem.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"

using Framework::audioSystem;
using Framework::inputSystem;

namespace {

const char* const musicName = "bgm";

// -1 for an object that is not a button.
int32_t KindOf(const GameObjectRef& object) {
    std::shared_ptr<Button> button = ComponentOf<Button>(object);
    return button ? button->buttonType : -1;
}

void Activate(GameObjectRef object) {
    // `object` is held by value: Yes unloads the menu, and the button must outlive its action.
    if (std::shared_ptr<Button> button = ComponentOf<Button>(object)) button->Activate();
}

vec3 PositionOf(const GameObjectRef& object) {
    std::shared_ptr<Transform> transform = object->GetComponent<Transform>();
    return transform ? transform->position : vec3{};
}

bool IsNamed(const GameObjectRef& object, const char* name) {
    return object && object->name == name;
}

} // namespace

void Menu::Load() {
    LoadLevel("Menu", "../Resources/Level/Menu.txt");
}

void Menu::Initialize() {
    InitializeObjects();

    mainButtons.clear();
    quitButtons.clear();
    optionButtons.clear();
    selection.reset();
    previousSelection.reset();
    for (const GameObjectRef& object : FindButtonObjects()) {
        switch (KindOf(object)) {
        case Button::Play:
            if (!selection) selection = object;
            mainButtons.push_back(object);
            break;
        case Button::HowToPlay:
        case Button::Credits:
        case Button::Options:
        case Button::Quit:
            mainButtons.push_back(object);
            break;
        case Button::Yes:
        case Button::No:
            quitButtons.push_back(object);
            break;
        case Button::Back:
        case Button::Mute:
            optionButtons.push_back(object);
            break;
        default:
            break; // a kind this game does not know: never part of a list
        }
    }
    // Without its Play button the menu is a dead end: say which file let it down and stop.
    if (!selection) {
        std::printf("Menu.txt: the menu has no Play button; the game cannot start without it\n");
        if (Framework::engine) Framework::engine->exitCode = 1;
        RequestQuit();
        return;
    }
    SetButtonLook(selection, Button::Highlighted);
    const auto higher = [](const GameObjectRef& a, const GameObjectRef& b) {
        return PositionOf(a).y > PositionOf(b).y;
    };
    std::stable_sort(mainButtons.begin(), mainButtons.end(), higher);
    std::stable_sort(optionButtons.begin(), optionButtons.end(), higher);
    std::stable_sort(
        quitButtons.begin(), quitButtons.end(),
        [](const GameObjectRef& a, const GameObjectRef& b) { return PositionOf(a).x < PositionOf(b).x; });

    activating = false;
    black = FindObjectByName("Black");
    howToPlayHUD = FindObjectByName("HowToPlayHUD");
    back = FindObjectByName("Back");
    quitConfirmationHUD = FindObjectByName("QuitConfirmationHUD");
    creditsHUD = FindObjectByName("CreditsHUD");
    SetTransparency(black, 1.0f);
    SetTransparency(howToPlayHUD, 0.0f);
    SetTransparency(back, 0.0f);
    SetTransparency(quitConfirmationHUD, 0.0f);
    SetTransparency(creditsHUD, 0.0f);

    // The mute outlives the visit; a freshly loaded switch must not claim the sound is on.
    if (muted) {
        if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(FindObjectByName("Mute"))) {
            sprite->useAltTexture = true;
            sprite->textureChanged = true;
        }
    }

    MenuState.Reset();
    audioSystem->PlayBGM(musicName, true);
}

void Menu::Update(float dt) {
    // Without a "Black" every fade counts as finished at once.
    std::shared_ptr<Sprite> blackSprite = ComponentOf<Sprite>(black);
    if (!activating) {
        StepFade(blackSprite.get(), 0.0f, dt);
    } else {
        // Quick through the first fifth, so the press shows at once.
        const float rate = blackSprite && blackSprite->transparency < 0.2f ? 5.0f : 1.0f;
        if (StepFade(blackSprite.get(), 1.0f, rate * dt)) {
            // The selection acts once; no key is read on a black screen.
            activating = false;
            Activate(selection);
            UpdateObjects(dt);
            return;
        }
    }

    OpenRequestedScreens();
    CloseScreenWhenDue(dt);
    // While the fade before Play or Yes runs, the selection must stay what the player chose.
    if (!activating && selection) HandleKeys();
    UpdateObjects(dt);
}

void Menu::Select(const GameObjectRef& button) {
    selection = button;
    SetButtonLook(selection, Button::Highlighted);
}

void Menu::OpenRequestedScreens() {
    // A sub-screen opens only with a button to leave it by; otherwise the request is dropped and
    // the main list stays usable.
    if (MenuState.howToPlayRequested) {
        MenuState.howToPlayRequested = false;
        if (back) {
            previousSelection = selection;
            SetTransparency(howToPlayHUD, 1.0f);
            SetTransparency(back, 1.0f);
            Select(back);
        } else {
            MenuState.verticalNavEnabled = true;
        }
    }
    if (MenuState.quitDialogRequested) {
        MenuState.quitDialogRequested = false;
        if (!quitButtons.empty()) {
            for (const GameObjectRef& button : quitButtons) SetTransparency(button, 1.0f);
            SetTransparency(quitConfirmationHUD, 1.0f);
            previousSelection = selection;
            // "No" (the right one) is the default answer.
            const int32_t index = quitButtons.size() > 1 ? 1 : 0;
            Select(quitButtons[static_cast<size_t>(index)]);
            MenuState.selectionIndex = index;
        } else {
            MenuState.verticalNavEnabled = true;
            MenuState.horizontalNavEnabled = false;
            KeepMainIndex();
        }
    }
    if (MenuState.creditsRequested) {
        MenuState.creditsRequested = false;
        if (back) {
            previousSelection = selection;
            SetTransparency(creditsHUD, 1.0f);
            SetTransparency(back, 1.0f);
            Select(back);
        } else {
            MenuState.verticalNavEnabled = true;
        }
    }
    if (MenuState.optionsRequested) {
        MenuState.optionsRequested = false;
        if (!optionButtons.empty()) {
            for (const GameObjectRef& button : optionButtons) SetTransparency(button, 1.0f);
            previousSelection = selection;
            Select(optionButtons.front());
            MenuState.inOptions = true;
            MenuState.selectionIndex = 0;
        } else {
            KeepMainIndex();
        }
    }
}

void Menu::KeepMainIndex() {
    auto found = std::find(mainButtons.begin(), mainButtons.end(), selection);
    if (found != mainButtons.end())
        MenuState.selectionIndex = static_cast<int32_t>(found - mainButtons.begin());
}

void Menu::CloseScreenWhenDue(float dt) {
    if (!MenuState.closeRequested) return;
    MenuState.closeTimer += dt;
    if (MenuState.closeTimer <= MenuState.closeDelay) return;

    const int32_t mainCount = static_cast<int32_t>(mainButtons.size());
    switch (KindOf(previousSelection)) {
    case Button::HowToPlay:
        SetTransparency(howToPlayHUD, 0.0f);
        SetTransparency(back, 0.0f);
        SetButtonLook(back, Button::Idle);
        Select(previousSelection);
        break;
    case Button::Quit:
        SetTransparency(quitConfirmationHUD, 0.0f);
        for (const GameObjectRef& button : quitButtons) {
            SetTransparency(button, 0.0f);
            SetButtonLook(button, Button::Idle);
        }
        Select(previousSelection);
        MenuState.selectionIndex = mainCount - 1;
        break;
    case Button::Credits:
        SetTransparency(creditsHUD, 0.0f);
        SetTransparency(back, 0.0f);
        // Back serves three screens: it must not come back already pressed.
        SetButtonLook(back, Button::Idle);
        Select(previousSelection);
        break;
    case Button::Options:
        if (IsNamed(selection, "Mute")) {
            ToggleMute(); // the options stay open
        } else if (IsNamed(selection, "Back")) {
            for (const GameObjectRef& button : optionButtons) {
                SetTransparency(button, 0.0f);
                SetButtonLook(button, Button::Idle);
            }
            Select(previousSelection);
            MenuState.inOptions = false;
            MenuState.selectionIndex = mainCount - 2;
        }
        break;
    default:
        break;
    }
    MenuState.closeRequested = false;
    MenuState.verticalNavEnabled = true;
}

void Menu::ToggleMute() {
    muted = !muted;
    if (std::shared_ptr<Sprite> sprite = ComponentOf<Sprite>(selection)) {
        sprite->useAltTexture = muted;
        sprite->textureChanged = true;
    }
    Framework::AudioMuted = !Framework::AudioMuted;
    if (Framework::AudioMuted)
        audioSystem->StopAll();
    else
        audioSystem->PlayBGM(musicName, true);
}

bool Menu::MoveSelection(const ObjectList& list, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(list.size())) return false;
    SetButtonLook(selection, Button::Idle);
    MenuState.selectionIndex = index;
    Select(list[static_cast<size_t>(index)]);
    audioSystem->PlaySound("buttonhover", false);
    return true;
}

void Menu::HandleKeys() {
    if (inputSystem->IsKeyTriggered(Key::Enter)) {
        if (!IsNamed(selection, "Mute")) SetButtonLook(selection, Button::Pressed);
        const int32_t kind = KindOf(selection);
        if (kind == Button::Play || kind == Button::Yes)
            activating = true;
        else
            Activate(selection);
        audioSystem->PlaySound("buttonpress", false);
        return; // a frame with Enter reads no arrows
    }
    const int32_t index = MenuState.selectionIndex;
    if (MenuState.verticalNavEnabled) {
        const ObjectList& list = MenuState.inOptions ? optionButtons : mainButtons;
        if (inputSystem->IsKeyTriggered(Key::Down))
            MoveSelection(list, index + 1);
        else if (inputSystem->IsKeyTriggered(Key::Up) && index > 0)
            MoveSelection(list, index - 1);
    }
    if (MenuState.horizontalNavEnabled) {
        if (inputSystem->IsKeyTriggered(Key::Left) && index >= 1)
            MoveSelection(quitButtons, index - 1);
        else if (inputSystem->IsKeyTriggered(Key::Right))
            MoveSelection(quitButtons, index + 1);
    }
}

void Menu::Draw(mat4 projection, mat4 view) {
    const std::vector<DrawDecision>& plan =
        Framework::graphicsSystem->PlanFrame(GameObjectList, projection, view);
    for (size_t i = 0; i < GameObjectList.size(); ++i) {
        const GameObjectRef& object = GameObjectList[i];
        if (!object) continue;
        if (plan[i] == DrawDecision::Draw)
            Framework::graphicsSystem->DrawPlanned(i, *object->GetComponent<Sprite>(), projection, view);
        if (std::shared_ptr<ParticleEmitter> emitter = object->GetComponent<ParticleEmitter>())
            emitter->Draw(projection, view, Framework::graphicsSystem->PlannedArea(i));
    }
}

void Menu::Unload() {
    mainButtons.clear();
    quitButtons.clear();
    optionButtons.clear();
    audioSystem->StopAll();
    selection.reset();
    previousSelection.reset();
    black.reset();
    howToPlayHUD.reset();
    back.reset();
    quitConfirmationHUD.reset();
    creditsHUD.reset();
    Scene::Unload();
}
