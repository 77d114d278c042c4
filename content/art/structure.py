"""The building around the level-1 rooms: slab edges, end walls, the stairwell, door heads and the
bare room the player wakes in after being caught.

Walls and slabs have no lit partner: they sit outside the lamps' reach, so they are drawn once at
night values that sit between a room's lit and unlit looks."""
import random

from svg import rect, line, circle, ellipse, group, polygon, polyline, linear_gradient, radial_gradient, blur
from rooms import ROOM_W, ROOM_H, FLOOR, PPU, Paint, night, common_defs, storm_window, lamp_dark, lamp_glow, moon_shaft

SLAB_W, SLAB_H = 2400, 200


def slab_strip():
    """Concrete floor slab seen in section. Drawn straight in pixels: the level stretches it to
    several widths (7400, 5000 and 2400 units), so only horizontal bands carry the detail and the
    few vertical marks are soft enough to stretch."""
    rng = random.Random(31)
    w, h = SLAB_W, SLAB_H
    defs = linear_gradient("slabFace", [(0, "#5a5f6b"), (0.55, "#4a4f5a"), (1, "#2f333d")])
    s = rect(0, 0, w, h, "url(#slabFace)")
    s += rect(0, 0, w, 10, "#9a978e")      # floor screed cut edge
    s += rect(0, 10, w, 12, "#c9c2b3")     # skirting line along the room side
    s += rect(0, 22, w, 4, "#2a2d35")      # its shadow on the slab face
    s += rect(0, 26, w, 10, "#676c77", 'opacity="0.6"')
    for k in range(1, 12):  # formwork joints
        x = k * 200 + rng.uniform(-30, 30)
        s += rect(x, 30, 2, h - 62, "#3a3e48", 'opacity="0.5"')
    for _ in range(26):  # rain streaks bleeding down from the edge
        x = rng.uniform(0, w)
        s += rect(x, 26, rng.uniform(2, 4), rng.uniform(40, 130), "#262a33", 'opacity="%.2f"' % rng.uniform(0.12, 0.25))
    s += rect(0, h - 34, w, 6, "#23262e")  # drip groove
    s += rect(0, h - 28, w, 3, "#6a6f7a", 'opacity="0.5"')
    s += rect(0, h - 10, w, 10, "#1c1f27")
    return w, h, s, defs, 1


def wall_section(x, w, top=0, bottom=ROOM_H):
    """A wall cut through: pale edges and a darker core."""
    return (rect(x, top, w, bottom - top, "#4f5562") + rect(x + 4, top, w - 8, bottom - top, "#3c414d")
            + rect(x, top, 3, bottom - top, "#8b8f98") + rect(x + w - 3, top, 3, bottom - top, "#8b8f98"))


def breeze_blocks(x, y, cols, rows, seed, size=24):
    """The estate's ventilation blocks: a grid of openings with the storm showing through."""
    rng = random.Random(seed)
    s = rect(x - 6, y - 6, cols * size + 12, rows * size + 12, "#5b606c")
    for r in range(rows):
        for c in range(cols):
            cx, cy = x + c * size, y + r * size
            s += rect(cx + 3, cy + 3, size - 6, size - 6, rng.choice(("#0b1220", "#0e1626", "#101a2c")))
            if rng.random() < 0.5:
                s += line(cx + 14, cy + 5, cx + 10, cy + size - 5, "#8ea3c6", 1, 0.45)
    return s


def end_wall():
    """The building's end wall beyond the bedroom: outer facade, a ventilation window and a
    drainpipe, with the wall cut through where it meets the room (its right edge)."""
    rng = random.Random(41)
    w = 800
    defs = linear_gradient("facade", [(0, "#1e2430"), (1, "#2b3240")], 0, 0, 1, 0)
    s = rect(0, 0, w, ROOM_H, "url(#facade)")
    for y in (60, FLOOR):  # floor bands of the facade
        s += rect(0, y - 14, w - 40, 18, "#343b4a") + rect(0, y + 4, w - 40, 4, "#151a23")
    s += breeze_blocks(520, 170, 5, 8, 7)
    s += rect(300, 0, 14, ROOM_H, "#3a4150") + rect(303, 0, 4, ROOM_H, "#56607a")  # drainpipe
    for y in range(40, ROOM_H, 140):
        s += rect(294, y, 26, 8, "#2a303c")
    for _ in range(12):  # wet streaks
        x = rng.uniform(0, w - 50)
        s += rect(x, rng.uniform(0, 200), rng.uniform(6, 16), rng.uniform(120, 380), "#141922", 'opacity="0.35"')
    s += group("".join(line(x, y, x - 5, y + 16, "#9fb3d1", 1.2) for x, y in
                       ((rng.uniform(0, w - 40), rng.uniform(0, ROOM_H)) for _ in range(180))), extra='opacity="0.3"')
    s += wall_section(w - 40, 40)
    return w, ROOM_H, s, defs, PPU


