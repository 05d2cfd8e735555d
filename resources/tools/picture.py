#!/usr/bin/env python3
"""Turns a text picture into a 16-colour .bmp or .ico.

Each line of the picture is one pixel row, top row first; each character is one pixel in the standard
16-colour palette (the letters below). In an icon, '.' is a transparent pixel. Lines starting with '#' are
comments.
"""
import struct
import sys

PALETTE = [
    ('k', (0, 0, 0)), ('m', (128, 0, 0)), ('g', (0, 128, 0)), ('o', (128, 128, 0)),
    ('n', (0, 0, 128)), ('p', (128, 0, 128)), ('t', (0, 128, 128)), ('s', (192, 192, 192)),
    ('d', (128, 128, 128)), ('R', (255, 0, 0)), ('G', (0, 255, 0)), ('Y', (255, 255, 0)),
    ('B', (0, 0, 255)), ('M', (255, 0, 255)), ('C', (0, 255, 255)), ('w', (255, 255, 255)),
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}
TRANSPARENT = '.'


def read_picture(path):
    with open(path, encoding='ascii') as source:
        rows = [line.rstrip('\n') for line in source if line.strip() and not line.startswith('#')]
    width = len(rows[0])
    for number, row in enumerate(rows):
        if len(row) != width:
            sys.exit(f'{path}: row {number} is {len(row)} pixels wide, not {width}')
        for letter in row:
            if letter not in INDEX and letter != TRANSPARENT:
                sys.exit(f'{path}: unknown pixel {letter!r} in row {number}')
    return rows


def padded(data):
    return data + b'\0' * (-len(data) % 4)


def colour_rows(rows):
    """The 4-bit pixel rows, bottom row first, each padded to four bytes."""
    out = b''
    for row in reversed(rows):
        indices = [INDEX.get(letter, 0) for letter in row] + [0]
        out += padded(bytes(indices[i] << 4 | indices[i + 1] for i in range(0, len(row), 2)))
    return out


def mask_rows(rows):
    out = b''
    for row in reversed(rows):
        bits = ''.join('1' if letter == TRANSPARENT else '0' for letter in row)
        bits += '0' * (-len(bits) % 8)
        out += padded(bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8)))
    return out


def dib(rows, height_factor, image_size):
    header = struct.pack('<IiiHHIIiiII', 40, len(rows[0]), len(rows) * height_factor, 1, 4, 0,
                         image_size, 0, 0, 16, 0)
    palette = b''.join(bytes((b, g, r, 0)) for _, (r, g, b) in PALETTE)
    return header + palette


def bitmap(rows):
    pixels = colour_rows(rows)
    info = dib(rows, 1, len(pixels))
    offset = 14 + len(info)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + pixels


def icon(rows):
    pixels = colour_rows(rows) + mask_rows(rows)
    image = dib(rows, 2, len(pixels)) + pixels
    entry = struct.pack('<BBBBHHII', len(rows[0]), len(rows), 16, 0, 1, 4, len(image), 6 + 16)
    return struct.pack('<HHH', 0, 1, 1) + entry + image


def main():
    source, target = sys.argv[1], sys.argv[2]
    rows = read_picture(source)
    data = icon(rows) if target.endswith('.ico') else bitmap(rows)
    with open(target, 'wb') as out:
        out.write(data)


if __name__ == '__main__':
    main()
