"""Level-1 story props: the cat, the newspaper, the chess table, the eyes in the dark, the lift
being forced open, lamps, keys, the lock, and particle textures."""
import math
import random

from svg import rect, line, circle, ellipse, group, polygon, polyline, text, linear_gradient, radial_gradient, blur, polar
import figures
import props

TAU = 2 * math.pi
CAT_CELL = (120, 100)
CAT = dict(body="#3b3f4a", belly="#6a6f7c", outline="#0c0e13", eye="#b8f07a", nose="#c98a8a", rim="#8fa6c8")


def cat(phase=0.0, mode="sit", tail=0.0, eyes_closed=False, crouch=0.0, leap=0.0):
    """A small grey cat facing right; `mode` is sit, walk or jump."""
    c = CAT
    s = []
    ground = 96
    if mode == "sit":
        bx, by = 50, 62
        s.append(polyline([(bx - 22, ground - 6), (bx - 44, ground - 10 - 18 * math.sin(tail)), (bx - 40, ground - 40 - 10 * math.cos(tail))], c["outline"], 9))
        s.append(polyline([(bx - 22, ground - 6), (bx - 44, ground - 10 - 18 * math.sin(tail)), (bx - 40, ground - 40 - 10 * math.cos(tail))], c["body"], 5))
        s.append(ellipse(bx, by + 8, 28, 30, c["outline"]) + ellipse(bx, by + 8, 25, 27, c["body"]) + ellipse(bx + 10, by + 14, 12, 18, c["belly"]))
        s.append(rect(bx + 4, by + 28, 8, ground - by - 28, c["body"]) + rect(bx + 16, by + 28, 8, ground - by - 28, c["body"]))
        hx, hy = bx + 18, by - 22
    else:
        lift = leap * 30
        bx, by = 56, 58 - lift + crouch * 10
        stretch = 1.0 + 0.3 * leap
        s.append(polyline([(bx - 30 * stretch, by - 2), (bx - 50 * stretch, by - 16 - 10 * math.sin(tail)), (bx - 56 * stretch, by - 34)], c["outline"], 9))
        s.append(polyline([(bx - 30 * stretch, by - 2), (bx - 50 * stretch, by - 16 - 10 * math.sin(tail)), (bx - 56 * stretch, by - 34)], c["body"], 5))
        for side, off in (("back", 0.5), ("front", 0.0)):
            for hip_x in (bx - 22 * stretch, bx + 20 * stretch):
                a = 28 * math.sin(TAU * (phase + off + (0.25 if hip_x > bx else 0))) if mode == "walk" else (60 if hip_x < bx else -50) * leap
                knee = polar(hip_x, by + 8, a, 16 - crouch * 6)
                foot = polar(knee[0], knee[1], a * 0.3, 18 - crouch * 6)
                shade = c["body"] if side == "front" else "#2a2d35"
                s.append(polyline([(hip_x, by + 6), knee, foot], c["outline"], 9) + polyline([(hip_x, by + 6), knee, foot], shade, 6))
        s.append(ellipse(bx, by, 34 * stretch, 15, c["outline"]) + ellipse(bx, by, 31 * stretch, 12, c["body"]) + ellipse(bx + 4, by + 6, 20 * stretch, 5, c["belly"]))
        hx, hy = bx + 32 * stretch, by - 12
    s.append(circle(hx, hy, 15, c["outline"]) + circle(hx, hy, 13, c["body"]))
    s.append(polygon([(hx - 11, hy - 6), (hx - 7, hy - 22), (hx - 1, hy - 10)], c["body"], c["outline"], 2))
    s.append(polygon([(hx + 2, hy - 10), (hx + 9, hy - 22), (hx + 12, hy - 5)], c["body"], c["outline"], 2))
    s.append(ellipse(hx + 9, hy + 5, 6, 4, c["belly"]) + circle(hx + 14, hy + 3, 1.8, c["nose"]))
    if eyes_closed:
        s.append(polyline([(hx + 2, hy - 1), (hx + 6, hy + 1), (hx + 10, hy - 1)], c["outline"], 1.6))
    else:
        s.append(ellipse(hx + 6, hy - 1, 2.8, 3.2, c["eye"]) + ellipse(hx + 6.6, hy - 1, 0.9, 2.6, c["outline"]))
    for k in (-1, 1):  # whiskers
        s.append(line(hx + 12, hy + 5, hx + 26, hy + 3 + k * 4, "#a9aebb", 0.8))
    return "".join(s)


def strip(cell_w, cell_h, count, draw, defs=""):
    return cell_w * count, cell_h, "".join(group(draw(c), "translate(%d 0)" % (c * cell_w)) for c in range(count)), defs


