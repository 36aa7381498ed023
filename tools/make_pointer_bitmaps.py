#!/usr/bin/env python3
"""Writes the pointer bitmaps (resources 103 and 104) of the programs.

The cross-hair (shooter) and the arrow (shooter_variant and the demonstration programs) are
drawn on black in the picture; the mask is black where the picture is lit and white elsewhere.
Both are 32 x 32, 24 bits per pixel, uncompressed, bottom-up. Run from the repository root:
    python3 tools/make_pointer_bitmaps.py
"""
import os
import struct

SIZE = 32
YELLOW = (255, 255, 0)
RED = (255, 0, 0)


def crosshair_pixels():
    lit = set()
    for row in list(range(0, 13)) + list(range(19, 32)):
        lit.update({(13, row), (18, row)})
    for row in (11, 20):
        lit.update({(11, row), (20, row)})
    for row in (13, 18):
        lit.update((col, row) for col in list(range(0, 14)) + list(range(18, 32)))
    for row in (14, 17):
        lit.update({(14, row), (17, row)})
    for row in (15, 16):
        lit.update({(15, row), (16, row)})
    return lit


def arrow_pixels():
    lit = set()
    lit.update((x, 0) for x in range(1, 8))
    lit.update((0, y) for y in range(1, 10))
    for y in list(range(5, 14)) + list(range(15, 24)):
        lit.add((y + 1, y))
    for y in list(range(6, 15)) + list(range(16, 25)):
        lit.add((y - 1, y))
    lit.update((y + 13, y) for y in range(6, 15))
    lit.update((y - 13, y) for y in range(19, 28))
    return lit


def bmp_bytes(color_at):
    """A 24-bit bottom-up BMP of SIZE x SIZE; color_at(col, row) gives (r, g, b)."""
    row_bytes = SIZE * 3  # 96: already a multiple of four, no padding
    pixels = bytearray()
    for row in range(SIZE - 1, -1, -1):
        for col in range(SIZE):
            r, g, b = color_at(col, row)
            pixels += bytes((b, g, r))
    header_size = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, row_bytes * SIZE,
                              2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixels)


def write_pair(folder, name, lit, color):
    os.makedirs(folder, exist_ok=True)
    black, white = (0, 0, 0), (255, 255, 255)
    picture = bmp_bytes(lambda c, r: color if (c, r) in lit else black)
    mask = bmp_bytes(lambda c, r: black if (c, r) in lit else white)
    with open(os.path.join(folder, name + '.bmp'), 'wb') as f:
        f.write(picture)
    with open(os.path.join(folder, name + '_mask.bmp'), 'wb') as f:
        f.write(mask)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    write_pair(os.path.join(root, 'shooter', 'res'), 'crosshair', crosshair_pixels(), YELLOW)
    for folder in (os.path.join('shooter_variant', 'res'), os.path.join('demos', 'common', 'res')):
        write_pair(os.path.join(root, folder), 'arrow', arrow_pixels(), RED)


if __name__ == '__main__':
    main()
