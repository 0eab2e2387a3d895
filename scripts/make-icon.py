#!/usr/bin/env python3
"""Draws Tintora's application icon: four rounded swatches on a rounded slate tile.

It is the palette card that the program draws for its windows, written as PNG files
for the desktop (Python standard library only):

    scripts/make-icon.py [--root DIR]

writes data-install/icons/tintora-SIZE.png at every size the desktop's icon theme
looks for, and the same drawing as data-install/icons/tintora.svg.
"""

import argparse
import os
import struct
import sys
import zlib

TILE = (0x2B, 0x33, 0x48)
SWATCHES = ((0xE8, 0x5D, 0x3F), (0xF2, 0xB1, 0x34), (0x3F, 0xA7, 0x96), (0x5B, 0x8D, 0xEF))

# Proportions of the card, as shares of the icon's side.
TILE_RADIUS = 0.18
CELL = 0.34
GAP = 0.1
CELL_RADIUS = 0.06

SUPERSAMPLE = 4

# The hicolor theme's usual fixed sizes; CMake installs each into its own folder.
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def in_rounded_rect(px, py, x0, y0, x1, y1, radius):
    if px < x0 or px > x1 or py < y0 or py > y1:
        return False
    cx = min(max(px, x0 + radius), x1 - radius)
    cy = min(max(py, y0 + radius), y1 - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius


def shapes(size):
    """The card's shapes, back to front: (colour, x0, y0, x1, y1, radius) in pixels."""
    s = float(size)
    result = [(TILE, 0.0, 0.0, s, s, s * TILE_RADIUS)]
    cell, gap = s * CELL, s * GAP
    # The two-by-two block sits in the middle of the tile.
    margin = (s - 2 * cell - gap) / 2
    for i, color in enumerate(SWATCHES):
        x0 = margin + (i % 2) * (cell + gap)
        y0 = margin + (i // 2) * (cell + gap)
        result.append((color, x0, y0, x0 + cell, y0 + cell, s * CELL_RADIUS))
    return result


def render(size):
    """Premultiplied compositing of the shapes, each sampled on a 4 x 4 grid per pixel;
    returns rows of straight RGBA bytes."""
    offsets = [(i + 0.5) / SUPERSAMPLE for i in range(SUPERSAMPLE)]
    samples = SUPERSAMPLE * SUPERSAMPLE
    layers = shapes(size)
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r = g = b = a = 0.0
            for color, x0, y0, x1, y1, radius in layers:
                if x + 1 <= x0 or x >= x1 or y + 1 <= y0 or y >= y1:
                    continue
                hits = sum(1 for dy in offsets for dx in offsets
                           if in_rounded_rect(x + dx, y + dy, x0, y0, x1, y1, radius))
                cover = hits / samples
                r = color[0] / 255.0 * cover + r * (1 - cover)
                g = color[1] / 255.0 * cover + g * (1 - cover)
                b = color[2] / 255.0 * cover + b * (1 - cover)
                a = cover + a * (1 - cover)
            if a > 0:
                row += bytes((round(r / a * 255), round(g / a * 255), round(b / a * 255), round(a * 255)))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def svg():
    size = 256
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (size, size, size, size)]
    for color, x0, y0, x1, y1, radius in shapes(size):
        parts.append('  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="#%02X%02X%02X"/>'
                     % (round(x0, 2), round(y0, 2), round(x1 - x0, 2), round(y1 - y0, 2),
                        round(radius, 2), *color))
    parts.append("</svg>")
    return ("\n".join(parts) + "\n").encode("ascii")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                        help="the source tree (default: the one holding this script)")
    args = parser.parse_args()
    folder = os.path.join(args.root, "data-install", "icons")
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        with open(os.path.join(folder, "tintora-%d.png" % size), "wb") as f:
            f.write(png(size, render(size)))
    with open(os.path.join(folder, "tintora.svg"), "wb") as f:
        f.write(svg())
    return 0


if __name__ == "__main__":
    sys.exit(main())
