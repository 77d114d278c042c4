#!/usr/bin/env python3
"""Writes the small PNGs of the sprite showcase level (run from this folder; the PNGs are committed)."""
import struct
import zlib


def write_png(path, width, height, pixel):
    rows = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def quadrants(x, y):
    # Top-left red, top-right green, bottom-left blue, bottom-right white: shows every flip.
    top, left = y < 16, x < 16
    if top and left:
        return (220, 40, 40, 255)
    if top:
        return (40, 200, 60, 255)
    if left:
        return (50, 80, 230, 255)
    return (240, 240, 240, 255)


CELL_COLOURS = [(230, 60, 60), (230, 150, 40), (220, 220, 50), (70, 200, 70),
                (60, 190, 210), (70, 90, 230), (160, 70, 220), (230, 80, 170)]


def sheet(x, y):
    # 4 columns x 2 rows of 16 x 16 cells; cell n has n + 1 white marks along its top edge.
    column, row = x // 16, y // 16
    index = row * 4 + column
    cx, cy = x % 16, y % 16
    if cy < 3 and cx % 2 == 1 and cx // 2 <= index:
        return (255, 255, 255, 255)
    return CELL_COLOURS[index] + (255,)


def fallback(x, y):
    return (255, 0, 255, 255) if (x // 2 + y // 2) % 2 == 0 else (20, 20, 20, 255)


def ring(x, y):
    # Opaque ring with a transparent middle and corners: transparent texels must not hide what is behind.
    d = ((x - 15.5) ** 2 + (y - 15.5) ** 2) ** 0.5
    return (255, 220, 120, 255) if 9 <= d <= 15 else (0, 0, 0, 0)


write_png("Resources/Arts/quadrants.png", 32, 32, quadrants)
write_png("Resources/Arts/sheet.png", 64, 32, sheet)
write_png("Resources/Arts/white.png", 1, 1, lambda x, y: (255, 255, 255, 255))
write_png("Resources/Arts/ring.png", 32, 32, ring)
write_png("Resources/Arts/empty.png", 8, 8, fallback)
with open("Resources/Arts/broken.png", "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\nthis is not image data")
