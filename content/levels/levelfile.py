"""Writing level files in the exact form the game's level writer produces, shared by the level
generators: objects with their component records, the pause menu every level carries, and the file.

A generator appends objects with obj(...) and ends with write("Level1", path)."""

WITHOUT = set()  # component names left out of the file, for a game build that does not know them yet

out = []


def g(v):
    if isinstance(v, bool):
        return "1" if v else "0"
    if isinstance(v, int):
        return str(v)
    s = "%g" % v
    return "0" if s == "-0" else s


def put(*tokens):
    for t in tokens:
        out.append(t if isinstance(t, str) else g(t))


class Obj:
    def __init__(self, name, otype, parent="none"):
        self.name, self.otype, self.parent, self.comps = name, otype, parent, []

    def transform(self, x, y, z, w=1, h=1, rot=0):
        self.comps.append(("Transform", ["position", x, y, z, "rotate", rot, "originalscale", w, h, 1,
                                          "scale", w, h, 1]))
        return self

    def sprite(self, tex, alt="empty.png", alpha=1.0, cols=1, rows=1, u=0, v=0, delay=0.0, animate=False,
               count=-1, flipx=False, flipy=False, tint=(1, 1, 1)):
        self.comps.append(("Sprite", [tex, alt, "Transparency", float(alpha), "NumColumns", cols, "NumRows", rows,
                                      "uCoord", u, "vCoord", v, "AnimationDelay", float(delay), "AnimateFlag",
                                      animate, "AnimationCount", count, "FlipX", flipx, "FlipY", flipy,
                                      "ColorTint", float(tint[0]), float(tint[1]), float(tint[2])]))
        return self

    def body(self, mass=1.0, gravity=False):
        self.comps.append(("Rigidbody", ["mass", float(mass), "Gravity", gravity]))
        return self

    def box(self, sx=1.0, sy=1.0, ghost=False, interactable=False, add=False):
        self.comps.append(("BoxCollider", ["scale", float(sx), float(sy), 1.0, "debugline", False, "ghosted",
                                           ghost, "interactable", interactable, "tobeaddedinteractable", add]))
        return self

    def text(self, line, font="arialbd", pos=(0, 0, 0), color=(1, 1, 1), scale=1.0, alpha=0.0, repeat=False,
             on_interact=False):
        self.comps.append(("TextSprite", [line + "|", "FontName", font, "Position", float(pos[0]), float(pos[1]),
                                          float(pos[2]), "Color", float(color[0]), float(color[1]),
                                          float(color[2]), "Scale", float(scale), "Alpha", float(alpha), "Repeat",
                                          repeat, "OnlyOnInteract", on_interact]))
        return self

    def particles(self, tex="particle.png", vel=(0, 0), size=(4, 4), grow=(0, 0), start=(1, 1, 1), end=(1, 1, 1),
                  rate=1, maxcount=100, scalevar=0.0, velvar=0.0, alpha=1.0, endalpha=0.0, life=1.0, shape=1,
                  play=True):
        self.comps.append(("ParticleEmitter", [
            "TextureName", tex, "InitialVel", float(vel[0]), float(vel[1]), 0.0, "InitialScale", float(size[0]),
            float(size[1]), 1.0, "ScaleIncremental", float(grow[0]), float(grow[1]), 0.0, "StartColor",
            float(start[0]), float(start[1]), float(start[2]), "EndColor", float(end[0]), float(end[1]),
            float(end[2]), "EmissionRate", rate, "ParticleMaxCount", maxcount, "EmissionVariance", 0.0,
            "ScaleVariance", float(scalevar), "LifetimeVariance", 0.0, "VelVariance", float(velvar),
            "CircleShapeRadius", 0.0, "InitialAlpha", float(alpha), "EndAlpha", float(endalpha), "TotalLife",
            float(life), "IntermediateRotVal", 0.0, "ShapeType", shape, "UseTexture", True, "SpawnRotRandomly",
            False, "PlayState", play]))
        return self

    def player(self, jump=30000.0):
        self.comps.append(("Player", ["playerID", 1.0, "JumpForce", float(jump)]))
        return self

    def behaviour(self, name):
        """A component with no stored fields: its record is just its name."""
        if name not in WITHOUT:
            self.comps.append((name, []))
        return self


objects = []


def obj(name, otype, parent="none"):
    o = Obj(name, otype, parent)
    objects.append(o)
    return o


# ---- The pause menu: parked far outside the level while closed; the game brings it to the camera
# and scales it by the zoom, so these sizes are its size on screen. Its buttons are 3-row sheets
# (idle, highlighted, pressed).
Z_PAUSE = 90
PAUSE_X, PAUSE_Y = 0.0, 50000.0


def child_y(parent_y, wanted_y):
    """A child's sprite is drawn with its y offset from its parent turned over (the engine's child
    placement works that way), so a child meant to show above its parent is written below it."""
    return 2 * parent_y - wanted_y


def pause_hud(name, dx, dy, z, w, h, texture, rows=1, parent="PauseMenuHUD"):
    obj(name, 12, parent).transform(PAUSE_X + dx, child_y(PAUSE_Y, PAUSE_Y + dy), Z_PAUSE + z, w, h).sprite(
        texture, rows=rows)


def pause_menu():
    obj("PauseMenuHUD", 12).transform(PAUSE_X, PAUSE_Y, Z_PAUSE, 640, 600).sprite("pause_panel.png")
    pause_hud("DividerHUD", 0, 200, 1, 420, 24, "pause_divider.png")
    pause_hud("ResumeButtonHUD", 0, 100, 1, 440, 84, "button_resume.png", rows=3)
    pause_hud("HowToPlayButtonHUD", 0, -20, 1, 440, 84, "button_howtoplay.png", rows=3)
    pause_hud("QuitGameButtonHUD", 0, -140, 1, 440, 84, "button_quit.png", rows=3)
    pause_hud("HowToPlayHUD", 0, 0, 3, 1100, 680, "howtoplay.png")
    pause_hud("QuitConfirmationHUD", 0, 0, 3, 760, 340, "quit_confirmation.png")
    pause_hud("YesButtonHUD", -130, -70, 4, 240, 84, "button_yes.png", rows=3)
    pause_hud("NoButtonHUD", 130, -70, 4, 240, 84, "button_no.png", rows=3)


def write(level_name, path):
    put(level_name, "")
    for o in objects:
        put(o.name, o.otype, o.parent)
        for cname, fields in o.comps:
            put(cname, *fields)
        put("End", "")
    put("/" + level_name)
    open(path, "w").write("\n".join(out) + "\n")
    print("%d objects" % len(objects))
