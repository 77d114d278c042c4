#!/usr/bin/env python3
"""Writes Level1.txt in the exact form the game's level writer produces.

Usage: content/levels/make_level1.py Resources/Level/Level1.txt [player mass] [--without LightSwitch,Lift,...]
The output is committed; edit the layout here (or in the editor) and regenerate. `--without` leaves
the named components out (their objects stay), for a game build that does not know them yet."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art"))
from rooms import SWITCH_BEDROOM, SWITCH_LIVINGROOM, LIVINGROOM_PAD  # noqa: E402
from interactables import LOBBY_W, DOOR_W, DOOR_H, CALL_W, CALL_H, GATE_W, GATE_H, GATE_HASP_Y, FLOOD_W, FLOOD_H, \
    FLOOD_SURFACE  # noqa: E402

args = sys.argv[1:]
WITHOUT = set()
if "--without" in args:
    k = args.index("--without")
    WITHOUT = set(args[k + 1].split(","))
    del args[k:k + 2]

import levelfile  # noqa: E402
from levelfile import obj, child_y  # noqa: E402
levelfile.WITHOUT = WITHOUT

# ----------------------------------------------------------------------------------------------
# Layout. One world unit = one screen pixel at zoom 1; the level camera rests at zoom 2.
PLAYER_W, PLAYER_H = 80.0, 120.0
PLAYER_MASS = float(args[1]) if len(args) > 1 else 8.0
ROOM_W, ROOM_H = 1200.0, 600.0
FLOOR_IN_ART = 60.0  # the drawn floor surface sits this far above a room image's bottom edge


def standing_to_floor_top(standing):
    return standing - PLAYER_H / 2 - 1


def room_centre_y(floor_top):
    return floor_top - FLOOR_IN_ART + ROOM_H / 2


F12_STAND = -576.0
F12_TOP = standing_to_floor_top(F12_STAND)  # -637
F12_ROOM_Y = room_centre_y(F12_TOP)         # -397
F1_STAND = -2111.0
F1_TOP = standing_to_floor_top(F1_STAND)    # -2172
F1_ROOM_Y = room_centre_y(F1_TOP)
DB_STAND = -3700.0
DB_TOP = standing_to_floor_top(DB_STAND)
DB_ROOM_Y = room_centre_y(DB_TOP)

BEDROOM_X, LIVING_X = -3600.0, -2400.0
CORRIDOR_XS = [-1200.0, 0.0, 1200.0]
FLAT_LEFT, CORRIDOR_RIGHT = -4200.0, 1800.0
START_X = -3880.0

# Depth layers (drawn from low to high z).
Z_SKY, Z_SKYLINE, Z_OUTSIDE_RAIN, Z_ROOM, Z_SLAB, Z_WINDOW_RAIN, Z_WALL = -90, -80, -70, -60, -58, -55, -50
Z_PROP, Z_PLAYER, Z_FRONT, Z_FADE, Z_BLACK, Z_LIGHTNING, Z_OPENING_TEXT = -10, 0, 10, 78, 80, 85, 86

CEILING_DARK = (0.10, 0.11, 0.15)
SKY = (0.03, 0.045, 0.08)
RAIN_START, RAIN_END = (0.70, 0.78, 0.90), (0.55, 0.62, 0.78)

# ----------------------------------------------------------------------------------------------
obj("Camera", 6).transform(START_X, F12_STAND, 0, 2, 2).box(1920, 1080)


# Distant estate seen over the corridor parapet; moves with the parallax.
bg0 = -2808.0  # puts the skyline's middle behind the corridor's middle when the player walks there
bg_y = -360.0
obj("BackgroundGroup", 4).transform(bg0, bg_y, Z_SKYLINE, 2400, 700)
for i, name in enumerate(["CorridorBackground", "CorridorBackground(1)", "CorridorBackground(2)",
                          "CorridorBackground(3)", "CorridorBackground(4)"]):
    obj(name, 4, "BackgroundGroup").transform(bg0 + (i - 1) * 2400.0, bg_y, Z_SKYLINE, 2400, 700).sprite(
        "corridor_background.png")

# The storm outside: follows the camera, drawn behind the rooms, so it shows only where a room is
# open to the sky.
obj("StormRain", 4, "Camera").transform(START_X, F12_STAND, Z_OUTSIDE_RAIN, 2000, 800).particles(
    vel=(-1.2, -9), size=(1.4, 16), start=RAIN_START, end=RAIN_END, rate=6, maxcount=900, velvar=1.0,
    alpha=0.55, endalpha=0.0, life=0.9, shape=1)

# ---- Floor 12: the flat (bedroom, living room) and the open corridor outside it.
obj("Bedroom", 4).transform(BEDROOM_X, F12_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite("bedroom_lit.png",
                                                                                  "bedroom_unlit.png")
# Its image carries clear space under the floor (see art/rooms.py): the room's centre is the keys' height.
LIVING_Y = F12_ROOM_Y - LIVINGROOM_PAD / 2
obj("Livingroom", 4).transform(LIVING_X, LIVING_Y, Z_ROOM, ROOM_W, ROOM_H + LIVINGROOM_PAD).sprite(
    "livingroom_lit.png", "livingroom_unlit.png")
for i, x in enumerate(CORRIDOR_XS):
    name = "Corridor" if i == 0 else "Corridor(%d)" % i
    obj(name, 4).transform(x, F12_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite("corridor_lit.png", "corridor_unlit.png")

# Rain on the window panes of the flat.
def window_rain(name, left, right, top):
    obj(name, 4).transform((left + right) / 2, top, Z_WINDOW_RAIN, right - left, 1).particles(
        vel=(-0.6, -5.5), size=(1.2, 11), start=RAIN_START, end=RAIN_END, rate=1, maxcount=120, velvar=0.6,
        alpha=0.5, endalpha=0.0, life=0.55, shape=0)


bed_left = BEDROOM_X - ROOM_W / 2
window_rain("BedroomWindowRain", bed_left + 128, bed_left + 352, F12_ROOM_Y - ROOM_H / 2 + 486)
liv_left = LIVING_X - ROOM_W / 2
window_rain("LivingroomWindowRain", liv_left + 766, liv_left + 1054, F12_ROOM_Y - ROOM_H / 2 + 466)

# The concrete slab the floor stands on, and the dark void under it.
slab_top = F12_ROOM_Y - ROOM_H / 2
obj("Floor12Slab", 4).transform(-1200, slab_top - 45, Z_SLAB, 7400, 90).sprite("floor_slab.png")
obj("Floor12Underside", 4).transform(-1200, slab_top - 90 - 300, Z_SLAB, 7400, 600).sprite(
    "white.png", tint=CEILING_DARK)

# The slab above the rooms, seen on tall screens.
ceiling = F12_ROOM_Y + ROOM_H / 2
obj("Floor12Ceiling", 4).transform(-1200, ceiling + 150, Z_SLAB, 7400, 300).sprite("white.png", tint=CEILING_DARK)

# Outer walls: the building's end wall left of the bedroom and the stairwell right of the corridor.
ceiling = F12_ROOM_Y + ROOM_H / 2
obj("Floor12EndWall", 4).transform(FLAT_LEFT - 400, (ceiling + slab_top) / 2, Z_WALL, 800,
                                   ceiling - slab_top).sprite("end_wall.png")
obj("StairwellWall", 4).transform(CORRIDOR_RIGHT + 400, (ceiling + slab_top) / 2, Z_WALL, 800,
                                  ceiling - slab_top).sprite("stairwell.png")

# Door heads between the rooms, so each room reads as its own space.
def doorway(name, x, texture):
    head_bottom = F12_TOP + 200
    obj(name, 4).transform(x, (ceiling + head_bottom) / 2, Z_WALL, 36, ceiling - head_bottom).sprite(
        texture)


doorway("FlatDoorHead", BEDROOM_X + ROOM_W / 2, "door_head.png")
doorway("FrontDoorHead", LIVING_X + ROOM_W / 2, "door_head_front.png")

# Floors stand the player; walls stop them.
obj("Floor12", 0).transform((FLAT_LEFT + CORRIDOR_RIGHT) / 2, F12_TOP - 100, 0, CORRIDOR_RIGHT - FLAT_LEFT,
                            200).body().box()
obj("Floor12WallLeft", 9).transform(FLAT_LEFT - 20, F12_TOP + 300, 0, 40, 600).body().box()
obj("Floor12WallRight", 9).transform(CORRIDOR_RIGHT + 20, F12_TOP + 300, 0, 40, 600).body().box()
# The bedroom desk top: high enough to walk under, low enough to jump onto.
desk_top = F12_TOP + 140
obj("DeskTop", 0).transform(bed_left + 1080, desk_top - 6, 0, 180, 12).body().box()

# Where the player can hide when something comes down the corridor.
# In front of the player: hiding inside it takes them out of sight, and it is the last box the
# player touches there, which decides that they stand at the cupboard.
CUPBOARD_X = 400.0
obj("Cupboard", 2).transform(CUPBOARD_X, F1_TOP + 85, Z_PLAYER + 1, 110, 170).sprite("prop_cupboard_unlit.png").body().box(
    0.8, 1.0, interactable=True, add=True)


# ---- Floor 1: the void deck under the block.
for i, x in enumerate(CORRIDOR_XS):
    name = ["VoidDeckWest", "VoidDeck", "VoidDeckEast"][i]
    obj(name, 4).transform(x, F1_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite("voiddeck_lit.png", "voiddeck_unlit.png")
f1_slab_top = F1_ROOM_Y - ROOM_H / 2
obj("Floor1Slab", 4).transform(0, f1_slab_top - 200, Z_SLAB, 5000, 400).sprite("floor_slab.png", tint=(0.85, 0.88, 0.88))
f1_ceiling = F1_ROOM_Y + ROOM_H / 2
for name, x, texture in [("VoidDeckWallLeft", -CORRIDOR_RIGHT - 400, "end_wall.png"),
                         ("VoidDeckWallRight", CORRIDOR_RIGHT + 400, "stairwell.png")]:
    obj(name, 4).transform(x, (f1_ceiling + f1_slab_top) / 2, Z_WALL, 800, f1_ceiling - f1_slab_top).sprite(texture)
obj("Floor1", 0).transform(0, F1_TOP - 100, 0, 2 * CORRIDOR_RIGHT, 200).body().box()
obj("Floor1WallLeft", 9).transform(-CORRIDOR_RIGHT - 20, F1_TOP + 300, 0, 40, 600).body().box()
obj("Floor1WallRight", 9).transform(CORRIDOR_RIGHT + 20, F1_TOP + 300, 0, 40, 600).body().box()
obj("RainParticles", 4).transform(0, F1_ROOM_Y + 120, Z_FRONT, 3600, 360).particles(
    vel=(-1.0, -8), size=(1.2, 14), start=RAIN_START, end=RAIN_END, rate=3, maxcount=400, velvar=1.0,
    alpha=0.28, endalpha=0.0, life=0.8, shape=1)
obj("MistParticles", 4).transform(0, F1_STAND - 40, Z_FRONT + 1, 3600, 80).particles(
    vel=(-0.3, 0.05), size=(90, 40), grow=(20, 6), start=(0.55, 0.62, 0.72), end=(0.45, 0.52, 0.62), rate=1,
    maxcount=120, scalevar=20.0, alpha=0.10, endalpha=0.0, life=2.5, shape=1)
obj("ForegroundGroup", 4).transform(0, F1_STAND, Z_FRONT)

# ---- The death bed: where a caught player wakes, with its way back added by the story.
obj("Deathbed", 4).transform(0, DB_ROOM_Y, Z_ROOM, ROOM_W, ROOM_H).sprite("deathbed_unlit.png",
                                                                                 "deathbed_lit.png")
obj("DeathbedFloor", 0).transform(0, DB_TOP - 100, 0, ROOM_W, 200).body().box()
obj("DeathbedSlab", 4).transform(0, DB_ROOM_Y - ROOM_H / 2 - 200, Z_SLAB, 2400, 400).sprite("floor_slab.png")
for name, x in [("DeathbedWallLeft", -ROOM_W / 2 - 20), ("DeathbedWallRight", ROOM_W / 2 + 20)]:
    obj(name, 9).transform(x, DB_TOP + 300, 0, 40, 600).body().box()
obj("DeathSpawnPos", 4).transform(-200, DB_STAND, 0)
# Its door leads back to the floor the player was caught on.
obj("DeathbedToXX", 11).transform(ROOM_W / 2 - 120, DB_STAND, 0, 60, PLAYER_H).body().box(
    interactable=True, add=True).behaviour("WrapPos")
obj("DeathbedReturn12", 4).transform(-300, F12_STAND, 0)
obj("DeathbedReturn1", 4).transform(1300, F1_STAND, 0)

# ---- Things to use. Interactables sit at standing height so they touch the player's collider;
# the E prompt shows 96 units above their centre.
Z_PROMPT = 20
Z_LOCK = -9          # below the player's z: the lock reads A/D/SPACE before the player does
Z_LIFT_INSIDE, Z_LIFT_DOOR, Z_LIFT_BURST = -3, -1, -0.5  # the rider stands at -2 between them
Z_LOBBY = -54


def room_point(room_x, room_y, point):
    """World position of a point given in a room image's units (from its top left)."""
    return room_x - ROOM_W / 2 + point[0], room_y + ROOM_H / 2 - point[1]


