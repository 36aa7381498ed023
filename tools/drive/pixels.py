#!/usr/bin/env python3
"""Pixel questions about one screenshot, for the scripts that drive the programs' windows.

    pixels.py FILE QUERY [QUERY ...]

Answers each query on a line of its own, so that one process (one read of the picture) serves
all the questions a script has about a frame while the program runs on. Queries:

    color X Y                "R G B" of the pixel at (X, Y)
    count X Y W H COLOUR     number of pixels of that colour in the box
    find X Y W H COLOUR      "X Y" of the box's first pixel of that colour, row by row, or "none"
    bbox X Y W H COLOUR      "X0 Y0 X1 Y1", the corners of the box's pixels of that colour, or
                             "none"
    same X Y PICTURE         "yes" if the box at (X, Y) of PICTURE's size holds exactly the
                             pixels of PICTURE (any file convert reads), else "no"

A box is clipped to the picture. COLOUR is either "R,G,B" (exactly that colour) or a Python
expression on r, g and b, such as "r == 255 and b < 100". FILE is a binary PPM (import writes
one for a name ending in .ppm) or anything ImageMagick's convert reads.
"""
import collections
import subprocess
import sys


def load(path):
    """Width, height and the RGB bytes of the picture, three a pixel, row by row."""
    with open(path, 'rb') as file:
        data = file.read()
    if not data.startswith(b'P6'):
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
    return int(tokens[1]), int(tokens[2]), data[index + 1:]


def colour_test(text):
    """A function of an (r, g, b) tuple that says whether the colour is the one asked for."""
    parts = text.split(',')
    if len(parts) == 3 and all(part.strip().isdigit() for part in parts):
        wanted = tuple(int(part) for part in parts)
        return lambda colour: colour == wanted
    code = compile(text, text, 'eval')
    answers = {}  # a picture has few colours: ask the expression once for each

    def matches(colour):
        if colour not in answers:
            answers[colour] = bool(eval(code, {}, dict(zip('rgb', colour))))
        return answers[colour]
    return matches


class Picture:
    def __init__(self, path):
        self.width, self.height, self.data = load(path)

    def clip(self, x, y, w, h):
        return max(0, x), max(0, y), min(self.width, x + w), min(self.height, y + h)

    def row(self, y, left, right):
        """Row y from left to right (exclusive) as bytes, and its colours as (r, g, b) tuples."""
        line = self.data[(y * self.width + left) * 3:(y * self.width + right) * 3]
        return line, zip(line[0::3], line[1::3], line[2::3])

    def matching_xs(self, y, left, right, matches):
        """Sorted x of the pixels of row y whose colour matches."""
        line, colours = self.row(y, left, right)
        xs = []
        for colour in set(colours):
            if not matches(colour):
                continue
            needle, at = bytes(colour), line.find(bytes(colour))
            while at >= 0:
                if at % 3 == 0:
                    xs.append(left + at // 3)
                    at = line.find(needle, at + 3)
                else:
                    at = line.find(needle, at + 1)
        return sorted(xs)

    def count(self, box, matches):
        left, top, right, bottom = self.clip(*box)
        histogram = collections.Counter()
        for y in range(top, bottom):
            histogram.update(self.row(y, left, right)[1])
        return sum(n for colour, n in histogram.items() if matches(colour))

    def find(self, box, matches):
        left, top, right, bottom = self.clip(*box)
        for y in range(top, bottom):
            xs = self.matching_xs(y, left, right, matches)
            if xs:
                return '%d %d' % (xs[0], y)
        return 'none'

    def bbox(self, box, matches):
        left, top, right, bottom = self.clip(*box)
        xs, ys = [], []
        for y in range(top, bottom):
            found = self.matching_xs(y, left, right, matches)
            if found:
                xs += [found[0], found[-1]]
                ys.append(y)
        return '%d %d %d %d' % (min(xs), min(ys), max(xs), max(ys)) if xs else 'none'

    def same(self, x, y, other):
        if x < 0 or y < 0 or x + other.width > self.width or y + other.height > self.height:
            return 'no'
        for row in range(other.height):
            start = ((y + row) * self.width + x) * 3
            theirs = other.data[row * other.width * 3:(row + 1) * other.width * 3]
            if self.data[start:start + other.width * 3] != theirs:
                return 'no'
        return 'yes'

    def color(self, x, y):
        at = (y * self.width + x) * 3
        return '%d %d %d' % tuple(self.data[at:at + 3])


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    picture = Picture(sys.argv[1])
    queries = sys.argv[2:]
    while queries:
        command = queries.pop(0)
        if command == 'color':
            x, y = map(int, queries[:2])
            print(picture.color(x, y))
            del queries[:2]
        elif command == 'same':
            x, y = map(int, queries[:2])
            print(picture.same(x, y, Picture(queries[2])))
            del queries[:3]
        elif command in ('count', 'find', 'bbox'):
            box = tuple(map(int, queries[:4]))
            print(getattr(picture, command)(box, colour_test(queries[4])))
            del queries[:5]
        else:
            sys.exit('unknown query ' + command)


if __name__ == '__main__':
    main()
