"""The player and the creature as simple 2D rigs: each animation cell is a pose (joint angles),
drawn as thick round limbs with a silhouette outline and a rim of light on one side."""
import math

from svg import polar, polyline, circle, ellipse, group, line, blur, radial_gradient, polygon

TAU = 2 * math.pi

# --- proportions (pixels of a 160 x 240 player cell) -----------------------------------------

PLAYER = dict(thigh=47, shin=45, foot=17, torso=58, neck=9, head_r=21, upper_arm=33, forearm=31,
              leg_w=16, arm_w=12, torso_w=36, hand_r=6)

PLAYER_PALETTES = {
    # neutral night light: the house with no lamp nearby
    "plain": dict(outline="#0c0f16", hoodie="#50617e", hoodie_back="#3a4760", trousers="#2b3242", trousers_back="#20252f",
                  skin="#d5b49a", shoe="#17191f", rim="#9fb3d1", rim_offset=(-2.0, -1.5), eye="#141820", hood_in="#2a3346",
                  detail="#6c7f9e"),
    # standing in lamplight: warm highlights on the side facing the lamp
    "lit": dict(outline="#140e0a", hoodie="#6e6f80", hoodie_back="#4f4f5e", trousers="#3a3640", trousers_back="#2a2730",
                skin="#f0c49c", shoe="#221a16", rim="#ffc46a", rim_offset=(2.5, -2.0), eye="#1c120c", hood_in="#3b3440",
                detail="#92909e"),
    # in the dark: nearly a silhouette, a cold moonlit edge keeps it readable
    "unlit": dict(outline="#05060a", hoodie="#222a3a", hoodie_back="#181e2a", trousers="#151a24", trousers_back="#10141c",
                  skin="#6a7384", shoe="#0b0d12", rim="#7f9bc4", rim_offset=(-2.5, -1.5), eye="#c9d8f0", hood_in="#121722",
                  detail="#2f3a50"),
}

CREATURE = dict(thigh=92, shin=100, foot=26, torso=112, neck=22, head_r=22, upper_arm=88, forearm=92,
                leg_w=15, arm_w=12, torso_w=40, hand_r=5)


class Pose:
    def __init__(self, **kw):
        self.lean = 3.0
        self.head = 0.0
        self.front_leg = (0.0, 5.0, 0.0)   # thigh angle, knee bend, toe tilt
        self.back_leg = (0.0, 5.0, 0.0)
        self.front_arm = (5.0, 15.0)       # upper-arm angle, elbow bend
        self.back_arm = (-5.0, 15.0)
        self.lift = 0.0                    # raise above the ground (flight)
        self.shiver = (0.0, 0.0)
        self.blink = False
        self.x = None                      # hip x; None centres the hip
        self.grounded = True
        self.hip_y = None
        self.__dict__.update(kw)


def joints(p, pose, hip):
    j = {"hip": hip}
    neck = polar(hip[0], hip[1], 180 - pose.lean, p["torso"])
    j["neck"] = neck
    j["shoulder"] = polar(hip[0], hip[1], 180 - pose.lean, p["torso"] - 6)
    j["head"] = polar(neck[0], neck[1], 180 - pose.lean - pose.head, p["neck"] + p["head_r"] * 0.8)
    for side in ("front", "back"):
        ta, kb, tilt = getattr(pose, side + "_leg")
        knee = polar(hip[0], hip[1], ta, p["thigh"])
        ankle = polar(knee[0], knee[1], ta - kb, p["shin"])
        toe = polar(ankle[0], ankle[1], 90 - tilt, p["foot"])
        heel = polar(ankle[0], ankle[1], -90 - tilt, p["foot"] * 0.25)
        j[side + "_leg"] = (hip, knee, ankle, toe, heel)
        ua, eb = getattr(pose, side + "_arm")
        sh = j["shoulder"]
        elbow = polar(sh[0], sh[1], ua, p["upper_arm"])
        wrist = polar(elbow[0], elbow[1], ua + eb, p["forearm"])
        j[side + "_arm"] = (sh, elbow, wrist)
    return j


