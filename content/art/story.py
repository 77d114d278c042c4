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



OLDMAN = dict(outline="#0b0d12", rim="#dfe9f5", singlet="#e3e6e4", singlet_shade="#b9bfc2", trousers="#666c76",
              trousers_back="#545a63", skin="#cdc2b4", skin_back="#ada397", hair="#eef0ef", slipper="#4b4f57", eye="#2a2e36")


def _limbs(parts, outline, rim, offset=(1.6, -1.2)):
    """Thick round limbs in three passes, as the figures are drawn: outline, a rim of light, fill."""
    s = ""
    for kind, pts, width, _ in parts:  # outline
        s += polyline(pts, outline, width + 4) if kind == "limb" else circle(pts[0], pts[1], width + 2, outline)
    for kind, pts, width, _ in parts:  # the rim, on the side away from the way he faces
        moved = [(x + offset[0], y + offset[1]) for x, y in pts] if kind == "limb" else (pts[0] + offset[0], pts[1] + offset[1])
        s += polyline(moved, rim, width) if kind == "limb" else circle(moved[0], moved[1], width, rim)
    for kind, pts, width, color in parts:
        s += polyline(pts, color, width) if kind == "limb" else circle(pts[0], pts[1], width, color)
    return s


def oldman_idle():
    """The old man from the chess table, standing in the corridor at night, facing left: stooped, arms
    hanging, in his singlet and slippers. Washed out and faintly lit from nowhere, as if he were not
    quite there."""
    c = OLDMAN
    w, h = 100, 160
    defs = (blur("oldmanHalo", 7) + blur("oldmanMist", 3)
            + linear_gradient("oldmanFade", [(0, "#ffffff", 0.0), (0.55, "#ffffff", 0.0), (1, "#c9d6e6", 0.35)]))
    s = [ellipse(50, 157, 30, 3, "#000000", 'opacity="0.35"')]
    s.append(ellipse(48, 86, 34, 66, "#cfe0f2", 'opacity="0.22" filter="url(#oldmanHalo)"'))  # the pale glow around him
    hip, neck, shoulder = (54, 94), (45, 50), (47, 56)
    back = [("limb", [hip, (60, 124), (59, 150)], 12, c["trousers_back"]),
            ("limb", [(57, 153), (66, 153)], 7, c["slipper"]),
            ("limb", [(55, 58), (60, 81), (58, 101)], 8, c["skin_back"]), ("dot", (58, 103), 4, c["skin_back"])]
    front = [("limb", [hip, (49, 124), (45, 150)], 13, c["trousers"]),
             ("limb", [(37, 153), (49, 153)], 7, c["slipper"]),
             ("limb", [hip, neck], 23, c["singlet"])]
    arm = [("limb", [shoulder, (42, 80), (43, 100)], 8, c["skin"]), ("dot", (43, 103), 4.2, c["skin"])]
    head = [("limb", [neck, (40, 44)], 9, c["skin"]), ("dot", (37, 34), 12, c["skin"])]
    s.append(_limbs(back, c["outline"], c["rim"]))
    s.append(_limbs(front, c["outline"], c["rim"]))
    # the singlet's straps and hem, trousers belted high
    s.append(polyline([(38, 58), (41, 72), (48, 74), (56, 66), (54, 54)], c["singlet_shade"], 2))
    s.append(rect(40, 88, 27, 5, c["trousers"], 'rx="2" transform="rotate(-8 54 90)"'))
    s.append(line(41, 89, 66, 86, c["singlet_shade"], 1.5))
    s.append(_limbs(head, c["outline"], c["rim"]))
    s.append(_limbs(arm, c["outline"], c["rim"]))
    # the face, turned to the left: hollow eye, long nose, thin mouth, and what is left of his hair
    s.append(ellipse(46.5, 33, 3.5, 7, c["hair"]) + ellipse(43, 25, 6, 2.6, c["hair"], 'transform="rotate(30 43 25)"'))
    s.append(polyline([(33, 23), (38, 21.5), (43, 23)], c["hair"], 1.2, 0.8))  # a few strands over the top
    s.append(ellipse(30.5, 32, 3, 2.4, c["eye"], 'opacity="0.85"') + circle(30, 32, 0.9, "#eef6ff", 'opacity="0.7"'))
    s.append(line(27, 29, 33, 28, c["singlet_shade"], 1.2))  # brow
    s.append(polyline([(26, 33), (23.5, 38), (26.5, 39)], c["skin_back"], 2))  # nose
    s.append(line(27, 43, 32, 43.5, "#8f8a84", 1.2))
    s.append(ellipse(42, 36, 2.4, 3.4, c["skin_back"]))  # ear
    # a cold haze where his legs meet the floor, as if he had risen out of it
    s.append(rect(0, 0, w, h, "url(#oldmanFade)", 'filter="url(#oldmanMist)"'))
    return w, h, "".join(s), defs


