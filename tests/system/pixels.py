#!/usr/bin/env python3
"""Pixel questions about a screenshot, for the system test scripts.

    pixels.py FILE count X Y W H R G B [TOLERANCE]   pixels of that colour in the rectangle
    pixels.py FILE color X Y                          "R G B" of one pixel
    pixels.py FILE find R G B [X Y W H]                "X Y" of the first pixel of that colour
    pixels.py FILE bbox R G B [TOLERANCE]              "X0 Y0 X1 Y1" of all pixels of that colour

FILE is any image ImageMagick's convert reads; it is turned into a binary PPM once.
"""
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

    def at(x, y):
        offset = (y * width + x) * 3
        return tuple(pixels[offset:offset + 3])

    def close(color, target, tolerance):
        return all(abs(a - b) <= tolerance for a, b in zip(color, target))

    if command == 'count':
        x0, y0, w, h, r, g, b = map(int, args[:7])
        tolerance = int(args[7]) if len(args) > 7 else 0
        total = 0
        for y in range(max(0, y0), min(height, y0 + h)):
            for x in range(max(0, x0), min(width, x0 + w)):
                total += close(at(x, y), (r, g, b), tolerance)
        print(total)
    elif command == 'color':
        x, y = map(int, args[:2])
        print(*at(x, y))
    elif command == 'find':
        r, g, b = map(int, args[:3])
        x0, y0, w, h = map(int, args[3:7]) if len(args) >= 7 else (0, 0, width, height)
        for y in range(max(0, y0), min(height, y0 + h)):
            for x in range(max(0, x0), min(width, x0 + w)):
                if at(x, y) == (r, g, b):
                    print(x, y)
                    return
        print('none')
    elif command == 'bbox':
        r, g, b = map(int, args[:3])
        tolerance = int(args[3]) if len(args) > 3 else 0
        xs, ys = [], []
        for y in range(height):
            for x in range(width):
                if close(at(x, y), (r, g, b), tolerance):
                    xs.append(x)
                    ys.append(y)
        print(*(min(xs), min(ys), max(xs), max(ys)) if xs else ('none',))
    else:
        sys.exit('unknown command ' + command)


if __name__ == '__main__':
    main()
