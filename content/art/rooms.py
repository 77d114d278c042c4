"""Level-1 rooms, each in a lit and an unlit version drawn by the same code: the unlit version
runs every colour through `night()` and swaps lamplight for cold light from the windows.

Rooms are drawn in world units (1 unit = 1 screen pixel at zoom 1) and stored at 2 pixels per unit,
because the level camera shows them at zoom 2. FLOOR is where the floor's top surface meets the wall."""
import random

from svg import rect, line, circle, ellipse, group, polygon, polyline, text, linear_gradient, radial_gradient, blur

ROOM_W, ROOM_H, FLOOR = 1200, 600, 540
PPU = 2
# Where the light switches sit in the bedroom and living room (room units from the top left);
# content/levels/make_level1.py puts the switch objects in front of them.
SWITCH_BEDROOM, SWITCH_LIVINGROOM = (1150, 330), (176, 350)
# The living room image has this much clear space under its floor, so that its centre sits level
# with the keys on the table: a room's children are drawn with their y offset from the room's centre
# turned over, and the keys (a child of the room, so its light can show them) must be drawn where
# they are touched.
LIVINGROOM_PAD = 232


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


def switch_plate(x, y, p, on):
    """A wall light switch, drawn into the room so it darkens with it; (x, y) is the plate's centre."""
    s = rect(x - 8, y - 12, 18, 26, "#05070c", 'rx="3" opacity="0.35"')  # its shadow on the wall
    s += rect(x - 9, y - 13, 18, 26, p("#e4dfd4"), 'rx="3"') + rect(x - 9, y - 13, 18, 2, p("#f7f4ee"), 'rx="1"')
    s += rect(x - 4, y - 8, 8, 16, p("#c9c2b4"), 'rx="2"')
    s += rect(x - 4, y - 8 if on else y, 8, 8, p("#fbf9f4") if on else p("#a9a294"), 'rx="2"')  # rocker
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
    s.append(switch_plate(SWITCH_BEDROOM[0], SWITCH_BEDROOM[1], p, lit))  # beside the door, over the desk
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


# --- the floor-12 corridor ------------------------------------------------------------------

def flat_front(x, p, number, seed):
    """One flat seen from the common corridor: grille gate, door, barred window, shoes, plants."""
    rng = random.Random(seed)
    s = rect(x, 50, 600, FLOOR - 50, p("#b7b1a4"))
    s += rect(x, 380, 600, FLOOR - 380, p("#9d978b"))  # dado paint
    s += rect(x + 120, 200, 130, FLOOR - 200, p("#6b4a33"))  # door
    s += rect(x + 128, 208, 114, FLOOR - 208, "none", 'stroke="%s" stroke-width="3"' % p("#553a28"))
    for k in range(9):  # the gate in front of it
        s += line(x + 118 + k * 16, 196, x + 118 + k * 16, FLOOR, p("#2b2f36"), 4)
    s += line(x + 116, 196, x + 254, 196, p("#2b2f36"), 6) + line(x + 116, 370, x + 254, 370, p("#2b2f36"), 4)
    s += rect(x + 265, 240, 44, 22, p("#d8d4ca")) + text(x + 287, 256, number, 14, p("#2b2f36"))
    s += rect(x + 330, 210, 210, 140, p("#1a2230"))
    s += rect(x + 330, 210, 210, 140, "none", 'stroke="%s" stroke-width="6"' % p("#7a7f88"))
    for k in range(1, 9):
        s += line(x + 330 + k * 23, 210, x + 330 + k * 23, 350, p("#5a5f68"), 3)
    s += rect(x + 40, 500, 60, 40, p("#5c5145")) + rect(x + 44, 492, 22, 10, p("#c24b3a")) + rect(x + 70, 492, 22, 10, p("#e8e4dc"))
    for k in range(3):  # potted plants along the wall
        px = x + 360 + k * 60 + rng.uniform(-6, 6)
        s += rect(px, 500, 34, 40, p("#8a5a3c"))
        for j in range(5):
            s += ellipse(px + 17 + rng.uniform(-18, 18), 488 - j * 8, 14, 7, p(rng.choice(("#3f6b45", "#4f7d52", "#355c3c"))),
                         'transform="rotate(%d %d %d)"' % (rng.uniform(-40, 40), px + 17, 488 - j * 8))
    return s


