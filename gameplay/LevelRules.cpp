#include "gameplay/LevelRules.h"

#include "gameplay/Areas.h"

namespace {

const LevelRules levelRules[] = {
    // level name     start area    start zone                  next opening scroll thunder-in   outside tint
    {1, "Level1", Area::Bedroom, LightingZone::Bedroom, 2, true, true, Area::Bedroom, true, false},
    {2, "Level2", Area::Kitchen, LightingZone::FloodedRooms, 3, false, false, Area::DeathBed, false, false},
    {3, "Level3", Area::Bedroom, LightingZone::Corridor, 0, false, true, -1, false, true},
};

struct RespawnRow {
    int32_t level;
    int32_t lightingZone;
    const char* wrapTarget;
    bool whiteFade;
};

const RespawnRow respawnRows[] = {
    // Level 1 wakes the player in the corridor or out on the deck, whichever floor they were caught on.
    {1, LightingZone::Bedroom, "DeathbedReturn12", false},
    {1, LightingZone::Corridor, "DeathbedReturn12", false},
    {1, LightingZone::VoidDeck, "DeathbedReturn1", false},
    {1, LightingZone::Jungle, "DeathbedReturn1", false},
    {2, LightingZone::FloodedRooms, "LivingroomToFloor11", false},
    {2, LightingZone::Outside, "OutsideToRoom", false},
    // Caught in the bedroom next door: back to the living room, like anywhere else in the flat.
    {2, LightingZone::UnlitBedroom, "LivingroomToFloor11", false},
    {3, LightingZone::Outside, "RoofTopEnd", false},
    {3, LightingZone::Container, "RoofTopEnd", false},
    {3, LightingZone::Corridor, "Event04HideCorridor", true},
};

} // namespace

const LevelRules* FindLevelRules(int32_t level) {
    for (const LevelRules& rules : levelRules)
        if (rules.level == level) return &rules;
    return nullptr;
}

RespawnRule RespawnRuleFor(int32_t level, int32_t lightingZone) {
    for (const RespawnRow& row : respawnRows)
        if (row.level == level && row.lightingZone == lightingZone) return {row.wrapTarget, row.whiteFade};
    return {};
}