def trigger(name, otype, x, y, w, h, parent="none", add=False, interactable=False, ghost=False):
    return obj(name, otype, parent).transform(x, y, 0, w, h).body().box(interactable=interactable, add=add, ghost=ghost)


# The bedroom: its switch is by the door (the plate is drawn in the room art, since switches are
# invisible in play); the doorway stays shut until it is used.
BED_DOOR = BEDROOM_X + ROOM_W / 2
bed_switch_x = room_point(BEDROOM_X, F12_ROOM_Y, SWITCH_BEDROOM)[0]
trigger("BedroomLightSwitch", 8, bed_switch_x, F12_STAND, 60, 120, "Bedroom", add=True,
        interactable=True).behaviour("LightSwitch")
trigger("BedroomDoorBlocker", 9, BED_DOOR - 8, F12_TOP + 300, 20, 600, "Bedroom")
# Just through the door the storm takes the bedroom's light for good.
trigger("LightsOutTrigger", 7, BED_DOOR + 60, F12_STAND, 40, 120).behaviour("TriggerEvent")

# The living room: its switch beside the inner door shows the keys left on the table by the window.
liv_switch_x = room_point(LIVING_X, F12_ROOM_Y, SWITCH_LIVINGROOM)[0]
trigger("LivingroomLightSwitch", 8, liv_switch_x, F12_STAND, 60, 120, "Livingroom", add=True,
        interactable=True).behaviour("LightSwitch")
