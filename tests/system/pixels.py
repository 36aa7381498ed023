#!/usr/bin/env python3
"""Pixel questions about a screenshot, for the system test scripts.

    pixels.py FILE count X Y W H R G B [TOLERANCE]   pixels of that colour in the rectangle
    pixels.py FILE color X Y                          "R G B" of one pixel
    pixels.py FILE find R G B [X Y W H]                "X Y" of the first pixel of that colour
    pixels.py FILE bbox R G B [TOLERANCE]              "X0 Y0 X1 Y1" of all pixels of that colour

FILE is any image ImageMagick's convert reads; it is turned into a binary PPM once.
"""
import collections
import subprocess
import sys


def load(path):
    data = subprocess.run(['convert', path, '-depth', '8', 'ppm:-'], check=True,
                          capture_output=True).stdout
    # Header: magic, width, height, maximum value, each followed by white space.
    tokens = []
    index = 0
    while len(tokens) < 4:
        while data[index:index + 1].isspace():
            index += 1
        start = index
        while not data[index:index + 1].isspace():
            index += 1
        tokens.append(data[start:index])
    if tokens[0] != b'P6':
        sys.exit('not a binary PPM: ' + path)
    width, height = int(tokens[1]), int(tokens[2])
    return width, height, data[index + 1:]


def main():
    path, command, *args = sys.argv[1:]
    width, height, pixels = load(path)

    def row_colors(y, x0, x1):
        """The colours of row y from x0 to x1 (exclusive) as 3-byte strings."""
        row = pixels[(y * width + x0) * 3:(y * width + x1) * 3]
        return [row[i:i + 3] for i in range(0, len(row), 3)]

    def matches(color, target, tolerance):
        return all(abs(a - b) <= tolerance for a, b in zip(color, target))

    def clip(x0, y0, w, h):
        return max(0, x0), max(0, y0), min(width, x0 + w), min(height, y0 + h)

    if command == 'count':
        x0, y0, w, h, r, g, b = map(int, args[:7])
        tolerance = int(args[7]) if len(args) > 7 else 0
        left, top, right, bottom = clip(x0, y0, w, h)
        histogram = collections.Counter()
        for y in range(top, bottom):
            histogram.update(row_colors(y, left, right))
        print(sum(n for color, n in histogram.items() if matches(color, (r, g, b), tolerance)))
    elif command == 'color':
        x, y = map(int, args[:2])
        print(*row_colors(y, x, x + 1)[0])
    elif command == 'find':
        r, g, b = map(int, args[:3])
        x0, y0, w, h = map(int, args[3:7]) if len(args) >= 7 else (0, 0, width, height)
        left, top, right, bottom = clip(x0, y0, w, h)
        target = bytes((r, g, b))
        for y in range(top, bottom):
            colors = row_colors(y, left, right)
            if target in colors:
                print(left + colors.index(target), y)
                return
        print('none')
    elif command == 'bbox':
        r, g, b = map(int, args[:3])
        tolerance = int(args[3]) if len(args) > 3 else 0
        xs, ys = [], []
        for y in range(height):
            hits = [x for x, color in enumerate(row_colors(y, 0, width))
                    if color[0] - tolerance <= r <= color[0] + tolerance
                    and matches(color, (r, g, b), tolerance)]
            if hits:
                xs += [hits[0], hits[-1]]
                ys.append(y)
        print(*(min(xs), min(ys), max(xs), max(ys)) if xs else ('none',))
    else:
        sys.exit('unknown command ' + command)


if __name__ == '__main__':
    main()
