"""Level 3: the roof of the block in the storm, the sky behind it from night to day, the container,
the old man taking shape, the fuse box that drops the corridor into its red emergency light, the
ladder up the lift shaft, the calendar and the player's last look at it."""
import math
import random

import figures
import story
from rooms import night
from svg import rect, line, circle, ellipse, group, polygon, polyline, text, linear_gradient, radial_gradient, blur

ROOF_W, ROOF_H, ROOF_FLOOR = 1200, 600, 540  # like the rooms: floor surface 60 units above the bottom
PPU = 2
SKY_W, SKY_H = 4800, 700  # the whole roof's width, so dawn and day fade over one sky

SKIES = {
    # top, middle, horizon, cloud, far blocks, lit windows
    "night": ("#04070e", "#111a2b", "#1d2940", "#2a3650", "#090e18", 0.10),
    "dawn": ("#1d2448", "#8a5a78", "#f3a66a", "#c98a8a", "#2a2236", 0.04),
    "day": ("#5f8fc8", "#9dc0e4", "#e6eef2", "#f4f6f8", "#6d7c90", 0.0),
}


def sky(kind):
    """The estate seen from its own roof: sky, clouds, and the blocks below the horizon."""
    top, mid, horizon, cloud, blocks, lights = SKIES[kind]
    rng = random.Random(31)
    gid = "sky_" + kind
    defs = linear_gradient(gid, [(0, top), (0.55, mid), (1, horizon)]) + blur("skyHaze", 28)
    s = rect(0, 0, SKY_W, SKY_H, "url(#%s)" % gid)
    if kind == "dawn":
        s += ellipse(SKY_W * 0.72, SKY_H * 0.86, 260, 120, "#ffd49a", 'opacity="0.7" filter="url(#skyHaze)"')
    if kind == "day":
        s += circle(SKY_W * 0.74, SKY_H * 0.3, 46, "#fffbe8", 'filter="url(#skyHaze)"')
    for _ in range(14):
        cx, cy = rng.uniform(0, SKY_W), rng.uniform(40, SKY_H * 0.5)
        s += ellipse(cx, cy, rng.uniform(160, 380), rng.uniform(40, 90), cloud,
                     'opacity="%.2f" filter="url(#skyHaze)"' % rng.uniform(0.25, 0.5))
    x = 0
    while x < SKY_W:  # the tops of the other blocks, lower than this roof
        bw = rng.uniform(80, 190)
        edge = min(x, SKY_W - x - bw) / 300.0
        bh = rng.uniform(0.12, 0.18 + 0.2 * min(1.0, max(0.0, edge))) * SKY_H
        s += rect(x, SKY_H - bh, bw, bh, blocks)
        for wy in range(int(SKY_H - bh + 10), SKY_H - 6, 18):
            for wx in range(int(x + 8), int(x + bw - 12), 18):
                if rng.random() < lights:
                    s += rect(wx, wy, 7, 7, "#f2b256", 'opacity="0.8"')
        x += bw + rng.uniform(0, 30)
    if kind == "night":
        s += group("".join(line(rx, ry, rx - 7, ry + 24, "#8ea3c6", 1.2) for rx, ry in
                           ((rng.uniform(0, SKY_W), rng.uniform(0, SKY_H)) for _ in range(800))), extra='opacity="0.35"')
    return SKY_W, SKY_H, s, defs


def storm_clouds():
    """Low storm clouds over the sky, clear below; the game brightens their tint for lightning."""
    rng = random.Random(37)
    defs = blur("cloudSoft", 18)
    s = ""
    for _ in range(26):
        cx, cy = rng.uniform(-100, SKY_W + 100), rng.uniform(-20, SKY_H * 0.42)
        shade = rng.choice(("#8b98b4", "#a6b2c8", "#7a86a0"))
        s += ellipse(cx, cy, rng.uniform(180, 420), rng.uniform(50, 120), shade,
                     'opacity="%.2f" filter="url(#cloudSoft)"' % rng.uniform(0.35, 0.7))
    return SKY_W, SKY_H, s, defs