table_top = room_point(LIVING_X, F12_ROOM_Y, (0, 430))[1]
KEYS = 28.0
assert abs(table_top + KEYS / 2 - LIVING_Y) < 1, "the keys lie on the table at the living room's centre height"
obj("HouseKeys", 10, "Livingroom").transform(-2000, LIVING_Y, Z_PROP, KEYS, KEYS).sprite("house_keys.png").body().box(
    2.0, 2.4, add=True)

# The front door: a grille gate, padlocked, closes the doorway to the corridor until the lock opens.
FRONT_DOOR = LIVING_X + ROOM_W / 2
gate_top = F12_TOP + GATE_H
obj("FrontGate", 4).transform(FRONT_DOOR, F12_TOP + GATE_H / 2, Z_WALL + 1, GATE_W, GATE_H).sprite("front_gate.png")
trigger("EventBoundaryDoor", 9, FRONT_DOOR - 12, F12_TOP + 300, 20, 600)
# The shackle goes through the gate's hasp; the dial sits 18 units below the shackle's middle.
LOCK_X, LOCK_Y = FRONT_DOOR + 10, gate_top - (GATE_HASP_Y - 10) - 18
LOCK_BODY_W, LOCK_BODY_H, LOCK_DIAL = 32.0, 40.0, 20.0
obj("PadlockBody", 4).transform(LOCK_X, LOCK_Y + LOCK_BODY_H * (80 - 60) / 120, Z_LOCK - 0.5, LOCK_BODY_W,
                                LOCK_BODY_H).sprite("lock_body.png")
