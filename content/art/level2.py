"""Level 2: the flat one floor down, flooded in the storm, and the way up the lift shaft to home.

The rooms share the level-1 room code's conventions (rooms.py): 1200 x 600 units, floor surface at
FLOOR, stored at 2 pixels per unit, and the unlit version is the lit drawing passed through night()."""
import random

from svg import rect, line, circle, ellipse, polygon, text, linear_gradient, radial_gradient, blur
from rooms import ROOM_W, ROOM_H, FLOOR, PPU, Paint, night, common_defs, storm_window, floorboards, \
    switch_plate, lamp_glow, lamp_dark, moon_shaft

TAP_SPOUT = (930, 372)           # the kitchen tap's spout, room units from the top left
SHAFT_W, SHAFT_H = 300, 1200     # the lift shaft's ladder picture, world units
VASE_CELLS = 8                   # the listening vase wakes over this many cells
WATER_LINE = (0.33, 0.42, 0.55)  # tide marks the flood left on the walls


def tide_marks(p, y):
    return rect(0, y, ROOM_W, 4, p("#3d4d60"), 'opacity="0.45"') + rect(0, y + 4, ROOM_W, FLOOR - y - 4, p("#2c3a4d"),
                                                                          'opacity="0.18"')


def hanging_light(x, p, lit):
    s = line(x, 0, x, 120, p("#2b2f36"), 3)
    s += polygon([(x - 46, 160), (x + 46, 160), (x + 26, 120), (x - 26, 120)], p("#e8dcc0") if lit else night("#9a917e"))
    return s


