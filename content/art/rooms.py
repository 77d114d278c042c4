"""Level-1 rooms, each in a lit and an unlit version drawn by the same code: the unlit version
runs every colour through `night()` and swaps lamplight for cold light from the windows.

Rooms are drawn in world units (1 unit = 1 screen pixel at zoom 1) and stored at 2 pixels per unit,
because the level camera shows them at zoom 2. FLOOR is where the floor's top surface meets the wall."""
import random

from svg import rect, line, circle, ellipse, group, polygon, polyline, text, linear_gradient, radial_gradient, blur

ROOM_W, ROOM_H, FLOOR = 1200, 600, 540
PPU = 2


def night(color):
    r, g, b = int(color[1:3], 16), int(color[3:5], 16), int(color[5:7], 16)
    r, g, b = r * 0.28, g * 0.34, b * 0.50
    return "#%02x%02x%02x" % (int(r), int(g), int(min(255, b + 6)))


class Paint:
    def __init__(self, lit):
        self.lit = lit

    def __call__(self, color):
        return color if self.lit else night(color)


def common_defs():
    return (blur("soft", 6) + blur("wide", 24) + blur("huge", 60)
            + radial_gradient("warmPool", [(0, "#ffcf85", 0.75), (0.45, "#f2a94e", 0.28), (1, "#f2a94e", 0.0)])
            + radial_gradient("coldPool", [(0, "#b9ccf0", 0.35), (1, "#b9ccf0", 0.0)])
            + linear_gradient("moonShaft", [(0, "#c7d6f5", 0.28), (1, "#c7d6f5", 0.0)]))


def storm_window(x, y, w, h, p, seed, frame="#d9d2c4"):
    """A window onto the storm: dark sky, distant blocks, rain on the glass."""
    rng = random.Random(seed)
    s = rect(x, y, w, h, "#0b1220")
    s += rect(x, y + h * 0.55, w, h * 0.45, "#121b2c")
    for k in range(int(w / 28)):  # the next block over, with a few lights on
        bx = x + k * 28 + 4
        top = y + h * rng.uniform(0.25, 0.55)
        s += rect(bx, top, 22, y + h - top, "#070b13")
        if rng.random() < 0.4:
            s += rect(bx + 8, top + rng.uniform(6, 30), 6, 6, "#f2b256", 'opacity="0.8"')
    for _ in range(int(w * h / 500)):
        rx, ry = rng.uniform(x + 2, x + w - 2), rng.uniform(y + 2, y + h - 12)
        s += line(rx, ry, rx - 2, ry + rng.uniform(6, 12), "#8ea3c6", 1, 0.5)
    s += rect(x, y, w, h, "none", 'stroke="%s" stroke-width="8"' % p(frame))
    s += line(x + w / 2, y, x + w / 2, y + h, p(frame), 6) + line(x, y + h / 2, x + w, y + h / 2, p(frame), 5)
    s += rect(x - 10, y + h + 2, w + 20, 10, p("#cfc6b6"))  # sill
    return s


def floorboards(p, y0, color="#6b4f3a", seam="#4e3828"):
    s = rect(0, y0, ROOM_W, ROOM_H - y0, p(color))
    for k in range(0, ROOM_W, 90):
        s += line(k, y0 + 6, k + 30, ROOM_H, p(seam), 2)
    s += line(0, y0 + 20, ROOM_W, y0 + 20, p(seam), 1.5) + line(0, y0 + 40, ROOM_W, y0 + 40, p(seam), 1.5)
    s += rect(0, y0 - 14, ROOM_W, 14, p("#d8cfc0"))  # skirting
    return s


def lamp_dark(x, y, r, strength=0.5):
    """Night outside the lamp's reach: darkness that opens up around the light source."""
    gid = "dark%d_%d" % (x, y)
    grad = ('<radialGradient id="%s" cx="%d" cy="%d" r="%d" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#05070c" stop-opacity="0"/><stop offset="0.35" stop-color="#05070c" stop-opacity="0.05"/>'
            '<stop offset="1" stop-color="#05070c" stop-opacity="%.2f"/></radialGradient>' % (gid, x, y, r, strength))
    return grad + rect(0, 0, ROOM_W, ROOM_H, "url(#%s)" % gid)


def lamp_glow(x, y, r):
    return ellipse(x, y, r, r * 0.8, "url(#warmPool)")


def moon_shaft(x, y, w, h, lean=160):
    return polygon([(x, y), (x + w, y), (x + w + lean, y + h), (x + lean, y + h)], "url(#moonShaft)")


def bedroom(lit):
    p = Paint(lit)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#5e6a82"))]
    for k in range(0, ROOM_W, 40):  # wallpaper stripes
        s.append(rect(k, 30, 16, FLOOR - 30, p("#66738c")))
    s.append(rect(0, 0, ROOM_W, 30, p("#d0c8ba")))  # ceiling cornice
    s.append(storm_window(110, 120, 260, 220, p, 1))
    s.append(rect(90, 104, 300, 18, p("#3b4660")) + rect(92, 118, 34, 250, p("#44506e")) + rect(354, 118, 34, 250, p("#44506e")))  # curtains
    # bed
    s.append(rect(430, 390, 420, 110, p("#3a2c22")) + rect(430, 330, 30, 170, p("#3a2c22")) + rect(820, 380, 30, 120, p("#3a2c22")))
    s.append(rect(458, 372, 370, 60, p("#e8e4dc"), 'rx="12"'))
    s.append(rect(560, 380, 280, 70, p("#4d6c9a"), 'rx="14"'))  # blanket
    s.append(rect(470, 360, 90, 40, p("#f4f1ea"), 'rx="14"'))  # pillow
    s.append(rect(436, 500, 18, FLOOR - 500, p("#2a2018")) + rect(826, 500, 18, FLOOR - 500, p("#2a2018")))
    # bedside table and lamp
    s.append(rect(870, 430, 90, 110, p("#5a4230")) + rect(876, 452, 78, 4, p("#3e2c20")))
    s.append(rect(907, 380, 12, 50, p("#c9bca6")) + polygon([(884, 384), (942, 384), (932, 344), (894, 344)], p("#f2d7a2") if lit else night("#b8a88a")))
    # desk, chair, poster and door
    s.append(rect(990, 400, 180, 14, p("#6e5138")) + rect(1000, 414, 12, 126, p("#5a4230")) + rect(1150, 414, 12, 126, p("#5a4230")))
    s.append(rect(1040, 350, 70, 50, p("#22262e")) + rect(1046, 355, 58, 38, p("#3d5a7a") if lit else "#0d1524"))
    s.append(rect(620, 120, 120, 160, p("#c9794a")) + circle(680, 190, 40, p("#f2d36b")) + rect(620, 240, 120, 40, p("#2c3a56")))  # poster
    s.append(floorboards(p, FLOOR))
    s.append(rect(430, FLOOR + 6, 420, 14, p("#40302a"), 'opacity="0.6"'))  # rug edge
    if lit:
        s.append(lamp_glow(913, 370, 330))
        s.append(ellipse(913, FLOOR + 20, 260, 40, "url(#warmPool)"))
        s.append(lamp_dark(913, 370, 900))
    else:
        s.append(moon_shaft(110, 120, 260, FLOOR - 120 + 40, lean=220))
    s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="%s"' % ("0.0" if lit else "0.15")))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def images():
    return {
        "bedroom_lit.png": lambda: bedroom(True),
        "bedroom_unlit.png": lambda: bedroom(False),
    }