# The lock's own sprite is hidden by the game; the dial is a child, so it turns with the lock.
obj("DoorPadLock", 10).transform(LOCK_X, LOCK_Y, Z_LOCK, LOCK_DIAL, LOCK_DIAL).body().box(
    5.0, 6.0, add=True).behaviour("DoorLock")
obj("PadlockDial", 4, "DoorPadLock").transform(LOCK_X, LOCK_Y, Z_LOCK, LOCK_DIAL, LOCK_DIAL).sprite("lock_dial.png")

# Key prompts: E (listed after the player) follows the player until the game places it over what can be used; A, D and
# SPACE show beside the lock while it is being worked; SHIFT is the first hint in the corridor.
obj("KeyboardPrompts", 4).transform(0, 0, 0).behaviour("KeyboardPrompt")
KEY, WIDE_KEY = (36, 39), (84, 39)
obj("KeyboardPromptA", 12).transform(LOCK_X - 24, LOCK_Y + 70, Z_PROMPT, *KEY).sprite("key_a.png", alpha=0.0)
obj("KeyboardPromptD", 12).transform(LOCK_X + 24, LOCK_Y + 70, Z_PROMPT, *KEY).sprite("key_d.png", alpha=0.0)
obj("KeyboardPromptSPACE", 12).transform(LOCK_X, LOCK_Y + 114, Z_PROMPT, *WIDE_KEY).sprite("key_space.png", alpha=0.0)
obj("KeyboardPromptSHIFT", 12).transform(FRONT_DOOR + 240, F12_STAND + 110, Z_PROMPT, *WIDE_KEY).sprite(
    "key_shift.png")

