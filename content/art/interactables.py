"""Level-1 things the player uses: the lift lobby on floors 12 and 1 with its call panel, the flat's
front gate (the padlock hangs on it) and the flooded stretch of the void deck.

Drawn in world units and stored at 2 pixels per unit, like the rooms. The positions that tie these
images to the level (door recess, lock height) are listed beside each drawing; the level generator
content/levels/make_level1.py places the objects to match."""
from svg import rect, line, circle, ellipse, polygon, polyline, text, linear_gradient, radial_gradient, blur
from rooms import PPU

LOBBY_W = 300
DOOR_W, DOOR_H = 126, 180  # the lift-door sheets' Transform scale; the doors stand on the lobby's bottom edge


def lift_lobby(number, h):
    """The lift core where it meets a floor: clad in tiles, the door recess at the bottom middle (the
    door sprite covers it), the floor number over it and a cold tube light under the slab."""
    w = LOBBY_W
    defs = (linear_gradient("cladding", [(0, "#4d5563"), (0.5, "#59616f"), (1, "#474e5b")], 0, 0, 1, 0)
            + radial_gradient("lobbyLight", [(0, "#c9d8f2", 0.32), (1, "#c9d8f2", 0.0)]) + blur("ledGlow", 3))
    s = rect(0, 0, w, h, "url(#cladding)")
    for y in range(int(h) - 80, 0, -40):  # tile courses, staggered
        s += line(0, y, w, y, "#3d4450", 1.2)
        off = 0 if (y // 40) % 2 else 30
        for x in range(off, w, 60):
            s += line(x, y - 40, x, y, "#3d4450", 1.2)
    s += rect(0, h - 80, w, 80, "#3f4652") + rect(0, h - 80, w, 3, "#6a7280")  # darker dado where hands and trolleys scuff
    s += rect(0, h - 6, w, 6, "#23272f")  # skirting
    # the recess the doors sit in, with a steel architrave
    rx, rw = (w - DOOR_W) / 2 - 8, DOOR_W + 16
    s += rect(rx - 4, h - DOOR_H - 12, rw + 8, DOOR_H + 12, "#8b9099") + rect(rx, h - DOOR_H - 8, rw, DOOR_H + 8, "#22262e")
    s += rect(rx - 4, h - DOOR_H - 12, rw + 8, 2, "#c3c8cf")
    # the floor number over the doors, amber segments behind smoked glass
    py = h - DOOR_H - 56
    s += rect(w / 2 - 30, py, 60, 34, "#0d0f14", 'rx="4"') + rect(w / 2 - 30, py, 60, 34, "none", 'rx="4" stroke="#6a7280" stroke-width="1.5"')
    s += text(w / 2, py + 26, str(number), 24, "#ffb347", extra='filter="url(#ledGlow)" opacity="0.7"')
    s += text(w / 2, py + 26, str(number), 24, "#ffd08a")
    # a notice beside the doors and the light under the slab
    s += rect(28, h - 170, 40, 54, "#c9c5ba") + "".join(rect(33, h - 162 + k * 9, 30 - (k % 2) * 10, 3, "#6b6a66") for k in range(5))
    s += rect(w / 2 - 50, 0, 100, 8, "#dfe8f2") + ellipse(w / 2, 20, 170, 90, "url(#lobbyLight)")
    s += ellipse(w / 2, h, 130, 16, "url(#lobbyLight)")
    # the core's edges, lit from the corridor side
    s += rect(0, 0, 3, h, "#8b8f98") + rect(w - 3, 0, 3, h, "#6a6f79")
    return w, h, s, defs, PPU


CALL_W, CALL_H = 16, 28


def lift_call_panel():
    """The call panel beside the doors: up and down buttons, the down one lit amber."""
    w, h = CALL_W, CALL_H
    defs = linear_gradient("panelSteel", [(0, "#a8acb3"), (1, "#7d828b")], 0, 0, 1, 1)
    s = rect(0.5, 0.5, w - 1, h - 1, "url(#panelSteel)", 'rx="2" stroke="#2a2e36" stroke-width="1"')
    s += circle(w / 2, 9, 4.2, "#3a3e46") + polygon([(w / 2 - 2, 10.2), (w / 2 + 2, 10.2), (w / 2, 7.2)], "#9aa0a8")
    s += circle(w / 2, 19, 5.5, "#ffb347", 'opacity="0.45"') + circle(w / 2, 19, 4.2, "#3a3e46")
    s += circle(w / 2, 19, 4.2, "none", 'stroke="#ffc46b" stroke-width="1"')
    s += polygon([(w / 2 - 2, 17.8), (w / 2 + 2, 17.8), (w / 2, 20.8)], "#ffd08a")
    return w, h, s, defs, PPU


GATE_W, GATE_H = 36, 200
GATE_HASP_Y = 119  # units from the top: where the padlock hangs (81 units above the floor)


def front_gate():
    """The flat's steel grille gate seen edge-on where it closes the front doorway: the stile, the
    ends of its bars and the hasp the padlock hangs on."""
    w, h = GATE_W, GATE_H
    defs = linear_gradient("stile", [(0, "#1c1f26"), (0.4, "#4a505c"), (1, "#23272f")], 0, 0, 1, 0)
    s = rect(12, 0, 12, h, "url(#stile)") + rect(13, 0, 1.5, h, "#7d8592")  # rim of light from the room
    for y in range(10, h - 4, 16):  # bar ends either side of the stile
        s += rect(7, y, 22, 3, "#2b2f36") + rect(7, y, 22, 1, "#5e6571")
    s += rect(9, h - 6, 18, 6, "#15171c")  # floor track
    s += rect(4, GATE_HASP_Y - 16, 28, 12, "#3a3f49", 'rx="2"') + rect(4, GATE_HASP_Y - 16, 28, 2, "#8b929e", 'rx="1"')  # hasp
    s += circle(10, GATE_HASP_Y - 10, 3, "#15171c") + circle(26, GATE_HASP_Y - 10, 3, "#15171c")
    return w, h, s, defs, PPU


FLOOD_W, FLOOD_H = 500, 40
FLOOD_SURFACE = 12  # units from the top: the water line (about ankle deep over the floor)


def flood_water():
    """Rain water standing on the void-deck floor: a dark, glassy sheet drawn in front of the
    player's feet, with rings from the rain and the lamps' reflections; it thins out at both ends."""
    w, h, y = FLOOD_W, FLOOD_H, FLOOD_SURFACE
    defs = (linear_gradient("floodFade", [(0, "#ffffff", 0.0), (0.08, "#ffffff", 1.0), (0.92, "#ffffff", 1.0), (1, "#ffffff", 0.0)], 0, 0, 1, 0)
            + '<mask id="floodEnds"><rect x="0" y="0" width="%d" height="%d" fill="url(#floodFade)"/></mask>' % (w, h)
            + linear_gradient("floodBody", [(0, "#4a6a8a", 0.55), (0.3, "#1d2c40", 0.6), (1, "#101a28", 0.35)]) + blur("floodBlur", 1.5))
    s = rect(0, y, w, h - y, "url(#floodBody)")
    s += rect(0, y - 1, w, 2.5, "#b9cbe3", 'opacity="0.7"')  # the surface catching the lights
    for x, length, colour, alpha in ((70, 60, "#dfe8f2", 0.35), (260, 40, "#ffcf85", 0.45), (400, 70, "#dfe8f2", 0.3)):
        s += rect(x, y + 4, length, 2, colour, 'opacity="%.2f" filter="url(#floodBlur)"' % alpha)  # reflections
        s += rect(x + 10, y + 10, length * 0.6, 1.5, colour, 'opacity="%.2f" filter="url(#floodBlur)"' % (alpha * 0.6))
    for k, x in enumerate(range(30, w - 20, 47)):  # rain rings
        r = 5 + (k * 7) % 9
        s += ellipse(x + (k * 13) % 20, y, r, r * 0.22, "none", 'stroke="#d4e1f2" stroke-width="0.8" opacity="0.55"')
    return w, h, '<g mask="url(#floodEnds)">%s</g>' % s, defs, PPU


def images():
    return {
        "lift_lobby_12.png": lambda: lift_lobby(12, 490),
        "lift_lobby_1.png": lambda: lift_lobby(1, 460),
        "lift_call_panel.png": lift_call_panel,
        "front_gate.png": front_gate,
        "flood_water.png": flood_water,
    }