def place(p, pose, cell_w, cell_h, ground_pad, extra_low=()):
    """Finds the hip position that puts the lowest contact point on the cell's bottom edge."""
    trial = joints(p, pose, (0.0, 0.0))
    lows = []
    for side in ("front", "back"):
        _, knee, ankle, toe, heel = trial[side + "_leg"]
        lows += [ankle[1], toe[1], heel[1]]
        if "knee" in extra_low:
            lows.append(knee[1])
        if "hand" in extra_low:
            lows.append(trial[side + "_arm"][2][1] + p["hand_r"] - p["leg_w"] / 2)
    lowest = max(lows) + p["leg_w"] / 2
    hip_y = pose.hip_y if pose.hip_y is not None else cell_h - ground_pad - lowest - pose.lift
    hip_x = pose.x if pose.x is not None else cell_w / 2
    return hip_x + pose.shiver[0], hip_y + pose.shiver[1]


def draw_player(pose, pal, cell_w=160, cell_h=240, extra_low=()):
    p = PLAYER
    j = joints(p, pose, place(p, pose, cell_w, cell_h, 1.5, extra_low))
    ow = 5  # outline adds this much to every stroke

    def leg(side, color):
        hip, knee, ankle, toe, heel = j[side + "_leg"]
        return [("limb", [hip, knee, ankle], p["leg_w"], color), ("limb", [heel, toe], 10, pal["shoe"])]

    def arm(side, color):
        sh, elbow, wrist = j[side + "_arm"]
        return [("limb", [sh, elbow, wrist], p["arm_w"], color), ("dot", wrist, p["hand_r"], pal["skin"])]

    hx, hy = j["head"]
    torso = [("limb", [j["hip"], j["neck"]], p["torso_w"], pal["hoodie"])]
    head = [("dot", (hx - 3, hy), p["head_r"] + 3, pal["hoodie"])]

    layers = [leg("back", pal["trousers_back"]) + arm("back", pal["hoodie_back"]),
              leg("front", pal["trousers"]) + torso + head,
              arm("front", pal["hoodie"])]
    out = []
    for parts in layers:
        out.append(_pass(parts, pal["outline"], ow))
        out.append(_pass(parts, pal["rim"], 0, pal["rim_offset"]))
        out.append(_pass(parts, None, 0))
        if parts is layers[1]:
            out.append(_face(pose, pal, j))
    return "".join(out)


def _pass(parts, color, grow, offset=(0.0, 0.0)):
    dx, dy = offset
    s = []
    for kind, geo, width, base in parts:
        c = color or base
        if kind == "limb":
            s.append(polyline([(x + dx, y + dy) for x, y in geo], c, width + grow))
        else:
            s.append(circle(geo[0] + dx, geo[1] + dy, width + grow / 2, c))
    return "".join(s)


def _face(pose, pal, j):
    p = PLAYER
    hx, hy = j["head"]
    a = math.radians(-pose.lean - pose.head)
    rot = "rotate(%.2f %.2f %.2f)" % (math.degrees(a), hx, hy)
    s = ellipse(hx + 7, hy + 2, 12.5, 15, pal["hood_in"])
    s += ellipse(hx + 9, hy + 3, 10.5, 13, pal["skin"])
    s += polyline([(hx + 18, hy + 1), (hx + 21, hy + 6), (hx + 18, hy + 8)], pal["skin"], 3)  # nose
    if pose.blink:
        s += line(hx + 11, hy - 1, hx + 16, hy - 1, pal["eye"], 1.6)
    else:
        s += circle(hx + 13.5, hy - 1, 2.2, pal["eye"])
    s += line(hx + 2, hy - 13, hx + 17, hy - 9, pal["detail"], 2)  # hood seam
    # hoodie string and pocket
    nx, ny = j["neck"]
    s += line(nx + 10, ny + 4, nx + 11, ny + 18, pal["detail"], 1.6)
    return group(s, rot)


# --- player animations --------------------------------------------------------------------------

def walk_pose(cell, count=30, contact=6):
    ph = ((cell - contact) / count) % 1.0

    def leg(phase):
        thigh = 24 * math.cos(TAU * phase)
        swing = max(0.0, math.sin(TAU * (phase - 0.5)))
        knee = 6 + 48 * swing ** 1.2
        tilt = 25 * max(0.0, math.sin(TAU * (phase - 0.35))) if 0.35 < phase < 0.6 else -8 * math.cos(TAU * phase) * (phase < 0.1 or phase > 0.95)
        return thigh, knee, tilt

    swing = math.cos(TAU * ph)
    return Pose(lean=4, head=-2, front_leg=leg(ph), back_leg=leg((ph + 0.5) % 1.0),
                front_arm=(-22 * swing, 18 + 8 * max(0, -swing)), back_arm=(22 * swing, 18 + 8 * max(0, swing)),
                lift=1.5 * abs(math.sin(TAU * ph)))


