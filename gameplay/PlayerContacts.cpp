// The player's contact rules: what touching another object does (captions, the lines of the story's
// dialogue triggers, areas, the death collider, which interactables may be used now, the lift), the
// interaction prompt over the usable object, and the cupboard's looks while the player hides.
#include <iterator>

#include "gameplay/Areas.h"
#include "gameplay/GameFlags.h"
#include "gameplay/Weather.h"
#include "gameplay/Lift.h"
#include "gameplay/Player.h"
#include "gameplay/WrapPos.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextSprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/BoxCollider.h"
#include "physics/Collision.h"
#include "physics/Rigidbody.h"

namespace {

constexpr float promptHeight = 96.0f; // the key prompt floats this far above the usable object

// A line the player says on touching a named trigger, once (the trigger then turns into a ghost).
struct SpokenLine {
    const char* trigger;
    bool GameFlagBlock::*condition; // null: always
    const char* line;               // null: the trigger is only used up
};

// The way home in level 1, before and after the world turns: only once the cat outside has been
// petted (the second phase).
const SpokenLine wayHomeLines[] = {
    {"DialogueGoHome1", nullptr, "I should go home."},
    {"DialogueGoHome2", nullptr, "I don't like this..."},
    {"DialogueGoHome3", nullptr, "What was that? I should head back home."},
    {"DialogueMovingLift", nullptr, "Was I imagining things?"},
    {"DialogueCupboard", &GameFlagBlock::creatureActive, "I'm trapped!"},
};
const SpokenLine alternateWorldLines[] = {
    {"DialogueGoHome1", nullptr, "I should find some light."},
    {"DialogueGoHome2", nullptr, "I don't like this one bit. It's creeping me out."},
    {"DialogueGoHome3", nullptr, nullptr},
};
// Lines of the later levels, whatever the first level's story did.
const SpokenLine laterLines[] = {
    {"Dialogue2ndPhase00", &GameFlagBlock::redCorridorActive, "I've got to find another way up fast!"},
    {"Dialogue2ndPhase01", &GameFlagBlock::redCorridorActive, "I've got to find another way up fast!"},
    {"OldManIdleCollision", &GameFlagBlock::creatureActive, "I'm trapped!"},
};

const SpokenLine* FindLine(const SpokenLine* begin, const SpokenLine* end, const std::string& name) {
    for (const SpokenLine* line = begin; line != end; ++line)
        if (name == line->trigger) return line;
    return nullptr;
}

void ShowTexture(Sprite& sprite, const char* name) {
    if (sprite.textureName == name) return;
    sprite.textureName = name;
    sprite.textureChanged = true;
}

} // namespace

void Player::Say(const std::string& line) {
    if (std::shared_ptr<TextSprite> text = ComponentOf<TextSprite>(dialogueObject)) text->SetText(line);
}

void Player::ContactRules(GameObject& other, float dt) {
    std::shared_ptr<BoxCollider> box = other.GetComponent<BoxCollider>();
    if (!box || !CollisionIntersection(*owner, other, vec3{0.0f, 0.0f, 0.0f}, dt)) return;
    GameFlagBlock& flags = GameFlags;

    if (std::shared_ptr<TextSprite> caption = other.GetComponent<TextSprite>())
        if (!caption->onlyOnInteract && (caption->repeatOnCollision || !caption->spent)) {
            Say(caption->GetText());
            if (!caption->repeatOnCollision) caption->spent = true;
        }

    if (!box->ghosted) {
        if (other.name == "VentToShaft" || other.name == "RooftopToFinalEvent") {
            flags.inputLocked = true;
            if (std::shared_ptr<WrapPos> wrap = other.GetComponent<WrapPos>()) wrap->active = true;
        }
        if (other.name == "DeathCollider") flags.playerDying = true;
        int usable = UsableNow(other);
        if (usable >= 0) {
            box->interactable = usable == 1;
            if (!box->interactable) nearInteractable = false;
        }
    }

    if (box->interactable) {
        interactableObject = FindObjectByName(other.name);
        interactTarget = other.name;
        nearInteractable = true;
    }

    if (flags.currentLevel == 3) {
        if (other.type == ObjectType::Hiding && box->interactable && flags.redCorridorActive)
            if (std::shared_ptr<Sprite> look = other.GetComponent<Sprite>())
                ShowTexture(*look, flags.isHiding ? "prop_cupboard_unlit_red_hide.png"
                                                  : "prop_cupboard_unlit_red.png");
    } else {
        inCupboardRange = other.name == "Cupboard";
    }

    if (other.type == ObjectType::Transition) {
        auto area = AreaTable.find(other.name);
        flags.currentArea = area != AreaTable.end() ? area->second : Area::EmptySpace;
    }

    if (!box->ghosted) SpokenLines(other, *box, dt);
    LiftContact(other);
}

int Player::UsableNow(GameObject& other) const {
    const GameFlagBlock& flags = GameFlags;
    const std::string& name = other.name;
    if (other.type == ObjectType::Lock && name == "DoorPadLock") return flags.doorUnlocked ? 0 : 1;
    if (other.type == ObjectType::Lock && name == "HouseKeys") {
        std::shared_ptr<Sprite> keys = other.GetComponent<Sprite>();
        if (!keys) return -1;
        return keys->transparency == 1.0f ? 1 : keys->transparency == 0.0f ? 0 : -1;
    }
    if (name == "Event013CreatureSpawn(Left)") return flags.phaseTwoFlag && flags.alternateWorld ? 1 : 0;
    if (name == "DialogueLiftButt" || name == "DialogueStairs" || name == "DialogueLadder") {
        std::shared_ptr<TextSprite> caption = other.GetComponent<TextSprite>();
        return caption && !caption->spent ? 1 : 0;
    }
    if (name == "Cupboard" && flags.creatureActive) {
        if (flags.currentLevel == 1) return flags.phaseTwoFlag ? 1 : 0;
        if (flags.currentLevel == 3) return flags.redCorridorActive ? 1 : 0;
    }
    if (other.type == ObjectType::LiftButton) return !flags.alternateWorld && !flags.blackoutStarted ? 1 : 0;
    if (name == "WrapExit") return flags.blackoutStarted ? 0 : 1;
    return -1;
}