def corridor(lit, alternate=False, number="#12-21"):
    p = Paint(lit)
    s = []
    s.append(flat_front(20, p, number, 3))
    # open bay: low parapet, sky left clear for the background behind
    s.append(rect(600, 430, 600, FLOOR - 430, p("#a7a397")) + rect(600, 424, 600, 10, p("#c9c4b6")))
    for px in (600, 1180, 0):
        s.append(rect(px, 50, 20 if px != 600 else 30, FLOOR - 50, p("#c2bcae")))
    s.append(rect(0, 0, ROOM_W, 50, p("#8d9099")) + rect(0, 44, ROOM_W, 8, p("#6e717a")))
    rng = random.Random(8)
    rain = "".join(line(x, y, x - 5, y + 16, "#9fb3d1", 1.2, 0.45) for x, y in
                   ((rng.uniform(630, 1180), rng.uniform(60, 420)) for _ in range(160)))
    s.append(rain)
    s.append(floorboards(p, FLOOR, color="#8a8578", seam="#77726a").replace(p("#d8cfc0"), p("#7d786c")))
    for tx in (300, 900):  # fluorescent tubes
        s.append(rect(tx - 50, 52, 100, 10, p("#dfe6e8") if lit else "#1b2029"))
    if lit:
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#0a0f1a", 'opacity="0.22"'))  # it is still night out here
        for tx in (300, 900):
            s.append(ellipse(tx, 70, 240, 110, "url(#coldPool)"))
            s.append(ellipse(tx, FLOOR + 20, 220, 30, "url(#coldPool)"))
    else:
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#03050a", 'opacity="0.25"'))
    if alternate:
        s.append(overgrowth(11))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def jungle_leaf(x, y, angle, size, fill, extra=""):
    """A broad pointed leaf with its midrib, growing from (x, y) toward `angle` degrees (0 = right)."""
    return group('<path d="M 0 0 Q %.1f %.1f %.1f 0 Q %.1f %.1f 0 0 Z" fill="%s" stroke="#06120c" stroke-width="1"/>'
                 % (size * 0.45, -size * 0.42, size, size * 0.45, size * 0.42, fill)
                 + line(2, 0, size * 0.8, 0, "#0a1f14", 1.2), "translate(%.1f %.1f) rotate(%.1f)" % (x, y, angle), extra)