def run_pose(cell, count=20, contact=8):
    ph = ((cell - contact) / count) % 1.0

    def leg(phase):
        thigh = 12 + 40 * math.cos(TAU * phase)
        swing = max(0.0, math.sin(TAU * (phase - 0.5)))
        knee = 12 + 95 * swing ** 0.9
        tilt = 35 if 0.3 < phase < 0.55 else 0
        return thigh, knee, tilt

    swing = math.cos(TAU * ph)
    return Pose(lean=15, head=-10, front_leg=leg(ph), back_leg=leg((ph + 0.5) % 1.0),
                front_arm=(-48 * swing, 80), back_arm=(48 * swing, 80),
                lift=1.5 * abs(math.sin(TAU * ph)), x=92)


def idle_pose(cell, count=30):
    ph = cell / count
    breath = math.sin(TAU * ph)
    return Pose(lean=2 + breath, head=-2 + 1.5 * breath, front_leg=(4, 4, 0), back_leg=(-5, 3, 0),
                front_arm=(4 + 2 * breath, 12), back_arm=(-6 - 2 * breath, 14), blink=cell in (22, 23))


def jump_pose(cell):
    # 0-3 crouch, 4-6 push off, 7-13 tucked in the air, 14-19 reaching for the ground
    if cell <= 3:
        k = cell / 3
        return Pose(lean=6 + 14 * k, head=-4, front_leg=(20 + 25 * k, 20 + 50 * k, 0), back_leg=(8 + 25 * k, 20 + 55 * k, 0),
                    front_arm=(-20 - 30 * k, 20), back_arm=(-30 - 30 * k, 20))
    if cell <= 6:
        k = (cell - 3) / 3
        return Pose(lean=20 - 12 * k, head=-10, front_leg=(45 - 30 * k, 70 - 60 * k, 30 * k), back_leg=(33 - 40 * k, 75 - 65 * k, 35 * k),
                    front_arm=(-50 + 200 * k, 20), back_arm=(-60 + 190 * k, 30))
    if cell <= 13:
        k = (cell - 7) / 6
        bob = math.sin(k * math.pi)
        return Pose(lean=8, head=-6, front_leg=(55 + 10 * bob, 85 + 15 * bob, 10), back_leg=(5 + 10 * bob, 60 + 20 * bob, 25),
                    front_arm=(150 - 40 * k, 30 + 20 * k), back_arm=(130 - 40 * k, 40))
    k = (cell - 14) / 5
    return Pose(lean=8 - 2 * k, head=-2, front_leg=(55 - 35 * k, 85 - 65 * k, 10 - 15 * k), back_leg=(5 - 10 * k, 60 - 45 * k, 25 - 25 * k),
                front_arm=(110 - 90 * k, 50 - 20 * k), back_arm=(90 - 100 * k, 40 - 20 * k))


def hide_pose(cell, count=10):
    # crouched low with arms around the knees, shaking
    jitter = [(0, 0), (0.8, 0), (-0.6, 0.4), (0.5, -0.3), (-0.8, 0), (0.6, 0.5), (-0.4, -0.4), (0.8, 0.2), (-0.7, 0.3), (0.3, -0.5)]
    ph = cell / count
    return Pose(lean=34 + 2 * math.sin(TAU * ph), head=8, front_leg=(70, 150, 0), back_leg=(58, 145, 5),
                front_arm=(28, -22), back_arm=(36, -18), shiver=jitter[cell % 10])


def crawl_pose(cell, count=40, contact=9):
    ph = ((cell - contact) / count) % 1.0

    def leg(phase):
        c = math.cos(TAU * phase)
        lift = max(0.0, math.sin(TAU * (phase - 0.5)))
        return 8 + 22 * c, 118 - 10 * lift, -75

    def arm(phase):
        c = math.cos(TAU * phase)
        lift = max(0.0, math.sin(TAU * (phase - 0.5)))
        return 8 + 24 * c, -8 - 25 * lift

    return Pose(lean=80, head=-70, front_leg=leg((ph + 0.5) % 1.0), back_leg=leg(ph),
                front_arm=arm(ph), back_arm=arm((ph + 0.5) % 1.0), x=62)