def _leaf(base, angle, length, width, fill, stroke, extra=""):
    """A pointed leaf growing from `base` in the direction `angle` (as `polar`)."""
    tip = polar(base[0], base[1], angle, length)
    side = polar(0, 0, angle + 90, width / 2)
    m1 = polar(base[0], base[1], angle, length * 0.45)
    return ('<path d="M %.1f %.1f Q %.1f %.1f %.1f %.1f Q %.1f %.1f %.1f %.1f Z" fill="%s" stroke="%s" stroke-width="0.8" %s/>'
            % (base[0], base[1], m1[0] + side[0] * 2, m1[1] + side[1] * 2, tip[0], tip[1], m1[0] - side[0] * 2, m1[1] - side[1] * 2,
               base[0], base[1], fill, stroke, extra))


def _stem(rng, root, angle, length, bend):
    """A gently curved stem; returns its path and the points and directions leaves grow from."""
    tip = polar(root[0], root[1], angle, length)
    ctrl = polar(root[0], root[1], angle - bend, length * 0.55)
    path = "M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (root[0], root[1], ctrl[0], ctrl[1], tip[0], tip[1])
    nodes = []
    for t in (0.45, 0.7, 1.0):
        x = (1 - t) ** 2 * root[0] + 2 * (1 - t) * t * ctrl[0] + t * t * tip[0]
        y = (1 - t) ** 2 * root[1] + 2 * (1 - t) * t * ctrl[1] + t * t * tip[1]
        nodes.append(((x, y), angle + bend * (t - 0.5) * 0.8))
    return path, nodes


def corridor_plant(alternate):
    """The potted plant by a flat's door, in the corridor light; the alternate is the same pot taken
    over by the other side: dark glossy leaves spilling out of it, with a faint sickly glow."""
    w, h = 90, 150
    rng = random.Random(17)
    defs = (linear_gradient("potClay", [(0, "#8a5a3c"), (0.55, "#9b6a48"), (1, "#5e3d29")], 0, 0, 1, 0)
            + linear_gradient("leafGloss", [(0, "#3a5f45"), (0.45, "#13291d"), (1, "#07120c")], 0, 0, 1, 1)
            + blur("plantGlow", 9) + blur("plantSoft", 1.2))
    s = [ellipse(45, 147, 28, 3, "#000000", 'opacity="0.35"')]
    if alternate:
        s.append(ellipse(45, 74, 40, 56, "#c8e86a", 'opacity="0.2" filter="url(#plantGlow)"'))
    pot = polygon([(24, 112), (66, 112), (61, 147), (29, 147)], "url(#potClay)", "#2a1a12", 1.5)
    pot += line(29, 116, 31, 143, "#c48f68", 1.5, 0.35)
    rim = rect(21, 106, 48, 9, "#9b6a48", 'rx="2" stroke="#2a1a12" stroke-width="1.5"') + line(24, 108, 66, 108, "#c48f68", 1.2, 0.6)
    s.append(pot + rim)
    s.append(ellipse(45, 109, 21, 3, "#2a1c14"))  # soil
    root = (45, 108)
    if not alternate:
        greens = ("#3f6b45", "#4f7d52", "#355c3c", "#5c8c5b")
        stems, leaves = "", ""
        for k in range(9):  # a bushy houseplant: arching stems, broad leaves
            a = 180 - 62 + k * 124 / 8 + rng.uniform(-5, 5)
            length = 60 - abs(a - 180) * 0.35 + rng.uniform(-8, 8)
            path, nodes = _stem(rng, (root[0] + (a - 180) * 0.1, root[1]), a, length, (a - 180) * 0.35)
            stems += '<path d="%s" fill="none" stroke="#2f5a36" stroke-width="1.8" stroke-linecap="round"/>' % path
            for n, (at, d) in enumerate(nodes):
                if n < 2:
                    for side in (-1, 1):
                        leaves += _leaf(at, d + side * 55, 14, 5, rng.choice(greens), "#23412a")
                else:
                    leaves += _leaf(at, d, 20, 8, rng.choice(greens), "#23412a")
                    leaves += line(at[0], at[1], *polar(at[0], at[1], d, 15), color="#2a4a30", width=0.8, opacity=0.7)
        s.append(stems + leaves)
        s.append(ellipse(45, 40, 34, 26, "#dfe6e8", 'opacity="0.1" filter="url(#plantGlow)"'))  # tube light from above
    else:
        for k in range(6):  # runners escaping the pot and down its sides
            x0 = 26 + k * 7.5
            end = (x0 + (x0 - 45) * 0.9 + rng.uniform(-4, 4), rng.uniform(128, 146))
            s.append(polyline([(x0, 107), (x0 + (end[0] - x0) * 0.7, 113), end], "#0d2116", 2.2))
            s.append(_leaf(end, 180 + (end[0] - 45) * 1.5, 9, 4, "url(#leafGloss)", "#050b07"))
        stems, leaves = "", ""
        for k in range(13):  # big dark glossy leaves, crowding and drooping over the rim
            a = 180 - 78 + k * 156 / 12 + rng.uniform(-5, 5)
            length = 74 - abs(a - 180) * 0.5 + rng.uniform(-6, 6)
            path, nodes = _stem(rng, (root[0] + (a - 180) * 0.12, root[1]), a, length, (a - 180) * 0.5)
            stems += '<path d="%s" fill="none" stroke="#0d2116" stroke-width="2.2" stroke-linecap="round"/>' % path
            for n, (at, d) in enumerate(nodes):
                size = 24 if n == 2 else 17
                for side in ((0,) if n == 2 else (-1, 1)):
                    leaves += _leaf(at, d + side * 50, size, size * 0.55, "url(#leafGloss)", "#050b07")
                    g0 = polar(at[0], at[1], d + side * 50, size * 0.25)
                    g1 = polar(at[0], at[1], d + side * 50 - 8, size * 0.7)
                    leaves += line(g0[0], g0[1], g1[0], g1[1], "#b5dc8e", 1.1, 0.5)  # wet gloss
        s.append(group(stems + leaves, "translate(45 108) scale(0.86) translate(-45 -108)"))  # kept inside the cell
        for _ in range(6):  # a few pale spores hanging in the glow
            s.append(circle(rng.uniform(15, 75), rng.uniform(15, 100), rng.uniform(1.2, 2.2), "#d8f59a", 'opacity="0.7" filter="url(#plantSoft)"'))
    return w, h, "".join(s), defs