# The lift, at the corridor's far end beside the stairwell: a core with doors on floor 12 and on
# floor 1 at the same x, the call panel on the side the player comes from. "Lift" stands at the
# rider's standing height, so a rider (its child) is drawn where they stand.
LIFT_X, CALL_X = 1620.0, 1620.0 - 90
door_y = F12_TOP + DOOR_H / 2
obj("Lift", 13).transform(LIFT_X, F12_STAND, Z_PLAYER, 50, PLAYER_H).body().box().behaviour("Lift")
obj("LiftDoor", 4, "Lift").transform(LIFT_X, child_y(F12_STAND, door_y), Z_LIFT_DOOR, DOOR_W, DOOR_H).sprite(
    "lift_door_close_lit.png", cols=45, u=44, delay=60.0, count=0)
obj("Liftinterior", 4, "Lift").transform(LIFT_X, child_y(F12_STAND, door_y), Z_LIFT_INSIDE, DOOR_W, DOOR_H).sprite(
    "lift_interior.png")
prompt_y = F12_TOP + DOOR_H + 92  # over the floor number
obj("KeyboardPromptW", 12, "Lift").transform(LIFT_X, child_y(F12_STAND, prompt_y), Z_PROMPT, *KEY).sprite(
    "key_w.png", alpha=0.0)
obj("KeyboardPromptS", 12, "Lift").transform(LIFT_X, child_y(F12_STAND, prompt_y), Z_PROMPT + 1, *KEY).sprite(
    "key_s.png", alpha=0.0)
# The old goods lift at the deck's west end, out of use for years; the story forces it open.
OLD_LIFT_X = -1560.0
old_lobby_top = F1_ROOM_Y + ROOM_H / 2 - 80
obj("OldLiftLobby", 4).transform(OLD_LIFT_X, (F1_TOP + old_lobby_top) / 2, Z_LOBBY, LOBBY_W, old_lobby_top - F1_TOP).sprite("lift_lobby_1.png")
obj("OldLiftDoors", 4).transform(OLD_LIFT_X, F1_TOP + DOOR_H / 2, Z_LIFT_BURST - 0.5, DOOR_W, DOOR_H).sprite(
    "lift_door_close_lit.png", cols=45, u=44, count=0)
obj("EventLiftBurstingOut", 4).transform(OLD_LIFT_X, F1_TOP + DOOR_H / 2, Z_LIFT_BURST, DOOR_W, DOOR_H).sprite(
    "lift_burst.png", alpha=0.0, cols=40, delay=30.0, count=1)
call_y = F12_TOP + 81
obj("LiftButton", 14).transform(CALL_X, call_y, Z_PROP, CALL_W, CALL_H).sprite("lift_call_panel.png").body().box(
    3.2, 4.3, interactable=True, add=True).behaviour("Lift")
f12_ceiling_under = F12_ROOM_Y + ROOM_H / 2 - 50
obj("LiftLobby12", 4).transform(LIFT_X, (F12_TOP + f12_ceiling_under) / 2, Z_LOBBY, LOBBY_W,
                                f12_ceiling_under - F12_TOP).sprite("lift_lobby_12.png")
obj("LiftLowerLevel", 4).transform(LIFT_X, F1_STAND, Z_PLAYER)
f1_ceiling_under = F1_ROOM_Y + ROOM_H / 2 - 80
obj("LiftLobby1", 4).transform(LIFT_X, (F1_TOP + f1_ceiling_under) / 2, Z_LOBBY, LOBBY_W,
                               f1_ceiling_under - F1_TOP).sprite("lift_lobby_1.png")
# Floor 1's landing doors, shut while the car is away; the car's own doors and interior cover them.
obj("LiftLandingDoor1", 4).transform(LIFT_X, F1_TOP + DOOR_H / 2, Z_LIFT_INSIDE - 1, DOOR_W, DOOR_H).sprite(
    "lift_door_close_lit.png", cols=45, u=44, count=0)
# Floor 1's call button brings the doors open while the car waits there, for the ride back up.
obj("LiftCallPanel1", 14).transform(CALL_X, F1_TOP + 81, Z_PROP, CALL_W, CALL_H).sprite(
    "lift_call_panel.png").body().box(3.2, 4.3, interactable=True, add=True).behaviour("Lift")

# The stairs: standing in the stairwell doorway on floor 12 for a second takes the player down to
# the one on floor 1; using that one takes them back up (to 1.6 widths left of the entry).
WRAP_W = 60.0
obj("WrapEntry", 11).transform(CORRIDOR_RIGHT - WRAP_W / 2, F12_STAND, 0, WRAP_W, PLAYER_H).body().box().behaviour(
    "WrapPos")
