"""Front-end art: splash logos, menu, buttons, panels, key caps and the loading screen.
The menus draw no text at run time, so every word on them is drawn here."""
import math
import random

from svg import rect, line, circle, ellipse, group, polygon, polyline, text, linear_gradient, radial_gradient, blur

INK = "#dfe6f2"        # pale moonlit text
DIM = "#8d9ab0"
LAMP = "#f2b256"       # warm lamplight: selection and highlights
NIGHT = "#0d1320"
PANEL = "#141c2b"


def flat(color, size=4):
    return lambda: (size, size, rect(0, 0, size, size, color), "")


# --- night scene shared by the menu and the loading screen -----------------------------------

def storm_sky(w, h, seed, defs_prefix=""):
    rng = random.Random(seed)
    defs = linear_gradient("sky", [(0, "#070b14"), (0.55, "#1a2538"), (1, "#2a3850")])
    defs += blur("cloudBlur", 18) + blur("softGlow", 6) + blur("flash", 40)
    s = [rect(0, 0, w, h, "url(#sky)")]
    # a lightning-lit patch inside the clouds
    s.append(ellipse(w * 0.56, h * 0.16, 360, 160, "#6f86ad", 'opacity="0.35" filter="url(#flash)"'))
    clouds = []
    for _ in range(26):
        cx, cy = rng.uniform(-100, w + 100), rng.uniform(-60, h * 0.38)
        clouds.append(ellipse(cx, cy, rng.uniform(140, 340), rng.uniform(40, 90), rng.choice(("#1d2638", "#253047", "#2d3a54", "#151c2b"))))
    s.append(group("".join(clouds), extra='filter="url(#cloudBlur)" opacity="0.9"'))
    # the bolt
    x, y = w * 0.56, h * 0.12
    pts = [(x, y)]
    for _ in range(9):
        x += rng.uniform(-30, 26)
        y += rng.uniform(30, 55)
        pts.append((x, y))
    s.append(polyline(pts, "#c9d8ff", 10, 0.35))
    s.append(polyline(pts, "#f4f7ff", 3))
    return s, defs


def rain_streaks(w, h, seed, count, color="#9fb3d1", opacity=0.35):
    rng = random.Random(seed)
    s = []
    for _ in range(count):
        x, y, l = rng.uniform(0, w + 200), rng.uniform(-50, h), rng.uniform(20, 60)
        s.append(line(x, y, x - l * 0.35, y + l, color, rng.uniform(1, 2)))
    return group("".join(s), extra='opacity="%s"' % opacity)


def tower_block(x, ground, floors, cols, seed, lit_window=None):
    """The housing block of the story: floors of windows over an open void deck."""
    rng = random.Random(seed)
    fh, cw = 46, 52
    w = cols * cw + 40
    top = ground - floors * fh - 70
    s = [rect(x, top, w, ground - top, "#0a0e17"), rect(x - 8, top - 10, w + 16, 14, "#0d121c")]
    for f in range(floors):
        y = ground - 70 - (f + 1) * fh
        s.append(rect(x, y + fh - 6, w, 6, "#121826"))  # corridor ledge
        for c in range(cols):
            wx = x + 20 + c * cw
            warm = rng.random() < 0.12 or (lit_window == (f, c))
            color = "#f2b256" if warm else rng.choice(("#141b29", "#18202f", "#1b2435"))
            s.append(rect(wx + 6, y + 10, cw - 16, fh - 22, color))
            if warm:
                s.append(rect(wx + 2, y + 6, cw - 8, fh - 14, "#f2b256", 'opacity="0.25" filter="url(#softGlow)"'))
    for c in range(0, cols + 1, 2):  # void deck pillars
        s.append(rect(x + 10 + c * cw, ground - 70, 16, 70, "#0d121c"))
    s.append(rect(x, ground - 70, w, 8, "#121826"))
    return "".join(s)


def menu_background():
    w, h = 1920, 1080
    s, defs = storm_sky(w, h, 3)
    s.append(tower_block(80, 1000, 16, 8, 11))
    s.append(tower_block(1320, 1000, 14, 9, 12, lit_window=(9, 3)))
    s.append(tower_block(560, 1030, 9, 5, 13))
    s.append(rect(0, 990, w, 90, "#06090f"))
    s.append(rain_streaks(w, h, 5, 500))
    # a small lit window of the block in the middle: home
    s.append(rect(0, 0, w, h, "url(#vignette)"))
    defs += radial_gradient("vignette", [(0.55, "#000000", 0.0), (1, "#000000", 0.6)])
    return w, h, "".join(s), defs


