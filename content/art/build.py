#!/usr/bin/env python3
"""Writes the SVG of every image and renders it into Resources/Arts with rsvg-convert.

Usage: build.py [name.png ...]   (no names: everything)"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from svg import doc  # noqa: E402
import catalogue  # noqa: E402

ARTS = os.path.abspath(os.path.join(HERE, "..", "..", "Resources", "Arts"))


def main():
    table = catalogue.images()
    wanted = sys.argv[1:]
    unknown = [n for n in wanted if n not in table]
    if unknown:
        raise SystemExit("build-art: unknown image(s): %s" % " ".join(unknown))
    os.makedirs(ARTS, exist_ok=True)
    work = tempfile.mkdtemp(prefix="hollowtide-art-")
    for name in sorted(table):
        if wanted and name not in wanted:
            continue
        source = table[name]
        if isinstance(source, str):  # a hand-written SVG under src/
            svg_path = os.path.join(HERE, "src", source)
        else:
            drawn = source()
            w, h, body, defs = drawn[:4]
            scale = drawn[4] if len(drawn) > 4 else 1
            svg_path = os.path.join(work, name.replace(".png", ".svg"))
            with open(svg_path, "w") as f:
                f.write(doc(w, h, body, defs, scale))
        print("  Arts/" + name, flush=True)
        subprocess.run(["rsvg-convert", svg_path, "-o", os.path.join(ARTS, name)], check=True)
    if not wanted:
        build_icons(work)


def build_icons(work):
    """The window icons: PNG-in-ICO, 32 px for icon.ico and 16 px for icon_small.ico."""
    resources = os.path.dirname(ARTS)
    source = os.path.join(HERE, "src", "icon.svg")
    pngs = {}
    for size in (32, 16):
        pngs[size] = os.path.join(work, "icon%d.png" % size)
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), source, "-o", pngs[size]], check=True)
    pack = [sys.executable, os.path.join(HERE, "make_ico.py")]
    subprocess.run(pack + [os.path.join(resources, "icon.ico"), pngs[32], pngs[16]], check=True)
    subprocess.run(pack + [os.path.join(resources, "icon_small.ico"), pngs[16]], check=True)
    print("  icon.ico, icon_small.ico", flush=True)


if __name__ == "__main__":
    main()