obj("WrapExit", 11).transform(CORRIDOR_RIGHT - WRAP_W / 2, F1_STAND, 0, WRAP_W, PLAYER_H).body().box(
    interactable=True, add=True).behaviour("WrapPos")

# A caption the player reads at the stairwell door.
obj("DialogueStairs", 4).transform(CORRIDOR_RIGHT - 160, F12_STAND, 0, 80, PLAYER_H).body().box().text(
    "Twelve floors of stairs. The lift would be quicker.")

# Rain water standing on the void deck where the wind drives it in: slows the player down.
flood_x = 700.0
obj("TestWater", 16).transform(flood_x, F1_STAND, 0, FLOOD_W - 60, PLAYER_H).body().box().behaviour("WaterDrag")
obj("FloodWater", 4).transform(flood_x, F1_TOP + FLOOD_SURFACE - FLOOD_H / 2 + 6, Z_FRONT - 4, FLOOD_W, FLOOD_H).sprite(
    "flood_water.png")
obj("FloodSplashes", 4).transform(flood_x, F1_TOP + 6, Z_FRONT - 3, FLOOD_W - 80, 4).particles(
    tex="splash.png", vel=(0, 0.1), size=(12, 6), grow=(8, 2), start=(0.75, 0.82, 0.92), end=(0.6, 0.68, 0.8),
    rate=1, maxcount=40, scalevar=3.0, alpha=0.5, endalpha=0.0, life=0.35, shape=1)

# Lines the player says on the way home (the words are in the game): boxes across the path.
for name, x, standing in [("DialogueGoHome1", -400, F1_STAND), ("DialogueGoHome2", 300, F1_STAND),
                          ("DialogueGoHome3", 1150, F1_STAND), ("DialogueMovingLift", 1150, F12_STAND),
                          ("DialogueCupboard", CUPBOARD_X + 120, F1_STAND), ("DialogueJump", CUPBOARD_X + 60, F1_STAND)]:
    trigger(name, 7, x, standing, 40, PLAYER_H)

# The level's story runs from here; its trigger boxes are this object's children.
obj("EventController", 4).transform(0, 0, 0).behaviour("Level1Event")


def story_trigger(name, x, standing, w=40, add=False):
    return trigger(name, 7, x, standing, w, PLAYER_H, parent="EventController", add=add)


# ---- The story on the void deck. Out of the lift the cat comes to the chess table; petting it
# ends the evening's calm: a newspaper blows past on the way back, eyes look out of the lift and the
# deck slips into another world. The lift is dead and an old man blocks the stairs; the lift's power
# lever brings the lights back. Back along the deck the old goods lift at the far end is forced open
# and the creature hunts the player until they hide; when it gives up the building starts to break
# and the window by the lift is the way out.
story_trigger("Event016Cat", 1200, F1_STAND)
CAT_REST_X = -800.0
obj("ChessTable", 4).transform(-1100, F1_TOP + 60, Z_PROP, 160, 120).sprite("chess_table.png")
obj("ChesstableOldMan", 4).transform(-1100, F1_TOP + 60, Z_PROP + 0.5, 160, 120).sprite("chess_table_oldman.png")
obj("CatWalk", 4).transform(300, F1_TOP + 25, Z_PROP + 1, 60, 50).sprite("cat_walk.png", alpha=0.0, cols=12, delay=20.0,
                                                                           flipx=True)
obj("OutsideCat", 4).transform(CAT_REST_X, F1_STAND, Z_PROP + 1, 60, 50).sprite(
    "cat_sit.png", "cat_petting.png", alpha=0.0).body().box(1.6, 2.4, add=True)
obj("CatJump", 4).transform(CAT_REST_X, F1_TOP + 25, Z_PROP + 1, 60, 50).sprite("cat_jump.png", alpha=0.0, cols=30,
                                                                                delay=30.0, count=1, flipx=True)
obj("PlayerPetCat", 4).transform(CAT_REST_X, F1_STAND, Z_PLAYER, PLAYER_W * 2, PLAYER_H).sprite(
    "player_petcat.png", alpha=0.0, cols=30, delay=20.0, count=1)

story_trigger("Event011Newspaper", -150, F1_STAND)
obj("Newspaper", 4).transform(-250, F1_TOP + 30, Z_FRONT - 1, 90, 40).sprite("newspaper.png", alpha=0.0, cols=8,
                                                                             delay=20.0, animate=True).body()
