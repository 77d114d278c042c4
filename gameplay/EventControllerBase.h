#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class GameObject;

// Lights stuttering before they fail: from 0.6 s into the sequence they switch every 0.2 s divided by
// the switches so far, faster and faster.
struct LightFlicker {
    bool running = false;
    bool lit = true;    // what the lights show now
    float time = 0.0f;  // seconds since the start
    float clock = 0.0f; // seconds since the last switch
    int32_t count = 1;  // switches so far, plus one

    void Start() {
        *this = LightFlicker{};
        running = true;
    }
    // Advances the sequence by dt seconds; true on a frame on which the lights switch.
    bool Step(float dt);
};

// The frame every level's script shares: which story trigger the player stands in, "ACTION_INTERACT"
// on the interactable object the player touches, the one-shot effects of the current story event,
// and the timed scenes. A level's controller is a component that derives from this and fills in the
// level's own answers.
class EventControllerBase {
public:
    virtual ~EventControllerBase() = default;

    // Story trigger name -> event id, as the level's event table lists them.
    using EventTable = std::vector<std::pair<const char*, int32_t>>;

    int32_t currentEvent = 0;      // 0 while the player stands in no story trigger
    std::string interactionTarget; // the object the last interaction was with, while touched

protected:
    // The children of `controller` are the story triggers: the first one the player overlaps (and
    // that is not a ghost) gives currentEvent its id; an unknown name leaves it as it was.
    void DetectEvent(GameObject& controller, GameObject& player, const EventTable& table);
    // Runs OnInteract for the touched, solid interactable on which "ACTION_INTERACT" is pressed while
    // the input is free.
    void HandleInteraction(GameObject& player, float dt);
    virtual void OnInteract(GameObject& object) = 0;
    // A caption read on "ACTION_INTERACT" shows on "Dialogue": once, unless it repeats.
    static void ReadCaption(GameObject& object);
    // The effects of currentEvent, each run once as the level's table says. dt: seconds.
    virtual void ApplyEventEffects(float dt) = 0;
    // The timed scenes started by events or interactions. dt: seconds.
    virtual void UpdateSequences(float dt) = 0;
};
