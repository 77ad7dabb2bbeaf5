#!/usr/bin/env python3
"""Draws the three built-in pictures of the theme preview into resources/preview/:

- themepreview.png: the mock-up of the emulator's interface, every themed
  element in a key colour of its own (297 x 192, palette);
- thememask.png: white where the template shows the background or its grid,
  black everywhere else (derived from the template);
- sms.png: a console with its control pad on a magenta ground (93 x 59).

Standard library only; no smoothing, every pixel placed by hand. Lettering uses
the small 3 x 5 font below. Run: python3 scripts/draw-preview-pictures.py
"""
import os
import struct
import zlib

W, H = 297, 192

# Key colours (red, green, blue) and the element each one marks.
BG = (0x00, 0xC0, 0xC0)
GRID = (0x00, 0x80, 0x80)
WIN_BORDER = (0xFF, 0x00, 0x00)
WIN_BG = (0xFF, 0xC0, 0xC0)
TITLE_TEXT = (0x40, 0x00, 0x00)
TITLE_TEXT_INACTIVE = (0xFF, 0x40, 0x40)
WIN_TEXT = (0x80, 0x00, 0x00)
WIN_TEXT_HI = (0x00, 0x00, 0xFF)
WIN_SEP = (0xC0, 0x00, 0x00)
MENU_BG = (0x00, 0x80, 0x00)
MENU_BORDER = (0x00, 0x40, 0x00)
MENU_SEL = (0x00, 0xC0, 0x00)
MENU_TEXT = (0x40, 0xFF, 0x40)
MENU_TEXT_DIS = (0xC0, 0xFF, 0xC0)
CTL_BG = (0x00, 0x00, 0x80)
CTL_SEL = (0xC0, 0xC0, 0xFF)
CTL_BORDER = (0x00, 0x00, 0x40)
CTL_TEXT = (0x80, 0x80, 0xFF)
CTL_TEXT_DIS = (0x00, 0x70, 0x00)
LIST_BG = (0xC0, 0xC0, 0x00)
LIST_SEL = (0x80, 0x80, 0x00)
LIST_TEXT = (0xFF, 0xFF, 0x00)
SCROLL_BG = (0xFF, 0xC0, 0xFF)
SCROLLER = (0x80, 0x00, 0x80)
STATUS_BG = (0xFF, 0xA0, 0x00)
STATUS_BORDER = (0xFF, 0xE0, 0xC0)
STATUS_TEXT = (0x88, 0x53, 0x00)
TITLE_BAR = (0xFF, 0x80, 0x80)
MENU_GRADIENT = (0x80, 0x80, 0xFE)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREYS = [(0x30, 0x30, 0x30), (0x58, 0x58, 0x58), (0x78, 0x78, 0x78), (0xA8, 0xA8, 0xA8)]
MAGENTA = (0xFF, 0x00, 0xFF)
CONSOLE_RED = (0xD0, 0x10, 0x10)

# 3 x 5 glyphs, one string of 15 cells per character, row by row.
FONT = {
    "A": "010101111101101", "B": "110101110101110", "C": "011100100100011",
    "D": "110101101101110", "E": "111100110100111", "F": "111100110100100",
    "G": "011100101101011", "H": "101101111101101", "I": "111010010010111",
    "J": "001001001101010", "K": "101101110101101", "L": "100100100100111",
    "M": "101111111101101", "N": "110101101101101", "O": "010101101101010",
    "P": "110101110100100", "Q": "010101101110011", "R": "110101110101101",
    "S": "011100010001110", "T": "111010010010010", "U": "101101101101111",
    "V": "101101101101010", "W": "101101111111101", "X": "101101010101101",
    "Y": "101101010010010", "Z": "111001010100111",
    "0": "111101101101111", "1": "010110010010111", "2": "110001010100111",
    "3": "110001010001110", "4": "101101111001001", "5": "111100110001110",
    "6": "011100111101111", "7": "111001010010010", "8": "111101111101111",
    "9": "111101111001110",
    ".": "000000000000010", ":": "000010000010000", "/": "001001010100100",
    ">": "100010001010100", "<": "001010100010001", "*": "000101010101000",
    "-": "000000111000000", "+": "000010111010000", " ": "000000000000000",
}