def kitchen(lit):
    p = Paint(lit)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#7d8a86")), rect(0, 0, ROOM_W, 30, p("#d0c8ba"))]
    for y in range(300, FLOOR, 28):  # wall tiles behind the counters
        for x in range(200, 1180, 28):
            s.append(rect(x, y, 26, 26, p("#c9d3cf"), 'opacity="0.55"'))
    s.append(rect(40, 150, 110, FLOOR - 150, p("#5b4330")) + rect(52, 162, 86, FLOOR - 172, p("#654b36")))  # door
    s.append(storm_window(820, 120, 240, 170, p, 7))
    s.append(rect(220, 60, 420, 150, p("#a7b3ae")) + line(430, 60, 430, 210, p("#8b9692"), 3))  # wall cupboards
    s.append(rect(220, 420, 960, 120, p("#a7b3ae")) + rect(220, 408, 960, 16, p("#e8e2d6")))  # counters
    for x in range(240, 1160, 120):
        s.append(rect(x, 434, 104, 94, p("#b4c0bb")) + rect(x + 44, 446, 16, 4, p("#6b7471")))
    s.append(rect(840, 392, 180, 22, p("#c9ced1")) + rect(852, 396, 156, 14, p("#4b5963")))  # sink
    tx, ty = TAP_SPOUT
    s.append(rect(tx - 6, ty - 20, 12, 34, p("#c0c6cc")) + rect(tx - 6, ty - 28, 44, 10, p("#c0c6cc"), 'rx="4"'))
    s.append(rect(tx + 22, ty - 40, 20, 10, p("#9aa1a8"), 'rx="3"'))  # handle
    s.append(rect(660, 200, 120, 340, p("#dfe3e2"), 'rx="8"') + line(660, 330, 780, 330, p("#b9bfbe"), 3))  # fridge
    s.append(rect(300, 470, 160, 12, p("#6e5138")) + rect(310, 482, 10, FLOOR - 482, p("#5a4230")))  # table
    s.append(rect(440, 482, 10, FLOOR - 482, p("#5a4230")))
    s.append(rect(480, 300, 60, 70, p("#3b3a36")) + circle(510, 335, 24, p("#f1efe9")))  # clock
    s.append(switch_plate(150, 330, p, lit))
    s.append(hanging_light(560, p, lit))
    s.append(tide_marks(p, 500))
    s.append(floorboards(p, FLOOR, color="#6f7d80", seam="#5b686b"))
    if lit:
        s.append(lamp_glow(560, 170, 420) + ellipse(560, FLOOR + 20, 320, 40, "url(#warmPool)") + lamp_dark(560, 170, 1000, 0.4))
    else:
        s.append(moon_shaft(820, 120, 240, FLOOR - 120 + 40, lean=-220))
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="0.15"'))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def livingroom(lit):
    p = Paint(lit)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#7a6f86")), rect(0, 0, ROOM_W, 30, p("#d0c8ba"))]
    for k in range(0, ROOM_W, 60):  # damp wallpaper pattern
        s.append(rect(k + 20, 40, 6, FLOOR - 60, p("#85798f")))
    s.append(storm_window(230, 130, 260, 200, p, 9))
    s.append(rect(940, 170, 120, FLOOR - 170, p("#4d3a2b")) + circle(1040, 370, 7, p("#c9b98f")))  # front door
    s.append(rect(960, 200, 80, 50, p("#3a2c20")))
    s.append(rect(560, 150, 70, 90, p("#3b3a36")) + rect(568, 158, 54, 74, p("#8e8a7c")))  # photos
    s.append(rect(650, 180, 50, 60, p("#3b3a36")) + rect(656, 186, 38, 48, p("#a48e6c")))
    s.append(rect(150, 440, 110, 100, p("#5a4230")) + rect(156, 436, 98, 8, p("#6e5138")))  # side table under the vase
    s.append(rect(700, 420, 300, 90, p("#5d6b56"), 'rx="14"') + rect(700, 386, 300, 54, p("#6a7a62"), 'rx="14"'))  # sofa
    s.append(rect(690, 400, 36, 110, p("#55624f"), 'rx="10"') + rect(976, 400, 36, 110, p("#55624f"), 'rx="10"'))
    s.append(rect(360, 470, 220, 14, p("#6e5138")) + rect(372, 484, 10, FLOOR - 484, p("#5a4230")))  # low table
    s.append(rect(558, 484, 10, FLOOR - 484, p("#5a4230")))
    s.append(rect(380, 446, 40, 24, p("#c9c2b4")) + rect(440, 456, 90, 14, p("#7a3b2c")))  # a cup, a book adrift
    s.append(line(850, 0, 850, 40, p("#2b2f36"), 3))  # the hanging lamp's ceiling rose
    s.append(tide_marks(p, 496))
    s.append(floorboards(p, FLOOR, color="#6b5e52", seam="#574b41"))
    if lit:
        s.append(lamp_glow(850, 320, 460) + ellipse(850, FLOOR + 20, 360, 44, "url(#warmPool)") + lamp_dark(850, 320, 1100, 0.4))
    else:
        s.append(moon_shaft(230, 130, 260, FLOOR - 130 + 40, lean=240))
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="0.18"'))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def bedroom(lit):
    """The neighbour's bedroom. Lit by its lamp, its window is a black mirror; with the light off
    the storm and the ledge outside show through it."""
    p = Paint(lit)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#66708a")), rect(0, 0, ROOM_W, 30, p("#d0c8ba"))]
    for k in range(0, ROOM_W, 44):
        s.append(rect(k, 30, 20, FLOOR - 30, p("#6e7893")))
    if lit:
        s.append(rect(130, 130, 200, 230, "#0c0f16") + rect(130, 130, 200, 230, "none", 'stroke="#d9d2c4" stroke-width="8"'))
        s.append(ellipse(250, 290, 60, 40, "#f2b256", 'opacity="0.25"'))  # the lamp, reflected
        s.append(line(230, 130, 230, 360, "#d9d2c4", 6))
    else:
        s.append(storm_window(130, 130, 200, 230, p, 11))
        s.append(rect(138, 300, 184, 10, "#2a3344"))  # the ledge, seen through the glass
    s.append(rect(110, 112, 240, 16, p("#4a3f5c")) + rect(100, 124, 30, 250, p("#524668")) + rect(330, 124, 30, 250, p("#524668")))
    s.append(rect(460, 400, 380, 100, p("#3a2c22")) + rect(460, 340, 26, 160, p("#3a2c22")))  # bed
    s.append(rect(486, 382, 340, 56, p("#e4e0d8"), 'rx="12"') + rect(580, 392, 250, 60, p("#8a5a6a"), 'rx="14"'))
    s.append(rect(880, 200, 160, 340, p("#5f4a38")) + line(960, 200, 960, 540, p("#45352a"), 3))  # wardrobe
    s.append(rect(1060, 440, 80, 100, p("#5a4230")))
    s.append(rect(1094, 394, 10, 46, p("#c9bca6")) + polygon([(1076, 398), (1122, 398), (1112, 366), (1086, 366)],
                                                                 p("#f2d7a2") if lit else night("#b8a88a")))
    s.append(switch_plate(1110, 330, p, lit))
    s.append(tide_marks(p, 500))
    s.append(floorboards(p, FLOOR))
    if lit:
        s.append(lamp_glow(1099, 380, 360) + lamp_dark(1099, 380, 1000, 0.5))
    else:
        s.append(moon_shaft(130, 130, 200, FLOOR - 130 + 40, lean=200))
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="0.2"'))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def mother_bedroom():
    """Home again, one floor up: the mother's room in the dark, the spare bulb by the bed."""
    p = Paint(False)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#8a7d8e")), rect(0, 0, ROOM_W, 30, p("#d0c8ba"))]
    for k in range(0, ROOM_W, 36):
        s.append(circle(k + 18, 120, 4, p("#9d90a1")) + circle(k, 240, 4, p("#9d90a1")) + circle(k + 18, 360, 4, p("#9d90a1")))
    s.append(rect(60, 340, 100, 200, p("#4c5366")) + rect(60, 300, 100, 40, p("#5a6278")))  # the vent grille, low
    for y in range(350, 530, 14):
        s.append(line(70, y, 150, y, p("#2e3340"), 4))
    s.append(storm_window(460, 120, 240, 190, p, 13))
    s.append(rect(240, 380, 170, 160, p("#6a5040")) + rect(252, 300, 146, 80, p("#e2dccf")))  # dressing table
    s.append(ellipse(325, 340, 50, 34, p("#b9c6d6")))
    s.append(rect(560, 410, 300, 90, p("#3a2c22")) + rect(830, 330, 30, 170, p("#3a2c22")))  # bed
    s.append(rect(580, 392, 260, 52, p("#ece6dc"), 'rx="12"') + rect(580, 404, 190, 60, p("#a0708a"), 'rx="14"'))
    s.append(rect(880, 452, 100, 88, p("#5a4230")) + rect(876, 446, 108, 8, p("#6e5138")))  # bedside table
    s.append(rect(926, 400, 8, 46, p("#c9bca6")) + polygon([(904, 404), (956, 404), (946, 372), (914, 372)], night("#b8a88a")))
    s.append(rect(1080, 180, 100, FLOOR - 180, p("#5b4330")))  # door to the living room
    s.append(floorboards(p, FLOOR))
    s.append(moon_shaft(460, 120, 240, FLOOR - 120 + 40, lean=-200))
    s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="0.12"'))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def flood():
    """The water over the flat's floor: its surface along the top edge, darker with depth."""
    w, h = 3600, 200
    defs = (linear_gradient("floodDeep", [(0, "#5a7796", 0.75), (0.06, "#243650", 0.62), (1, "#0c1420", 0.85)])
            + blur("floodSoft", 2))
    rng = random.Random(21)
    s = rect(0, 0, w, h, "url(#floodDeep)")
    s += rect(0, 0, w, 3, "#9fb4cc", 'opacity="0.6"')
    for _ in range(160):  # ripples and the lamps' glints on the surface
        x, y = rng.uniform(0, w), rng.uniform(4, 30)
        s += ellipse(x, y, rng.uniform(10, 40), 1.6, "#a9bfd8", 'opacity="%.2f"' % rng.uniform(0.1, 0.35))
    return w, h, s, defs, 0.5


