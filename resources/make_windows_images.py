#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the PNG pictures of resources/ into the forms a Windows resource script takes.

The build runs it, so the pictures are kept once, as PNG: a toolbar bitmap becomes a 32-bit .bmp
(blue, green, red, alpha; rows from the bottom up) and the program icon a one-image .ico with its
transparency mask. Needs only the standard library and reads the PNGs make_bitmaps.py writes
(8 bits a channel, RGB or RGBA, not interlaced); anything else is refused rather than guessed at.

Usage: make_windows_images.py INPUT.png OUTPUT.bmp|OUTPUT.ico
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_png(path):
    """The picture as (width, height, rows), each row a list of (r, g, b, a) from the top."""
    with open(path, "rb") as source:
        data = source.read()
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError(f"{path}: not a PNG file")
    pos = len(PNG_SIGNATURE)
    header = None
    compressed = b""
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length:
            raise ValueError(f"{path}: chunk {kind!r} cut short")
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError(f"{path}: no IHDR chunk")
    width, height, depth, colour, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace != 0:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA, not interlaced, is read")

    raw = zlib.decompress(compressed)
    stride = width * channels
    if len(raw) != height * (stride + 1):
        raise ValueError(f"{path}: image data of the wrong size")
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        line = bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                estimate = left + up - corner
                pa, pb, pc = abs(estimate - left), abs(estimate - up), abs(estimate - corner)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + predictor) & 0xFF
            elif kind != 0:
                raise ValueError(f"{path}: unknown row filter {kind}")
        pixels = [tuple(line[x * channels:(x + 1) * channels]) + ((255,) if channels == 3 else ())
                  for x in range(width)]
        rows.append(pixels)
        previous = line
    return width, height, rows


def bgra_bottom_up(rows):
    return b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)


def info_header(width, height):
    """A BITMAPINFOHEADER of a 32-bit picture, uncompressed."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, width * height * 4, 0, 0, 0, 0)


def bmp_file(width, height, rows):
    pixels = bgra_bottom_up(rows)
    offset = 14 + 40
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + \
        info_header(width, height) + pixels


def ico_file(width, height, rows):
    # The image's header counts the colour rows and the mask rows together, hence twice the height.
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    image = info_header(width, height * 2) + bgra_bottom_up(rows) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main(argv):
    if len(argv) != 3 or not argv[2].lower().endswith((".bmp", ".ico")):
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    width, height, rows = read_png(argv[1])
    write = ico_file if argv[2].lower().endswith(".ico") else bmp_file
    with open(argv[2], "wb") as target:
        target.write(write(width, height, rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
