#include "gameplay/EventControllerBase.h"

#include "gameplay/GameFlags.h"
#include "graphics/TextSprite.h"
#include "input/InputSystem.h"
#include "objects/GameObject.h"
#include "physics/BoxCollider.h"
#include "physics/Collision.h"

namespace {

constexpr float flickerStart = 0.6f;  // seconds into the sequence
constexpr float flickerPeriod = 0.2f; // divided by the switches so far

bool Touches(GameObject& object, GameObject& player, float dt) {
    std::shared_ptr<BoxCollider> box = object.GetComponent<BoxCollider>();
    return box && !box->ghosted && CollisionIntersection(object, player, vec3{0.0f, 0.0f, 0.0f}, dt);
}

} // namespace

void EventControllerBase::DetectEvent(GameObject& controller, GameObject& player, const EventTable& table) {
    // Copied: a story step may re-parent a trigger.
    const std::vector<std::shared_ptr<GameObject>> triggers = controller.children;
    for (const std::shared_ptr<GameObject>& trigger : triggers) {
        if (!trigger || !Touches(*trigger, player, 0.0f)) {
            currentEvent = 0;
            continue;
        }
        for (const auto& [name, id] : table)
            if (trigger->name == name) currentEvent = id;
        return;
    }
}

void EventControllerBase::HandleInteraction(GameObject& player, float dt) {
    Framework::InputSystem* input = Framework::inputSystem.get();
    // Copied: a handler may change the store.
    const std::vector<std::shared_ptr<GameObject>> interactables = InteractableObjects;
    for (const std::shared_ptr<GameObject>& object : interactables) {
        if (!object || !Touches(*object, player, dt)) {
            if (object && object->name == interactionTarget) interactionTarget.clear();
            continue;
        }
        // Asked last: the press is used up only when it acts on something.
        if (GameFlags.inputLocked || !input || !input->IsActionTriggered("ACTION_INTERACT")) continue;
        interactionTarget = object->name;
        OnInteract(*object);
    }
}

void EventControllerBase::ReadCaption(GameObject& object) {
    std::shared_ptr<TextSprite> caption = object.GetComponent<TextSprite>();
    if (!caption || !caption->onlyOnInteract || (!caption->repeatOnCollision && caption->spent)) return;
    Say("Dialogue", caption->GetText());
    if (!caption->repeatOnCollision) caption->spent = true;
}

bool LightFlicker::Step(float dt) {
    time += dt;
    if (time < flickerStart) return false;
    clock += dt;
    if (clock < flickerPeriod / static_cast<float>(count)) return false;
    clock = 0.0f;
    lit = !lit;
    ++count;
    return true;
}