def stairwell():
    """The stairwell at the open end of the corridor: the wall cut through on its left edge, a
    flight of stairs rising to the next landing, a handrail and breeze blocks onto the storm."""
    w = 800
    defs = (linear_gradient("stairBack", [(0, "#3a404c"), (1, "#2a2f3a")])
            + radial_gradient("tube", [(0, "#b9ccf0", 0.30), (1, "#b9ccf0", 0.0)]))
    s = rect(0, 0, w, ROOM_H, "url(#stairBack)")
    s += rect(0, 380, w, FLOOR - 380, "#2f4040", 'opacity="0.5"')  # painted dado
    s += breeze_blocks(600, 110, 6, 7, 9)
    # the flight up: steps rising to the right, the slab of the next landing above
    steps = 12
    x0, y0, run, rise = 120, FLOOR, 36, 30
    pts = [(x0, y0)]
    for k in range(steps):
        pts += [(x0 + k * run, y0 - (k + 1) * rise), (x0 + (k + 1) * run, y0 - (k + 1) * rise)]
    pts += [(x0 + steps * run + 30, y0 - steps * rise + 40), (x0 + 40, y0)]
    s += polygon(pts, "#5e636d")
    for k in range(steps):
        s += rect(x0 + k * run, y0 - (k + 1) * rise, run, 4, "#8c8f95")  # nosings
    rail = [(x0 + k * run + 18, y0 - (k + 1) * rise - 70) for k in range(steps)]
    s += polyline(rail, "#1a1d24", 5)
    for k in range(0, steps, 2):
        px, py = rail[k]
        s += line(px, py, px, py + 70, "#1a1d24", 3)
    s += rect(0, 0, w, 36, "#262a33") + rect(0, 36, w, 6, "#15181f")  # landing slab above
    s += rect(380, 42, 100, 8, "#c6d0dc") + ellipse(430, 70, 220, 100, "url(#tube)")
    s += rect(0, FLOOR, w, ROOM_H - FLOOR, "#5c5f66") + rect(0, FLOOR, w, 6, "#7b7e84")
    s += ellipse(430, FLOOR + 10, 200, 20, "url(#tube)")
    # the way in from the corridor: the wall cut through above a doorway, and a lit stairs sign
    head = FLOOR - 200
    s += wall_section(0, 40, 0, head) + rect(0, head - 14, 40, 14, "#2b2f36") + rect(0, head - 2, 40, 2, "#15181d")
    s += rect(0, FLOOR - 4, 40, 4, "#4a4d54")  # the threshold
    s += ellipse(88, head - 36, 46, 26, "#5fd08a", 'opacity="0.25" filter="url(#signGlow)"')
    s += rect(56, head - 50, 64, 28, "#15803d", 'rx="3"') + rect(56, head - 50, 64, 28, "none", 'rx="3" stroke="#d9f7e3" stroke-width="1.5"')
    s += polyline([(64, head - 27), (76, head - 27), (76, head - 33), (86, head - 33), (86, head - 39), (96, head - 39),
                   (96, head - 45), (110, head - 45)], "#f2fff6", 3)
    return w, ROOM_H, s, defs + blur("signGlow", 8), PPU


DOOR_W, DOOR_H = 36, 340