def echo_vase():
    """A tall vase on the side table that is not a vase: over its cells an eye opens in its glaze,
    cracks run from it and the whole thing leans toward the listener, eyes blazing at the end."""
    cw, ch = 60, 90
    cells = []
    for c in range(VASE_CELLS):
        t = c / (VASE_CELLS - 1)
        x = c * cw
        lean = 6 * t
        body = [(x + 30 - 10 + lean, 6), (x + 30 + 10 + lean, 6), (x + 30 + 22, 40), (x + 30 + 16, 84), (x + 30 - 16, 84),
                (x + 30 - 22, 40)]
        s = ellipse(x + 30, 86, 20, 3, "#05070c", 'opacity="0.5"')
        s += polygon(body, "#2b3a4a") + polygon(body[:3] + [(x + 30 + 6, 80), (x + 30 - 4, 80)], "#3a4d61")
        s += ellipse(x + 30 + lean, 6, 11, 3, "#1c2733")
        s += line(x + 14, 40, x + 46, 40, "#6d8aa6", 2, 0.6)
        if t > 0.1:  # the eye opens
            r = 2 + 7 * t
            s += ellipse(x + 30 + lean / 2, 36, r * 1.5, r * min(1.0, t * 1.4), "#f4e7c6", 'opacity="%.2f"' % min(1, 0.3 + t))
            s += circle(x + 30 + lean / 2 + 2 * t, 36, r * 0.45, "#07080d")
        if t > 0.45:  # cracks
            for k, (dx, dy) in enumerate(((-14, 26), (12, 30), (-8, -22), (16, -18))):
                if t > 0.45 + k * 0.12:
                    s += line(x + 30, 36, x + 30 + dx, 36 + dy, "#0a0e14", 1.5)
        if t > 0.8:
            s += circle(x + 30 + lean / 2 + 2, 36, 13 * t, "#ffcf85", 'opacity="0.18"')
        cells.append(s)
    return cw * VASE_CELLS, ch, "".join(cells), "", 2