void Player::SpokenLines(GameObject& other, BoxCollider& box, float dt) {
    GameFlagBlock& flags = GameFlags;
    const std::string& name = other.name;

    // Level one's lines wait for the second phase of its story.
    const SpokenLine* spoken = nullptr;
    if (flags.phaseTwoFlag && !flags.alternateWorld)
        spoken = FindLine(std::begin(wayHomeLines), std::end(wayHomeLines), name);
    else if (flags.phaseTwoFlag && flags.alternateWorld)
        spoken = FindLine(std::begin(alternateWorldLines), std::end(alternateWorldLines), name);
    if (!spoken) spoken = FindLine(std::begin(laterLines), std::end(laterLines), name);
    if (spoken && (!spoken->condition || flags.*(spoken->condition))) {
        if (spoken->line) Say(spoken->line);
        box.ghosted = true;
        return;
    }

    if (name == "DialogueJump" && flags.phaseTwoFlag && !flags.alternateWorld && flags.buildingCollapse) {
        dialogueDelay += dt;
        if (dialogueDelay < 1.0f) {
            Say("The building is coming apart!");
            flags.inputLocked = true;
        } else if (dialogueDelay > 2.0f && dialogueDelay < 3.0f) {
            Say("I must move before it comes back.");
        } else if (dialogueDelay > 5.0f) {
            flags.inputLocked = false;
            box.ghosted = true;
            dialogueDelay = 2.0f;
        }
    } else if (name == "RoofTopEnd" && !flags.rooftopDone) {
        flags.inVent = false;
        if (std::shared_ptr<Transform> spot = other.GetComponent<Transform>())
            body->SetPosition(spot->position.x, spot->position.y, transform->position.z);
        flags.inputLocked = false;
        body->useGravity = true;
        if (std::shared_ptr<BoxCollider> roof = FindComponent<BoxCollider>("RooftopFloor"))
            roof->ghosted = false;
        flags.rooftopDone = true;
    } else if (name == "Dialogue_ManFlashEnd01" && !flags.oldManMaterialized) {
        if (sceneTimer == 0.0f) flags.inputLocked = true;
        sceneTimer += dt;
        if (sceneTimer > 2.0f && sceneTimer <= 2.5f) {
            Say("Wait...");
            flags.playerState = PlayerMoveRight;
            MoveRight();
        } else if (sceneTimer >= 5.0f && sceneTimer < 8.0f) {
            Say("Dad?");
        } else if (sceneTimer > 8.0f) {
            Say("What has it done to you?");
            box.ghosted = true;
            sceneTimer = 0.0f;
            flags.inputLocked = false;
        }
    } else if (name == "WindowEnd" && flags.lightSwitchUse) {
        // Not used up: the window stays the level's way out.
        Say("I can get out through the window.");
    }
}

void Player::LiftContact(GameObject& other) {
    GameFlagBlock& flags = GameFlags;
    if (!flags.liftDoorsOpen || flags.playerState == PlayerJump || other.type != ObjectType::Lift) return;
    std::shared_ptr<Lift> lift = other.GetComponent<Lift>();
    Framework::InputSystem* input = Framework::inputSystem.get();
    if (!lift || !input) return;
    if (!flags.playerInLift && input->IsActionDown("ACTION_ENTERLIFT")) {
        flags.playerState = PlayerIdle;
        lift->Use();
    } else if (flags.playerInLift && input->IsActionDown("ACTION_EXITLIFT")) {
        lift->Use();
        if (std::shared_ptr<Sprite> cat = ComponentOf<Sprite>(catObject))
            if (flags.phaseTwoFlag) cat->transparency = 1.0f;
    }
}

void Player::InteractionPrompt(float dt) {
    GameFlagBlock& flags = GameFlags;
    // The remembered object is let go once the player has walked off it.
    if (interactableObject &&
        !CollisionIntersection(*owner, *interactableObject, vec3{0.0f, 0.0f, 0.0f}, dt)) {
        nearInteractable = false;
        interactTarget.clear();
    }
    std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(interactableObject);
    std::shared_ptr<Transform> place = ComponentOf<Transform>(interactableObject);
    if (nearInteractable && box && box->interactable && place) {
        flags.promptRequested = true;
        flags.promptPosition.x = place->position.x;
        if (!flags.promptPlaced) {
            flags.promptPosition.y = place->position.y + promptHeight;
            flags.promptPlaced = true;
        }
    } else {
        flags.promptRequested = false;
        flags.promptPlaced = false;
    }
}

void Player::CupboardLooks() {
    GameFlagBlock& flags = GameFlags;
    if (flags.currentLevel != 1 || !inCupboardRange || !flags.phaseTwoFlag) return;
    std::shared_ptr<BoxCollider> box = ComponentOf<BoxCollider>(cupboardObject);
    std::shared_ptr<Sprite> look = ComponentOf<Sprite>(cupboardObject);
    if (!box || !box->interactable || !look) return;
    if (!flags.cupboardHideReady && !flags.isHiding) {
        ShowTexture(*look, "prop_cupboard_unlit.png");
    } else if (flags.cupboardHideReady && flags.isHiding) {
        ShowTexture(*look, "prop_cupboard_unlit_hide.png");
        SetWeather(false);
    }
}
