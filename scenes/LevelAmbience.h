#pragma once

#include <cstdint>

// A level's sound bed and room effects. At the start every ambience loop begins silently, and the
// cues the story uses later begin paused, so that the level only ever mixes, resumes and pauses:
// walking into another room changes what is heard at once and never restarts a loop. Every frame
// the room the player is in (GameFlags.currentArea) picks its row of the room table: which loops
// are audible, the light the player is drawn in (GameFlags.lightingZone) and the room's cues and
// particles.
class LevelAmbience {
public:
    enum class Mix : int32_t { Unchanged, OutdoorDeck, Indoor, Jungle, Corridor, FloodedRooms };

    // Starts the loops and the paused cues of `level`.
    void Start(int32_t level);
    // Applies the current room's row. dt: seconds.
    void Update(int32_t level, float dt);

    Mix audibleMix = Mix::Unchanged; // the mix the loops were last set to
    int32_t previousArea = -1;       // the room of the previous frame; -1 before the first
};