# Eyes look out of the lift's doors as the player comes back to it.
story_trigger("Event012Eyes", 1300, F1_STAND)
obj("SpawnEyes", 4).transform(LIFT_X, F1_STAND + 30, Z_LIFT_BURST + 0.1, 120, 30).sprite("spawn_eyes.png", alpha=0.0, cols=8,
                                                                            delay=10.0, animate=True)
obj("PlayerScare", 4).transform(0, F1_STAND, Z_PLAYER + 0.5, PLAYER_W, PLAYER_H).sprite("player_scare.png", alpha=0.0)
for i, x in enumerate(CORRIDOR_XS):
    name = "VoidDeckAlternate" if i == 0 else "VoidDeckAlternate(%d)" % i
    obj(name, 4).transform(x, F1_ROOM_Y, Z_ROOM + 1, ROOM_W, ROOM_H).sprite("voiddeck_alternate.png", alpha=0.0)
obj("VoidDeckAlternateGrass", 4).transform(0, F1_TOP + 20, Z_FRONT - 2, 3600, 140).sprite(
    "voiddeck_alternate_grass.png", alpha=0.0)
# Pillars, railings and cables between the player and the estate, along the whole deck.
# Spread out, so that the pillars stand in pairs with open bays between them.
for i, x in enumerate([-1500.0, 250.0, 1800.0]):
    name = "VoidDeckForeground" if i == 0 else "VoidDeckForeground(%d)" % i
    obj(name, 4).transform(x, F1_ROOM_Y, Z_FRONT + 2, ROOM_W, ROOM_H).sprite("voiddeck_foreground.png")

# The stairwell door on the ground floor: after the cat, an old man stands in it and will not move.
obj("OldManIdle", 9).transform(CORRIDOR_RIGHT, F1_TOP + 70, Z_PLAYER - 0.5, 90, 140).sprite(
    "oldman_idle.png", alpha=0.0).body().box(0.4, 1.0, ghost=True)

# The lift's power lever on the wall beside it, and the boundary the flicker closes behind the
# player: in the other world there is no way back along the deck until the lever is pulled.
LEVER_X = 1100.0
obj("LeverPanel", 4).transform(LEVER_X, F1_TOP + 81, Z_PROP, CALL_W, CALL_H).sprite("lift_call_panel.png")
# Usable once the other world is here.
story_trigger("Event013CreatureSpawn(Left)", LEVER_X, F1_STAND, 60, add=True).behaviour("LightSwitch")
trigger("Event013LeftBoundary", 9, LEVER_X - 100, F1_TOP + 300, 20, 600, ghost=True)
story_trigger("Event014CreaturePursuit(Right)", -700, F1_STAND)
trigger("Event014LeftBoundary", 9, -1000, F1_TOP + 300, 20, 600, ghost=True)

# The creature, waiting unseen where the story lets it in.
CREATURE_W, CREATURE_H = 184.0, 226.0
obj("Creature", 5).transform(-1200, F1_TOP + CREATURE_H / 2, Z_PLAYER + 0.5, CREATURE_W, CREATURE_H).sprite(
    "creature_walk.png", alpha=0.0, cols=30, delay=30.0, animate=True).body().box(0.45, 0.9).behaviour("ScriptedEnemy")
obj("CreatureParticles", 4, "Creature").transform(-1200, F1_TOP + CREATURE_H / 2, Z_PLAYER + 0.6, 160, 200).particles(
    tex="creature_particle.png", vel=(0, 0.4), size=(26, 26), grow=(14, 14), start=(0.2, 0.1, 0.25),
    end=(0.05, 0.02, 0.08), rate=1, maxcount=80, scalevar=8.0, alpha=0.7, endalpha=0.0, life=1.2, shape=1, play=False)

# When the creature gives up the building gives way: dust falls on the deck and the corridor
# above breaks open where the old man stood.
obj("FloorCollapseParticle", 4).transform(0, F1_ROOM_Y + 200, Z_FRONT, 3600, 100).particles(
    tex="dust.png", vel=(0, -3), size=(18, 18), grow=(4, 4), start=(0.5, 0.48, 0.45), end=(0.35, 0.33, 0.3), rate=2,
    maxcount=300, scalevar=6.0, alpha=0.6, endalpha=0.0, life=1.5, shape=1, play=False)
obj("FloorCorridorCollapse", 4).transform(-300, F12_TOP - 20, Z_FRONT - 1, 1200, 300).sprite("floor_collapse.png",
                                                                                             alpha=0.0)