def floor_collapse():
    """The corridor floor giving way: the slab snaps into a dark hole, pieces tilting and falling with
    their rebar, dust coming off the broken edges. The concrete's top edge is 40 px down."""
    w, h = 1200, 300
    rng = random.Random(41)
    top = 40
    defs = (radial_gradient("collapseHole", [(0, "#010204"), (0.6, "#03050a", 0.92), (1, "#05070c", 0.0)], 0.5, 0.3, 0.6)
            + linear_gradient("slabTop", [(0, "#8a8578"), (1, "#6a665d")]) + linear_gradient("slabSide", [(0, "#4c4a45"), (1, "#2a2a2a")])
            + blur("collapseDust", 6) + '<clipPath id="belowFloor"><rect x="0" y="%d" width="%d" height="%d"/></clipPath>' % (top + 8, w, h))
    s = [group(ellipse(600, 150, 380, 150, "url(#collapseHole)"), extra='clip-path="url(#belowFloor)"')]  # the void under the floor
    rebar = "#6b4a38"

    def slab(cx, cy, sw, thick, angle, seed, fall=0.0):
        """One broken piece: a tilted block with a ragged top surface, torn edges and bent rebar."""
        r = random.Random(seed)
        left = [(-sw / 2 + r.uniform(0, 10), -thick / 2 + r.uniform(0, 4)), (-sw / 2 + r.uniform(-4, 6), thick / 2)]
        right = [(sw / 2 - r.uniform(0, 12), thick / 2), (sw / 2 + r.uniform(-6, 4), -thick / 2 + r.uniform(0, 4))]
        face = [left[0], left[1]] + [(x, thick / 2 + r.uniform(-2, 3)) for x in (-sw / 4, 0, sw / 4)] + right
        body = polygon(face, "url(#slabSide)", "#15161a", 1.5)
        body += polygon([left[0], (left[0][0] + 6, -thick / 2 - 6), (right[1][0] + 6, -thick / 2 - 6), right[1]], "url(#slabTop)", "#15161a", 1.5)
        body += line(left[0][0] + 6, -thick / 2 - 5, right[1][0] + 4, -thick / 2 - 5, "#b8c4d8", 1.2, 0.6)  # cold light on the top edge
        body += line(-sw / 2 + 8, 2, sw / 2 - 8, 4, "#3a3936", 1.5, 0.8)
        for k in range(r.randint(2, 4)):  # rebar out of the broken ends
            side = 1 if k % 2 else -1
            x = side * sw / 2
            y = r.uniform(-thick / 3, thick / 3)
            body += polyline([(x, y), (x + side * r.uniform(12, 30), y + r.uniform(-12, 10)), (x + side * r.uniform(24, 44), y + r.uniform(-4, 20))], rebar, 3)
        if fall:
            body += polyline([(-sw / 2, -thick), (-sw / 2 - 6, -thick - 18 * fall)], "#9aa3b2", 1, 0.3)
        return group(body, "translate(%.1f %.1f) rotate(%.1f)" % (cx, cy, angle))

    # the floor still standing on both sides, its broken lips bent down into the hole
    for side in (-1, 1):
        edge = 600 + side * 250
        outer = 0 if side < 0 else w
        lip = [(edge + side * rng.uniform(-8, 8), top + k * 12 + rng.uniform(-4, 4)) for k in range(5)]
        pts = [(outer, top), (edge - side * 6, top)] + [(x + side * k * 2, y) for k, (x, y) in enumerate(lip)] + [(edge + side * 30, top + 64), (outer, top + 64)]
        s.append(polygon(pts, "url(#slabSide)", "#15161a", 1.5))
        s.append(rect(min(outer, edge), top - 4, abs(edge - outer), 10, "url(#slabTop)"))
        s.append(line(min(outer, edge), top - 4, max(outer, edge), top - 4, "#b8c4d8", 1.2, 0.5))
        for k in range(5):  # bent bars hanging into the hole
            y = top + 12 + k * 10
            s.append(polyline([(edge, y), (edge - side * rng.uniform(16, 30), y + rng.uniform(8, 24)),
                               (edge - side * rng.uniform(20, 44), y + rng.uniform(30, 60))], rebar, 3))
        for k in range(0, 360, 60):  # the tiles' seams, as on the corridor floor
            x = edge + side * (k + 40)
            if 0 < x < w:
                s.append(line(x, top - 4, x + 6, top + 6, "#77726a", 1.5))
    # the broken pieces, from the one still hanging to the ones far down
    s.append(slab(430, 90, 170, 34, 24, 1, 0.5))
    s.append(slab(770, 96, 190, 34, -30, 2, 0.5))
    s.append(slab(560, 150, 150, 30, -12, 3, 1.0))
    s.append(slab(665, 185, 120, 28, 48, 4, 1.0))
    s.append(slab(480, 215, 90, 24, -58, 5, 1.0))
    for _ in range(22):  # chunks and grit falling with them
        x, y = rng.uniform(380, 820), rng.uniform(60, 290)
        r = rng.uniform(2.5, 9)
        s.append(polygon([(x - r, y), (x - r * 0.2, y - r), (x + r, y - r * 0.3), (x + r * 0.5, y + r)], "#5a5852", "#15161a", 1))
    for _ in range(9):  # dust off the broken edges
        s.append(ellipse(rng.uniform(340, 860), rng.uniform(30, 120), rng.uniform(30, 70), rng.uniform(10, 22), "#8e96a4",
                         'opacity="%.2f" filter="url(#collapseDust)"' % rng.uniform(0.12, 0.25)))
    return w, h, "".join(s), defs