class Canvas:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        """Fills the rectangle with both corners inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.fill(x0, y0, x1, y0, c)
        self.fill(x0, y1, x1, y1, c)
        self.fill(x0, y0, x0, y1, c)
        self.fill(x1, y0, x1, y1, c)

    def text(self, x, y, s, c):
        for ch in s.upper():
            glyph = FONT[ch]
            for i, cell in enumerate(glyph):
                if cell == "1":
                    self.set(x + i % 3, y + i // 3, c)
            x += 4


def window(cv, x0, y0, x1, y1, title, title_x, active):
    """A window framed in the border key with a title bar of the title bar key:
    title bar rows y0+1 to y0+10, a border line under it, the body below."""
    cv.frame(x0, y0, x1, y1, WIN_BORDER)
    cv.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 10, TITLE_BAR)
    cv.fill(x0 + 1, y0 + 11, x1 - 1, y0 + 11, WIN_BORDER)
    cv.fill(x0 + 1, y0 + 12, x1 - 1, y1 - 1, WIN_BG)
    cv.text(title_x, y0 + 3, title, TITLE_TEXT if active else TITLE_TEXT_INACTIVE)
    cv.text(x1 - 6, y0 + 3, "*", TITLE_TEXT_INACTIVE)


def button(cv, x0, y0, x1, y1, label, fill=CTL_BG):
    cv.frame(x0, y0, x1, y1, CTL_BORDER)
    cv.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)
    if label:
        cv.text(x0 + 3, y0 + 2, label, CTL_TEXT)


def draw_template():
    cv = Canvas(W, H, BG)
    # Background grid.
    for x in range(10, W, 11):
        cv.fill(x, 11, x, 180, GRID)
    for y in range(21, 181, 11):
        cv.fill(0, y, W - 1, y, GRID)

    # Menu bar and its titles.
    cv.fill(0, 0, W - 1, 9, MENU_BG)
    cv.fill(0, 10, W - 1, 10, MENU_BORDER)
    cv.fill(2, 1, 20, 9, MENU_SEL)
    cv.text(4, 3, "MAIN", MENU_TEXT)
    cv.text(26, 3, "MACHINE", MENU_TEXT)
    cv.text(58, 3, "SOUND", MENU_TEXT)
    cv.text(82, 3, "VIDEO", MENU_TEXT)

    # "Load ROM": the active window.
    window(cv, 81, 27, 169, 100, "LOAD ROM", 84, True)
    cv.frame(85, 42, 150, 82, CTL_BORDER)
    cv.fill(86, 43, 149, 81, LIST_BG)
    cv.fill(86, 61, 149, 68, LIST_SEL)
    for i, row in enumerate(["..", "DIRECTORY", "KIWI KNOT I...", "MOSSY ROVER..."]):
        cv.text(88, 45 + 9 * i, row, LIST_TEXT)
    cv.text(144, 54, ">", LIST_TEXT)
    cv.frame(151, 42, 157, 82, CTL_BORDER)
    cv.fill(152, 43, 156, 81, SCROLL_BG)
    cv.fill(152, 44, 156, 57, SCROLLER)
    cv.text(86, 84, "4 FILES", WIN_TEXT)
    cv.fill(83, 89, 167, 89, WIN_SEP)
    button(cv, 85, 91, 105, 98, "LOAD")
    button(cv, 108, 91, 132, 98, "CLOSE")
    button(cv, 140, 91, 147, 98, "")
    cv.fill(143, 94, 144, 95, CTL_TEXT)
    button(cv, 151, 91, 158, 98, "", CTL_SEL)

    # The right-hand window, cut off by the right edge; grey noise inside.
    window(cv, 259, 21, 345, 93, "NO CARTRIDGE", 277, False)
    seed = 12345
    for y in range(33, 93):
        for x in range(260, W):
            seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
            cv.set(x, y, GREYS[(seed >> 16) & 3])

    # The left-hand window, cut off by the left edge.
    window(cv, -61, 105, 68, 178, "CONFIGURATION", -24, False)
    cv.text(4, 119, "1/6: JOYPAD1 >>", WIN_TEXT_HI)
    cv.frame(2, 125, 65, 152, CTL_BORDER)
    cv.frame(7, 130, 13, 136, CTL_BORDER)
    cv.fill(8, 131, 12, 135, CTL_BG)
    for i in range(3):
        cv.set(9 + i, 133 + (i % 2), CTL_TEXT)
    cv.text(17, 131, "ENABLED", WIN_TEXT)
    cv.text(7, 142, "PAD 2", WIN_TEXT)
    cv.fill(3, 158, 64, 158, WIN_SEP)
    cv.text(7, 164, "KEYS", WIN_TEXT)

    # "Memory Editor".
    window(cv, 94, 112, 226, 175, "MEMORY EDITOR", 97, False)
    dump = ["3E01D3BF3E80D3BF", "21000022F0DF3E00", "CD2300C9F3ED5631", "00DFC30002FFFF00"]
    for i, line in enumerate(dump):
        y = 127 + 7 * i
        cv.text(97, y, "%04X" % (i * 8), WIN_TEXT)
        for j in range(8):
            x = 118 + 12 * j
            if i == 1 and j == 1:
                cv.fill(x - 1, y - 1, x + 7, y + 5, CTL_BG)
                cv.text(x, y, line[2], CTL_TEXT)
                cv.text(x + 4, y, line[3], CTL_TEXT_DIS)
            else:
                cv.text(x, y, line[2 * j:2 * j + 2], WIN_TEXT)
    cv.fill(115, 125, 115, 153, WIN_SEP)
    cv.frame(215, 125, 221, 153, CTL_BORDER)
    cv.fill(216, 126, 220, 152, SCROLL_BG)
    cv.fill(216, 127, 220, 135, SCROLLER)
    cv.fill(95, 156, 225, 156, WIN_SEP)
    cv.text(97, 163, "ADDRESS:0021", WIN_TEXT)
    cv.text(148, 163, "GOTO", WIN_TEXT)
    button(cv, 165, 160, 185, 170, "")
    button(cv, 189, 160, 199, 170, "-")
    button(cv, 202, 160, 212, 170, "+")
    button(cv, 215, 160, 224, 170, "*", CTL_SEL)

    # The open menu under "MAIN", drawn over everything behind it.
    cv.fill(6, 11, 73, 76, MENU_GRADIENT)
    cv.fill(5, 11, 5, 77, MENU_BORDER)
    cv.fill(74, 11, 74, 77, MENU_BORDER)
    cv.fill(5, 77, 74, 77, MENU_BORDER)
    cv.fill(7, 51, 72, 59, MENU_SEL)
    items = ["LOAD ROM", "DISABLED", "SAVE STATE", "LOAD STATE", "OPTIONS", "QUIT"]
    for i, item in enumerate(items):
        cv.text(9, 13 + 10 * i, item, MENU_TEXT_DIS if item == "DISABLED" else MENU_TEXT)
    for i, (dx, dy) in enumerate([(0, 2), (1, 3), (2, 4), (3, 3), (4, 2), (5, 1), (6, 0)]):
        cv.set(62 + dx, 13 + dy, MENU_TEXT)
    # The mouse pointer: black outline, white inside.
    arrow = ["B", "BB", "BWB", "BWWB", "BWWWB", "BWWWWB", "BWWBBB", "BBWB", "B BWB", "  BB"]
    for dy, row in enumerate(arrow):
        for dx, cell in enumerate(row):
            if cell != " ":
                cv.set(50 + dx, 54 + dy, BLACK if cell == "B" else WHITE)

    # Status bar with the clock.
    cv.fill(0, 181, W - 1, 181, STATUS_BORDER)
    cv.fill(0, 182, W - 1, 191, STATUS_BG)
    cv.text(262, 184, "16:08:30", STATUS_TEXT)
    return cv


def draw_mask(template):
    mask = Canvas(W, H, BLACK)
    for y in range(H):
        for x in range(W):
            if template.px[y][x] in (BG, GRID):
                mask.px[y][x] = WHITE
    return mask


def draw_console():
    cv = Canvas(93, 59, MAGENTA)
    dark, mid, light, pale = GREYS
    # Console body (its left edge keeps clear of the window beside it).
    cv.fill(10, 6, 86, 34, BLACK)
    cv.fill(11, 7, 85, 10, dark)
    cv.fill(14, 12, 60, 16, mid)  # cartridge slot
    cv.fill(16, 13, 58, 15, BLACK)
    cv.fill(10, 22, 86, 24, CONSOLE_RED)
    cv.fill(66, 13, 71, 17, light)  # power and pause buttons
    cv.fill(75, 13, 80, 17, light)
    cv.fill(14, 28, 40, 31, mid)  # card slot
    cv.text(62, 28, "SMS", pale)
    # Control pad and its cord.
    cv.fill(30, 44, 72, 56, BLACK)
    cv.fill(31, 45, 71, 46, dark)
    cv.fill(36, 49, 44, 51, light)
    cv.fill(39, 46, 41, 54, light)
    cv.fill(58, 49, 61, 52, CONSOLE_RED)
    cv.fill(65, 49, 68, 52, CONSOLE_RED)
    for y in range(35, 44):
        cv.set(48, y, BLACK)
    return cv


def write_png(path, cv):
    palette = []
    index = {}
    rows = bytearray()
    for row in cv.px:
        rows.append(0)  # no filter
        for c in row:
            if c not in index:
                index[c] = len(palette)
                palette.append(c)
            rows.append(index[c])
    assert len(palette) <= 256

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", cv.w, cv.h, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "preview")
    os.makedirs(out, exist_ok=True)
    template = draw_template()
    write_png(os.path.join(out, "themepreview.png"), template)
    write_png(os.path.join(out, "thememask.png"), draw_mask(template))
    write_png(os.path.join(out, "sms.png"), draw_console())


if __name__ == "__main__":
    main()