def hanging_lamp():
    """The living-room lamp, hung from the ceiling: 0 off, 1 with power back (a faint filament),
    2 lit, with its cone of light on the floor. One cell is the room's full height."""
    cw, ch = 80, 600
    defs = (radial_gradient("bulbGlow", [(0, "#fff1c9", 0.95), (0.4, "#ffcf85", 0.5), (1, "#f2a94e", 0.0)])
            + linear_gradient("lampCone", [(0, "#ffd99a", 0.35), (1, "#ffd99a", 0.0)]))
    cells = []
    for c in range(3):
        x = c * cw
        s = line(x + 40, 0, x + 40, 300, "#1d2128", 2)
        if c == 2:
            s += polygon([(x + 22, 336), (x + 58, 336), (x + 80, 600), (x + 0, 600)], "url(#lampCone)")
            s += circle(x + 40, 334, 34, "url(#bulbGlow)")
        s += polygon([(x + 14, 336), (x + 66, 336), (x + 54, 300), (x + 26, 300)], "#e8dcc0" if c == 2 else "#59544a")
        s += circle(x + 40, 338, 5, "#fff5d6" if c == 2 else ("#c8753a" if c == 1 else "#2b2a27"))
        cells.append(s)
    return cw * 3, ch, "".join(cells), defs, 1


def swollen_door(open_):
    """The bedroom door in the partition, seen edge-on: shut and swollen, or forced open."""
    w, h = 44, 240
    s = rect(0, 0, w, 12, "#d8cfc0") + rect(0, 0, 8, h, "#c8bfae") + rect(w - 8, 0, 8, h, "#c8bfae")
    if open_:
        s += rect(8, 12, w - 16, h - 12, "#07090e")
        s += polygon([(8, 12), (22, 28), (22, h - 4), (8, h)], "#4d3a2b")
    else:
        s += rect(8, 12, w - 16, h - 12, "#5b4330") + rect(12, 20, w - 24, h - 30, "#654b36")
        s += circle(w - 14, 130, 3, "#c9b98f")
        s += rect(8, 190, w - 16, h - 190, "#3b4b5e", 'opacity="0.5"')  # soaked up from the flood
    return w, h, s, "", 2