def title():
    w, h = 1100, 240
    defs = blur("titleGlow", 10) + linear_gradient("titleInk", [(0, "#f4f7ff"), (1, "#9fb3d1")])
    s = text(w / 2, 150, "HOLLOWTIDE", 132, "#6f86ad", extra='letter-spacing="10" opacity="0.6" filter="url(#titleGlow)"')
    s += text(w / 2, 150, "HOLLOWTIDE", 132, "url(#titleInk)", extra='letter-spacing="10"')
    s += line(200, 186, 900, 186, LAMP, 3, 0.8)
    s += circle(w / 2, 186, 6, LAMP)
    s += text(w / 2, 226, "a night in the storm", 30, DIM, weight="normal", extra='letter-spacing="6"')
    return w, h, s, defs


# --- buttons: three rows, idle / highlighted / pressed ------------------------------------------

def button(label, w=440, h=84):
    defs = blur("btnGlow", 6)
    rows = []
    for r in range(3):
        y = r * h
        if r == 0:
            body = rect(8, y + 8, w - 16, h - 16, PANEL, 'rx="10" opacity="0.82" stroke="#3a4763" stroke-width="2"')
            body += text(w / 2, y + h / 2 + 13, label, 36, INK)
        elif r == 1:
            body = rect(8, y + 8, w - 16, h - 16, LAMP, 'rx="10" opacity="0.45" filter="url(#btnGlow)"')
            body += rect(8, y + 8, w - 16, h - 16, "#2a2a30", 'rx="10" stroke="%s" stroke-width="3"' % LAMP)
            body += polygon([(30, y + h / 2 - 10), (44, y + h / 2), (30, y + h / 2 + 10)], LAMP)
            body += polygon([(w - 30, y + h / 2 - 10), (w - 44, y + h / 2), (w - 30, y + h / 2 + 10)], LAMP)
            body += text(w / 2, y + h / 2 + 13, label, 38, "#fff3dc")
        else:
            body = rect(10, y + 11, w - 20, h - 20, "#b97a2c", 'rx="10" stroke="#ffd08a" stroke-width="3"')
            body += text(w / 2, y + h / 2 + 15, label, 36, "#1a1208")
        rows.append(body)
    return w, 3 * h, "".join(rows), defs


# --- panels -----------------------------------------------------------------------------------

def panel_frame(w, h, heading):
    s = rect(6, 6, w - 12, h - 12, NIGHT, 'rx="18" opacity="0.94" stroke="#3a4763" stroke-width="3"')
    s += rect(18, 18, w - 36, h - 36, "none", 'rx="12" stroke="#232d42" stroke-width="2"')
    if heading:
        s += text(w / 2, 92, heading, 56, INK)
        s += line(w / 2 - 160, 114, w / 2 + 160, 114, LAMP, 2.5, 0.8)
    return s


def keycap(x, y, label, w=64, h=64, size=30):
    s = rect(x, y + 5, w, h, "#05070c", 'rx="9"')
    s += rect(x, y, w, h, "#c8d0dc", 'rx="9"')
    s += rect(x + 5, y + 4, w - 10, h - 14, "#e9edf3", 'rx="6"')
    s += text(x + w / 2, y + h / 2 + size * 0.3, label, size, "#1a2030")
    return s


def how_to_play():
    w, h = 1100, 680
    s = panel_frame(w, h, "How to play")
    rows = [(["A", "D"], "Walk left and right", "stick"), (["SHIFT"], "Run", "RT"), (["SPACE"], "Jump", "A"),
            (["E"], "Use things, hide in cupboards", "X"), (["W", "S"], "Step into and out of the lift", "up / down"),
            (["ESC"], "Pause", "Start")]
    s += text(w - 110, 138, "gamepad", 22, DIM, anchor="end", weight="normal")
    y = 150
    for keys, what, pad in rows:
        x = 110
        for k in keys:
            kw = 64 if len(k) == 1 else 150
            s += keycap(x, y, k, kw, 60, 28 if len(k) == 1 else 24)
            x += kw + 14
        s += text(330, y + 40, what, 30, INK, anchor="start", weight="normal")
        s += text(w - 110, y + 40, pad, 28, LAMP, anchor="end", weight="normal")
        y += 70
    s += text(w / 2, h - 42, "Something walks the building tonight. Stay out of its sight.", 28, LAMP, weight="normal")
    return w, h, s, ""


def credits_panel():
    w, h = 1100, 680
    s = panel_frame(w, h, "Credits")
    lines = [("Made by the Hollowtide team", 40, INK, "bold"), ("", 20, INK, "normal"),
             ("Design, code, art and sound", 30, DIM, "normal"), ("the Hollowtide team", 34, INK, "bold"),
             ("", 20, INK, "normal"),
             ("Built with SDL2, SDL2_mixer, OpenGL, FreeType, lodepng and Dear ImGui", 26, DIM, "normal"),
             ("Sounds synthesised with SoX - drawings rendered with librsvg", 26, DIM, "normal"),
             ("Liberation Sans fonts under the SIL Open Font License 1.1", 26, DIM, "normal"),
             ("", 20, INK, "normal"), ("Thank you for playing.", 32, LAMP, "bold")]
    y = 180
    for line_text, size, color, weight in lines:
        if line_text:
            s += text(w / 2, y, line_text, size, color, weight=weight)
        y += size + 18
    return w, h, s, ""