def corridor_jungle(seed):
    """The corridor on the other side, swallowed whole: thick vines off the slab, creepers up the gate
    and pillars, moss on the walls, roots across the floor and a dim green-blue light with spores."""
    rng = random.Random(seed)
    greens = ("#123824", "#184630", "#0f2f20", "#1f5636")
    s = [rect(0, 0, ROOM_W, ROOM_H, "#0a2a30", 'opacity="0.35"')]
    # moss and damp in the wall's corners and along the skirting
    for _ in range(40):
        x = rng.uniform(0, ROOM_W)
        y = rng.choice((rng.uniform(360, FLOOR), rng.uniform(50, 120)))
        if x > 620 and y < 430:
            continue  # the open bay stays open
        s.append(ellipse(x, y, rng.uniform(30, 80), rng.uniform(10, 26), rng.choice(("#0f3322", "#143d28")),
                         'opacity="%.2f" filter="url(#soft)"' % rng.uniform(0.5, 0.8)))
    # creepers climbing the pillars and the gate
    for x0 in (10, 130, 190, 250, 614, 1190):
        pts, y = [(x0, FLOOR)], FLOOR
        top = rng.uniform(60, 260)
        while y > top:
            y -= 22
            pts.append((x0 + rng.uniform(-9, 9), y))
        s.append(polyline(pts, "#0f2e1c", rng.uniform(4, 7)))
        for k, (px, py) in enumerate(pts[1:]):
            s.append(jungle_leaf(px, py, rng.choice((-150, -30)) + rng.uniform(-25, 25), rng.uniform(14, 24), rng.choice(greens)))
    # thick vines hanging off the slab, bunched, some reaching the parapet
    for _ in range(34):
        x = rng.uniform(0, ROOM_W)
        pts, y = [(x, 44)], 44
        end = rng.uniform(140, 470)
        sway = rng.uniform(-1, 1)
        while y < end:
            y += 20
            pts.append((x + 14 * sway * (y - 44) / 200 + rng.uniform(-6, 6), y))
        s.append(polyline(pts, "#0c2618", rng.uniform(4, 8)))
        s.append(polyline(pts, "#1f4a30", 1.5, 0.6))
        for px, py in pts[1::2]:
            s.append(jungle_leaf(px, py, rng.uniform(20, 160), rng.uniform(16, 30), rng.choice(greens)))
    # a tangle of growth along the slab's edge
    for k in range(0, ROOM_W, 26):
        s.append(jungle_leaf(k + rng.uniform(-8, 8), 48 + rng.uniform(-4, 4), rng.uniform(40, 140), rng.uniform(20, 34), rng.choice(greens)))
    # roots across the floor and ferns at the foot of the walls and the parapet
    for _ in range(12):
        x = rng.uniform(0, ROOM_W)
        way = rng.choice((-1, 1))
        pts = [(x, FLOOR - 4)]
        for k in range(5):
            pts.append((pts[-1][0] + way * rng.uniform(30, 60), min(ROOM_H - 4, pts[-1][1] + rng.uniform(2, 12))))
        s.append(polyline(pts, "#0d2116", rng.uniform(6, 10)) + polyline(pts, "#2b4a32", 1.5, 0.4))
    for _ in range(30):
        x, big = rng.uniform(0, ROOM_W), rng.uniform(0.6, 1.5)
        for k in range(rng.randint(4, 8)):
            s.append(jungle_leaf(x, FLOOR + 4, -90 + (k - 3) * 24 + rng.uniform(-12, 12), big * rng.uniform(22, 40), rng.choice(greens)))
    # the light: a cold green-blue haze from the bay, darker toward the edges, spores drifting
    s.append(ellipse(900, 300, 520, 300, "#3f8f86", 'opacity="0.10" filter="url(#huge)"'))
    s.append(rect(0, 0, ROOM_W, ROOM_H, "url(#jungleEdge)"))
    for _ in range(30):
        s.append(circle(rng.uniform(0, ROOM_W), rng.uniform(60, FLOOR), rng.uniform(2, 4), rng.choice(("#b6ff9e", "#9ef0e0")),
                        'opacity="%.2f" filter="url(#soft)"' % rng.uniform(0.4, 0.8)))
    return "".join(s)


def corridor_alternate_overlay():
    """Floor 11's corridor as the other side has it: the same framing as corridor_lit.png, overgrown."""
    w, h, body, defs, ppu = corridor(False, alternate=True, number="#11-21")
    defs += ('<radialGradient id="jungleEdge" cx="0.55" cy="0.5" r="0.75"><stop offset="0.5" stop-color="#020806" stop-opacity="0"/>'
             '<stop offset="1" stop-color="#020806" stop-opacity="0.55"/></radialGradient>')
    return w, h, body + corridor_jungle(111), defs, ppu


def skyline(w, h, seed):
    """Behind the corridor: the estate in the storm. Low at both ends so copies sit side by side."""
    rng = random.Random(seed)
    defs = linear_gradient("bgSky", [(0, "#060a12"), (0.6, "#172236"), (1, "#22304a")]) + blur("bgHaze", 30) + blur("bgSoft", 3)
    s = rect(0, 0, w, h, "url(#bgSky)")
    s += ellipse(w * 0.3, h * 0.25, 420, 160, "#5d74a0", 'opacity="0.22" filter="url(#bgHaze)"')
    s += ellipse(w * 0.75, h * 0.2, 360, 140, "#5d74a0", 'opacity="0.18" filter="url(#bgHaze)"')
    x = 0
    while x < w:
        bw = rng.uniform(90, 200)
        edge = min(x, w - x - bw) / 300.0
        bh = rng.uniform(0.25, 0.35 + 0.4 * min(1.0, max(0.0, edge))) * h
        s += rect(x, h - bh, bw, bh, rng.choice(("#0b111d", "#0e1422", "#0a0f19")))
        for wy in range(int(h - bh + 14), h - 10, 22):
            for wx in range(int(x + 10), int(x + bw - 14), 20):
                if rng.random() < 0.1:
                    s += rect(wx, wy, 8, 8, "#f2b256", 'opacity="%.2f"' % rng.uniform(0.4, 0.9))
        x += bw + rng.uniform(0, 40)
    s += group("".join(line(rx, ry, rx - 6, ry + 22, "#8ea3c6", 1.2) for rx, ry in
                       ((rng.uniform(0, w), rng.uniform(0, h)) for _ in range(700))), extra='opacity="0.35"')
    return w, h, s, defs


