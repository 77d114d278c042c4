#pragma once

#include <cstdint>

// Hints the level gives a player who is stuck. After a respawn outside (level 2) the player is left
// a few seconds, then lightning shows the back corridor a few times and the player says where the
// way across is, over and over until the vent is reached or the player dies.
class LevelHints {
public:
    void Start();
    // dt: seconds; level: the level being played.
    void Update(float dt, int32_t level);

    float hintTimer = 0.0f;  // seconds since the respawn hint was asked for
    int32_t flashCount = 0;  // lightning flashes still to come
    float flashTimer = 0.0f; // counted in frames of 1/60 s since the last flash
    float restTimer = 0.0f;  // seconds since the last flash of a round
    int32_t linesSaid = 0;

private:
    void BackCorridor();
    void StopBackCorridor();
};