def creature_particle():
    """A wisp of the creature's smoke: dark purple going to black, soft all the way to a clear edge."""
    rng = random.Random(9)
    defs = (blur("wisp", 2.2) + radial_gradient("wispCore", [(0, "#2a1238", 0.95), (0.5, "#160a20", 0.75), (1, "#07040b", 0.0)]))
    s = ""
    for k in range(7):  # puffs along a curl, thick at the head and thinning into a tail
        t = k / 6
        x, y = 19 - 9 * t + 3 * math.sin(t * 4), 13 + 8 * t
        r = 7.5 - 4 * t
        s += ellipse(x, y, r * rng.uniform(0.9, 1.2), r * rng.uniform(0.7, 0.95), "url(#wispCore)",
                     'transform="rotate(%d %.1f %.1f)"' % (rng.uniform(0, 180), x, y))
    s += ellipse(18, 14, 4.5, 3.5, "#3b1a4e", 'opacity="0.5"')
    return 32, 32, group(s, extra='filter="url(#wisp)"'), defs


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
        "oldman_idle.png": oldman_idle,
        "corridor_plant.png": lambda: corridor_plant(False),
        "corridor_plant_alt.png": lambda: corridor_plant(True),
        "floor_collapse.png": floor_collapse,
        "creature_particle.png": creature_particle,
    }
