#!/usr/bin/env python3
"""Writes Level2.txt in the exact form the game's level writer produces.

Usage: content/levels/make_level2.py Resources/Level/Level2.txt
Level two is the flat one floor below the player's home, flooded in the storm: the kitchen where the
tap still runs, the living room where something waits as a vase, the bedroom whose window opens onto
the ledge outside, the vent to the lift shaft, and at the top of the shaft the player's own home."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art"))
from leveldata import obj, trigger, area, pause_menu, write, PLAYER_W, PLAYER_H, ROOM_W, ROOM_H, KEY, \
    RAIN_START, RAIN_END, Z_PROMPT, standing_to_floor_top, room_centre_y  # noqa: E402
from interactables import GATE_W, GATE_H  # noqa: E402
from level2 import TAP_SPOUT, SHAFT_W, SHAFT_H, VASE_CELLS  # noqa: E402

# Depth layers (drawn from low to high z).
Z_SKY, Z_OUTSIDE_RAIN, Z_ROOM, Z_SLAB, Z_WALL = -90, -70, -60, -58, -50
Z_PROP, Z_PLAYER, Z_WATER, Z_FRONT, Z_FADE, Z_BLACK = -10, 0, 5, 10, 78, 80
CEILING_DARK = (0.07, 0.08, 0.11)

# ---- Heights: each place stands at its own height, joined by wraps.
F11_STAND = 31.0                       # the flooded flat on floor 11
F11_TOP = standing_to_floor_top(F11_STAND)
F11_ROOM_Y = room_centre_y(F11_TOP)
OUT_STAND = -700.0                     # the ledge outside its bedroom window
OUT_TOP = standing_to_floor_top(OUT_STAND)
VENT_STAND = 1700.0                    # the duct, and the bottom of the lift shaft
VENT_TOP = standing_to_floor_top(VENT_STAND)
F12_STAND = VENT_STAND + 640.0         # the top of the shaft and the home on floor 12
F12_TOP = standing_to_floor_top(F12_STAND)
F12_ROOM_Y = room_centre_y(F12_TOP)
CORRIDOR_STAND = -1700.0               # floor 11's corridor, outside the flat's front door
CORRIDOR_TOP = standing_to_floor_top(CORRIDOR_STAND)
DB_STAND = -3700.0                     # the death bed
DB_TOP = standing_to_floor_top(DB_STAND)

BEDROOM_X, LIVING_X, KITCHEN_X = -3200.0, -2000.0, -800.0
FLAT_LEFT, FLAT_RIGHT = BEDROOM_X - ROOM_W / 2, KITCHEN_X + ROOM_W / 2
START_X = -700.0

obj("Camera", 6).transform(START_X, F11_STAND, 0, 2, 2).box(1920, 1080)


def floor(name, left, right, top):
    obj(name, 0).transform((left + right) / 2, top - 100, 0, right - left, 200).body().box()


def wall(name, x, top):
    obj(name, 9).transform(x, top + 300, 0, 40, 600).body().box()


def wrap(name, x, standing, interactable=True, ghost=False, add=True, w=60.0):
    return obj(name, 11).transform(x, standing, 0, w, PLAYER_H).body().box(
        interactable=interactable, add=add, ghost=ghost).behaviour("WrapPos")


def mark(name, x, standing):
    obj(name, 4).transform(x, standing, 0)


def slab(name, x, w, top):
    obj(name, 4).transform(x, top - 60 - 45, Z_SLAB, w, 90).sprite("floor_slab.png", tint=(0.6, 0.64, 0.72))


def caption(name, x, standing, line, w=40):
    obj(name, 4).transform(x, standing, 0, w, PLAYER_H).body().box().text(line)


# ---- Floor 11: the flooded flat. The bedroom, the living room and the kitchen side by side; the
# kitchen's door to the living room is a wrap, the bedroom's door is forced open.
obj("UnlitBedroom", 4).transform(BEDROOM_X, F11_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite(
    "bedroom_flooded_lit.png", "bedroom_flooded_unlit.png")
obj("FloodedLivingRoom", 4).transform(LIVING_X, F11_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite(
    "livingroom_flooded.png", "livingroom_flooded_lit.png")
obj("FloodedKitchen", 4).transform(KITCHEN_X, F11_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite("kitchen_flooded.png")
obj("FloodedKitchenLitFull", 4).transform(KITCHEN_X, F11_ROOM_Y, Z_ROOM + 1, ROOM_W, ROOM_H).sprite(
    "kitchen_flooded_lit.png", alpha=0.0)
slab("Floor11Slab", (FLAT_LEFT + FLAT_RIGHT) / 2, FLAT_RIGHT - FLAT_LEFT + 400, F11_TOP + 60)
ceiling = F11_ROOM_Y + ROOM_H / 2
obj("Floor11Ceiling", 4).transform((FLAT_LEFT + FLAT_RIGHT) / 2, ceiling + 150, Z_SLAB, FLAT_RIGHT - FLAT_LEFT + 400,
                                   300).sprite("white.png", tint=CEILING_DARK)
for name, x in [("Floor11EndWallLeft", FLAT_LEFT - 400), ("Floor11EndWallRight", FLAT_RIGHT + 400)]:
    obj(name, 4).transform(x, F11_ROOM_Y, Z_WALL, 800, ROOM_H).sprite("end_wall.png", tint=(0.45, 0.5, 0.6))
floor("Floor11", FLAT_LEFT, FLAT_RIGHT, F11_TOP)
wall("Floor11WallLeft", FLAT_LEFT - 20, F11_TOP)
wall("Floor11WallRight", FLAT_RIGHT + 20, F11_TOP)
wall("KitchenWall", KITCHEN_X - ROOM_W / 2, F11_TOP)

# The water over the whole flat: it slows the player down until the tap is off and it has drained.
FLOOD_W, FLOOD_H = FLAT_RIGHT - FLAT_LEFT, 200.0
flood_y = F11_TOP + 40 - FLOOD_H / 2  # the surface stands 40 units over the floor
assert flood_y > -130 and flood_y - 40 <= -130 + 1, "the flood drains to -130, just under the floor"
obj("Flooded", 16).transform((FLAT_LEFT + FLAT_RIGHT) / 2, flood_y, Z_WATER, FLOOD_W, FLOOD_H).sprite(
    "flood_rooms.png").body().box(1.0, 1.0).behaviour("WaterDrag")

# The kitchen: the tap left running over the sink, and the switch by the door.
TAP_X = KITCHEN_X - ROOM_W / 2 + TAP_SPOUT[0]
trigger("KitchenLight", 8, KITCHEN_X - ROOM_W / 2 + 150, F11_STAND, 60, 120, "FloodedKitchen", add=True,
        interactable=True).behaviour("LightSwitch")
obj("WaterTapParticles", 4).transform(TAP_X, F11_ROOM_Y + ROOM_H / 2 - TAP_SPOUT[1] - 20, Z_PROP + 1, 8, 6).particles(
    tex="raindrop.png", vel=(0, -4), size=(2.5, 12), start=(0.75, 0.85, 0.95), end=(0.55, 0.65, 0.8), rate=2,
    maxcount=60, velvar=0.3, alpha=0.8, endalpha=0.2, life=0.5, shape=1)
wrap("KitchenToRoom", KITCHEN_X - ROOM_W / 2 + 60, F11_STAND)

# The living room: the vase that listens, the lamp that the kitchen's switch powers (it hangs from
# the living-room ceiling; the switch finds it as a child of the kitchen), the cupboard, the front
# door and the bedroom door that the water has swollen shut.
wrap("RoomToKitchen", LIVING_X + ROOM_W / 2 - 60, F11_STAND)
obj("Lamp", 4, "FloodedKitchen").transform(LIVING_X + 250, F11_ROOM_Y, Z_PROP - 2, 80, ROOM_H).sprite(
    "lamp_hanging.png", "lamp_hanging.png", cols=3).body().box(0.6, 0.6, add=True)
VASE_X = LIVING_X - 250
obj("Echo", 4).transform(VASE_X, F11_TOP + 45, Z_PROP, 60, 90).sprite(
    "echo_vase.png", cols=VASE_CELLS, delay=8.0, count=1).body().box(2.5, 1.4).listener()
obj("Cupboard", 2).transform(LIVING_X + 30, F11_TOP + 85, Z_PLAYER + 1, 110, 170).sprite(
    "prop_cupboard_unlit.png").body().box(0.8, 1.0, interactable=True, add=True)
wrap("LivingroomToFloor11", LIVING_X + 400, F11_STAND)
DOOR_X = LIVING_X - ROOM_W / 2
obj("FloodedLivingRoomDoor", 4).transform(DOOR_X, F11_TOP + 120, Z_WALL + 1, 44, 240).sprite(
    "door_swollen.png", "door_swollen_open.png")
obj("DoorToRoom", 4).transform(DOOR_X + 40, F11_STAND, 0, 120, PLAYER_H).body().box(add=True)
obj("LivingRoomDoorBlocker", 9).transform(DOOR_X, F11_TOP + 300, 0, 40, 600).body().box()
caption("DialogueDoor", DOOR_X + 120, F11_STAND, "The door's stuck. I'd have to put my weight into it.")
mark("Level2SpawnPos", DOOR_X + 140, F11_TOP + 113)

# The bedroom: its lamp on, and the window behind it onto the ledge outside, which only shows once
# the light is off.
trigger("UnlitBedroomSwitch", 8, DOOR_X - 120, F11_STAND, 60, 120, "UnlitBedroom", add=True,
        interactable=True).behaviour("LightSwitch")
wrap("RoomToOutside", FLAT_LEFT + 230, F11_STAND, interactable=False)
caption("DialogueBedroomWindow", FLAT_LEFT + 360, F11_STAND, "The window's open. Where does it lead?")

# ---- Floor 11's corridor, outside the flat's front door: the stairs are under water.
obj("Floor11Corridor", 4).transform(LIVING_X, room_centre_y(CORRIDOR_TOP), Z_ROOM, ROOM_W, ROOM_H).sprite(
    "corridor_unlit.png", tint=(0.7, 0.75, 0.85))
floor("Floor11CorridorFloor", LIVING_X - ROOM_W / 2, LIVING_X + ROOM_W / 2, CORRIDOR_TOP)
wall("CorridorWallLeft", LIVING_X - ROOM_W / 2 - 20, CORRIDOR_TOP)
wall("CorridorWallRight", LIVING_X + ROOM_W / 2 + 20, CORRIDOR_TOP)
slab("CorridorSlab", LIVING_X, ROOM_W + 400, CORRIDOR_TOP + 60)
wrap("Floor11ToLivingroom", LIVING_X - 300, CORRIDOR_STAND)
caption("DialogueFloodedStairs", LIVING_X + 420, CORRIDOR_STAND, "The stairs are under water. No way down.")

# ---- Outside: the ledge along the back of the block in the storm. Its planked gap gives way when
# the lightning comes; the air-conditioner under it is the way across to the vent.
LEDGE_X = -2800.0
obj("OutsideSky", 4).transform(LEDGE_X, OUT_STAND + 150, Z_SKY, 4000, 1800).sprite("white.png", tint=(0.03, 0.045, 0.08))
obj("BackCorridor", 4).transform(LEDGE_X, OUT_TOP + 230, Z_ROOM, 2400, 700).sprite(
    "back_corridor.png", tint=(0.4, 0.4, 0.4))
obj("StormRain", 4, "Camera").transform(START_X, F11_STAND, Z_OUTSIDE_RAIN, 2000, 800).particles(
    vel=(-1.2, -9), size=(1.4, 16), start=RAIN_START, end=RAIN_END, rate=6, maxcount=900, velvar=1.0,
    alpha=0.55, endalpha=0.0, life=0.9, shape=1)
GAP_L, GAP_R = -3200.0, -2720.0  # too wide to jump in one: the air-conditioner is the step between
floor("OutsideLedgeNear", LEDGE_X - 1200, GAP_L, OUT_TOP)
floor("OutsideLedgeFar", GAP_R, LEDGE_X + 1200, OUT_TOP)
wall("OutsideWallLeft", LEDGE_X - 1200 - 20, OUT_TOP)
wall("OutsideWallRight", LEDGE_X + 1200 + 20, OUT_TOP)
obj("OutsideLightingFloor", 0).transform((GAP_L + GAP_R) / 2, OUT_TOP - 10, Z_PROP, GAP_R - GAP_L + 20, 20).sprite(
    "ledge_planks.png").body().box()
obj("OutsideAirconUnit", 0).transform((GAP_L + GAP_R) / 2, OUT_TOP - 45, Z_PROP + 1, 110, 90).sprite(
    "aircon_unit.png").body().box(ghost=True)
obj("DeathCollider", 4).transform((GAP_L + GAP_R) / 2, OUT_TOP - 400, 0, GAP_R - GAP_L, 100).body().box()
wrap("OutsideToRoom", LEDGE_X - 1000, OUT_STAND)
wrap("OutsideToVent", LEDGE_X + 700, OUT_STAND)
obj("RainParticles", 4).transform(LEDGE_X, OUT_STAND + 250, Z_FRONT, 2600, 360).particles(
    vel=(-1.0, -8), size=(1.2, 14), start=RAIN_START, end=RAIN_END, rate=3, maxcount=400, velvar=1.0,
    alpha=0.3, endalpha=0.0, life=0.8, shape=1)
obj("MistParticles", 4).transform(LEDGE_X, OUT_STAND - 300, Z_FRONT + 1, 2600, 120).particles(
    vel=(-0.3, 0.05), size=(90, 40), grow=(20, 6), start=(0.55, 0.62, 0.72), end=(0.45, 0.52, 0.62), rate=1,
    maxcount=120, scalevar=20.0, alpha=0.10, endalpha=0.0, life=2.5, shape=1)

# ---- The vent: a duct to crawl along from the ledge to the bottom of the lift shaft.
VENT_X = 0.0
# Inside the walls the storm is neither seen nor heard: a dark backdrop behind the duct, the shaft and
# the home keeps the rain behind it out of sight.
obj("IndoorBackdrop", 4).transform(2000, (VENT_TOP + F12_TOP) / 2 + 150, Z_OUTSIDE_RAIN + 5, 6000, 3200).sprite(
    "white.png", tint=(0.02, 0.025, 0.035))
obj("Vents", 4).transform(VENT_X, room_centre_y(VENT_TOP), Z_ROOM, ROOM_W, ROOM_H).sprite("vent_duct.png")

wall("VentWallLeft", VENT_X - ROOM_W / 2 + 60, VENT_TOP)
mark("VentWrap", VENT_X - ROOM_W / 2 + 160, VENT_STAND)
wrap("VentToShaft", VENT_X + ROOM_W / 2 - 60, VENT_STAND, interactable=False, add=False)

# ---- The lift shaft from floor 11 up to floor 12, and its ladder.
SHAFT_X = 950.0
shaft_bottom = VENT_TOP - 60
obj("ElevatorShaftOverlay", 4).transform(SHAFT_X, shaft_bottom + SHAFT_H / 2, Z_ROOM, SHAFT_W, SHAFT_H).sprite(
    "shaft_ladder.png")
floor("VentFloor", VENT_X - ROOM_W / 2, SHAFT_X + SHAFT_W / 2, VENT_TOP)
mark("ShaftEnd", SHAFT_X - 60, VENT_STAND)
wall("ShaftWallRight", SHAFT_X + SHAFT_W / 2, VENT_TOP)
floor("ShaftFloor12", SHAFT_X - SHAFT_W / 2, SHAFT_X + SHAFT_W / 2, F12_TOP)
wrap("ShaftToFloor12Vent", SHAFT_X - 70, F12_STAND, interactable=False, ghost=True)
wall("ShaftTopWallLeft", SHAFT_X - SHAFT_W / 2 - 20, F12_TOP)
wall("ShaftTopWallRight", SHAFT_X + SHAFT_W / 2 + 20, F12_TOP)

# ---- Floor 12: home. The mother's bedroom, where the spare bulb is, and the living room.
MOTHER_X, HOME_X = 2600.0, 3800.0
obj("MotherBedroom", 4).transform(MOTHER_X, F12_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite("bedroom_mother.png")
# Its light is on when the player gets home; its switch turns it off.
obj("Livingroom", 4).transform(HOME_X, F12_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite(
    "livingroom_lit.png", "livingroom_unlit.png")
obj("FrontGate", 4).transform(HOME_X + ROOM_W / 2, F12_TOP + GATE_H / 2, Z_WALL + 1, GATE_W, GATE_H).sprite(
    "front_gate.png")
slab("Floor12Slab", (MOTHER_X + HOME_X) / 2, 2 * ROOM_W + 400, F12_TOP + 60)
obj("MotherBedroomFloor", 0).transform(MOTHER_X, F12_TOP - 100, 0, ROOM_W, 200).body().box()
floor("Floor12", HOME_X - ROOM_W / 2, HOME_X + ROOM_W / 2, F12_TOP)
wall("MotherBedroomWallLeft", MOTHER_X - ROOM_W / 2 - 20, F12_TOP)
wall("MotherBedroomWallRight", MOTHER_X + ROOM_W / 2, F12_TOP)
wall("HomeWallRight", HOME_X + ROOM_W / 2 + 20, F12_TOP)
mark("MotherBedroomEnd", MOTHER_X - ROOM_W / 2 + 140, F12_STAND)
obj("LightBulb", 4).transform(MOTHER_X + 330, F12_TOP + 104, Z_PROP + 1, 16, 24).sprite("light_bulb.png")
wrap("MotherBedroomToLivingRoom", MOTHER_X + ROOM_W / 2 - 60, F12_STAND, interactable=False)
mark("LivingroomEnd", HOME_X - ROOM_W / 2 + 140, F12_STAND)
trigger("LivingroomSwitch", 8, HOME_X - ROOM_W / 2 + 176, F12_STAND, 60, 120, "Livingroom", add=True,
        interactable=True).behaviour("LightSwitch")

# ---- The death bed, with its door back to where the player was caught.
obj("Deathbed", 4).transform(0, room_centre_y(DB_TOP), Z_ROOM, ROOM_W, ROOM_H).sprite("deathbed_unlit.png",
                                                                                       "deathbed_lit.png")
floor("DeathbedFloor", -ROOM_W / 2, ROOM_W / 2, DB_TOP)
wall("DeathbedWallLeft", -ROOM_W / 2 - 20, DB_TOP)
wall("DeathbedWallRight", ROOM_W / 2 + 20, DB_TOP)
mark("DeathSpawnPos", -200, DB_STAND)
wrap("DeathbedToXX", ROOM_W / 2 - 120, DB_STAND)

# ---- The story: its trigger boxes are the controller's children.
obj("EventController", 4).transform(0, 0, 0).behaviour("Level2Event")


def story_trigger(name, x, standing, w=40, add=False):
    return trigger(name, 7, x, standing, w, PLAYER_H, parent="EventController", add=add, interactable=add)


story_trigger("Event01PanToEnemy", START_X, F11_STAND, 200)
story_trigger("Event02TurnOffTap", TAP_X, F11_STAND, 60, add=True)
story_trigger("Event03PanToVent", LEDGE_X - 820, OUT_STAND, 60)
story_trigger("Event04ClimbUp", SHAFT_X, VENT_STAND, 60, add=True)
story_trigger("Event04ClimbEnd", SHAFT_X, F12_STAND, 60)
story_trigger("Event05PickUpLightBulb", MOTHER_X + 330, F12_STAND, 60, add=True)
story_trigger("Event06ExitHouse", HOME_X + ROOM_W / 2 - 110, F12_STAND, 60, add=True)

# ---- Areas: the room the player is in picks its sound mix and light.
area("T_KITCHEN", DOOR_X + 40, FLAT_RIGHT, F11_STAND)
area("T_UNLITBEDROOM", FLAT_LEFT, DOOR_X - 40, F11_STAND)
area("T_FLOOR11", LIVING_X - ROOM_W / 2, LIVING_X + ROOM_W / 2, CORRIDOR_STAND)
area("T_OUTSIDE", LEDGE_X - 1200, LEDGE_X + 1200, OUT_STAND)
area("T_SHAFTFLOOR12", VENT_X - ROOM_W / 2, HOME_X + ROOM_W / 2, VENT_STAND)
area("T_SHAFTFLOOR12", SHAFT_X - 400, HOME_X + ROOM_W / 2, F12_STAND)
area("T_DEATHBED", -ROOM_W / 2, ROOM_W / 2, DB_STAND)

# ---- The creature: unseen until the vase calls it.
CREATURE_W, CREATURE_H = 184.0, 226.0
obj("Creature", 5).transform(DOOR_X + 140, F11_TOP + CREATURE_H / 2, Z_PLAYER + 0.5, CREATURE_W, CREATURE_H).sprite(
    "creature_walk.png", alpha=0.0, cols=30, delay=30.0, animate=True).body().box(0.45, 0.9).behaviour("ScriptedEnemy")
obj("CreatureParticles", 4, "Creature").transform(DOOR_X + 140, F11_TOP + CREATURE_H / 2, Z_PLAYER + 0.6, 160,
                                                  200).particles(
    tex="creature_particle.png", vel=(0, 0.4), size=(26, 26), grow=(14, 14), start=(0.2, 0.1, 0.25),
    end=(0.05, 0.02, 0.08), rate=1, maxcount=80, scalevar=8.0, alpha=0.7, endalpha=0.0, life=1.2, shape=1, play=False)

# ---- The player, the line of text that follows them, and their splashes in the water.
obj("Player", 3).transform(START_X, F11_STAND, Z_PLAYER, PLAYER_W, PLAYER_H).body(8.0, True).box(
    0.4, 1.0).sprite("player_idle_unlit.png", cols=30, delay=60.0, animate=True).player()
obj("Dialogue", 15, "Player").transform(START_X, F11_STAND, 20).text(
    "...", pos=(-70, 78, 0), color=(0.92, 0.94, 1.0), scale=0.3, alpha=0.0)
obj("KeyboardPromptE", 12, "Player").transform(START_X, F11_STAND, Z_PROMPT, *KEY).sprite("key_e.png", alpha=0.0)
obj("PlayerSplashParticles", 4, "Player").transform(START_X, F11_TOP + 4, Z_WATER + 1, 40, 4).particles(
    tex="splash.png", vel=(0, 0.3), size=(12, 6), grow=(10, 3), start=(0.7, 0.78, 0.9), end=(0.5, 0.58, 0.7),
    rate=1, maxcount=30, scalevar=3.0, alpha=0.5, endalpha=0.0, life=0.35, shape=1, play=False)
obj("KeyboardPrompts", 4).transform(0, 0, 0).behaviour("KeyboardPrompt")

# ---- Fades.
obj("FadeInAndOut", 12).transform(-1000, -1000, Z_FADE, 20000, 20000).sprite("black.png", "white.png", alpha=0.0)
obj("Black", 12).transform(-1000, -1000, Z_BLACK, 20000, 20000).sprite("black.png")

pause_menu()
write("Level2", sys.argv[1])
