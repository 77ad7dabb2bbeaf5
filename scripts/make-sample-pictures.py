#!/usr/bin/env python3
"""Draws the theme pictures of the sample emulator directory.

Writes into samples/emulator/Themes/:

  pattern.png        63x47 RGB PNG (every row filter type in turn, several IDAT chunks)
  pattern.bmp        63x47 24-bit BMP (bottom-up rows, 3 pad bytes per row)
  pattern.tga        63x47 24-bit TGA, uncompressed, bottom-left origin
  pattern-rle.tga    63x47 24-bit TGA, run-length encoded, top-left origin
  pattern-8bit.pcx   63x47 PCX, 8 bits, one plane, RLE, 256-colour palette
  pattern-24bit.pcx  63x47 PCX, 8 bits, three planes (RGB), RLE
  horizon.png        320x200 RGB PNG, the backdrop of one theme

All six "pattern" files hold exactly the same pixels, so every decoder must
give the same picture. The width is odd on purpose: BMP rows need padding and
PCX lines carry one extra byte. The pattern has no anti-aliasing and uses
only eight colours, none of them grey, so swapped channels, mirrored rows and
off-by-one columns all show.

Only the Python standard library is used. Run it from anywhere:
    python3 scripts/make-sample-pictures.py
The output is byte-for-byte reproducible.
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "samples", "emulator", "Themes")

# The eight colours of the pattern (red, green, blue) and the palette index each
# one gets in the 8-bit PCX. Several indices are 0xC0 or above so the PCX
# encoder has to escape them as runs of one.
NAVY = (0x10, 0x20, 0x60)
RED = (0xDC, 0x1E, 0x28)
YELLOW = (0xF8, 0xD8, 0x30)
GREEN = (0x20, 0xA0, 0x40)
MAGENTA = (0xC0, 0x30, 0xB0)
ORANGE = (0xFF, 0x80, 0x00)
SKY = (0x30, 0x90, 0xE0)
WHITE = (0xFF, 0xFF, 0xFF)

PALETTE_INDEX = {
    NAVY: 0x00,
    RED: 0x07,
    YELLOW: 0x41,
    GREEN: 0x80,
    MAGENTA: 0xC0,
    ORANGE: 0xC3,
    SKY: 0xE5,
    WHITE: 0xFF,
}

W, H = 63, 47


def pattern_pixel(x, y):
    # Top-left marker: tells the top row from the bottom one and left from right.
    if x < 8 and y < 6:
        return RED
    # One-pixel white frame along the right and bottom edges only.
    if x == W - 1 or y == H - 1:
        return WHITE
    # Checker board of 2x2 cells in the bottom-left corner.
    if x < 12 and y >= H - 11:
        return ORANGE if ((x // 2) + (y // 2)) % 2 == 0 else SKY
    # Filled circle, centre (42, 20), radius 11, by integer test only.
    if (x - 42) * (x - 42) + (y - 20) * (y - 20) <= 121:
        return YELLOW
    # A magenta bar three pixels wide.
    if 20 <= x <= 22 and 3 <= y <= 40:
        return MAGENTA
    # A green diagonal band two pixels thick, running down to the right.
    if 0 <= y - (x // 2) - 8 <= 1 and x >= 12:
        return GREEN
    return NAVY


def pattern():
    return [[pattern_pixel(x, y) for x in range(W)] for y in range(H)]


def horizon_pixel(x, y):
    w, h = 320, 200
    # Sun.
    if (x - 236) ** 2 + (y - 58) ** 2 <= 26 * 26:
        return (0xFF, 0xE0 - (y - 32) * 2, 0x60)
    # Far mountains: a zig-zag ridge.
    ridge = 112 - abs((x % 80) - 40) * 3 // 4
    # Near hills: a rounder ridge.
    hill = 150 - abs((x % 128) - 64) * abs((x % 128) - 64) // 160
    if y >= 172:
        # Ground stripes.
        band = (y - 172) // 4
        return (0x30 + band * 6, 0x70 + band * 8, 0x20) if band % 2 == 0 else (
            0x28 + band * 6, 0x60 + band * 8, 0x18)
    if y >= hill:
        return (0x20, 0x80 - (y - hill), 0x30)
    if y >= ridge:
        shade = (y - ridge) * 2
        return (0x50 + shade // 2, 0x48 + shade // 2, 0x70 + shade)
    # Sky: a vertical blend from deep blue to pale orange, one colour per row.
    t = y * 255 // 111
    return (0x18 + t * 0xC0 // 255, 0x30 + t * 0x90 // 255, 0x90 - t * 0x30 // 255)


def horizon():
    return [[horizon_pixel(x, y) for x in range(320)] for y in range(200)]


# --- PNG ------------------------------------------------------------------


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def png_filter(kind, row, prev):
    out = bytearray([kind])
    for i, v in enumerate(row):
        a = row[i - 3] if i >= 3 else 0
        b = prev[i]
        c = prev[i - 3] if i >= 3 else 0
        pred = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
        out.append((v - pred) & 0xFF)
    return out


def write_png(path, pixels, filter_for_row, idat_size):
    h, w = len(pixels), len(pixels[0])
    raw = bytearray()
    prev = bytes(w * 3)
    for y, line in enumerate(pixels):
        row = bytes(c for px in line for c in px)
        raw += png_filter(filter_for_row(y, row, prev), row, prev)
        prev = row
    data = zlib.compress(bytes(raw), 9)
    out = b"\x89PNG\r\n\x1a\n"
    out += png_chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    out += png_chunk(b"tEXt", b"Comment\x00Drawn for the Quib sample directory")
    for i in range(0, len(data), idat_size):
        out += png_chunk(b"IDAT", data[i:i + idat_size])
    out += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(out)


def cycle_filters(y, row, prev):
    return y % 5


def best_filter(y, row, prev):
    # The usual "smallest sum of absolute differences" choice.
    def cost(kind):
        return sum(v if v < 128 else 256 - v for v in png_filter(kind, row, prev)[1:])
    return min(range(5), key=cost)


# --- BMP ------------------------------------------------------------------


def write_bmp(path, pixels):
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    for line in reversed(pixels):
        row = bytearray()
        for r, g, b in line:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        body += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


# --- TGA ------------------------------------------------------------------


def tga_header(image_type, w, h, top_left):
    descriptor = 0x20 if top_left else 0x00
    ident = b"Quib sample"
    head = struct.pack("<BBBHHBHHHHBB", len(ident), 0, image_type, 0, 0, 0, 0, 0, w, h, 24,
                       descriptor)
    return head + ident


def tga_footer():
    return struct.pack("<II", 0, 0) + b"TRUEVISION-XFILE.\x00"


def write_tga(path, pixels):
    h, w = len(pixels), len(pixels[0])
    body = bytearray()
    for line in reversed(pixels):
        for r, g, b in line:
            body += bytes((b, g, r))
    with open(path, "wb") as f:
        f.write(tga_header(2, w, h, False) + body + tga_footer())


def write_tga_rle(path, pixels):
    h, w = len(pixels), len(pixels[0])
    body = bytearray()
    for line in pixels:  # top-left origin: rows top to bottom
        x = 0
        while x < w:
            run = 1
            while x + run < w and run < 128 and line[x + run] == line[x]:
                run += 1
            if run >= 2:
                r, g, b = line[x]
                body += bytes((0x80 | (run - 1), b, g, r))
                x += run
                continue
            # Raw packet: gather pixels until two equal neighbours begin a run
            # (the first pixel is known to differ from the next one).
            start = x
            x += 1
            while x < w and x - start < 128:
                if x + 1 < w and line[x + 1] == line[x]:
                    break
                x += 1
            body.append(x - start - 1)
            for r, g, b in line[start:x]:
                body += bytes((b, g, r))
    with open(path, "wb") as f:
        f.write(tga_header(10, w, h, True) + body + tga_footer())


# --- PCX ------------------------------------------------------------------


def pcx_rle(data):
    out = bytearray()
    i = 0
    while i < len(data):
        run = 1
        while i + run < len(data) and run < 63 and data[i + run] == data[i]:
            run += 1
        if run > 1 or data[i] >= 0xC0:
            out += bytes((0xC0 | run, data[i]))
        else:
            out.append(data[i])
        i += run
    return out


def pcx_header(w, h, planes, bytes_per_line):
    head = struct.pack("<BBBBHHHHHH", 0x0A, 5, 1, 8, 0, 0, w - 1, h - 1, 72, 72)
    head += bytes(48)  # 16-colour palette, unused
    head += struct.pack("<BBHHHH", 0, planes, bytes_per_line, 1, 0, 0)
    return head + bytes(128 - len(head))


def write_pcx8(path, pixels):
    h, w = len(pixels), len(pixels[0])
    bpl = w + (w & 1)
    body = bytearray()
    for line in pixels:
        row = bytes(PALETTE_INDEX[px] for px in line) + bytes(bpl - w)
        body += pcx_rle(row)  # runs never cross a scan line
    palette = bytearray(768)
    for colour, index in PALETTE_INDEX.items():
        palette[index * 3:index * 3 + 3] = bytes(colour)
    with open(path, "wb") as f:
        f.write(pcx_header(w, h, 1, bpl) + body + b"\x0c" + palette)


def write_pcx24(path, pixels):
    h, w = len(pixels), len(pixels[0])
    bpl = w + (w & 1)
    body = bytearray()
    for line in pixels:
        for channel in range(3):
            plane = bytes(px[channel] for px in line) + bytes(bpl - w)
            body += pcx_rle(plane)  # each plane of each line is encoded on its own
    with open(path, "wb") as f:
        f.write(pcx_header(w, h, 3, bpl) + body)


def main():
    os.makedirs(OUT, exist_ok=True)
    pic = pattern()
    write_png(os.path.join(OUT, "pattern.png"), pic, cycle_filters, 256)
    write_bmp(os.path.join(OUT, "pattern.bmp"), pic)
    write_tga(os.path.join(OUT, "pattern.tga"), pic)
    write_tga_rle(os.path.join(OUT, "pattern-rle.tga"), pic)
    write_pcx8(os.path.join(OUT, "pattern-8bit.pcx"), pic)
    write_pcx24(os.path.join(OUT, "pattern-24bit.pcx"), pic)
    write_png(os.path.join(OUT, "horizon.png"), horizon(), best_filter, 8192)


if __name__ == "__main__":
    main()
