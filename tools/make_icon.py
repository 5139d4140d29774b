#!/usr/bin/env python3
"""Draws the program's icon: a number spiral that starts at 41 in the middle.

Primes are light, the values of N*(N+1)+41 are gold and run along a diagonal,
the rest fades from the middle outwards. The image is an indexed PNG with a
256-colour palette, written at 32 x 32 and, pixel for pixel enlarged, at the
sizes given on the command line (32 and whole multiples of it).

    tools/make_icon.py SIZE:PATH [SIZE:PATH ...]
"""
import struct
import sys
import zlib

SIDE = 32
START = 41
GOLD, PRIME = 254, 255


def is_prime(n):
    return n >= 2 and all(n % d for d in range(2, int(n ** 0.5) + 1))


def spiral_positions():
    """Yields (x, y) for 0, 1, 2, ... along a square spiral from the middle."""
    x = y = SIDE // 2 - 1
    yield x, y
    step, dx, dy = 1, 1, 0
    while True:
        for _ in range(2):
            for _ in range(step):
                x, y = x + dx, y + dy
                yield x, y
            dx, dy = -dy, dx
        step += 1


def palette():
    colours = []
    for i in range(254):  # background: deep blue in the middle to violet at the rim
        t = i / 253
        colours.append((int(40 + 60 * t), int(30 + 10 * t), int(140 - 40 * t)))
    colours.append((255, 200, 40))   # GOLD: Euler's values
    colours.append((220, 230, 255))  # PRIME
    return colours


def draw():
    euler = {n * (n + 1) + START for n in range(40)}
    pixels = [[0] * SIDE for _ in range(SIDE)]
    centre = (SIDE - 1) / 2
    for offset, (x, y) in zip(range(SIDE * SIDE), spiral_positions()):
        if not (0 <= x < SIDE and 0 <= y < SIDE):
            continue
        n = START + offset
        if n in euler:
            pixels[y][x] = GOLD
        elif is_prime(n):
            pixels[y][x] = PRIME
        else:
            distance = max(abs(x - centre), abs(y - centre)) / centre
            pixels[y][x] = min(253, int(253 * distance))
    return pixels


def png(pixels, scale):
    side = len(pixels) * scale
    rows = b"".join(
        b"\0" + bytes(value for value in row for _ in range(scale))
        for row in pixels for _ in range(scale))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", side, side, 8, 3, 0, 0, 0)  # 8-bit indexed
    plte = b"".join(bytes(c) for c in palette())
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", plte) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main(*items):
    pixels = draw()
    for item in items:
        size, path = item.split(":", 1)
        with open(path, "wb") as out:
            out.write(png(pixels, int(size) // SIDE))


if __name__ == "__main__":
    main(*sys.argv[1:])
