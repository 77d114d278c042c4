#!/usr/bin/env python3
"""Writes Level3.txt in the exact form the game's level writer produces.

Usage: content/levels/make_level3.py Resources/Level/Level3.txt
The output is committed; edit the layout here and regenerate.

The last night: floor 12's corridor, where the lights fail to red and the creature comes back into a
corridor that no longer ends; the lift's shaft and its ladder up to the roof; the roof in the storm
with the container someone lives in; the old man; the lamp the light bulb goes into; dawn; and the
bedroom in the morning, with the calendar."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art"))
from interactables import LOBBY_W, DOOR_W, DOOR_H  # noqa: E402
from level3 import CONTAINER_W, CONTAINER_H  # noqa: E402

import levelfile  # noqa: E402
from levelfile import obj, child_y  # noqa: E402

# ----------------------------------------------------------------------------------------------
# Layout, as in level 1: one world unit = one screen pixel at zoom 1; the camera rests at zoom 2.
PLAYER_W, PLAYER_H, PLAYER_MASS = 80.0, 120.0, 8.0
ROOM_W, ROOM_H = 1200.0, 600.0
FLOOR_IN_ART = 60.0


def floor_top(standing):
    return standing - PLAYER_H / 2 - 1


def room_y(standing):
    return floor_top(standing) - FLOOR_IN_ART + ROOM_H / 2


CORRIDOR = -576.0            # standing heights
ROOF = 44.0                  # the ladder climbs 620 units up the shaft
CONTAINER = -3000.0
DEATHBED = -3700.0
MORNING = -5000.0
CORRIDOR_XS = [-1200.0, 0.0, 1200.0]
CORRIDOR_LEFT, CORRIDOR_RIGHT = -1800.0, 1800.0
START_X = -1500.0
LIFT_X = 1300.0

Z_SKY, Z_SKYLINE, Z_ROOM, Z_SLAB, Z_WALL = -90, -80, -60, -58, -50
Z_PROP, Z_PLAYER, Z_FRONT, Z_FLASH, Z_CREDITS, Z_FADE, Z_BLACK, Z_PROMPT = -10, 0, 10, 74, 76, 78, 80, 20
CEILING_DARK = (0.10, 0.11, 0.15)
RAIN_START, RAIN_END = (0.70, 0.78, 0.90), (0.55, 0.62, 0.78)


def trigger(name, otype, x, standing, w=40.0, parent="none", add=False, interactable=False, ghost=False,
            h=PLAYER_H):
    return obj(name, otype, parent).transform(x, standing, 0, w, h).body().box(
        interactable=interactable, add=add, ghost=ghost)


def story_trigger(name, x, standing, w=40.0, add=False, interactable=False):
    return trigger(name, 7, x, standing, w, parent="EventController", add=add, interactable=interactable)


def area(name, left, right, standing):
    obj(name, 17).transform((left + right) / 2, standing, 0, right - left, 200).body().box()


def floor(name, left, right, standing, ghost=False):
    top = floor_top(standing)
    obj(name, 0).transform((left + right) / 2, top - 100, 0, right - left, 200).body().box(ghost=ghost)


def walls(prefix, left, right, standing):
    for side, x in (("Left", left - 20), ("Right", right + 20)):
        obj(prefix + side, 9).transform(x, floor_top(standing) + 300, 0, 40, 600).body().box()


def rain(name, x, y, w, h, play, alpha=0.28, rate=3, maxcount=400, fall=8.0):
    return obj(name, 4).transform(x, y, Z_FRONT, w, h).particles(
        vel=(-1.2, -fall), size=(1.2, 14), start=RAIN_START, end=RAIN_END, rate=rate, maxcount=maxcount, velvar=1.0,
        alpha=alpha, endalpha=0.0, life=0.8, shape=1, play=play)


def mist(name, x, y, w, play, alpha=0.10):
    return obj(name, 4).transform(x, y, Z_FRONT + 1, w, 80).particles(
        vel=(-0.4, 0.05), size=(90, 40), grow=(20, 6), start=(0.55, 0.62, 0.72), end=(0.45, 0.52, 0.62), rate=1,
        maxcount=120, scalevar=20.0, alpha=alpha, endalpha=0.0, life=2.5, shape=1, play=play)


# ----------------------------------------------------------------------------------------------
obj("Camera", 6).transform(START_X, CORRIDOR, 0, 2, 2).box(1920, 1080)

# ---- Floor 12's corridor. The skyline behind it moves with the parallax.
bg_y = -360.0
obj("BackgroundGroup", 4).transform(START_X, bg_y, Z_SKYLINE, 2400, 700)
for i, name in enumerate(["CorridorBackground", "CorridorBackground2", "CorridorBackground3"]):
    obj(name, 4, "BackgroundGroup").transform(START_X + (i - 1) * 2400.0, bg_y, Z_SKYLINE, 2400, 700).sprite(
        "corridor_background.png")

CY = room_y(CORRIDOR)
for i, x in enumerate(CORRIDOR_XS + [CORRIDOR_RIGHT + ROOM_W / 2]):
    name = "Corridor" if i == 0 else "Corridor(%d)" % i
    obj(name, 4).transform(x, CY, Z_ROOM, ROOM_W, ROOM_H).sprite("corridor_lit.png", "corridor_unlit.png")
# Past the corridor's west end: more corridor, seen once the creature has made it endless.
obj("CorridorWrapping", 4).transform(CORRIDOR_LEFT - ROOM_W / 2, CY, Z_ROOM, ROOM_W, ROOM_H).sprite(
    "corridor_lit.png", alpha=0.0)
slab_top = CY - ROOM_H / 2
obj("CorridorSlab", 4).transform(0, slab_top - 45, Z_SLAB, 7200, 90).sprite("floor_slab.png")
obj("CorridorUnderside", 4).transform(0, slab_top - 390, Z_SLAB, 7200, 600).sprite("white.png", tint=CEILING_DARK)
ceiling = CY + ROOM_H / 2
# The building's end wall and the stairwell close the corridor, until it has no ends.
obj("CorridorWallCornerLeft", 4).transform(CORRIDOR_LEFT - 400, (ceiling + slab_top) / 2, Z_WALL, 800,
                                           ceiling - slab_top).sprite("end_wall.png")
obj("CorridorWallCornerRight", 4).transform(CORRIDOR_RIGHT + 400, (ceiling + slab_top) / 2, Z_WALL, 800,
                                            ceiling - slab_top).sprite("stairwell.png")
floor("CorridorFloor", CORRIDOR_LEFT - 1400, CORRIDOR_RIGHT + 1400, CORRIDOR)
CF = floor_top(CORRIDOR)
obj("CorridorLeftBoundary", 9).transform(CORRIDOR_LEFT + 20, CF + 250, 0, 40, 500).body().box()
obj("CorridorRightBoundary", 9).transform(CORRIDOR_RIGHT - 20, CF + 250, 0, 40, 500).body().box()
obj("CorridorOuterWallLeft", 9).transform(CORRIDOR_LEFT - 400, CF + 250, 0, 40, 500).body().box()
obj("CorridorOuterWallRight", 9).transform(CORRIDOR_RIGHT + 400, CF + 250, 0, 40, 500).body().box()
# The two ends of the endless corridor: walking out of one comes in at the other.
for name, x in (("WrapLeftSide", CORRIDOR_LEFT - 60), ("WrapRightSide", CORRIDOR_RIGHT + 60)):
    obj(name, 11).transform(x, CORRIDOR, 0, 60, PLAYER_H).body().box().behaviour("WrapPos")
for name, x in (("CorridorPlant", -900), ("CorridorPlant1", 700)):
    obj(name, 4).transform(x, CF + 70, Z_PROP, 84, 140).sprite("corridor_plant.png", "corridor_plant_alt.png")

# The fuse box: its switch drops the corridor into its emergency light.
FUSE_X = -1250.0
obj("FuseBox", 4).transform(FUSE_X, CF + 120, Z_PROP, 32, 42).sprite("fuse_box.png")

# The hiding corridor: the stretch with the cupboards, in the dark until the player walks into it.
HIDE_X = 150.0
obj("HideCorridorOverlay", 4).transform(HIDE_X, CY, Z_FRONT - 5, 900, ROOM_H).sprite("black.png", alpha=0.75)
for name, x in (("Cupboard", 0.0), ("Cupboard(1)", 380.0)):
    obj(name, 2).transform(x, CF + 85, Z_PLAYER + 1, 110, 170).sprite("prop_cupboard_unlit.png").body().box(
        0.8, 1.0, interactable=True, add=True)

# The lift: its doors open on the empty shaft, and the ladder in it goes up to the roof.
lobby_top = CY + ROOM_H / 2 - 50
obj("LiftLobby12", 4).transform(LIFT_X, (CF + lobby_top) / 2, Z_ROOM + 2, LOBBY_W, lobby_top - CF).sprite(
    "lift_lobby_12.png")
obj("LiftWrapping", 4).transform(LIFT_X, CF + (ROOF - CORRIDOR) / 2 + 60, Z_ROOM + 1, DOOR_W, ROOF - CORRIDOR + 120).sprite(
    "lift_shaft.png", tint=(0.45, 0.45, 0.5))
obj("ShaftLadder", 4).transform(LIFT_X, CF + (ROOF - CORRIDOR) / 2 + 60, Z_ROOM + 3, 20, ROOF - CORRIDOR + 120).sprite(
    "shaft_ladder.png")
obj("LiftDoorRed", 4).transform(LIFT_X, CF + DOOR_H / 2, Z_ROOM + 4, DOOR_W, DOOR_H).sprite(
    "lift_door_open_lit.png", cols=40, delay=30.0, count=1)

# ---- The roof: the hatch over the shaft, the container, the lamp, and the way down at the east end.
RF = floor_top(ROOF)
RY = room_y(ROOF)
ROOF_LEFT, ROOF_RIGHT = 370.0, 3970.0
obj("RooftopBackground", 4).transform(2400, ROOF + 200, Z_SKY, 4800, 700).sprite("rooftop_sky_night.png")
for name, texture, z, alpha, tint in (
        ("RooftopDawn", "rooftop_sky_dawn.png", 1, 0.0, (1, 1, 1)),
        ("RooftopDay", "rooftop_sky_day.png", 2, 0.0, (1, 1, 1)),
        ("RooftopBackgroundOverlay", "rooftop_clouds.png", 3, 1.0, (0.55, 0.57, 0.64)),
        ("RooftopBackgroundOverlayDawn", "rooftop_clouds.png", 4, 0.0, (1.0, 0.72, 0.62)),
        ("RooftopBackgroundOverlayDay", "rooftop_clouds.png", 5, 0.0, (1, 1, 1))):
    obj(name, 4, "RooftopBackground").transform(2400, ROOF + 200, Z_SKY + z, 4800, 700).sprite(
        texture, alpha=alpha, tint=tint)
# Eyes in the storm clouds while it hunts the player across the roof.
obj("RooftopBackgroundEyes", 4, "RooftopBackground").transform(3000, ROOF + 200, Z_SKY + 3.5, 480, 120).sprite(
    "spawn_eyes.png", alpha=0.0, cols=8, delay=6.0, animate=True, tint=(0.8, 0.6, 0.5))
obj("RooftopWest", 4).transform(970, RY, Z_ROOM + 5, ROOM_W, ROOM_H).sprite("rooftop_west.png")
obj("RooftopMiddle", 4).transform(2170, RY, Z_ROOM + 5, ROOM_W, ROOM_H).sprite("rooftop_middle.png")
LAMP_X = 3370.0 - ROOM_W / 2 + 663
obj("Rooftop", 4).transform(3370, RY, Z_ROOM + 5, ROOM_W, ROOM_H).sprite("rooftop_east.png", "rooftop_east_lit.png")
floor("RooftopFloor", ROOF_LEFT, ROOF_RIGHT, ROOF)
# The roof's own slab, between the top floor's ceiling and the roof, and the block's dark face below.
obj("RoofSlab", 4).transform(2500, RY - ROOM_H / 2 - 30, Z_SLAB, 4600, 80).sprite("floor_slab.png")
obj("BlockFace", 4).transform(3700, RY - ROOM_H / 2 - 370, Z_SKY - 1, 2600, 600).sprite("white.png", tint=CEILING_DARK)
# The stair house at the roof's east end: its doorway is the way down.
obj("RooftopStairHouse", 4).transform(ROOF_RIGHT - 90 + 400, RY, Z_WALL, 800, ROOM_H).sprite("stairwell.png")
walls("RooftopWall", ROOF_LEFT, ROOF_RIGHT, ROOF)
CONTAINER_X = 2170.0
obj("ContainerOutside", 4).transform(CONTAINER_X, RF + CONTAINER_H / 2, Z_PROP - 2, CONTAINER_W, CONTAINER_H).sprite(
    "container_outside.png")
DOOR_X = CONTAINER_X - CONTAINER_W / 2 + 515
rain("RainParticles", 2170, ROOF + 160, 3600, 360, True)
mist("MistParticles", 2170, ROOF - 40, 3600, True)
rain("IntenseRoofTopRain", 2170, ROOF + 180, 3600, 400, False, alpha=0.45, rate=6, maxcount=900, fall=11.0)
rain("EventRainParticles", 2170, ROOF + 170, 3600, 380, False, alpha=0.38, rate=5, maxcount=700, fall=10.0)
mist("EventMistParticles", 2170, ROOF - 40, 3600, False, alpha=0.16)

# The top of the ladder: the climb ends here, and a death on the roof starts again from here.
obj("RoofTopEnd", 4).transform(LIFT_X, ROOF, 0, 60, PLAYER_H).body().box(1.0, 0.1)
obj("RoofTopToContainer", 11).transform(DOOR_X, ROOF, 0, 60, PLAYER_H).body().box(
    interactable=True, add=True).behaviour("WrapPos")
# The way down to the morning, opened by the dawn.
obj("RooftopToFinalEvent", 11).transform(ROOF_RIGHT - 120, ROOF, 0, 60, PLAYER_H).body().box(ghost=True).behaviour(
    "WrapPos")
obj("FinalCamPos", 4).transform(ROOF_RIGHT + 200, ROOF + 120, 0)
obj("SpawnEnemyRooftop", 4).transform(ROOF_RIGHT - 300, RF + 113, 0)

# ---- Inside the container: someone's room. The old man, the creature at the door, the light.
KY = room_y(CONTAINER)
KF = floor_top(CONTAINER)
obj("Container", 4).transform(0, KY, Z_ROOM, ROOM_W, ROOM_H).sprite("container_inside.png",
                                                                   "container_inside_after.png", flipx=True)
floor("ContainerFloor", -ROOM_W / 2, ROOM_W / 2, CONTAINER)
obj("ContainerDark", 4).transform(0, KY, Z_ROOM - 2, 3600, 1800).sprite("white.png", tint=(0.05, 0.04, 0.05))
walls("ContainerWall", -ROOM_W / 2, ROOM_W / 2, CONTAINER)
obj("ContainerToRoofTop", 11).transform(-480, CONTAINER, 0, 60, PLAYER_H).body().box(add=True).behaviour("WrapPos")
OLDMAN_X = 150.0
obj("ContainerFigure", 4).transform(OLDMAN_X + 90, KF + 70, Z_PROP, 90, 140).sprite(
    "oldman_idle.png", alpha=0.35, tint=(0.08, 0.08, 0.1), flipx=True)
obj("OldManIdle", 4).transform(OLDMAN_X + 90, KF + 70, Z_PLAYER - 0.5, 90, 140).sprite("oldman_idle.png", alpha=0.0)
obj("OldManMaterialize", 4).transform(OLDMAN_X + 90, KF + 70, Z_PLAYER - 0.4, 90, 140).sprite(
    "oldman_materialize.png", alpha=0.0, cols=20, delay=12.0, count=1)
obj("SpawnEnemyContainer", 4).transform(-560, KF + 113, 0)
obj("EnemyFinalPos", 4).transform(-100, KF + 113, 0)

# ---- The death bed, and its door back to where the player was caught.
DY = room_y(DEATHBED)
obj("Deathbed", 4).transform(-3000, DY, Z_ROOM, ROOM_W, ROOM_H).sprite("deathbed_unlit.png", "deathbed_lit.png")
floor("DeathbedFloor", -3000 - ROOM_W / 2, -3000 + ROOM_W / 2, DEATHBED)
walls("DeathbedWall", -3000 - ROOM_W / 2, -3000 + ROOM_W / 2, DEATHBED)
obj("DeathSpawnPos", 4).transform(-3200, DEATHBED, 0)
obj("DeathbedToXX", 11).transform(-3000 + ROOM_W / 2 - 120, DEATHBED, 0, 60, PLAYER_H).body().box(
    interactable=True, add=True).behaviour("WrapPos")
obj("DeathCollider", 4).transform(ROOF_RIGHT + 600, ROOF - 2000, 0, 400, 100).body().box()

# ---- The morning: the bedroom in daylight, and the calendar on its wall.
MY = room_y(MORNING)
MF = floor_top(MORNING)
obj("Morning", 4).transform(3000, MY, Z_ROOM, ROOM_W, ROOM_H).sprite("bedroom_lit.png", tint=(1.0, 0.97, 0.9))
floor("MorningFloor", 3000 - ROOM_W / 2, 3000 + ROOM_W / 2, MORNING)
for name, x, texture in (("MorningEndWall", 3000 - ROOM_W / 2 - 400, "end_wall.png"),
                         ("MorningStairwell", 3000 + ROOM_W / 2 + 400, "stairwell.png")):
    obj(name, 4).transform(x, MY, Z_WALL, 800, ROOM_H).sprite(texture)
obj("MorningSlab", 4).transform(3000, MY - ROOM_H / 2 - 100, Z_SLAB, 3000, 200).sprite("floor_slab.png")
walls("MorningWall", 3000 - ROOM_W / 2, 3000 + ROOM_W / 2, MORNING)
obj("FinalEventEnd", 4).transform(2950, MORNING, 0)
CALENDAR_X = 3200.0
obj("Calendar", 4).transform(CALENDAR_X, MF + 150, Z_PROP, 45, 60).sprite("calendar.png", cols=20, delay=20.0, count=1)
obj("PlayerFinalAnimation", 4).transform(CALENDAR_X, MORNING, Z_PLAYER + 0.5, PLAYER_W, PLAYER_H).sprite(
    "player_final.png", alpha=0.0, cols=60, delay=12.0, count=1)

# ---- The story: the controller and its triggers.
obj("EventController", 4).transform(0, 0, 0).behaviour("Level3Event")
story_trigger("Event01TriggerRedCorridor", FUSE_X, CORRIDOR, 60, add=True, interactable=True)
story_trigger("Event02SpawnEnemy", -700, CORRIDOR)
story_trigger("Event03OpenLiftDoor", LIFT_X - 110, CORRIDOR, add=True, interactable=True)
story_trigger("Event04HideCorridor", HIDE_X - 350, CORRIDOR)
story_trigger("Event05EventRainMist", LIFT_X + 150, ROOF)
story_trigger("Event06EnemyRoofTop", LIFT_X + 400, ROOF)
story_trigger("Event07OldmanFlashesEnemy", OLDMAN_X - 60, CONTAINER, add=True, interactable=True)
story_trigger("Event08EnterContainer", -480, CONTAINER, 80)
story_trigger("Event09ChangeLightbulb", LAMP_X, ROOF, 60, add=True)
story_trigger("Event10Calendar", CALENDAR_X - 40, MORNING, 120, add=True, interactable=True)
# The ladder in the lift shaft, usable once the doors have opened.
obj("RedCorridorToRooftop", 4).transform(LIFT_X, CORRIDOR, 0, 40, PLAYER_H).body().box(add=True)

# Lines the player says on the way.
for name, x, standing in (("Dialogue2ndPhase00", -450, CORRIDOR), ("Dialogue2ndPhase01", 900, CORRIDOR),
                          ("Dialogue_ManFlashEnd01", OLDMAN_X + 112, CONTAINER)):
    trigger(name, 4, x, standing)

# The creature, waiting unseen at the corridor's west end.
CREATURE_W, CREATURE_H = 184.0, 226.0
obj("Creature", 5).transform(CORRIDOR_LEFT + 100, CF + CREATURE_H / 2, Z_PLAYER + 0.5, CREATURE_W, CREATURE_H).sprite(
    "creature_walk.png", alpha=0.0, cols=30, delay=30.0, animate=True).body().box(0.45, 0.9).behaviour("ScriptedEnemy")
obj("CreatureParticles", 4, "Creature").transform(CORRIDOR_LEFT + 100, CF + CREATURE_H / 2, Z_PLAYER + 0.6, 160,
                                                  200).particles(
    tex="creature_particle.png", vel=(0, 0.4), size=(26, 26), grow=(14, 14), start=(0.3, 0.08, 0.1),
    end=(0.05, 0.02, 0.03), rate=1, maxcount=80, scalevar=8.0, alpha=0.7, endalpha=0.0, life=1.2, shape=1, play=False)

# ---- Areas: the room picks the sound mix and the light. The player starts inside the corridor's.
area("T_FLOOR12", CORRIDOR_LEFT - 900, CORRIDOR_RIGHT + 900, CORRIDOR)
area("T_OUTSIDE", ROOF_LEFT, ROOF_RIGHT, ROOF)
area("T_CONTAINER", -ROOM_W / 2, ROOM_W / 2, CONTAINER)
area("T_DEATHBED", -3000 - ROOM_W / 2, -3000 + ROOM_W / 2, DEATHBED)
area("T_FINAL", 3000 - ROOM_W / 2, 3000 + ROOM_W / 2, MORNING)

# ---- The player, the line of text and the key prompt that follow them.
obj("Player", 3).transform(START_X, CORRIDOR, Z_PLAYER, PLAYER_W, PLAYER_H).body(PLAYER_MASS, True).box(
    0.4, 1.0).sprite("player_idle.png", cols=30, delay=60.0, animate=True).player()
obj("Dialogue", 15, "Player").transform(START_X, CORRIDOR, 20).text(
    "...", pos=(-70, 78, 0), color=(0.92, 0.94, 1.0), scale=0.3, alpha=0.0)
obj("KeyboardPromptE", 12, "Player").transform(START_X, CORRIDOR, Z_PROMPT, 36, 39).sprite("key_e.png", alpha=0.0)
obj("KeyboardPrompts", 4).transform(0, 0, 0).behaviour("KeyboardPrompt")

# ---- Fades, the ending's white flash and the credits.
obj("EndingFlash", 12).transform(0, -2000, Z_FLASH, 20000, 20000).sprite("white.png", alpha=0.0)
obj("CreditsHUD", 12).transform(CALENDAR_X, MORNING, Z_CREDITS, 550, 340).sprite("credits.png", alpha=0.0)
obj("FadeInAndOut", 12).transform(0, -2000, Z_FADE, 20000, 20000).sprite("black.png", "white.png", alpha=0.0)
obj("Black", 12).transform(0, -2000, Z_BLACK, 20000, 20000).sprite("black.png")

levelfile.pause_menu()
levelfile.write("Level3", sys.argv[1])
