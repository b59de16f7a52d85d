#!/usr/bin/env python3
"""Writes the eight 20 x 20 button bitmaps of the FORM screen from buttons.txt.

Usage: make_bitmaps.py buttons.txt out_folder
Row 2k (pressed) and row 2k+1 (released) of each glyph, in the order sH, sV,
mH, mV, are written as button0.bmp .. button7.bmp.
"""
import struct
import sys

SIZE = 20
INK = (0, 0, 0)
FACE = (192, 192, 192)
LIGHT = (255, 255, 255)
DARK = (128, 128, 128)


def read_glyphs(path):
    glyphs, name, rows = [], None, []
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if set(line) <= {".", "#"}:
            rows.append(line)
            if len(rows) == 16:
                glyphs.append((name, rows))
                rows = []
        else:
            name = line
    return glyphs


def face(glyph, pressed):
    pixels = [[FACE] * SIZE for _ in range(SIZE)]
    top_left, bottom_right = (DARK, LIGHT) if pressed else (LIGHT, DARK)
    for i in range(SIZE):
        pixels[0][i] = pixels[i][0] = top_left
        pixels[SIZE - 1][i] = pixels[i][SIZE - 1] = bottom_right
    shift = 3 if pressed else 2
    for y, row in enumerate(glyph):
        for x, c in enumerate(row):
            if c == "#":
                pixels[y + shift][x + shift] = INK
    return pixels


def bmp(pixels):
    row_bytes = SIZE * 3 + (-(SIZE * 3) % 4)
    data = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line + b"\0" * (row_bytes - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + data


def main():
    glyphs = read_glyphs(sys.argv[1])
    n = 0
    for _, glyph in glyphs:
        for pressed in (True, False):
            with open("%s/button%d.bmp" % (sys.argv[2], n), "wb") as out:
                out.write(bmp(face(glyph, pressed)))
            n += 1


if __name__ == "__main__":
    main()