def roof(lamp_on, part):
    """A stretch of the roof: parapet, water tanks or the hatch over the lift shaft, puddles, and on the
    east stretch the lamp post the bulb goes into. Open sky above (transparent)."""
    rng = random.Random(41 + part)
    W, H, F = ROOF_W, ROOF_H, ROOF_FLOOR
    defs = (radial_gradient("roofLamp", [(0, "#ffcf85", 0.8), (0.5, "#f2a94e", 0.25), (1, "#f2a94e", 0.0)])
            + linear_gradient("roofSlab", [(0, "#39404e"), (1, "#1b2029")]) + blur("roofSoft", 5))
    s = rect(0, F - 4, W, H - F + 4, "url(#roofSlab)")  # the roof slab
    for x in range(0, W, 60):
        s += line(x, F + 2, x + 30, H, "#232833", 1.5, 0.6)
    s += rect(0, F - 70, W, 22, "#4a5263") + rect(0, F - 50, W, 46, "#333a48")  # the parapet behind
    for x in range(20, W, 140):
        s += rect(x, F - 110, 6, 62, "#59627a") + rect(x - 2, F - 114, 10, 6, "#6b7590")
    s += line(0, F - 112, W, F - 112, "#6b7590", 4)  # the railing
    for _ in range(5):  # puddles catching the sky
        px = rng.uniform(60, W - 60)
        s += ellipse(px, F + rng.uniform(8, 40), rng.uniform(40, 110), 5, "#56647e", 'opacity="0.5"')
    if part == 0:  # west: water tanks and the hatch over the lift shaft
        for tx in (150, 330):
            s += rect(tx, F - 260, 150, 200, "#4b5568") + rect(tx, F - 260, 150, 18, "#5e6a80")
            s += rect(tx + 20, F - 60, 10, 60, "#2c323e") + rect(tx + 120, F - 60, 10, 60, "#2c323e")
            s += line(tx + 10, F - 240, tx + 10, F - 70, "#6e7b94", 3)
        s += rect(800, F - 150, 260, 150, "#2f3644") + rect(790, F - 160, 280, 16, "#485165")
        s += text(930, F - 110, "LIFT", 28, "#8794ad", extra='opacity="0.6"')
    elif part == 1:  # east: the lamp post whose bulb has gone
        lx = 600
        s += rect(lx - 6, F - 330, 12, 330, "#3e4656") + line(lx, F - 330, lx + 60, F - 350, "#3e4656", 8)
        s += polygon([(lx + 40, F - 350), (lx + 86, F - 350), (lx + 78, F - 334), (lx + 48, F - 334)], "#4f586b")
        if lamp_on:
            s += ellipse(lx + 63, F - 250, 260, 240, "url(#roofLamp)")
            s += circle(lx + 63, F - 330, 9, "#fff3c8") + ellipse(lx + 63, F + 10, 200, 14, "#ffcf85", 'opacity="0.35"')
        else:
            s += circle(lx + 63, F - 330, 6, "#1a1e27")
        s += rect(100, F - 40, 120, 40, "#2d3340") + rect(950, F - 30, 180, 30, "#2d3340")  # vents
    else:  # the middle: only vents and an aerial, room for the container
        s += rect(60, F - 40, 120, 40, "#2d3340") + line(1080, F, 1080, F - 240, "#4a5263", 4)
        for k in range(3):
            s += line(1050, F - 200 + k * 30, 1110, F - 200 + k * 30, "#4a5263", 3)
    return W, H, group(s), defs, PPU


CONTAINER_W, CONTAINER_H = 600, 300


def container_outside():
    """A shipping container someone lives in, on the east side of the roof, door ajar."""
    W, H = CONTAINER_W, CONTAINER_H
    s = rect(0, 20, W, H - 20, "#43302e")
    for x in range(10, W, 24):
        s += rect(x, 24, 10, H - 28, "#382624")
    s += rect(0, 14, W, 12, "#6b4841") + rect(0, H - 10, W, 10, "#3a2622")
    s += rect(W - 140, 60, 110, H - 70, "#0d0f14") + rect(W - 150, 60, 14, H - 70, "#6b4841")
    s += rect(W - 134, 90, 20, 6, "#f2b256", 'opacity="0.4"')  # a gleam inside
    s += text(160, 140, "HLTU 0412", 26, "#c9b8a0", extra='opacity="0.35"')
    return W, H, s, "", PPU


def container_inside(after):
    """Inside the container: a cot, a chair, photos on the wall, an empty bulb socket. After the old man
    has driven the creature out, its claw marks are torn through the far door."""
    W, H, F = ROOF_W, ROOF_H, ROOF_FLOOR
    defs = radial_gradient("boxGlow", [(0, "#cfe0f2", 0.35), (1, "#cfe0f2", 0.0)])
    s = rect(0, 0, W, H, night("#6b4a42"))
    for x in range(0, W, 40):
        s += rect(x, 0, 20, F, night("#5a3c35"))
    s += rect(0, F, W, H - F, night("#3a2a26")) + line(0, F, W, F, night("#8a6a5a"), 4)
    s += line(W / 2, 0, W / 2, 60, "#1a1a1a", 3) + circle(W / 2, 66, 8, "#222222")  # the socket
    s += rect(120, F - 70, 260, 50, night("#6a6a7a")) + rect(120, F - 24, 10, 24, "#111") + rect(370, F - 24, 10, 24, "#111")
    s += rect(520, F - 130, 70, 10, night("#7a5a40")) + rect(525, F - 120, 8, 120, night("#5a4030"))
    s += rect(580, F - 200, 8, 200, night("#5a4030"))
    for i, (px, py) in enumerate([(700, 200), (790, 230), (860, 190)]):  # the photos
        s += rect(px, py, 60, 76, night("#e8e0d0")) + rect(px + 6, py + 6, 48, 50, night("#8a9ab0"))
        s += circle(px + 30, py + 26, 10, night("#d5b49a"))
    s += rect(W - 120, 120, 100, F - 120, "#07080c")  # the far door
    if after:
        for k in range(4):
            x = W - 110 + k * 22
            s += polyline([(x, 150), (x + 10, 260), (x + 4, 380)], "#9fb0c8", 3, 0.7)
        s += ellipse(W / 2, F - 150, 420, 240, "url(#boxGlow)")
    return W, H, s, defs, PPU


