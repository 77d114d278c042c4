#!/usr/bin/env python3
"""Renders every effect and music file and writes Sounds.txt and BGM.txt.

Usage: build.py [name ...]   (no names: everything; names: only those, lists still complete)"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from synth import save  # noqa: E402
from effects import build_effects  # noqa: E402
from music import build_music  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def build(table, folder, list_name, wanted):
    out_dir = os.path.join(ROOT, "Resources", folder)
    lines = []
    for name in sorted(table):
        file_name, recipe, _ = table[name]
        if not wanted or name in wanted:
            print("  %s/%s" % (folder, file_name), flush=True)
            save(recipe(), os.path.join(out_dir, file_name))
        # the game opens these paths from its working folder beside Resources/
        lines.append("%s ../Resources/%s/%s\n" % (name, folder, file_name))
    with open(os.path.join(out_dir, list_name), "w") as f:
        f.writelines(lines)


def main():
    wanted = set(sys.argv[1:])
    effects, music = build_effects(), build_music()
    unknown = wanted - set(effects) - set(music)
    if unknown:
        raise SystemExit("build-sound: unknown sound name(s): %s" % " ".join(sorted(unknown)))
    build(effects, "Sound", "Sounds.txt", wanted)
    build(music, "BGM", "BGM.txt", wanted)


if __name__ == "__main__":
    main()
