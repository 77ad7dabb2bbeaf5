#!/usr/bin/env python3
"""Draws the small pictures of the main window.

Writes into resources/:

  strips/Tabs.bmp          208x16, 13 page tab icons (About ... Theme, page order)
  strips/OSes.bmp          48x16, build icons: DOS, Windows, Unix
  strips/SoundFormats.bmp  32x16, sound logging formats: VGM, WAV
  about/*.png              64x48 scenes of made-up 8-bit games for the About page
  about/captions.txt       one line per scene: file name, "=", the game's name (its hint)
  donate/donate-button.png 62x31 RGBA button of the Donate page

The strips are 8-bit Windows bitmaps (256-colour palette, uncompressed,
bottom-up rows) cut into 16x16 cells; magenta (255, 0, 255) is the
transparent ground. Every icon is drawn below as a grid of letters, one
letter per pixel, with no anti-aliasing. The scenes and the button are put
together from small sprites, rectangles and circles.

Only the Python standard library is used. Run it from anywhere:
    python3 scripts/draw-window-pictures.py
The output is byte-for-byte reproducible.
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")

MAGENTA = (255, 0, 255)

# Letters of the icon grids.
ICON_COLOURS = {
    ".": MAGENTA,
    "k": (0, 0, 0),
    "d": (64, 64, 64),
    "g": (128, 128, 128),
    "l": (192, 192, 192),
    "w": (255, 255, 255),
    "b": (0, 64, 200),
    "B": (110, 170, 255),
    "c": (0, 200, 220),
    "r": (220, 30, 30),
    "y": (255, 220, 0),
    "o": (200, 130, 0),
    "G": (0, 200, 60),
    "n": (0, 80, 30),
    "t": (230, 190, 130),
    "p": (140, 80, 20),
}

# ---------------------------------------------------------------------------
# Page tab icons, in page order.

ABOUT = [  # an "i" in a blue circle
    ".....kkkkkk.....",
    "...kkbbbbbbkk...",
    "..kbbbbbbbbbbk..",
    ".kbbbbbwwbbbbbk.",
    ".kbbbbbwwbbbbbk.",
    "kbbbbbbbbbbbbbbk",
    "kbbbbbwwwbbbbbbk",
    "kbbbbbbwwbbbbbbk",
    "kbbbbbbwwbbbbbbk",
    "kbbbbbbwwbbbbbbk",
    "kbbbbbbwwbbbbbbk",
    ".kbbbbbwwbbbbbk.",
    ".kbbbbwwwwbbbbk.",
    "..kbbbbbbbbbbk..",
    "...kkbbbbbbkk...",
    ".....kkkkkk.....",
]

DONATE = [  # a gold coin with a dollar sign
    ".....kkkkkk.....",
    "...kkyyyyyykk...",
    "..kywyyyyyyyyk..",
    ".kywyyyoyyyyyok.",
    ".kwyyyooooyyyok.",
    "kwyyyoyoyyyyyyok",
    "kyyyyoyoyyyyyyok",
    "kyyyyyoooyyyyyok",
    "kyyyyyyoyoyyyyok",
    "kyyyyyyoyoyyyyok",
    "kyyyyooooyyyyyok",
    ".kyyyyyoyyyyyok.",
    ".kyyyyyyyyyyook.",
    "..kyyyyyyyyook..",
    "...kkooooookk...",
    ".....kkkkkk.....",
]

BLITTER = [  # a monitor showing a little landscape
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kllllllllllllk.",
    ".klkkkkkkkkkklk.",
    ".klkBBBBBBBBklk.",
    ".klkBBBBwwBBklk.",
    ".klkBBBwwwwBklk.",
    ".klkBBBBBBBBklk.",
    ".klkGGBBBBBBklk.",
    ".klkGGGGBBGGklk.",
    ".klkGGGGGGGGklk.",
    ".klkkkkkkkkkklk.",
    ".kllllllllllrlk.",
    ".kkkkkkkkkkkkkk.",
    ".....kllllk.....",
    "...kkkkkkkkkk...",
]

DEBUGGING = [  # a red beetle seen from above
    "................",
    "....k......k....",
    ".....k....k.....",
    "......kkkk......",
    ".....kkkkkk.....",
    ".k...kkkkkk...k.",
    "..kkkrrkkrrkkk..",
    "...krrrkkrrrk...",
    "...krkrkkrkrk...",
    ".kkkrrrkkrrrkkk.",
    "...krrrkkrrrk...",
    "...krkrkkrkrk...",
    "..kkrrrkkrrrkk..",
    ".k..krrkkrrk..k.",
    ".....kkkkkk.....",
    "................",
]

EMULATION = [  # a chip with two rows of legs
    "................",
    "................",
    "..l.l.l..l.l.l..",
    "..l.l.l..l.l.l..",
    ".kkkkkkkkkkkkkk.",
    ".kddddddddddddk.",
    ".kddddddddddddk.",
    "..kddgggggggddk.",
    "..kddgggggddddk.",
    ".kddddddddddddk.",
    ".kdwddddddddddk.",
    ".kkkkkkkkkkkkkk.",
    "..l.l.l..l.l.l..",
    "..l.l.l..l.l.l..",
    "................",
    "................",
]

GUI = [  # a window with a title bar, some text and a button
    "................",
    "kkkkkkkkkkkkkkkk",
    "kbwwwwbbbbbbbrrk",
    "kbbbbbbbbbbbbrrk",
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggggwwwwwk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggwwwwwwwk",
    "kwwwwwwwwwwwwwwk",
    "kwwwwwwwkkkkkkwk",
    "kwwwwwwwkllllkwk",
    "kwwwwwwwkkkkkkwk",
    "kwwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
    "................",
]

INPUT = [  # a joypad: cross on the left, two buttons on the right
    "................",
    "........k.......",
    "........k.......",
    ".......k........",
    "..kkkkkkkkkkkk..",
    ".kllllllllllllk.",
    "klllklllllllrrlk",
    "klllklllllllrrlk",
    "klkkkkklllrrlllk",
    "klllkllddlrrlllk",
    "klllkllllllllllk",
    ".kllllllllllllk.",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
    "................",
]

MESSAGES = [  # a speech bubble with lines of text
    "................",
    "..kkkkkkkkkkkk..",
    ".kwwwwwwwwwwwwk.",
    "kwwwwwwwwwwwwwwk",
    "kwggggggggggwwwk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggggwwwwwk",
    "kwwwwwwwwwwwwwwk",
    "kwggggggwwwwwwwk",
    "kwwwwwwwwwwwwwwk",
    ".kwwwwwwwwwwwwk.",
    "..kkkwwkkkkkkk..",
    "....kwk.........",
    "...kk...........",
    "................",
    "................",
]

MISCELLANEOUS = [  # a gear wheel, shaded towards the lower right
    "......kkkk......",
    "......kllk......",
    "...kk.kllk.kk...",
    "..kllkllllkllk..",
    "..kllllllllllk..",
    "...klllkklllk...",
    "kkklllk..kllgkkk",
    "kllllk....kggggk",
    "kllllk....kggggk",
    "kkklllk..kgggkkk",
    "...klllkkgggk...",
    "..kllllggggggk..",
    "..kllkggggkggk..",
    "...kk.kggk.kk...",
    "......kggk......",
    "......kkkk......",
]

SCREENSHOTS = [  # a camera with a blue lens
    "................",
    "................",
    "................",
    ".kk..kkkkkk.....",
    "kkkkkkkkkkkkkkkk",
    "kgggggkkkkkggggk",
    "kggggkbbbbbkgrgk",
    "kgggkbbwbbbbkggk",
    "kgggkbwbbbbbkggk",
    "kgggkbbbbbbbkggk",
    "kgggkbbbbbbbkggk",
    "kggggkbbbbbkgggk",
    "kgggggkkkkkggggk",
    "kggggggggggggggk",
    "kkkkkkkkkkkkkkkk",
    "................",
]

SOUND = [  # a loudspeaker sending out two sound waves
    "................",
    "................",
    "......kk........",
    ".....kgk...b....",
    "....kggk....b...",
    "kkkkgggk.b...b..",
    "kddkgggk..b..b..",
    "kddkgggk..b..b..",
    "kddkgggk..b..b..",
    "kddkgggk..b..b..",
    "kkkkgggk.b...b..",
    "....kggk....b...",
    ".....kgk...b....",
    "......kk........",
    "................",
    "................",
]

SOUND_LOGGING = [  # a musical note beside a floppy disk
    "................",
    ".....kk.........",
    ".....kkk........",
    ".....k.kk.......",
    ".....k..k.......",
    ".....k..k.......",
    ".....k.k........",
    ".....k..........",
    ".....k..kkkkkkk.",
    "..kkkk..kbblllbk",
    ".kkkkk..kbblklbk",
    ".kkkkk..kbbbbbbk",
    "..kkk...kbwwwwbk",
    "........kbwwwwbk",
    "........kbwwwwbk",
    "........kkkkkkkk",
]

THEME = [  # a painter's palette with blobs of paint and a thumb hole
    "................",
    ".....kkkkkk.....",
    "...kkttttttkk...",
    "..kttrrttyyttk..",
    ".ktttrrttyytttk.",
    ".kttttttttttttk.",
    "ktBBtttttttttk..",
    "ktBBttttttkk....",
    "kttttttttk......",
    "kttkkttttkk.....",
    "ktk..ktttttkk...",
    "ktk..kttGGtttk..",
    "kttkktttGGtttk..",
    ".kttttttttttk...",
    "..kkkkkkkkkk....",
    "................",
]

TAB_ICONS = [
    ABOUT, DONATE, BLITTER, DEBUGGING, EMULATION, GUI, INPUT, MESSAGES, MISCELLANEOUS,
    SCREENSHOTS, SOUND, SOUND_LOGGING, THEME,
]

# ---------------------------------------------------------------------------
# Build icons.

DOS = [  # a text-mode prompt "C>" and a cursor on a black box
    "................",
    "gggggggggggggggg",
    "gkkkkkkkkkkkkkkg",
    "gkkkkkkkkkkkkkkg",
    "gkkkkkkkkkkkkkkg",
    "gkkllklkkkkkkkkg",
    "gklkkkklkkkkkkkg",
    "gklkkkkklkkkkkkg",
    "gklkkkklkkkkkkkg",
    "gkkllklkklllkkkg",
    "gkkkkkkkkkkkkkkg",
    "gkkkkkkkkkkkkkkg",
    "gkkkkkkkkkkkkkkg",
    "gkkkkkkkkkkkkkkg",
    "gggggggggggggggg",
    "................",
]

WINDOWS = [  # a wooden window frame with four glass panes and a sill
    "................",
    ".ppppppppppppppp",
    ".pBBBBBBpBBBBBBp",
    ".pBwBBBBpBwBBBBp",
    ".pBBwBBBpBBwBBBp",
    ".pBBBBBBpBBBBBBp",
    ".pBBBBBBpBBBBBBp",
    ".ppppppppppppppp",
    ".pBBBBBBpBBBBBBp",
    ".pBwBBBBpBwBBBBp",
    ".pBBwBBBpBBwBBBp",
    ".pBBBBBBpBBBBBBp",
    ".pBBBBBBpBBBBBBp",
    ".ppppppppppppppp",
    "llllllllllllllll",
    "dddddddddddddddd",
]

UNIX = [  # a terminal window with a "$" prompt and a cursor
    "................",
    ".gggggggggggggg.",
    ".gbbbbbbbbbbwbg.",
    ".gkkkkkkkkkkkkg.",
    ".gkkkkkkkkkkkkg.",
    ".gkkGkkkkkkkkkg.",
    ".gkGGGkkkkkkkkg.",
    ".gkGkkkkkkkkkkg.",
    ".gkGGGkkkkkkkkg.",
    ".gkkkGkkkkkkkkg.",
    ".gkGGGkkkkkkkkg.",
    ".gkkGkkGGGkkkkg.",
    ".gkkkkkkkkkkkkg.",
    ".gkkkkkkkkkkkkg.",
    ".gggggggggggggg.",
    "................",
]

OS_ICONS = [DOS, WINDOWS, UNIX]

# ---------------------------------------------------------------------------
# Sound logging format icons.

VGM = [  # a chip with a musical note printed on it
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "..kddddddddddk..",
    "llkddddyyddddkll",
    "..kddddydydddk..",
    "llkddddydddddkll",
    "..kddddydddddk..",
    "llkdddyydddddkll",
    "..kddyyydddddk..",
    "llkddyyddddddkll",
    "..kddddddddddk..",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
    "................",
]

WAV = [  # a green waveform on an oscilloscope screen
    "................",
    ".gggggggggggggg.",
    "gkkkkkkkkkkkkkkg",
    "gkkkkGGkkkkkkkkg",
    "gkkkGkkGkkkkkkkg",
    "gkkkGkkkGkkkkkkg",
    "gkkGkkkkGkkkkkkg",
    "gkkGkkkkkGkkkkkg",
    "gnGnnnnnnGnnnnng",
    "gkkkkkkkkkGkkkkg",
    "gkkkkkkkkkGkkGkg",
    "gkkkkkkkkkkGGkkg",
    "gkkkkkkkkkkkkkkg",
    "gkkkkkkkkkkkkkkg",
    ".gggggggggggggg.",
    "................",
]

FORMAT_ICONS = [VGM, WAV]


def grid_pixels(grid, colours, width=16, height=16):
    """Turns a grid of letters into rows of (r, g, b), checking its size."""
    if len(grid) != height:
        raise ValueError("grid has %d rows, wants %d" % (len(grid), height))
    rows = []
    for number, line in enumerate(grid):
        if len(line) != width:
            raise ValueError("row %d is %d wide, wants %d: %r" % (number, len(line), width, line))
        rows.append([colours[letter] for letter in line])
    return rows


def strip(icons):
    """Puts 16x16 icons side by side, left to right."""
    cells = [grid_pixels(icon, ICON_COLOURS) for icon in icons]
    return [sum((cell[y] for cell in cells), []) for y in range(16)]


# ---------------------------------------------------------------------------
# Writers.


def write_bmp8(path, pixels):
    """8-bit BMP: 256-entry palette, BI_RGB, bottom-up, rows padded to 4 bytes."""
    h = len(pixels)
    w = len(pixels[0])
    palette = [MAGENTA]  # index 0: the transparent ground
    for row in pixels:
        for colour in row:
            if colour not in palette:
                palette.append(colour)
    if len(palette) > 256:
        raise ValueError("more than 256 colours")
    index = {colour: i for i, colour in enumerate(palette)}
    stride = (w + 3) // 4 * 4
    body = b""
    for row in reversed(pixels):
        body += bytes(index[colour] for colour in row) + b"\0" * (stride - w)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += b"\0" * (4 * (256 - len(palette)))
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(body), 2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(header + info + table + body)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, pixels):
    """8-bit RGB PNG, or RGBA when the pixels carry four values."""
    h = len(pixels)
    w = len(pixels[0])
    channels = len(pixels[0][0])
    colour_type = 6 if channels == 4 else 2
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in pixels)
    out = b"\x89PNG\r\n\x1a\n"
    out += png_chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
    out += png_chunk(b"IDAT", zlib.compress(raw, 9))
    out += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------------------
# A small canvas for the scenes and the button.


class Canvas:
    def __init__(self, w, h, colour):
        self.w = w
        self.h = h
        self.rows = [[colour] * w for _ in range(h)]

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.rows[y][x] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    def disc(self, cx, cy, r, colour):
        # Integer test on doubled coordinates: pixel centres at (x + 0.5, y + 0.5).
        for y in range(cy - r - 1, cy + r + 1):
            for x in range(cx - r - 1, cx + r + 1):
                if (2 * x + 1 - 2 * cx) ** 2 + (2 * y + 1 - 2 * cy) ** 2 <= 4 * r * r:
                    self.set(x, y, colour)

    def sprite(self, x, y, grid, colours):
        """Draws a letter grid; "." is left alone."""
        for dy, line in enumerate(grid):
            for dx, letter in enumerate(line):
                if letter != ".":
                    self.set(x + dx, y + dy, colours[letter])

    def digits(self, x, y, text, colour):
        for ch in text:
            self.sprite(x, y, DIGITS[ch], {"#": colour})
            x += 4


DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
}


class Random:
    """A tiny linear congruential generator, so the scenes never change."""

    def __init__(self, seed):
        self.state = seed

    def next(self, limit):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % limit


# ---------------------------------------------------------------------------
# About page scenes (64x48). Every game here is made up.

SCENE_W, SCENE_H = 64, 48


def parcel_orbit():
    """A space shooter: a courier ship fires at saucers above a ringed planet."""
    c = Canvas(SCENE_W, SCENE_H, (6, 6, 28))
    rnd = Random(7)
    for _ in range(44):
        x, y = rnd.next(SCENE_W), rnd.next(SCENE_H)
        c.set(x, y, [(255, 255, 255), (150, 150, 170), (255, 230, 120)][rnd.next(3)])
    # A banded planet in the lower right corner.
    c.disc(54, 42, 13, (200, 110, 40))
    for y in range(29, 48):
        for x in range(40, 64):
            if c.rows[y][x] == (200, 110, 40) and (y // 3) % 2 == 0:
                c.set(x, y, (230, 150, 70))
    ship = [
        "...c...",
        "..cwc..",
        "..wbw..",
        ".wwbww.",
        "wwwwwww",
        "wr.w.rw",
        ".o...o.",
    ]
    c.sprite(24, 36, ship, {"c": (0, 220, 255), "w": (230, 230, 240), "b": (40, 90, 230),
                            "r": (220, 40, 40), "o": (255, 160, 0)})
    saucer = [
        "..ggg..",
        ".gcccg.",
        "ggggggg",
        ".r.r.r.",
    ]
    colours = {"g": (120, 220, 90), "c": (200, 255, 200), "r": (255, 60, 60)}
    for x, y in ((8, 10), (27, 7), (44, 13)):
        c.sprite(x, y, saucer, colours)
    # Shots on their way up.
    for y in (28, 22, 16):
        c.rect(27, y, 1, 3, (255, 240, 60))
    # An enemy shot coming down.
    c.rect(47, 22, 1, 2, (255, 90, 200))
    c.digits(1, 1, "00450", (255, 255, 255))
    for i in range(3):
        c.sprite(63 - 6 * (i + 1), 1, [".w.", "www", "w.w"], {"w": (0, 220, 255)})
    return c.rows


def mossgrove_hopper():
    """A platform jumper: a frog leaps towards a floating ledge of coins."""
    sky = (110, 170, 255)
    c = Canvas(SCENE_W, SCENE_H, sky)
    # Far hills and clouds.
    c.disc(10, 44, 14, (60, 150, 90))
    c.disc(44, 46, 18, (70, 165, 100))
    for x, y in ((6, 6), (40, 4)):
        c.disc(x + 4, y + 3, 3, (255, 255, 255))
        c.disc(x + 9, y + 2, 4, (255, 255, 255))
        c.disc(x + 14, y + 3, 3, (255, 255, 255))
        c.rect(x + 4, y + 3, 11, 3, (255, 255, 255))
    # Ground: grass over earth bricks.
    c.rect(0, 39, SCENE_W, 9, (150, 90, 40))
    c.rect(0, 38, SCENE_W, 2, (60, 190, 60))
    for y in range(41, 48, 3):
        c.rect(0, y, SCENE_W, 1, (110, 60, 25))
        for x in range((y // 3 % 2) * 4, SCENE_W, 8):
            c.rect(x, y + 1, 1, 2, (110, 60, 25))
    # A floating ledge of stone blocks.
    for i in range(5):
        x = 34 + 5 * i
        c.rect(x, 24, 5, 5, (190, 120, 60))
        c.rect(x, 24, 5, 1, (240, 180, 110))
        c.rect(x + 4, 24, 1, 5, (110, 60, 25))
        c.rect(x, 28, 5, 1, (110, 60, 25))
    # Coins above the ledge.
    for x in (38, 45, 52):
        c.sprite(x, 16, [".yy.", "yoyo", "yoyo", ".yy."],
                 {"y": (255, 220, 0), "o": (200, 130, 0)})
    frog = [
        ".ww..ww.",
        "wkwGGwkw",
        "GGGGGGGG",
        "GrrrrrrG",
        ".GGGGGG.",
        "GG.GG.GG",
        "G......G",
    ]
    c.sprite(17, 22, frog, {"w": (255, 255, 255), "k": (0, 0, 0), "G": (40, 140, 40),
                            "r": (200, 40, 60)})
    # Dashes behind the frog to show the leap.
    for x, y in ((10, 31), (7, 34), (13, 28)):
        c.rect(x, y, 2, 1, (255, 255, 255))
    snail = [
        "..ppp...",
        ".pyyyp..",
        "pyppyp.k",
        "pypyyp.t",
        ".pppp.tt",
        "tttttttt",
    ]
    c.sprite(50, 32, snail, {"p": (120, 50, 140), "y": (230, 170, 230), "t": (230, 200, 120),
                             "k": (0, 0, 0)})
    c.digits(1, 1, "1200", (255, 255, 255))
    return c.rows


def brick_drizzle():
    """A falling blocks puzzle: coloured pairs drop into a well."""
    c = Canvas(SCENE_W, SCENE_H, (20, 20, 44))
    colours = {
        "r": ((220, 50, 50), (255, 150, 150), (120, 20, 20)),
        "g": ((50, 190, 70), (150, 255, 160), (20, 100, 30)),
        "b": ((60, 100, 230), (160, 190, 255), (20, 40, 130)),
        "y": ((240, 200, 30), (255, 250, 170), (150, 110, 0)),
        "p": ((180, 70, 210), (235, 170, 255), (90, 30, 110)),
    }

    def block(x, y, letter):
        base, light, dark = colours[letter]
        c.rect(x, y, 4, 4, base)
        c.rect(x, y, 4, 1, light)
        c.rect(x, y, 1, 4, light)
        c.rect(x + 3, y + 1, 1, 3, dark)
        c.rect(x + 1, y + 3, 3, 1, dark)

    # The well: 8 columns of 4-pixel blocks from x 18, bottom at y 46.
    left, bottom = 18, 46
    c.rect(left - 2, 0, 2, SCENE_H, (140, 140, 160))
    c.rect(left + 32, 0, 2, SCENE_H, (140, 140, 160))
    c.rect(left - 2, bottom, 36, 2, (140, 140, 160))
    c.rect(left, 0, 32, bottom, (8, 8, 20))
    stack = [  # bottom row first
        "rrgbbyyp",
        "pgg.bryy",
        "pb..rr.g",
        "b....y.g",
    ]
    for row, line in enumerate(stack):
        for col, letter in enumerate(line):
            if letter != ".":
                block(left + 4 * col, bottom - 4 * (row + 1), letter)
    # The falling pair.
    block(left + 12, 18, "y")
    block(left + 16, 18, "r")
    # Next pair box on the right, score and level on the left.
    c.rect(53, 4, 10, 7, (140, 140, 160))
    c.rect(54, 5, 8, 5, (8, 8, 20))
    block(54, 5, "b")
    block(58, 5, "g")
    c.digits(1, 2, "380", (255, 255, 255))
    c.digits(1, 10, "7", (240, 200, 30))
    return c.rows


def dune_lane_dash():
    """A racing game: a red car chases a blue one down a desert road."""
    sand = (225, 195, 120)
    c = Canvas(SCENE_W, SCENE_H, sand)
    rnd = Random(3)
    for _ in range(60):
        x, y = rnd.next(SCENE_W), rnd.next(SCENE_H)
        if not 14 <= x < 50:
            c.set(x, y, (200, 165, 90))
    c.rect(16, 0, 32, SCENE_H, (90, 90, 100))
    for y in range(SCENE_H):
        kerb = (230, 40, 40) if (y // 3) % 2 == 0 else (255, 255, 255)
        c.set(14, y, kerb)
        c.set(15, y, kerb)
        c.set(48, y, kerb)
        c.set(49, y, kerb)
        if (y + 2) % 8 < 4:
            c.set(31, y, (250, 250, 250))
            c.set(32, y, (250, 250, 250))
    cactus = [
        "..g..",
        "..g.g",
        "g.g.g",
        "g.ggg",
        "ggg..",
        "..g..",
        "..g..",
    ]
    for x, y in ((3, 6), (54, 24), (6, 34)):
        c.sprite(x, y, cactus, {"g": (40, 130, 50)})
    for x, y in ((56, 5), (2, 22)):
        c.sprite(x, y, [".kk.", "kddk", ".kk."], {"k": (120, 100, 80), "d": (160, 140, 110)})
    car = [
        ".kCCCk.",
        "kCCCCCk",
        ".CwwwC.",
        ".CCCCC.",
        ".CCyCC.",
        "kCCCCCk",
        "kCCCCCk",
        ".CwwwC.",
        ".kCCCk.",
    ]
    c.sprite(35, 35, car, {"k": (20, 20, 20), "C": (220, 30, 30), "w": (170, 220, 255),
                           "y": (255, 230, 80)})
    c.sprite(21, 10, car, {"k": (20, 20, 20), "C": (40, 80, 220), "w": (170, 220, 255),
                           "y": (255, 255, 255)})
    # Dust behind the red car.
    for x, y in ((36, 45), (40, 46), (38, 47)):
        c.set(x, y, (200, 190, 170))
    c.digits(1, 1, "2", (255, 255, 255))
    c.digits(52, 41, "88", (255, 255, 255))
    return c.rows


SCENES = [
    ("space-shooter.png", "Parcel Orbit", parcel_orbit),
    ("platform-jumper.png", "Mossgrove Hopper", mossgrove_hopper),
    ("falling-blocks.png", "Brick Drizzle", brick_drizzle),
    ("racing.png", "Dune Lane Dash", dune_lane_dash),
]

# ---------------------------------------------------------------------------
# The donation button (62x31, RGBA): a rounded button, a coin and "Donate".

BUTTON_W, BUTTON_H = 62, 31

# Our own 5x7 letters, lower case on a 5-row body.
LETTERS = {
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "n": [".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
}

COIN = [
    "....kkkkk....",
    "..kkyyyyykk..",
    ".kywyyyyyyok.",
    ".kwyyyoyyyok.",
    "kyyyyooooyyok",
    "kyyyoyoyyyyok",
    "kyyyyoooyyyok",
    "kyyyyyoyoyyok",
    "kyyyooooyyyok",
    ".kyyyyoyyyok.",
    ".kyyyyyyyook.",
    "..kkoooookk..",
    "....kkkkk....",
]


def inside_rounded(x, y, w, h, r):
    """Whether pixel (x, y) lies in a w x h rectangle with corners of radius r."""
    cx = min(max(x, r), w - 1 - r)
    cy = min(max(y, r), h - 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def donate_button():
    w, h, radius = BUTTON_W, BUTTON_H, 7
    clear = (0, 0, 0, 0)
    rows = [[clear] * w for _ in range(h)]
    border = (120, 70, 0, 255)
    top, bottom = (255, 236, 140), (245, 160, 20)
    for y in range(h):
        # Vertical blend in whole steps of colour, one per row.
        shade = tuple(top[i] + (bottom[i] - top[i]) * y // (h - 1) for i in range(3)) + (255,)
        for x in range(w):
            if not inside_rounded(x, y, w, h, radius):
                continue
            edge = not all(inside_rounded(x + dx, y + dy, w, h, radius)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            rows[y][x] = border if edge else shade
    # A light line under the top edge.
    for x in range(radius, w - radius):
        rows[1][x] = (255, 250, 220, 255)
    coin_colours = {"k": (110, 60, 0, 255), "y": (255, 215, 40, 255), "o": (205, 130, 0, 255),
                    "w": (255, 255, 230, 255)}
    for dy, line in enumerate(COIN):
        for dx, letter in enumerate(line):
            if letter != ".":
                rows[9 + dy][6 + dx] = coin_colours[letter]
    ink = (10, 40, 110, 255)
    x = 23
    for ch in "Donate":
        for dy, line in enumerate(LETTERS[ch]):
            for dx, letter in enumerate(line):
                if letter == "#":
                    rows[12 + dy][x + dx] = ink
        x += 6
    return rows


def main():
    strips = os.path.join(RESOURCES, "strips")
    about = os.path.join(RESOURCES, "about")
    donate = os.path.join(RESOURCES, "donate")
    for folder in (strips, about, donate):
        os.makedirs(folder, exist_ok=True)
    write_bmp8(os.path.join(strips, "Tabs.bmp"), strip(TAB_ICONS))
    write_bmp8(os.path.join(strips, "OSes.bmp"), strip(OS_ICONS))
    write_bmp8(os.path.join(strips, "SoundFormats.bmp"), strip(FORMAT_ICONS))
    captions = []
    for name, game, draw in SCENES:
        write_png(os.path.join(about, name), draw())
        captions.append("%s=%s\n" % (name, game))
    with open(os.path.join(about, "captions.txt"), "w", newline="\n") as f:
        f.writelines(captions)
    write_png(os.path.join(donate, "donate-button.png"), donate_button())


if __name__ == "__main__":
    main()