def climb_pose(cell, count=30):
    ph = cell / count
    s = math.sin(TAU * ph)
    return Pose(lean=-2, head=6, front_leg=(35 + 30 * s, 60 + 40 * s, 0), back_leg=(35 - 30 * s, 60 - 40 * s, 0),
                front_arm=(162 + 12 * s, -28 - 18 * s), back_arm=(162 - 12 * s, -28 + 18 * s),
                grounded=False, x=70, hip_y=128 - 4 * abs(s))


PLAYER_SHEETS = {
    "idle": (30, idle_pose, ()),
    "walk": (30, walk_pose, ()),
    "run": (20, run_pose, ()),
    "jump": (20, jump_pose, ()),
    "hide": (10, hide_pose, ()),
    "crawl": (40, crawl_pose, ("knee", "hand")),
    "climb": (30, climb_pose, ()),
}


def ladder(cell_w, cell_h, pal):
    """A glimpse of the rungs the player holds while climbing, so the pose reads."""
    x = 104
    s = line(x, 0, x, cell_h, pal["outline"], 6) + line(x + 30, 0, x + 30, cell_h, pal["outline"], 6)
    for y in range(12, cell_h, 34):
        s += line(x, y, x + 30, y, pal["outline"], 5)
    return group(s, extra='opacity="0.55"')


def player_strip(anim, variant):
    count, pose_fn, extra = PLAYER_SHEETS[anim]
    pal = PLAYER_PALETTES[variant]
    cells = []
    for c in range(count):
        body = draw_player(pose_fn(c), pal, extra_low=extra)
        if anim == "climb":
            body = ladder(160, 240, pal) + body
        cells.append(group(body, "translate(%d 0)" % (c * 160)))
    return 160 * count, 240, "".join(cells), ""


# --- the creature ---------------------------------------------------------------------------------

CREATURE_PAL = dict(body="#07080d", rim="#2f3d5c", wisp="#0d1018", eye="#fff8d8", glow="#ffcf5a")


def creature_pose_walk(cell, count=30):
    ph = cell / count

    def leg(phase):
        swing = max(0.0, math.sin(TAU * (phase - 0.5)))
        return 14 + 26 * math.cos(TAU * phase), 18 + 55 * swing, 10

    sway = math.cos(TAU * ph)
    return Pose(lean=28 + 3 * math.sin(2 * TAU * ph), head=-30, front_leg=leg(ph), back_leg=leg((ph + 0.5) % 1),
                front_arm=(18 - 25 * sway, 12), back_arm=(2 + 25 * sway, 12), lift=2 * abs(math.sin(TAU * ph)))


def creature_pose_attack(cell):
    # 0-6 rearing up, 7 the lunge, 8-15 holding on, 16-28 dragging back, 29 final pose
    if cell <= 6:
        k = cell / 6
        return Pose(lean=28 - 30 * k, head=-30 + 40 * k, front_leg=(10 - 5 * k, 20, 10), back_leg=(-10 - 5 * k, 25, 10),
                    front_arm=(20 + 140 * k, 12 + 20 * k), back_arm=(0 + 150 * k, 12 + 25 * k))
    if cell == 7:
        return Pose(lean=48, head=-45, front_leg=(40, 15, 10), back_leg=(-25, 10, 20), front_arm=(100, -5), back_arm=(85, -10), jaw=True)
    if cell <= 15:
        k = (cell - 8) / 7
        return Pose(lean=46 - 6 * k, head=-42, front_leg=(38, 18, 10), back_leg=(-24, 12, 20),
                    front_arm=(95 - 10 * k, 20 + 40 * k), back_arm=(82 - 8 * k, 25 + 40 * k), jaw=True)
    if cell <= 28:
        k = (cell - 16) / 12
        return Pose(lean=40 - 15 * k, head=-42 + 15 * k, front_leg=(38 - 30 * k, 18 + 10 * k, 10), back_leg=(-24 + 14 * k, 12 + 10 * k, 15),
                    front_arm=(85 - 60 * k, 60 + 30 * k), back_arm=(74 - 60 * k, 65 + 25 * k), jaw=k < 0.5)
    return Pose(lean=10, head=5, front_leg=(8, 10, 10), back_leg=(-10, 12, 10), front_arm=(20, 80), back_arm=(10, 85), bright=True)