# --- the void deck ---------------------------------------------------------------------------

def void_deck(lit, alternate=False):
    p = Paint(lit)
    rng = random.Random(21)
    s = []
    # the estate outside between the pillars: rain, grass, a lamp post and trees
    s.append(rect(0, 0, ROOM_W, ROOM_H, "#0c1322") + rect(0, 380, ROOM_W, FLOOR - 380, "#142018"))
    for k in range(14):
        tx = rng.uniform(0, ROOM_W)
        s.append(ellipse(tx, 330, rng.uniform(50, 90), rng.uniform(60, 110), "#0a120e"))
    s.append(rect(760, 200, 8, 190, "#151a20") + rect(740, 196, 40, 8, "#151a20"))
    if lit:
        s.append(ellipse(760, 210, 120, 120, "url(#warmPool)") + circle(760, 206, 6, "#ffd79a"))
    s.append(group("".join(line(x, y, x - 5, y + 18, "#9fb3d1", 1.2) for x, y in
                           ((rng.uniform(0, ROOM_W), rng.uniform(80, FLOOR)) for _ in range(400))), extra='opacity="0.4"'))
    # slab, pillars, letterboxes and the floor
    s.append(rect(0, 0, ROOM_W, 80, p("#8a8e96")) + rect(0, 74, ROOM_W, 10, p("#6b6f78")))
    for px in (80, 500, 920):
        s.append(rect(px, 80, 70, FLOOR - 80, p("#b4aea0")) + rect(px, 380, 70, FLOOR - 380, p("#7f8a86")))
        s.append(rect(px, 380, 70, 6, p("#5f6966")))
    s.append(rect(580, 240, 300, 200, p("#707a84")))
    for r in range(5):
        for c in range(8):
            s.append(rect(588 + c * 36, 248 + r * 38, 32, 34, p("#8f9aa5")) + rect(596 + c * 36, 256 + r * 38, 16, 3, p("#30363e")))
    s.append(rect(200, 470, 140, 18, p("#8d8a82")) + rect(212, 488, 16, 52, p("#6e6b64")) + rect(312, 488, 16, 52, p("#6e6b64")))  # bench
    s.append(rect(0, FLOOR, ROOM_W, ROOM_H - FLOOR, p("#8c8f86")))
    for k in range(0, ROOM_W, 60):
        s.append(line(k, FLOOR, k, ROOM_H, p("#7a7d75"), 2))
    s.append(line(0, FLOOR + 30, ROOM_W, FLOOR + 30, p("#7a7d75"), 2))
    for tx in (300, 720, 1080):
        s.append(rect(tx - 45, 84, 90, 8, p("#e6ecee") if lit else "#1a1f28"))
        if lit:
            s.append(ellipse(tx, 100, 200, 90, "url(#coldPool)") + ellipse(tx, FLOOR + 20, 180, 26, "url(#coldPool)"))
    if not lit:
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#03050a", 'opacity="0.25"'))
    if alternate:
        s.append(overgrowth(5))
    return ROOM_W, ROOM_H, "".join(s), common_defs(), PPU


