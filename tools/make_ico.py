#!/usr/bin/env python3
"""Packs PNG images into one Windows icon (.ico), each image kept as PNG.

    tools/make_ico.py OUT.ico IMAGE.png [IMAGE.png ...]

Give the images smallest first; each keeps its size and colour depth, so the
32 x 32 image with a 256-colour palette stays one.
"""
import struct
import sys


def png_header(data):
    """Width, height and bits per pixel of a PNG, from its IHDR chunk."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG image")
    width, height, depth, colour_type = struct.unpack(">IIBB", data[16:26])
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
    return width, height, depth * channels


def main(out, *images):
    pngs = [open(path, "rb").read() for path in images]
    offset = 6 + 16 * len(pngs)
    directory = struct.pack("<HHH", 0, 1, len(pngs))
    for data in pngs:
        width, height, bits = png_header(data)
        # 0 stands for 256 in the one-byte sizes; the palette size is left 0.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, bits,
                                 len(data), offset)
        offset += len(data)
    with open(out, "wb") as ico:
        ico.write(directory + b"".join(pngs))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