def cat_sit():
    return strip(*CAT_CELL, 1, lambda c: cat())


def cat_walk():
    return strip(*CAT_CELL, 12, lambda c: cat(c / 12, "walk", tail=c / 12 * TAU))


def cat_jump():
    def frame(c):
        if c < 10:
            return cat(0, "jump", crouch=c / 9)
        if c < 22:
            return cat(0, "jump", leap=math.sin((c - 10) / 12 * math.pi), tail=1.2)
        return cat(0, "jump", crouch=max(0, 1 - (c - 22) / 4))
    return strip(*CAT_CELL, 30, frame)


def cat_petting():
    # sixty cells: tail curling slowly, eyes closing with contentment, a purr in the shoulders
    return strip(*CAT_CELL, 60, lambda c: group(cat(tail=0.6 * math.sin(c / 60 * TAU * 2), eyes_closed=15 < c < 55),
                                                "translate(0 %.2f)" % (0.8 * math.sin(c * 1.3))))


def player_pose_strip(count, pose_fn, variant="plain"):
    pal = figures.PLAYER_PALETTES[variant]
    return strip(160, 240, count, lambda c: figures.draw_player(pose_fn(c), pal))


def player_petcat():
    def pose(c):
        stroke = math.sin(c / 30 * TAU * 2)
        return figures.Pose(lean=30, head=10, front_leg=(75, 140, 0), back_leg=(30, 110, 20),
                            front_arm=(70 + 12 * stroke, -10), back_arm=(40, 20))
    return player_pose_strip(30, pose)


def player_scare():
    def pose(c):
        return figures.Pose(lean=-14, head=10, front_leg=(18, 12, 0), back_leg=(-16, 6, 0),
                            front_arm=(150, -40), back_arm=(130, -50), x=70)
    return player_pose_strip(1, pose)


def newspaper():
    def frame(c):
        flap = math.sin(c / 8 * TAU)
        pts = [(10, 40 + 10 * flap), (40, 20), (78, 26 - 8 * flap), (70, 60 + 6 * flap), (30, 66)]
        s = polygon(pts, "#d9d4c5", "#3b3b3b", 2)
        for k in range(5):
            s += line(22 + k * 2, 32 + k * 7, 62 - k * 2, 30 + k * 7 + 4 * flap, "#7a776d", 2)
        s += rect(26, 24, 26, 6, "#3b3b3b", 'transform="rotate(-8 39 27)"')
        return s
    return strip(90, 80, 8, frame)


def chess_table(old_man):
    w, h = 320, 240
    s = [ellipse(160, 236, 150, 6, "#000000", 'opacity="0.3"')]
    s.append(rect(145, 150, 30, 86, "#8b8c86") + rect(60, 138, 200, 18, "#a4a59e", 'rx="6"'))
    for k in range(8):
        for j in range(2):
            if (k + j) % 2 == 0:
                s.append(rect(92 + k * 17, 132 + j * 4, 17, 4, "#55564f"))
    s.append(rect(20, 196, 40, 40, "#8b8c86", 'rx="8"') + rect(262, 196, 40, 40, "#8b8c86", 'rx="8"'))  # stools
    for x in (110, 140, 190, 210):  # a few pieces
        s.append(rect(x, 122, 6, 12, "#1c1d22" if x < 160 else "#e8e4dc"))
    if old_man:
        # the old man, hunched over his game: white singlet, grey hair, one hand on a piece
        s.append(polyline([(40, 196), (40, 150)], "#0c0e13", 30) + polyline([(40, 196), (40, 150)], "#e6e2d8", 25))
        s.append(polyline([(46, 196), (92, 200), (92, 236)], "#0c0e13", 16) + polyline([(46, 196), (92, 200), (92, 236)], "#5a5f6b", 12))
        s.append(polyline([(46, 156), (86, 150), (112, 132)], "#0c0e13", 13) + polyline([(46, 156), (86, 150), (112, 132)], "#c9a488", 9))
        s.append(circle(50, 124, 20, "#0c0e13") + circle(50, 124, 18, "#c9a488") + ellipse(44, 110, 18, 9, "#bfc3c9"))
        s.append(circle(60, 122, 2, "#1b1d22") + line(55, 134, 65, 133, "#7a5f50", 1.5))
    return w, h, "".join(s), ""


def spawn_eyes():
    def frame(c):
        open_ = [1, 1, 1, 1, 0.6, 0.1, 0.6, 1][c]
        s = ""
        for x in (40, 80):
            s += ellipse(x, 30, 16, 12 * open_, "#ffcf5a", 'opacity="0.45" filter="url(#eyeBlur)"')
            s += ellipse(x, 30, 7, 5 * open_, "#fff8d8")
        return s
    return strip(120, 60, 8, frame, blur("eyeBlur", 4))


