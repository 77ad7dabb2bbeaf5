#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets that start from the sample
emulator directory or from hand-written inputs (fuzz/<area>/corpus/<target>/).
Run from anywhere; rewrites only the files named here."""
import os
import random

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLES = os.path.join(ROOT, "samples", "emulator")
FILES = ["quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm", "quib.msg"]


def sample(name):
    with open(os.path.join(SAMPLES, name), "rb") as f:
        return f.read()


def write(area, target, name, data):
    folder = os.path.join(ROOT, "fuzz", area, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# The store fuzzer: one byte giving the share of the text, the text, then
# operations (kind, key length, key, value length, value).
def store_ops():
    ops = b""
    for kind, key, value in [(1, b"fb_width", b"400"), (0, b"gui_vsync", b""),
                             (2, b"start_in_gui", b""), (1, b"new_key", b" spaced "),
                             (3, b"fb_height", b"12345678")]:
        ops += bytes([kind, len(key)]) + key + bytes([len(value)]) + value
    return ops


for name in ["quib.cfg", "quibw.cfg", "quib.inp"]:
    text = sample(name)
    ops = store_ops()
    share = min(255, (len(text) * 256 + len(text) + len(ops)) // (len(text) + len(ops) + 1) + 1)
    write("store", "store_fuzzer", name, bytes([share]) + text + ops)
write("store", "store_fuzzer", "line-ends", b"\x80a=1\r\nb = 2 ;c\rc\n\nd=\x00x\r\n;e=5\x01\x02b\x013")

# The whole-directory load: the six files joined by 0x1E.
write("app", "directory_load_fuzzer", "sample", b"\x1e".join(sample(n) for n in FILES))
write("app", "directory_load_fuzzer", "quib-only", sample("quib.cfg"))
write("app", "directory_load_fuzzer", "quibw-only",
      b"\x1e".join([b"", sample("quibw.cfg"), sample("quib.blt"), b"", sample("quib.thm"), b""]))

# Themes: the sample theme file.
write("themes", "theme_fuzzer", "quib.thm", sample("quib.thm"))

# Colours: three channels, HSL positions, two numbers, then the text.
for i, text in enumerate([b"#1A2b3C", b"0x7F", b"$ff", b"-2147483648", b"10%-90% #FFEECC",
                          b" 5% - 100%  #000000 ", b"#FFFFFFFF"]):
    write("themes", "colour_fuzzer", "text-%d" % i, text + bytes([i * 37 % 256] * 24))

# The preview: the resolution text (ended by a backslash and a space), then
# the theme and picture from random bytes.
rng = random.Random(7)
for res in [b"800x600", b"640x480", b"1x1", b"99999x3"]:
    write("themes", "preview_fuzzer", res.decode(),
          res + b"\\ " + bytes(rng.randrange(256) for _ in range(400)))

# The command line: the program (backslashes doubled, ended by a backslash and
# a space), then the argument.
for i, (program, argument) in enumerate([
        (b"C:\\Program Files\\Quib\\quibw.exe", b"D:\\My roms\\Sonic 2.sms"),
        (b"/q/quib.exe", b"/r/a \"b\" c.sms"),
        (b"q.exe", b"ends\\"),
        (b"q.exe", b"dir\\\\\"x \t\"\"y")]):
    write("platform", "command_line_fuzzer", "line-%d" % i,
          program.replace(b"\\", b"\\\\") + b"\\ " + argument)

# Keeping both: every byte is a choice (the lines, the window's edits, the
# disk's edits, the answers), so random bytes of a few lengths.
rng = random.Random(11)
for n in [60, 200, 600, 1500]:
    write("store", "merge_fuzzer", "random-%d" % n, bytes(rng.randrange(256) for _ in range(n)))