def back_corridor():
    """The back of the block in the storm: the bedroom window, the narrow ledge broken over a gap,
    air-conditioners on their brackets, pipes, and the vent grille further along. The ledge's top is
    580 units down from the top; the gap spans 800 to 1280."""
    w, h = 2400, 700
    ledge, gap = 580, (800, 1280)
    rng = random.Random(31)
    s = rect(0, 0, w, ledge, "#4a5262")
    for y in range(0, ledge, 40):  # concrete panels
        s += line(0, y, w, y, "#434a59", 2)
    for x in range(0, w, 300):
        s += line(x, 0, x, ledge, "#3f4655", 3)
    for x in (120, 600, 1500, 2000):  # windows, most dark, one lit
        lit = x == 1500
        s += rect(x, 140, 200, 220, "#f2b256" if lit else "#111722", 'opacity="%s"' % ("0.7" if lit else "1"))
        s += rect(x, 140, 200, 220, "none", 'stroke="#2e3440" stroke-width="10"')
        s += rect(x - 12, 360, 224, 14, "#5d6576")
    s += rect(1880, 430, 120, 90, "#2a2f3a") + "".join(line(1888, 440 + k * 12, 1992, 440 + k * 12, "#5e6677", 4)
                                                      for k in range(7))  # the vent grille
    s += rect(1700, 0, 16, ledge, "#3a404d") + rect(1740, 0, 10, ledge, "#3a404d")  # pipes
    s += rect(0, ledge, gap[0], 24, "#6a7080") + rect(gap[1], ledge, w - gap[1], 24, "#6a7080")  # the ledge
    s += rect(0, ledge + 24, gap[0], h - ledge - 24, "#2a2f3a") + rect(gap[1], ledge + 24, w - gap[1], h - ledge - 24, "#2a2f3a")
    s += polygon([(gap[0], ledge), (gap[0] + 30, ledge + 40), (gap[0], ledge + 70)], "#6a7080")  # broken ends
    s += polygon([(gap[1], ledge), (gap[1] - 24, ledge + 30), (gap[1], ledge + 60)], "#6a7080")
    s += rect(gap[0], ledge + 24, gap[1] - gap[0], h - ledge - 24, "#0a0d13")  # the drop
    for x in (420, 1500, 2200):  # air-conditioners along the ledge
        s += rect(x, ledge - 90, 110, 86, "#8b919c") + circle(x + 55, ledge - 47, 30, "#5b616c") + circle(x + 55, ledge - 47, 6, "#3a3f48")
    for _ in range(60):
        x = rng.uniform(0, w)
        s += line(x, rng.uniform(0, ledge), x - 3, rng.uniform(0, ledge), "#2b3240", 1, 0.4)  # rain streaks
    return w, h, s, "", 1


def ledge_planks():
    w, h = 500, 20
    s = "".join(rect(k * 50 + 1, 2 + (k % 2), 48, 14, ("#6b4f3a", "#5e4533")[k % 2]) for k in range(10))
    s += line(0, 18, w, 18, "#2c2018", 2)
    return w, h, s, "", 2


def aircon_unit():
    w, h = 90, 80
    s = rect(4, 6, 82, 60, "#8b919c", 'rx="4"') + circle(45, 36, 24, "#5b616c") + circle(45, 36, 5, "#3a3f48")
    for k in range(5):
        s += line(24, 22 + k * 7, 66, 22 + k * 7, "#4a4f58", 2)
    s += rect(0, 66, 90, 6, "#40454f") + line(10, 72, 30, 80, "#40454f", 4) + line(80, 72, 60, 80, "#40454f", 4)
    return w, h, s, "", 2