def lift_burst():
    """Forty cells of the lift doors being forced from inside; on the last cell it is out."""
    w, h = props.LIFT_CELL
    rng = random.Random(3)

    def frame(c):
        if c < 16:
            opening, shake = 0.0, rng.uniform(-2, 2) * (c % 3 != 0)
        elif c < 26:
            opening, shake = 0.06 * (c - 15) / 10, rng.uniform(-3, 3)
        else:
            opening, shake = 0.06 + 0.94 * min(1.0, (c - 25) / 10) ** 1.5, 0.0
        s = group(props.lift_door_cell(opening, True, "burst%d" % c), "translate(%.1f 0)" % shake)
        if c >= 16:  # claws through the seam, then the eyes
            gap = 72 * opening
            for k, y in enumerate((110, 140)):
                for side in (-1, 1):
                    x = w / 2 + side * (gap + 4)
                    s += polyline([(w / 2, y), (x, y + 6), (x + side * 10, y + 16)], "#07080d", 5)
            if c >= 30:
                glow = min(1.0, (c - 29) / 6)
                for ex in (w / 2 - 12, w / 2 + 12):
                    s += ellipse(ex, 80, 10, 7, "#ffcf5a", 'opacity="%.2f" filter="url(#burstGlow)"' % (0.5 * glow))
                    s += ellipse(ex, 80, 4, 2.5, "#fff8d8", 'opacity="%.2f"' % glow)
        return s

    defs = (linear_gradient("doorMetal", [(0, "#a3a39f"), (0.5, "#8a8c90"), (1, "#6e717a")], 0, 0, 1, 0)
            + linear_gradient("frameMetal", [(0, "#4a505d"), (1, "#2e323c")], 0, 0, 0, 1) + blur("lampGlow", 3) + blur("burstGlow", 3))
    return strip(w, h, 40, frame, defs)


def lamp(broken):
    """Standing lamp: off, flickering, on."""
    def frame(c):
        s = rect(46, 80, 8, 150, "#2b2f36") + ellipse(50, 234, 26, 6, "#2b2f36")
        shade = [("#3b3a36", 0.0), ("#c9a66a", 0.35), ("#f7d9a0", 0.8)][c]
        if c > 0:
            s += ellipse(50, 70, 60, 50, "#ffcf85", 'opacity="%.2f" filter="url(#lampBlur)"' % shade[1])
        pts = [(24, 84), (76, 84), (66, 40), (34, 40)]
        if broken:
            pts = [(24, 88), (76, 80), (64, 40), (36, 44)]
        s += polygon(pts, shade[0], "#1a1b1f", 2)
        if broken:
            s += polyline([(40, 46), (48, 60), (44, 70)], "#1a1b1f", 1.5)
        return s
    return strip(100, 240, 3, frame, blur("lampBlur", 12))


def house_keys():
    """The flat's keys on their ring, hanging as they were left: a steel key, a brass key and a red
    tag, with a glint so they catch the eye once the living-room light shows them."""
    s = circle(40, 16, 10, "none", 'stroke="#0c0e13" stroke-width="6"') + circle(40, 16, 10, "none", 'stroke="#c9ccd2" stroke-width="3"')
    for x0, angle, metal, bow in ((34, 12, "#b9bec7", "#8d939d"), (46, -14, "#e0c172", "#b7953f")):
        top = polar(x0, 24, angle, 0)
        tip = polar(x0, 24, angle, 40)
        s += line(top[0], top[1], tip[0], tip[1], "#0c0e13", 9) + line(top[0], top[1], tip[0], tip[1], metal, 5)
        for k, d in enumerate((26, 31, 36)):  # the bits
            a = polar(x0, 24, angle, d)
            side = 1 if angle > 0 else -1
            s += line(a[0], a[1], a[0] + side * (5 - k % 2 * 2), a[1], metal, 3)
        s += circle(top[0], top[1] + 4, 7, "#0c0e13") + circle(top[0], top[1] + 4, 5, bow) + circle(top[0], top[1] + 4, 1.8, "#0c0e13")
    s += polygon([(50, 20), (64, 28), (60, 40), (46, 32)], "#b4453a", "#0c0e13", 2) + circle(52, 25, 1.6, "#0c0e13")  # tag
    s += circle(38, 36, 26, "#ffe9a8", 'opacity="0.22" filter="url(#keyGlow)"')
    s += polygon([(58, 8), (60, 13), (65, 15), (60, 17), (58, 22), (56, 17), (51, 15), (56, 13)], "#fff6dc", opacity=0.9)  # glint
    return 80, 80, s, blur("keyGlow", 5)