def oldman_materialize():
    """The old man taking shape out of a flash of cold light: 20 cells, the last one his idle look."""
    w, h, body, defs = story.oldman_idle()
    defs += radial_gradient("omFlash", [(0, "#ffffff", 0.95), (0.5, "#cfe0f2", 0.5), (1, "#cfe0f2", 0.0)])
    count = 20
    cells = []
    for c in range(count):
        t = c / (count - 1)
        flash = max(0.0, 1.0 - abs(t - 0.35) * 3.0)
        cell = ellipse(50, 80, 50 * (0.4 + flash), 80 * (0.4 + flash), "url(#omFlash)", 'opacity="%.2f"' % max(flash, 0.05))
        cell += group(body, extra='opacity="%.2f"' % min(1.0, t * 1.4))
        cells.append(group(cell, "translate(%d 0)" % (c * w)))
    return w * count, h, "".join(cells), defs


CAL_W, CAL_H, CAL_CELLS = 120, 160, 20


def calendar():
    """A wall calendar: the page on top says 13; it tears away and under it is the 12th again."""
    cells = []
    for c in range(CAL_CELLS):
        t = c / (CAL_CELLS - 1)
        s = rect(20, 6, 80, 6, "#6b6f78") + circle(60, 8, 4, "#2a2c30")
        s += rect(14, 14, 92, 138, "#e9e4d8") + rect(14, 14, 92, 26, "#b8413a")
        s += text(60, 34, "JUNE", 16, "#f4eee2") + text(60, 118, "12", 64, "#2a2c30")
        if t < 1.0:  # the top page, swinging down and away from its top left corner
            angle = 110 * t * t
            page = rect(14, 14, 92, 138, "#f1ece1") + rect(14, 14, 92, 26, "#b8413a")
            page += text(60, 34, "JUNE", 16, "#f4eee2") + text(60, 118, "13", 64, "#2a2c30")
            s += group(page, "rotate(%.1f 14 40) translate(0 %.1f)" % (angle, 30 * t),
                       'opacity="%.2f"' % (1.0 - t * 0.6))
        cells.append(group(s, "translate(%d 0)" % (c * CAL_W)))
    return CAL_W * CAL_CELLS, CAL_H, "".join(cells), ""


def player_final():
    """The player at the calendar, 60 cells: a long look, a step closer, the hand raised to the page,
    and a slow turn of the head away from it."""
    pal = figures.PLAYER_PALETTES["lit"]

    def pose(c):
        t = c / 59
        reach = max(0.0, min(1.0, (t - 0.3) / 0.3)) * (1.0 - max(0.0, (t - 0.8) / 0.2))
        breath = math.sin(t * math.pi * 6) * 1.5
        return figures.Pose(lean=2 + breath * 0.3, head=-8 + 16 * max(0.0, t - 0.75) * 4 - 6 * reach,
                            front_leg=(4, 6, 0), back_leg=(-6, 5, 0),
                            front_arm=(10 + 120 * reach, 15 - 40 * reach), back_arm=(-8, 14))
    # At 0.8 of the player's cell, so that the 60 cells stay within 8192 pixels.
    return story.strip(128, 192, 60, lambda c: group(figures.draw_player(pose(c), pal), "scale(0.8)"))


def fuse_box():
    """The corridor's fuse box, with the big switch that cuts the lights."""
    s = rect(2, 2, 60, 80, "#596273") + rect(6, 6, 52, 72, "#434b59")
    s += rect(24, 20, 16, 34, "#1e2229") + rect(26, 22, 12, 14, "#c7472f")
    s += rect(10, 62, 44, 6, "#e6c547") + line(12, 65, 52, 65, "#1e2229", 1.5)
    return 64, 84, s, ""


def shaft_ladder():
    """Rungs up the lift shaft, drawn tall so the level can stretch them without blurring them much."""
    W, H = 40, 800
    s = line(6, 0, 6, H, "#3d4452", 5) + line(34, 0, 34, H, "#3d4452", 5)
    for y in range(10, H, 28):
        s += line(6, y, 34, y, "#59627a", 4)
    return W, H, s, ""


def images():
    return {
        "rooftop_sky_night.png": lambda: sky("night"),
        "rooftop_sky_dawn.png": lambda: sky("dawn"),
        "rooftop_sky_day.png": lambda: sky("day"),
        "rooftop_clouds.png": storm_clouds,
        "rooftop_west.png": lambda: roof(False, 0),
        "rooftop_east.png": lambda: roof(False, 1),
        "rooftop_east_lit.png": lambda: roof(True, 1),
        "rooftop_middle.png": lambda: roof(False, 2),
        "container_outside.png": container_outside,
        "container_inside.png": lambda: container_inside(False),
        "container_inside_after.png": lambda: container_inside(True),
        "oldman_materialize.png": oldman_materialize,
        "calendar.png": calendar,
        "player_final.png": player_final,
        "fuse_box.png": fuse_box,
        "roof_shaft_ladder.png": shaft_ladder,
    }
