"""Tiny helpers for writing SVG by program."""
import math


def doc(width, height, body, defs="", pixels_per_unit=1):
    """Drawing coordinates run 0..width, 0..height; the image holds pixels_per_unit times as many pixels."""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            "<defs>%s</defs>\n%s\n</svg>\n" % (width * pixels_per_unit, height * pixels_per_unit, width, height, defs, body))


def f(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def line(x1, y1, x2, y2, color, width, opacity=1.0):
    return ('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"%s/>'
            % (f(x1), f(y1), f(x2), f(y2), color, f(width), ' opacity="%s"' % f(opacity) if opacity < 1 else ""))


def polyline(points, color, width, opacity=1.0):
    pts = " ".join("%s,%s" % (f(x), f(y)) for x, y in points)
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"%s/>'
            % (pts, color, f(width), ' opacity="%s"' % f(opacity) if opacity < 1 else ""))


def polygon(points, fill, stroke=None, width=0, opacity=1.0):
    pts = " ".join("%s,%s" % (f(x), f(y)) for x, y in points)
    s = ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, f(width)) if stroke else ""
    return '<polygon points="%s" fill="%s"%s%s/>' % (pts, fill, s, ' opacity="%s"' % f(opacity) if opacity < 1 else "")


def circle(cx, cy, r, fill, extra=""):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s" %s/>' % (f(cx), f(cy), f(r), fill, extra)


def ellipse(cx, cy, rx, ry, fill, extra=""):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" %s/>' % (f(cx), f(cy), f(rx), f(ry), fill, extra)


def rect(x, y, w, h, fill, extra=""):
    return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s" %s/>' % (f(x), f(y), f(w), f(h), fill, extra)


def group(body, transform="", extra=""):
    t = ' transform="%s"' % transform if transform else ""
    return "<g%s %s>%s</g>" % (t, extra, body)


def text(x, y, s, size, fill, anchor="middle", weight="bold", family="Liberation Sans, Arial, sans-serif", extra=""):
    s = s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" fill="%s" text-anchor="%s" %s>%s</text>'
            % (f(x), f(y), family, f(size), weight, fill, anchor, extra, s))


def linear_gradient(gid, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (f(o), c, ' stop-opacity="%s"' % f(a) if a < 1 else "") for o, c, a in
                [(st + (1.0,))[:3] if len(st) == 2 else st for st in stops])
    return '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>' % (gid, f(x1), f(y1), f(x2), f(y2), s)


def radial_gradient(gid, stops, cx=0.5, cy=0.5, r=0.5):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (f(o), c, ' stop-opacity="%s"' % f(a) if a < 1 else "") for o, c, a in
                [(st + (1.0,))[:3] if len(st) == 2 else st for st in stops])
    return '<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>' % (gid, f(cx), f(cy), f(r), s)


def blur(fid, amount):
    return ('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%"><feGaussianBlur stdDeviation="%s"/></filter>'
            % (fid, f(amount)))


def polar(x, y, angle_deg, length):
    """Angle 0 points straight down, positive angles swing toward +x (the way figures face)."""
    a = math.radians(angle_deg)
    return x + math.sin(a) * length, y + math.cos(a) * length
