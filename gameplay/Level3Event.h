#pragma once

#include <memory>
#include <string>

#include "gameplay/EventControllerBase.h"
#include "objects/Component.h"
#include "objects/Math.h"

// Level three's script: the corridor whose lights fail to red, the creature's return in a corridor
// that has no end, the lift and the ladder up its shaft, the rooftop chase in the storm, the old man
// in the container, the light bulb, dawn, and the calendar that ends the game.
class Level3Event : public EventControllerBase, public Component {
public:
    Level3Event() : Component(ComponentType::Level3Event) {}

    // Looks up the objects the story drives (any may be missing) and starts the creature's and the
    // finale's loops paused.
    void Initialize() override;
    // dt: seconds. Nothing while the game is paused.
    void Update(float dt) override;
    void Inspector(int objectId) override;

    // Armed by an interaction, fired by standing in the matching trigger.
    bool redCorridorArmed = false, liftDoorArmed = false, ladderArmed = false, calendarArmed = false;
    bool liftDoorOpened = false;

    // The red flicker: running, seconds since it started, flickers so far and the flicker clock.
    LightFlicker flicker; // the corridor's lights failing to red

    // The climb up the shaft and what the roof does once the player is up.
    float rooftopTimer = 0.0f;
    float climbCameraY = 0.0f;
    bool climbFinished = false;
    float lightningTimer = 0.0f;
    int32_t thunderPlayed = 0;
    bool chaseStarted = false;
    bool oldManShown = false;

    // The bulb's storm, the finale music, the walk into the dawn and the ending at the calendar.
    float rainTimer = 0.0f;
    float finaleVolume = 0.0f;
    float finalFadeTimer = 0.0f;
    float endingTimer = 0.0f;
    bool walkLeft = false, atCalendar = false, calendarTorn = false, endThunder = false;

protected:
    void OnInteract(GameObject& object) override;
    void ApplyEventEffects(float dt) override;
    void UpdateSequences(float dt) override;

private:
    void StartClimb(GameObject& ladder);
    void RooftopClimb(float dt);
    void RooftopLightning(float dt);
    void RooftopRainAndFinale(float dt);
    void FinalWalk(float dt);
    void OpenLadder();
    void EventWeather();
    void OldManScenes(float dt);
    void Ending(float dt);
    void ClearStory();
    void TintCorridor(vec3 tint);
    void Say(const std::string& line);

    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> dialogue;
};