obj("CorridorAlternate", 4).transform(-1200, F12_ROOM_Y, Z_ROOM + 1, ROOM_W, ROOM_H).sprite("corridor_alternate.png",
                                                                                        alpha=0.0)
for name, x in [("CorridorPlant", -900), ("CorridorPlant1", 700)]:
    obj(name, 4).transform(x, F12_TOP + 70, Z_PROP, 84, 140).sprite("corridor_plant.png", "corridor_plant_alt.png")
story_trigger("Event017FlipFloor11Overlay", -1650, F12_STAND)
obj("CorridorAlternate11Overlay", 4).transform(-1200, F12_ROOM_Y + ROOM_H, Z_ROOM + 2, ROOM_W, ROOM_H).sprite(
    "corridor_alternate_overlay.png")

# Caught in the old man's way while the creature is loose.
trigger("OldManIdleCollision", 4, CORRIDOR_RIGHT - 50, F1_STAND, 30, PLAYER_H)
# Behind the old lift's forced doors: a car that is not a car, lost in static.
obj("LiftStaticBackground", 4).transform(OLD_LIFT_X, F1_TOP + DOOR_H / 2, Z_LIFT_BURST - 0.25, DOOR_W, DOOR_H).sprite(
    "lift_static.png", alpha=0.0)
# The shadows the lift cores throw across the floor in front of them.
for name, x in [("LiftdoorAlpha", OLD_LIFT_X), ("RightLiftAlpha", LIFT_X)]:
    obj(name, 4).transform(x, F1_TOP + 8, Z_PROP - 1, LOBBY_W * 0.8, 16).sprite("black.png", alpha=0.35)
# The building's cat, asleep by the lift on floor 12: it shows up there once the story has moved on.
obj("Cat", 4).transform(LIFT_X - 190, F12_TOP + 25, Z_PROP, 60, 50).sprite("cat_sit.png", alpha=0.0)
story_trigger("Event015Lamp", -300, F12_STAND)
# A note on the lift's call panel, read when the player reaches it.
obj("DialogueLiftButt", 4).transform(CALL_X - 70, F12_STAND, 0, 40, PLAYER_H).body().box().text(
    "The lift still runs at night, at least.")

# The way out: the window of the empty shop by the lift, which opens once the creature has gone.
obj("WindowEnd", 4).transform(1400, F1_STAND, 0, 80, PLAYER_H).body().box(add=True)

# ---- Areas: the room the player is in picks its sound mix and light.
def area(name, left, right, standing):
    obj(name, 17).transform((left + right) / 2, standing, 0, right - left, 200).body().box()


area("T_BEDROOM", FLAT_LEFT, LIVING_X + ROOM_W / 2 - 40, F12_STAND)
area("T_FLOOR12", LIVING_X + ROOM_W / 2 + 40, CORRIDOR_RIGHT, F12_STAND)
area("T_FLOOR1", -CORRIDOR_RIGHT, CORRIDOR_RIGHT, F1_STAND)
area("T_DEATHBED", -ROOM_W / 2, ROOM_W / 2, DB_STAND)

# ---- The player and the line of text that follows them.
obj("Player", 3).transform(START_X, F12_STAND, Z_PLAYER, PLAYER_W, PLAYER_H).body(PLAYER_MASS, True).box(
    0.4, 1.0).sprite("player_idle.png", cols=30, delay=60.0, animate=True).player()
obj("Dialogue", 15, "Player").transform(START_X, F12_STAND, 20).text(
    "...", pos=(-70, 78, 0), color=(0.92, 0.94, 1.0), scale=0.3, alpha=0.0)
obj("KeyboardPromptE", 12, "Player").transform(START_X, F12_STAND, Z_PROMPT, *KEY).sprite("key_e.png", alpha=0.0)

# ---- Fades and the opening.
obj("FadeInAndOut", 12).transform(-1000, -2000, Z_FADE, 20000, 20000).sprite("black.png", "white.png", alpha=0.0)
obj("Black", 12).transform(-1000, -2000, Z_BLACK, 20000, 20000).sprite("black.png")
obj("BedroomLightningOverlay", 4).transform(START_X, F12_STAND, Z_LIGHTNING, 960, 540).sprite(
    "bedroom_lightning.png", alpha=0.0, cols=3)
obj("DialogueInit", 15).transform(START_X - 95, F12_STAND - 150, Z_OPENING_TEXT).text(
    "...", color=(0.86, 0.89, 0.96), scale=0.42, alpha=0.0)

levelfile.pause_menu()
levelfile.write("Level1", args[0])
