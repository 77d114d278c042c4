#pragma once

#include <cstdint>

// Rooms, as GameFlags.currentArea holds them. The player's area boxes (object type Transition) are
// named "T_" and the room ("T_BEDROOM"); the numbers are shared by all three levels, so a level
// uses only some of them.
namespace Area {
enum : int32_t {
    EmptySpace = 0,
    Bedroom = 1,
    Floor12 = 2, // level 1: the corridor
    Floor1 = 3,  // level 1: the void deck
    Floor11 = 4,
    Kitchen = 5, // level 2: the flooded flat
    Outside = 6,
    UnlitBedroom = 7,
    DeathBed = 8,
    ShaftFloor12 = 9,
    Container = 10,
    Final = 11,
};
} // namespace Area

// The light the player is drawn in, as GameFlags.lightingZone holds it (0 to 10): it picks the
// player's sheets and is written from the room-effects table.
namespace LightingZone {
enum : int32_t {
    Bedroom = 0,
    Corridor = 1,
    VoidDeck = 2,
    Jungle = 3,
    FloodedRooms = 4,
    Outside = 5,
    UnlitBedroom = 6,
    DeathBed = 7,
    Shaft = 8,
    Container = 9,
    Final = 10,
};
} // namespace LightingZone
