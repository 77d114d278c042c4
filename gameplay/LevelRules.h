#pragma once

#include <cstdint>
#include <string>

// What differs between the three levels where the player and the level scene decide alike: one row
// per level instead of branches on the level number.
struct LevelRules {
    int32_t level;
    const char* name;          // "Level1": the level file "../Resources/Level/<name>.txt"
    int32_t startArea;         // GameFlags.currentArea when the level starts
    int32_t startLightingZone; // GameFlags.lightingZone when the player starts
    int32_t nextLevel;         // the level its exit hands over to; 0 when it has no exit of its own
    bool hasOpening;           // level 1 opens with the storm scene instead of a plain fade in
    bool scrollsBackground;    // the sky behind the player moves with them
    int32_t indoorThunderArea; // thunder in this area is heard from indoors; -1 for none
    bool outdoorThunder;       // elsewhere in the level thunder rolls outside
    bool respawnKeepsTint;     // a death remembers the fade's tint for the respawn
};

// The row of a level; empty for any number but 1 to 3.
const LevelRules* FindLevelRules(int32_t level);

// The wrap point a death in this level and lighting zone sends the player back to, and whether the
// fade turns white for it. Empty target: the level has no such rule and the death bed keeps the
// target it had.
struct RespawnRule {
    std::string wrapTarget;
    bool whiteFade = false;
};
RespawnRule RespawnRuleFor(int32_t level, int32_t lightingZone);