def door_head(front):
    """The wall over a doorway between two rooms, cut through, with the door frame's head at the
    bottom. The flat's front door has a heavier concrete lintel and the gate rail."""
    w, h = DOOR_W, DOOR_H
    face, core = ("#5a5f6a", "#444955") if front else ("#5f6a80", "#4a5366")
    s = rect(0, 0, w, h, face) + rect(4, 0, w - 8, h, core)
    s += rect(0, 0, 2, h, "#8e93a0") + rect(w - 2, 0, 2, h, "#8e93a0")
    if front:
        s += rect(0, h - 46, w, 30, "#6b6f78") + rect(0, h - 46, w, 3, "#8d9099")  # lintel
        s += rect(0, h - 16, w, 16, "#2b2f36") + rect(0, h - 4, w, 4, "#15181d")  # gate rail
    else:
        s += rect(0, h - 30, w, 30, "#5a4230") + rect(0, h - 30, w, 4, "#7a5d44")  # frame head
        s += rect(0, h - 6, w, 6, "#3e2c20")
    s += rect(0, 0, w, 12, "#1d2029")  # the ceiling's shadow
    return w, h, s, "", PPU


def deathbed_room(lit):
    """A dim, bare room with one iron bed under a bare bulb, and a small barred window high up."""
    p = Paint(lit)
    rng = random.Random(51)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#5c6270"))]
    s.append(rect(0, 300, ROOM_W, FLOOR - 300, p("#535866")))  # old paint line
    s.append(rect(0, 296, ROOM_W, 4, p("#474c58")))
    for _ in range(7):  # plaster fallen away
        x, y = rng.uniform(40, ROOM_W - 120), rng.uniform(60, 460)
        s.append(ellipse(x, y, rng.uniform(20, 60), rng.uniform(12, 30), p("#6d7180"), 'opacity="0.7"'))
    s.append(rect(880, 30, 160, 300, p("#474b56"), 'opacity="0.35"'))  # a damp stain under the window
    s.append(storm_window(880, 90, 160, 110, p, 12, frame="#8a8c90"))
    for k in range(1, 5):
        s.append(line(880 + k * 32, 90, 880 + k * 32, 200, p("#2b2f36"), 4))  # bars
    s.append(rect(0, 0, ROOM_W, 26, p("#7d808a")))  # bare ceiling
    # the bulb on its flex
    s.append(line(560, 26, 560, 150, p("#1a1c22"), 2))
    s.append(circle(560, 160, 11, "#fff0cc" if lit else night("#a8a090")))
    # the iron bed
    bed = p("#2c2f36")
    s.append(rect(280, 330, 10, FLOOR - 330, bed) + rect(690, 380, 10, FLOOR - 380, bed))  # head and foot posts
    s.append(circle(285, 328, 9, bed) + circle(695, 378, 8, bed))  # knobs on the posts
    s.append(rect(286, 420, 408, 46, p("#b8b3a6"), 'rx="8"'))  # thin mattress
    s.append(rect(300, 402, 90, 26, p("#d8d3c6"), 'rx="10"'))  # pillow
    s.append(polygon([(420, 418), (694, 418), (702, 474), (430, 470)], p("#6b7280")))  # grey blanket
    s.append(rect(282, 466, 420, 10, bed))
    s.append(line(300, FLOOR, 300, 476, bed, 6) + line(680, FLOOR, 680, 476, bed, 6))
    # bare concrete floor
    s.append(rect(0, FLOOR, ROOM_W, ROOM_H - FLOOR, p("#6a6d72")) + rect(0, FLOOR - 10, ROOM_W, 10, p("#4e525a")))
    for k in range(0, ROOM_W, 150):
        s.append(line(k + 40, FLOOR, k + 10, ROOM_H, p("#5a5d63"), 2))
    s.append(ellipse(490, FLOOR + 6, 240, 10, "#05070c", 'opacity="0.35"'))  # under the bed
    if lit:
        s.append(lamp_glow(560, 170, 300) + ellipse(560, FLOOR + 20, 280, 36, "url(#warmPool)"))
        s.append(lamp_dark(560, 170, 760, 0.7))
    else:
        s.append(moon_shaft(880, 90, 160, FLOOR - 90 + 40, lean=-240))
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="0.2"'))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def images():
    return {
        "floor_slab.png": slab_strip,
        "end_wall.png": end_wall,
        "stairwell.png": stairwell,
        "door_head.png": lambda: door_head(False),
        "door_head_front.png": lambda: door_head(True),
        "deathbed_lit.png": lambda: deathbed_room(True),
        "deathbed_unlit.png": lambda: deathbed_room(False),
    }