def overgrowth(seed):
    """The other side: the same place swallowed by a wet, breathing green."""
    rng = random.Random(seed)
    s = [rect(0, 0, ROOM_W, ROOM_H, "#0e3a2a", 'opacity="0.35"')]
    for _ in range(26):  # vines hanging from the ceiling
        x = rng.uniform(0, ROOM_W)
        pts = [(x, 40)]
        y = 40
        while y < rng.uniform(150, 420):
            y += 24
            pts.append((x + rng.uniform(-14, 14), y))
        s.append(polyline(pts, "#1d4a2c", rng.uniform(3, 6)))
        for px, py in pts[1::2]:
            s.append(ellipse(px + 6, py, 9, 4, "#2e6b3a", 'transform="rotate(%d %.1f %.1f)"' % (rng.uniform(-50, 50), px, py)))
    for _ in range(16):  # glowing spores
        s.append(circle(rng.uniform(0, ROOM_W), rng.uniform(60, FLOOR), rng.uniform(2, 4), "#b6ff9e", 'opacity="0.7" filter="url(#soft)"'))
    return "".join(s)


def voiddeck_foreground():
    """What stands between the camera and the player on the void deck: pillars and railing posts in
    silhouette at both sides, and slack cables hanging from the slab. Clear everywhere else."""
    rng = random.Random(31)
    dark = "#04060b"
    defs = (linear_gradient("fgPillar", [(0, "#020309"), (0.75, "#070a12"), (1, "#111826")], 0, 0, 1, 0)
            + linear_gradient("fgPillarR", [(0, "#111826"), (0.25, "#070a12"), (1, "#020309")], 0, 0, 1, 0)
            + linear_gradient("fgFloor", [(0, dark, 0.0), (1, dark, 0.9)])
            # blurred in sRGB: in linear light these near-blacks band into green-grey steps
            + blur("fgSoft", 2).replace("<filter ", '<filter color-interpolation-filters="sRGB" '))
    s = []
    # a thick pillar at each side, cut by the frame, with a cold edge where the estate's light catches it
    s.append(rect(-10, 0, 96, ROOM_H, "url(#fgPillar)") + rect(82, 0, 3, ROOM_H, "#5a6f93", 'opacity="0.35"'))
    s.append(rect(1124, 0, 90, ROOM_H, "url(#fgPillarR)") + rect(1124, 0, 3, ROOM_H, "#5a6f93", 'opacity="0.3"'))
    s.append(rect(86, 0, 1038, 22, dark))  # the slab's edge above
    for x in (86, 1116):  # brackets under it
        s.append(polygon([(x, 22), (x + 8, 22), (x + 8 if x < 600 else x, 60), (x if x < 600 else x + 8, 60)], dark))
    # railing posts and a rail at both ends, the middle left open so the player stays in view
    for x0, x1 in ((86, 330), (900, 1124)):
        for x in range(int(x0) + 40, int(x1), 96):
            s.append(rect(x, 470, 12, ROOM_H - 470, dark) + rect(x - 3, 464, 18, 10, dark, 'rx="2"'))
            s.append(line(x + 11, 474, x + 11, ROOM_H, "#5a6f93", 1.2, 0.3))
        s.append(rect(x0, 468, x1 - x0, 9, dark, 'rx="3"') + rect(x0, 520, x1 - x0, 5, dark))
        s.append(line(x0, 468, x1, 468, "#5a6f93", 1.2, 0.35))
    s.append(rect(0, 560, ROOM_W, 40, "url(#fgFloor)"))  # the deck's near edge falling off into the dark
    # cables: slack runs between the slab's brackets, and two loose ends hanging down
    for xa, xb, sag in ((86, 420, 70), (300, 760, 48), (700, 1124, 86), (86, 1124, 130)):
        mid = (xa + xb) / 2
        s.append('<path d="M %d 24 Q %.1f %.1f %d 24" fill="none" stroke="%s" stroke-width="%.1f"/>' % (xa, mid, 24 + sag * 2, xb, dark, rng.uniform(3, 5)))
    for x, length in ((380, 150), (980, 210)):
        pts = [(x, 22)] + [(x + 6 * ((k * 7) % 3 - 1), 22 + length * k / 5) for k in range(1, 6)]
        s.append(polyline(pts, dark, 4) + rect(pts[-1][0] - 4, pts[-1][1], 8, 14, dark, 'rx="2"'))  # a dead lamp holder at the end
    s.append(rect(30, 300, 46, 64, dark, 'rx="3"') + line(76, 302, 76, 362, "#5a6f93", 1, 0.3))  # a switch box on the left pillar
    return ROOM_W, ROOM_H, group("".join(s), extra='filter="url(#fgSoft)"'), defs, PPU