def vent_duct():
    """Inside the ventilation duct: a square tunnel of galvanised steel, just high enough to crawl."""
    w, h = ROOM_W, ROOM_H
    top = FLOOR - 170
    defs = linear_gradient("duct", [(0, "#3c4452"), (0.5, "#59636f"), (1, "#2e3540")])
    s = rect(0, 0, w, h, "#07090d")
    s += rect(0, top, w, FLOOR - top, "url(#duct)")
    for x in range(0, w, 150):  # seams and rivets
        s += line(x, top, x, FLOOR, "#2a3039", 3) + "".join(circle(x + 6, top + 12 + k * 40, 2, "#8792a0") for k in range(4))
    s += rect(0, top - 10, w, 10, "#20252d") + rect(0, FLOOR, w, h - FLOOR, "#15191f")
    s += rect(0, FLOOR - 4, w, 4, "#6b7683")
    s += rect(520, top, 160, 8, "#9fb0c4", 'opacity="0.5"')  # light through a grille above
    s += polygon([(520, top + 8), (680, top + 8), (720, FLOOR), (480, FLOOR)], "#9fb0c4", opacity=0.08)
    for x in (300, 880):
        s += ellipse(x, FLOOR - 2, 40, 4, "#6f8fb0", 'opacity="0.4"')  # puddles
    return w, h, s, defs, PPU


def shaft_ladder():
    """The lift shaft between floors 11 and 12, with its steel ladder; the duct comes in at the
    bottom left, the landing of floor 12 is at the top."""
    w, h = SHAFT_W, SHAFT_H
    defs = linear_gradient("shaftWall", [(0, "#10141c"), (0.5, "#1c232e"), (1, "#10141c")], 0, 0, 1, 0)
    s = rect(0, 0, w, h, "url(#shaftWall)")
    for y in range(0, h, 90):
        s += line(0, y, w, y, "#232a36", 2)
    s += rect(210, 0, 6, h, "#3e4552") + rect(240, 0, 6, h, "#3e4552")  # the lift's cables
    s += rect(120, 40, 8, h - 60, "#8d949f") + rect(172, 40, 8, h - 60, "#8d949f")  # ladder rails
    for y in range(60, h - 20, 36):
        s += rect(120, y, 60, 6, "#a8aeb8")
    landing = 330  # floor 12's landing, from the top
    s += rect(0, landing, w, 20, "#3b4250") + text(40, landing - 20, "12", 30, "#6b7384", anchor="start")
    s += rect(0, landing - 230, 40, 230, "#2a303c")
    s += text(40, h - 200, "11", 30, "#6b7384", anchor="start")
    s += rect(0, h - 170, 70, 110, "#05070a")  # where the duct comes in
    s += rect(0, h - 60, w, 60, "#2a303c")
    return w, h, s, defs, 1


def light_bulb():
    w, h = 16, 24
    s = circle(8, 8, 7, "#f4f1e6", 'opacity="0.9"') + rect(5, 14, 6, 7, "#b8b2a2") + line(5, 17, 11, 17, "#7d786c", 1)
    s += circle(6, 6, 2, "#ffffff")
    return w, h, s, "", 4


def images():
    return {
        "kitchen_flooded.png": lambda: kitchen(False),
        "kitchen_flooded_lit.png": lambda: kitchen(True),
        "livingroom_flooded.png": lambda: livingroom(False),
        "livingroom_flooded_lit.png": lambda: livingroom(True),
        "bedroom_flooded_lit.png": lambda: bedroom(True),
        "bedroom_flooded_unlit.png": lambda: bedroom(False),
        "bedroom_mother.png": mother_bedroom,
        "flood_rooms.png": flood,
        "echo_vase.png": echo_vase,
        "lamp_hanging.png": hanging_lamp,
        "door_swollen.png": lambda: swollen_door(False),
        "door_swollen_open.png": lambda: swollen_door(True),
        "back_corridor.png": back_corridor,
        "ledge_planks.png": ledge_planks,
        "aircon_unit.png": aircon_unit,
        "vent_duct.png": vent_duct,
        "shaft_ladder.png": shaft_ladder,
        "light_bulb.png": light_bulb,
    }
