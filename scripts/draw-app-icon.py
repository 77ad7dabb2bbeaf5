#!/usr/bin/env python3
"""Draws the application icon: a blue rounded square with three slider
controls, each knob in another colour.

Writes into resources/icons/:

  quib-configurator.svg                             the scalable icon
  hicolor/<n>x<n>/apps/quib-configurator.png        n = 16, 22, 24, 32, 48, 64, 128, 256
  quib-configurator.ico                             16, 32, 48 and 256 (Windows resource)

Both forms come from the one list of shapes below, laid out on a 256 by 256
canvas. The PNGs are rendered here with 4 by 4 samples per pixel (RGBA), so
only the Python standard library is needed. The small sizes draw the tracks
and rings a little thicker, so they stay visible at 16 pixels.

Run it from anywhere:
    python3 scripts/draw-app-icon.py
The output is byte-for-byte reproducible.
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources", "icons")
NAME = "quib-configurator"
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
ICO_SIZES = [16, 32, 48, 256]

TOP = (52, 108, 226)
BOTTOM = (20, 44, 120)
EDGE = (10, 24, 70)
TRACK = (222, 231, 255)
RING = (12, 26, 64)
KNOBS = [(232, 69, 60), (255, 204, 51), (60, 200, 110)]
# Slider rows: track height (y), knob position (x).
ROWS = [(84, 100), (128, 170), (172, 122)]


def shapes(small):
    """The icon as (kind, parameters, colour) in painting order."""
    track_half = 10 if small else 7
    ring = 27 if small else 24
    knob = 19 if small else 19
    items = [
        ("rrect", (12, 12, 244, 244, 44), EDGE),
        ("rrect", (18, 18, 238, 238, 38), "gradient"),
    ]
    for (y, x), colour in zip(ROWS, KNOBS):
        items.append(("rrect", (52, y - track_half, 204, y + track_half, track_half), TRACK))
        items.append(("circle", (x, y, ring), RING))
        items.append(("circle", (x, y, knob), colour))
    return items


def inside(kind, p, x, y):
    if kind == "circle":
        cx, cy, r = p
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    x0, y0, x1, y1, r = p
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    nx = min(max(x, x0 + r), x1 - r)
    ny = min(max(y, y0 + r), y1 - r)
    return (x - nx) ** 2 + (y - ny) ** 2 <= r * r


def colour_at(items, x, y):
    found = None
    for kind, p, colour in items:
        if inside(kind, p, x, y):
            if colour == "gradient":
                t = min(max((y - 18) / 220.0, 0.0), 1.0)
                colour = tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))
            found = colour
    return found


def render(size):
    items = shapes(size <= 32)
    n = 4
    scale = 256.0 / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0
            for sy in range(n):
                for sx in range(n):
                    c = colour_at(items, (px + (sx + 0.5) / n) * scale, (py + (sy + 0.5) / n) * scale)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / (n * n))))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    """An .ico file holding PNG images (Windows Vista and later read them)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    data = b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    return header + entries + data


def svg():
    items = shapes(False)
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
           '  <title>Quib Configurator</title>',
           '  <defs>',
           '    <linearGradient id="ground" x1="0" y1="18" x2="0" y2="238" gradientUnits="userSpaceOnUse">',
           '      <stop offset="0" stop-color="#%02x%02x%02x"/>' % TOP,
           '      <stop offset="1" stop-color="#%02x%02x%02x"/>' % BOTTOM,
           '    </linearGradient>',
           '  </defs>']
    for kind, p, colour in items:
        fill = "url(#ground)" if colour == "gradient" else "#%02x%02x%02x" % colour
        if kind == "circle":
            out.append('  <circle cx="%d" cy="%d" r="%d" fill="%s"/>' % (p[0], p[1], p[2], fill))
        else:
            x0, y0, x1, y1, r = p
            out.append('  <rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="%s"/>'
                       % (x0, y0, x1 - x0, y1 - y0, r, fill))
    out.append('</svg>')
    return "\n".join(out) + "\n"


def main():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, NAME + ".svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg())
    pngs = {}
    for size in SIZES:
        pngs[size] = png(size, render(size))
        folder = os.path.join(OUT, "hicolor", "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, NAME + ".png"), "wb") as f:
            f.write(pngs[size])
    with open(os.path.join(OUT, NAME + ".ico"), "wb") as f:
        f.write(ico([(s, pngs[s]) for s in ICO_SIZES]))
    print("wrote", OUT)


if __name__ == "__main__":
    main()