def grass_strip():
    """Foreground grass for the alternate void deck; the top is clear so the room shows."""
    w, h = ROOM_W, 140
    rng = random.Random(13)
    s = [rect(0, 100, w, 40, "#0d2a1a")]
    for _ in range(420):
        x = rng.uniform(0, w)
        top = rng.uniform(10, 90)
        s.append(polygon([(x - 5, h - 30), (x + 5, h - 30), (x + rng.uniform(-14, 14), top)], rng.choice(("#163d24", "#1e5030", "#102d1b", "#2a6238"))))
    return w, h, "".join(s), "", PPU


# --- living room -------------------------------------------------------------------------------

def livingroom(lit):
    p = Paint(lit)
    s = [rect(0, 0, ROOM_W, ROOM_H, p("#6f7a78")), rect(0, 0, ROOM_W, 30, p("#d0c8ba"))]
    s.append(rect(40, 180, 110, FLOOR - 180, p("#5b4330")) + circle(130, 370, 6, p("#c9b98f")))  # front door
    s.append(storm_window(760, 130, 300, 210, p, 4))
    s.append(rect(200, 150, 90, 70, p("#3b3a36")) + rect(208, 158, 74, 54, p("#a48e6c")))  # family photo
    s.append(rect(310, 170, 60, 80, p("#3b3a36")) + rect(318, 178, 44, 64, p("#8c7f66")))
    s.append(switch_plate(SWITCH_LIVINGROOM[0], SWITCH_LIVINGROOM[1], p, lit))
    s.append(rect(200, 420, 360, 90, p("#4c5b74"), 'rx="14"') + rect(200, 380, 360, 60, p("#56678a"), 'rx="14"'))  # sofa
    s.append(rect(188, 400, 40, 110, p("#46546b"), 'rx="10"') + rect(532, 400, 40, 110, p("#46546b"), 'rx="10"'))
    s.append(rect(620, 450, 110, 90, p("#5a4230")) + rect(636, 400, 78, 50, p("#22262e")))  # cabinet and TV
    s.append(rect(820, 430, 260, 14, p("#6e5138")) + rect(834, 444, 12, FLOOR - 444, p("#5a4230")) + rect(1054, 444, 12, FLOOR - 444, p("#5a4230")))
    s.append(line(600, 0, 600, 110, p("#2b2f36"), 3) + polygon([(560, 150), (640, 150), (620, 110), (580, 110)], p("#f2d7a2") if lit else night("#b8a88a")))
    s.append(floorboards(p, FLOOR, color="#7a6a58", seam="#63554a"))
    if lit:
        s.append(lamp_glow(600, 170, 420) + ellipse(600, FLOOR + 20, 320, 40, "url(#warmPool)") + lamp_dark(600, 170, 1000, 0.45))
    else:
        s.append(moon_shaft(760, 130, 300, FLOOR - 130 + 40, lean=-260))
        s.append(rect(0, 0, ROOM_W, ROOM_H, "#05070c", 'opacity="0.15"'))
    return ROOM_W, ROOM_H + LIVINGROOM_PAD, "".join(s), common_defs(), PPU


# --- lift --------------------------------------------------------------------------------------

def lift_interior():
    """Inside the car, sized like one lift-door cell so it sits right behind the doors."""
    w, h = 180, 256
    defs = linear_gradient("carWall", [(0, "#8d8a84"), (0.5, "#b3aea4"), (1, "#8d8a84")], 0, 0, 1, 0)
    s = rect(0, 0, w, h, "url(#carWall)")
    for k in range(1, 4):
        s += line(k * w / 4, 40, k * w / 4, 230, "#7a776f", 2)
    s += rect(0, 0, w, 36, "#3a3d44") + rect(30, 20, 120, 10, "#fff3d8")
    s += ellipse(90, 40, 110, 50, "#fff3d8", 'opacity="0.35"')
    s += rect(0, 150, w, 8, "#6d6a63") + rect(0, 230, w, h - 230, "#4d4a45")
    s += rect(150, 90, 20, 60, "#3a3d44") + "".join(circle(160, 100 + k * 12, 3, "#ffb347" if k == 1 else "#d8d4ca") for k in range(4))
    return w, h, s, defs


