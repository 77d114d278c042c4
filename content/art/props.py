"""Lift doors, cupboards and other props with fixed sheet layouts."""
import math

from svg import rect, line, circle, ellipse, group, polygon, linear_gradient, radial_gradient, blur, polyline


def _ease(t):
    return 0.5 - 0.5 * math.cos(math.pi * max(0.0, min(1.0, t)))


LIFT_CELL = (180, 256)


def lift_door_cell(opening, lamp_on, cid):
    """One cell of the lift doors; opening 0 = shut, 1 = fully open. The gap is left clear so the
    lift interior and a rider drawn behind the doors show through."""
    w, h = LIFT_CELL
    x0, x1, y0, y1 = 18, 162, 36, 246
    half = (x1 - x0) / 2
    slide = half * opening
    s = ['<clipPath id="gap%s"><rect x="%d" y="%d" width="%d" height="%d"/></clipPath>' % (cid, x0, y0, x1 - x0, y1 - y0)]
    panels = ""
    for side in (-1, 1):
        px = (x0 if side < 0 else x0 + half) + side * slide
        panels += rect(px, y0, half, y1 - y0, "url(#doorMetal)")
        panels += rect(px + 4, y0 + 6, half - 8, y1 - y0 - 12, "none", 'stroke="#5b606c" stroke-width="1.5"')
        seam_x = px + (half if side < 0 else 0)
        panels += line(seam_x, y0, seam_x, y1, "#2a2d35", 2.5)
        panels += line(px + half * 0.5, y0 + 8, px + half * 0.5, y1 - 8, "#c9c3b8", 1, 0.25)  # brushed streak
    s.append(group(panels, extra='clip-path="url(#gap%s)"' % cid))
    # frame
    s.append(rect(0, 0, w, y0, "url(#frameMetal)"))
    s.append(rect(0, 0, x0, h, "url(#frameMetal)"))
    s.append(rect(x1, 0, w - x1, h, "url(#frameMetal)"))
    s.append(rect(0, y1, w, h - y1, "#23262e"))
    s.append(rect(x0 - 2, y0 - 2, x1 - x0 + 4, y1 - y0 + 2, "none", 'stroke="#15171c" stroke-width="3"'))
    # floor indicator: an arrow that glows while the car is here
    s.append(rect(w / 2 - 22, 8, 44, 20, "#15171c", 'rx="3"'))
    arrow = polygon([(w / 2 - 8, 23), (w / 2 + 8, 23), (w / 2, 12)], "#ffb347" if lamp_on else "#3a2a18")
    if lamp_on:
        s.append(circle(w / 2, 18, 14, "#ffb347", 'opacity="0.35" filter="url(#lampGlow)"'))
    s.append(arrow)
    return "".join(s)


def lift_door_strip(kind):
    w, h = LIFT_CELL
    count = 40 if kind == "open" else 45
    cells = []
    for c in range(count):
        if kind == "open":  # a pause for the chime, the slide, and rest open on the last cell
            t = _ease((c - 6) / 29.0)
        else:
            t = 1.0 - _ease((c - 8) / 32.0)
        cells.append(group(lift_door_cell(t, kind == "open" or c < 20, "%s%d" % (kind, c)), "translate(%d 0)" % (c * w)))
    defs = (linear_gradient("doorMetal", [(0, "#a3a39f"), (0.5, "#8a8c90"), (1, "#6e717a")], 0, 0, 1, 0)
            + linear_gradient("frameMetal", [(0, "#4a505d"), (1, "#2e323c")], 0, 0, 0, 1) + blur("lampGlow", 3))
    return w * count, h, "".join(cells), defs


CUPBOARD = (220, 340)

CUPBOARD_PALETTES = {
    "unlit": dict(wood="#283042", dark="#161b26", edge="#3b4660", slat="#1d2331", rim="#6f88b0", handle="#8796b0", eye="#d9e6ff"),
    "red": dict(wood="#3c1a1e", dark="#1e0b0e", edge="#6b2a2c", slat="#2a1014", rim="#ff6b55", handle="#c47a6a", eye="#ffe4d0"),
}


def cupboard(palette, hiding):
    w, h = CUPBOARD
    p = CUPBOARD_PALETTES[palette]
    s = []
    s.append(rect(14, 300, 14, 36, p["dark"]) + rect(w - 28, 300, 14, 36, p["dark"]))  # feet
    s.append(rect(4, 10, w - 8, 296, p["dark"], 'rx="6"'))
    s.append(rect(8, 4, w - 16, 18, p["edge"], 'rx="4"'))  # top moulding
    s.append(line(10, 5, w - 14, 5, p["rim"], 2, 0.6))
    for d in (0, 1):  # two doors
        x = 14 + d * (w - 28) / 2
        dw = (w - 28) / 2 - 3
        s.append(rect(x, 26, dw, 272, p["wood"], 'rx="3"'))
        s.append(rect(x + 8, 36, dw - 16, 118, p["slat"], 'rx="2"'))
        for k in range(11):  # louvres, so whoever hides inside can see out
            yy = 42 + k * 10
            s.append(line(x + 10, yy, x + dw - 10, yy + 3, p["edge"], 3.5))
        s.append(rect(x + 8, 168, dw - 16, 118, "none", 'stroke="%s" stroke-width="3" rx="2"' % p["edge"]))
        s.append(line(x + 1, 27, x + 1, 296, p["rim"], 1.5, 0.5))
    s.append(rect(w / 2 - 9, 150, 5, 30, p["handle"], 'rx="2"') + rect(w / 2 + 4, 150, 5, 30, p["handle"], 'rx="2"'))
    if hiding:
        # door pulled not quite shut, and a pair of eyes between the louvres
        s.append(rect(w / 2 - 3, 28, 5, 268, "#020203"))
        for ex in (w / 2 + 22, w / 2 + 38):
            s.append(circle(ex, 97, 6, p["eye"], 'opacity="0.35" filter="url(#eyeGlow)"'))
            s.append(ellipse(ex, 97, 3.2, 2.0, p["eye"]))
    return w, h, "".join(s), blur("eyeGlow", 2.5)
