#include "gameplay/Level1Event.h"

#include <imgui.h>

#include "audio/AudioSystem.h"
#include "gameplay/DoorLock.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Weather.h"
#include "gameplay/Lift.h"
#include "gameplay/LightSwitch.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "objects/GameObject.h"
#include "scenes/SceneSystem.h"

namespace {

const EventControllerBase::EventTable levelOneEvents = {
    {"Event011Newspaper", 1},
    {"Event012Eyes", 2},
    {"Event013CreatureSpawn(Left)", 3},
    {"Event014CreaturePursuit(Right)", 4},
    {"Event015Lamp", 5},
    {"Event016Cat", 6},
    {"Event017FlipFloor11Overlay", 7},
};

} // namespace

void Level1Event::Initialize() {
    currentEvent = 0;
    interactionTarget.clear();
    player = FindObjectByName("Player");
    dialogue = FindObjectByName("Dialogue");
}

void Level1Event::Update(float dt) {
    if (Framework::sceneSystem && Framework::sceneSystem->isPaused) return;
    if (!owner || !player) return;
    DetectEvent(*owner, *player, levelOneEvents);
    HandleInteraction(*player, dt);
}

void Level1Event::Say(const std::string& line) {
    if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(dialogue)) text->SetText(line);
}

void Level1Event::OnInteract(GameObject& object) {
    GameFlagBlock& flags = GameFlags;

    if (std::shared_ptr<TextSprite> caption = object.GetComponent<TextSprite>())
        if (caption->onlyOnInteract && (caption->repeatOnCollision || !caption->spent)) {
            Say(caption->GetText());
            if (!caption->repeatOnCollision) caption->spent = true;
        }
    if (object.name == "WindowEnd") flags.levelExitReached = true;

    switch (object.type) {
    case ObjectType::Hiding:
        if (flags.phaseTwoFlag && flags.blackoutStarted) {
            flags.isHiding = !flags.isHiding;
            SetWeather(!flags.isHiding);
            if (flags.isHiding) flags.playerState = PlayerHide;
        }
        break;
    case ObjectType::LightSwitch:
        if (std::shared_ptr<LightSwitch> lightSwitch = object.GetComponent<LightSwitch>()) {
            lightSwitch->FlipGroup();
            flags.lightSwitchUse = true;
        }
        break;
    case ObjectType::Lock:
        if (object.name == "HouseKeys") {
            std::shared_ptr<Sprite> keys = object.GetComponent<Sprite>();
            if (keys && keys->transparency == 1.0f) {
                flags.hasHouseKeys = true;
                keys->transparency = 0.0f;
                PlayEffect("keypickup");
                Say("Got the keys.");
            }
        } else if (std::shared_ptr<DoorLock> lock = object.GetComponent<DoorLock>()) {
            if (flags.doorUnlocked) break;
            if (!flags.hasHouseKeys) {
                Say("I need the keys.");
            } else {
                lock->active = !lock->active;
                flags.inputLocked = !flags.inputLocked;
                flags.lockPromptVisible = true;
            }
        }
        break;
    case ObjectType::LiftButton:
        if (!flags.alternateWorld && !flags.blackoutStarted)
            if (std::shared_ptr<Lift> lift = object.GetComponent<Lift>()) {
                flags.liftCalled = true;
                PlayEffect("liftbutton");
                lift->Use();
                if (std::shared_ptr<Sprite> hint = FindComponent<Sprite>("KeyboardPromptSHIFT"))
                    hint->transparency = 0.0f;
            }
        break;
    case ObjectType::WrapPos:
        // The stairs lead back up while the way home is still open.
        if (object.name == "WrapExit" && !flags.phaseTwoFlag) flags.wrapReturn = true;
        // The death bed's door takes the player back to where they were caught.
        if (object.name == "DeathbedToXX")
            if (std::shared_ptr<WrapPos> wrap = object.GetComponent<WrapPos>()) wrap->active = true;
        break;
    default:
        break;
    }
}

void Level1Event::Inspector(int objectId) {
    ImGui::CollapsingHeader(("Level1Event##" + std::to_string(objectId)).c_str());
}