def lift_static():
    """The car's interior as the lift fails: the light browning out and the whole picture lost in a
    haze of static, with rolling bands like a bad television picture."""
    w, h, body, defs = lift_interior()
    defs += ('<filter id="snow" x="0" y="0" width="100%%" height="100%%">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.9 0.35" numOctaves="2" seed="7" result="n"/>'
             '<feColorMatrix type="matrix" values="0 0 0 0 0.8  0 0 0 0 0.82  0 0 0 0 0.86  0 0 0 4 -1.7"/></filter>')
    rng = random.Random(12)
    s = body
    s += rect(0, 0, w, h, "#0b0e15", 'opacity="0.3"')  # the light browning out
    s += rect(0, 0, w, h, "#ffffff", 'filter="url(#snow)" opacity="0.38"')
    for _ in range(6):  # rolling bands
        y = rng.uniform(0, h)
        s += rect(0, y, w, rng.uniform(3, 14), rng.choice(("#e6ecf2", "#11151d")), 'opacity="%.2f"' % rng.uniform(0.15, 0.35))
    for y in range(0, h, 3):  # scan lines
        s += rect(0, y, w, 1, "#000000", 'opacity="0.12"')
    return w, h, s, defs


def lift_shaft():
    """The shaft the lift rides through: 1800 units from floor 12 down to floor 1."""
    w, h = 240, 1800
    defs = linear_gradient("shaft", [(0, "#10141c"), (0.5, "#1a202b"), (1, "#10141c")], 0, 0, 1, 0)
    s = rect(0, 0, w, h, "url(#shaft)")
    s += rect(24, 0, 10, h, "#2c323e") + rect(w - 34, 0, 10, h, "#2c323e")
    s += line(110, 0, 110, h, "#4a505c", 3) + line(130, 0, 130, h, "#4a505c", 3)
    for k in range(12):  # a landing every floor, with its painted number
        y = 60 + k * 140
        s += rect(0, y, w, 14, "#2a2f39") + text(60, y + 50, str(12 - k), 26, "#6b7384")
    return w, h, s, defs


def lightning_overlay():
    """Three looks of lightning through the bedroom window: a faint one and two strong ones."""
    cw, ch = 960, 540
    cells = []
    for c, (strength, lean) in enumerate(((0.25, 120), (0.75, 200), (0.55, -140))):
        x = c * cw
        s = rect(x, 0, cw, ch, "#dfe8ff", 'opacity="%.2f"' % (strength * 0.35))
        for k in range(2):  # the window panes cast as light on the room
            px = x + 200 + k * 150
            pts = " ".join("%d,%d" % q for q in [(px, 60), (px + 130, 60), (px + 130 + lean, ch), (px + lean, ch)])
            s += '<polygon points="%s" fill="#eef3ff" opacity="%.2f" filter="url(#shaftBlur)"/>' % (pts, strength)
        cells.append(s)
    return cw * 3, ch, "".join(cells), blur("shaftBlur", 10)


def images():
    return {
        "bedroom_lit.png": lambda: bedroom(True),
        "bedroom_unlit.png": lambda: bedroom(False),
        "corridor_lit.png": lambda: corridor(True),
        "corridor_unlit.png": lambda: corridor(False),
        "corridor_alternate.png": lambda: corridor(False, alternate=True),
        "corridor_background.png": lambda: skyline(2400, 700, 4),
        "voiddeck_lit.png": lambda: void_deck(True),
        "voiddeck_unlit.png": lambda: void_deck(False),
        "voiddeck_alternate.png": lambda: void_deck(False, alternate=True),
        "voiddeck_alternate_grass.png": grass_strip,
        "livingroom_lit.png": lambda: livingroom(True),
        "livingroom_unlit.png": lambda: livingroom(False),
        "lift_interior.png": lift_interior,
        "lift_shaft.png": lift_shaft,
        "lift_static.png": lift_static,
        "voiddeck_foreground.png": voiddeck_foreground,
        "corridor_alternate_overlay.png": corridor_alternate_overlay,
        "bedroom_lightning.png": lightning_overlay,
    }