CREATURE_CELL = (300, 368)  # drawn at this size, stored at 0.9 (270 x 332) to keep the strip under 8192 px


def draw_creature(pose, cell_w=CREATURE_CELL[0], cell_h=CREATURE_CELL[1]):
    p = CREATURE
    pose.x = pose.x if pose.x is not None else 120
    j = joints(p, pose, place(p, pose, cell_w, cell_h, 2))
    pal = CREATURE_PAL

    def limbs(side):
        hip, knee, ankle, toe, heel = j[side + "_leg"]
        sh, elbow, wrist = j[side + "_arm"]
        ua, eb = getattr(pose, side + "_arm")
        claws = []
        for spread in (-22, 0, 22):  # long fingers
            tip = polar(wrist[0], wrist[1], ua + eb + spread, 30)
            claws.append([wrist, tip])
        return [([hip, knee, ankle], p["leg_w"]), ([heel, toe], 8), ([sh, elbow, wrist], p["arm_w"])] + [(c, 3.5) for c in claws]

    hip, neck, head = j["hip"], j["neck"], j["head"]
    torso_parts = [([hip, neck], p["torso_w"]), ([neck, head], 14)]
    s = []
    for parts, shade in ((limbs("back"), 0.75), (torso_parts + limbs("front"), 1.0)):
        s.append("".join(polyline([(x - 2.5, y - 1.5) for x, y in pts], pal["rim"], w + 3) for pts, w in parts))
        s.append("".join(polyline(pts, pal["body"], w) for pts, w in parts))
    # ragged shadow hanging from the shoulders and back
    rag = []
    sx, sy = j["shoulder"]
    for k in range(7):
        base = polar(hip[0], hip[1], 180 - pose.lean, p["torso"] * (0.2 + 0.11 * k))
        tip = polar(base[0] - 10, base[1], 200 - k * 4 + 8 * math.sin(k * 1.7), 40 + 9 * (k % 3))
        rag.append(polygon([(base[0] - 14, base[1]), (base[0] + 8, base[1] - 4), tip], pal["wisp"]))
    s.insert(2, "".join(rag))
    # head: long skull shape and glowing eyes
    a = -pose.lean - pose.head
    hx, hy = head
    skull = ellipse(hx, hy, 17, 30, pal["body"], 'transform="rotate(%.1f %.1f %.1f)"' % (a, hx, hy))
    skull_rim = ellipse(hx - 2.5, hy - 1.5, 18.5, 31.5, pal["rim"], 'transform="rotate(%.1f %.1f %.1f)"' % (a, hx, hy))
    ex, ey = polar(hx, hy, 180 - (-a) + 60, 12)
    ex2, ey2 = polar(hx, hy, 180 - (-a) + 100, 13)
    r = 9 if getattr(pose, "bright", False) or getattr(pose, "jaw", False) else 6.5
    eyes = (circle(ex, ey, r * 1.9, pal["glow"], 'opacity="0.55" filter="url(#glow)"') + circle(ex2, ey2, r * 1.6, pal["glow"], 'opacity="0.45" filter="url(#glow)"')
            + ellipse(ex, ey, r * 0.6, r * 0.35, pal["eye"]) + ellipse(ex2, ey2, r * 0.5, r * 0.3, pal["eye"]))
    mouth = ""
    if getattr(pose, "jaw", False):
        mx, my = polar(hx, hy, 180 - (-a) + 140, 18)
        mouth = ellipse(mx, my, 7, 12, "#3a0d12", 'transform="rotate(%.1f %.1f %.1f)"' % (a, mx, my))
    s.append(skull_rim + skull + mouth + eyes)
    return "".join(s)


def creature_strip(anim):
    fn = creature_pose_walk if anim == "walk" else creature_pose_attack
    w, h = CREATURE_CELL
    cells = []
    for c in range(30):
        pose = fn(c)
        if anim == "attack" and c >= 7:
            pose.x = 80  # room for the reach
        cells.append(group(draw_creature(pose), "translate(%d 0) scale(0.9)" % (c * 270)))
    return 270 * 30, 332, "".join(cells), blur("glow", 4)