def quit_confirmation():
    w, h = 760, 340
    s = panel_frame(w, h, None)
    s += text(w / 2, 110, "Quit the game?", 56, INK)
    s += text(w / 2, 160, "The storm will still be here.", 28, DIM, weight="normal")
    return w, h, s, ""


def options_panel():
    w, h = 640, 420
    return w, h, panel_frame(w, h, "Options"), ""


def pause_panel():
    w, h = 640, 600
    s = panel_frame(w, h, "Paused")
    return w, h, s, ""


def divider():
    w, h = 420, 24
    s = line(10, 12, w / 2 - 20, 12, DIM, 2) + line(w / 2 + 20, 12, w - 10, 12, DIM, 2)
    s += polygon([(w / 2, 2), (w / 2 + 10, 12), (w / 2, 22), (w / 2 - 10, 12)], LAMP)
    return w, h, s, ""


def key_prompt(label):
    wide = len(label) > 1
    w, h = (168 if wide else 72), 72
    return lambda: (w, h + 6, keycap(4, 0, label, w - 8, h - 4, 24 if wide else 34), "")


def loading():
    w, h = 1920, 1080
    defs = linear_gradient("loadSky", [(0, "#05080e"), (1, "#111a29")]) + blur("softGlow", 6)
    s = rect(0, 0, w, h, "url(#loadSky)")
    s += rain_streaks(w, h, 9, 260, opacity=0.22)
    # one lit window in a dark block, seen from far away
    s += tower_block(1380, 1080, 12, 6, 21, lit_window=(7, 2))
    s += text(120, 980, "Loading...", 54, INK, anchor="start")
    s += line(120, 1004, 420, 1004, LAMP, 3, 0.8)
    return w, h, s, defs


# --- splash logos -----------------------------------------------------------------------------

def logo_tessary():
    w, h = 900, 420
    c, r = 200, 110
    outer = [(c + r * math.cos(math.radians(a)), 200 + r * math.sin(math.radians(a))) for a in range(-90, 270, 60)]
    inner = [(c + r * 0.5 * math.cos(math.radians(a)), 200 + r * 0.5 * math.sin(math.radians(a))) for a in range(-90, 270, 60)]
    s = polygon(outer, "none", "#9fb3d1", 6)
    s += polygon(inner, "none", LAMP, 5)
    for (x1, y1), (x2, y2) in zip(outer, inner):
        s += line(x1, y1, x2, y2, "#6f86ad", 4)
    s += text(360, 228, "TESSARY", 96, INK, anchor="start", extra='letter-spacing="6"')
    s += text(374, 282, "INTERACTIVE", 34, DIM, anchor="start", weight="normal", extra='letter-spacing="18"')
    return w, h, s, ""


def logo_orvex():
    w, h = 900, 420
    defs = blur("orbGlow", 8)
    s = circle(190, 200, 70, LAMP, 'opacity="0.5" filter="url(#orbGlow)"') + circle(190, 200, 58, LAMP)
    s += ellipse(190, 200, 130, 44, "none", 'stroke="#9fb3d1" stroke-width="6" transform="rotate(-20 190 200)"')
    s += circle(305, 160, 12, INK)
    s += text(360, 232, "ORVEX", 130, INK, anchor="start", extra='letter-spacing="12"')
    s += text(366, 286, "GAMES", 34, DIM, anchor="start", weight="normal", extra='letter-spacing="26"')
    return w, h, s, defs


def images():
    table = {
        "black.png": flat("#000000"),
        "white.png": flat("#fff4e6"),
        "clear.png": lambda: (4, 4, "", ""),
        "menu_background.png": menu_background,
        "menu_title.png": title,
        "howtoplay.png": how_to_play,
        "credits.png": credits_panel,
        "quit_confirmation.png": quit_confirmation,
        "options_panel.png": options_panel,
        "pause_panel.png": pause_panel,
        "pause_divider.png": divider,
        "loading.png": loading,
        "logo_tessary.png": logo_tessary,
        "logo_orvex.png": logo_orvex,
    }
    for name, label in (("play", "Play"), ("howtoplay", "How to play"), ("credits", "Credits"), ("back", "Back"),
                        ("options", "Options"), ("mute", "Sound: On"), ("muted", "Sound: Off"), ("quit", "Quit"),
                        ("resume", "Resume")):
        table["button_%s.png" % name] = lambda l=label: button(l)
    for name, label in (("yes", "Yes"), ("no", "No")):
        table["button_%s.png" % name] = lambda l=label: button(l, 240)
    for key in ("E", "A", "D", "W", "S", "SPACE", "SHIFT"):
        table["key_%s.png" % key.lower()] = key_prompt(key)
    return table