def lock_dial():
    """The padlock's combination dial, drawn alone so it turns with its Transform: eight stops, the
    marker at the top (the opening stop is the one facing down, 180 degrees round)."""
    s = circle(48, 48, 44, "#1b1e25") + circle(48, 48, 40, "#8d919a") + circle(48, 48, 30, "#b9bcc3")
    s += circle(48, 48, 40, "none", 'stroke="#c9ccd2" stroke-width="1.5" stroke-dasharray="50 200" transform="rotate(200 48 48)"')
    for k in range(8):
        x1, y1 = polar(48, 48, k * 45 + 180, 32)
        x2, y2 = polar(48, 48, k * 45 + 180, 39)
        s += line(x1, y1, x2, y2, "#30343c", 3 if k else 5)
    s += polygon([(48, 10), (42, 22), (54, 22)], "#f2b256")
    s += circle(48, 48, 12, "#9a9ea6") + circle(48, 48, 8, "#30343c") + line(42, 48, 54, 48, "#6e727a", 2)
    return 96, 96, s, ""


LOCK_DIAL_AT = (48, 80)  # pixels: where the dial's centre sits on lock_body.png


def lock_body():
    """A combination padlock: steel shackle, a heavy body and the round recess the dial turns in."""
    defs = linear_gradient("lockSteel", [(0, "#9ca1a9"), (0.5, "#767b84"), (1, "#4d525b")], 0, 0, 1, 1)
    s = polyline([(26, 50), (26, 24), (33, 12), (48, 8), (63, 12), (70, 24), (70, 50)], "#0c0e13", 16)
    s += polyline([(26, 50), (26, 24), (33, 12), (48, 8), (63, 12), (70, 24), (70, 50)], "#b6bac1", 10)
    s += polyline([(28, 46), (28, 25), (34, 15)], "#e3e6ea", 2.5)
    s += rect(8, 42, 80, 74, "#0c0e13", 'rx="14"') + rect(11, 45, 74, 68, "url(#lockSteel)", 'rx="11"')
    s += rect(15, 48, 66, 5, "#c6cad0", 'rx="2" opacity="0.8"')  # rim of lamplight along the top
    x, y = LOCK_DIAL_AT
    s += circle(x, y, 30, "#1b1e25") + circle(x, y, 30, "none", 'stroke="#5a5f68" stroke-width="2"')
    return 96, 120, s, defs


def raindrop():
    defs = linear_gradient("drop", [(0, "#ffffff", 0.0), (1, "#ffffff", 0.9)])
    return 8, 48, rect(2, 0, 4, 48, "url(#drop)", 'rx="2"'), defs


def mist():
    defs = radial_gradient("mist", [(0, "#ffffff", 0.5), (0.6, "#ffffff", 0.18), (1, "#ffffff", 0.0)])
    return 128, 128, ellipse(64, 64, 64, 64, "url(#mist)"), defs


def splash():
    s = ellipse(32, 24, 22, 6, "none", 'stroke="#ffffff" stroke-width="2.5" opacity="0.8"')
    for a in (-50, -20, 20, 50):
        x, y = polar(32, 22, 180 + a, 14)
        s += circle(x, y, 2.2, "#ffffff", 'opacity="0.8"')
    return 64, 32, s, ""


def dust():
    rng = random.Random(2)
    s = "".join(circle(32 + rng.uniform(-18, 18), 32 + rng.uniform(-18, 18), rng.uniform(3, 8), "#ffffff", 'opacity="%.2f"' % rng.uniform(0.2, 0.6)) for _ in range(9))
    return 64, 64, group(s, extra='filter="url(#dustBlur)"'), blur("dustBlur", 2)


def images():
    return {
        "cat_sit.png": cat_sit,
        "cat_walk.png": cat_walk,
        "cat_jump.png": cat_jump,
        "cat_petting.png": cat_petting,
        "player_petcat.png": player_petcat,
        "player_scare.png": player_scare,
        "newspaper.png": newspaper,
        "chess_table.png": lambda: chess_table(False),
        "chess_table_oldman.png": lambda: chess_table(True),
        "spawn_eyes.png": spawn_eyes,
        "lift_burst.png": lift_burst,
        "lamp.png": lambda: lamp(False),
        "lamp_broken.png": lambda: lamp(True),
        "house_keys.png": house_keys,
        "lock_dial.png": lock_dial,
        "lock_body.png": lock_body,
        "raindrop.png": raindrop,
        "mist.png": mist,
        "splash.png": splash,
        "dust.png": dust,
    }
