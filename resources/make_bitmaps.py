#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Murax's toolbar bitmaps (28 x 25) and program icon (32 x 32) and writes them as PNG.

Every picture is built here from simple shapes (polygons, discs, strokes) painted one over the
other; each pixel is sampled on an 8 x 8 grid so that slanted edges come out smooth. Outlines sit
on pixel centres (x.5) so that straight ones stay one crisp pixel wide. Needs only the standard
library. Run it from anywhere: it writes bitmaps/*.png and icons/*.png beside itself.
"""

import math
import os
import struct
import zlib

SAMPLES = 8


# --- shapes: each is a function (x, y) -> bool telling whether the point lies inside ------------

def polygon(*points):
    """A filled polygon (non-zero winding)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        winding = 0
        for (x0, y0), (x1, y1) in edges:
            if y0 <= y < y1 or y1 <= y < y0:
                cross = (x1 - x0) * (y - y0) - (x - x0) * (y1 - y0)
                if y1 > y0 and cross > 0:
                    winding += 1
                elif y1 < y0 and cross < 0:
                    winding -= 1
        return winding != 0
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner < (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def segment(x0, y0, x1, y1, width):
    """A stroke with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def outline(points, width=1.0):
    """The closed outline of a polygon, as strokes along its edges."""
    strokes = [segment(*a, *b, width) for a, b in zip(points, points[1:] + points[:1])]
    return lambda x, y: any(s(x, y) for s in strokes)


def rounded_rect(x0, y0, x1, y1, r):
    core = [rect(x0 + r, y0, x1 - r, y1), rect(x0, y0 + r, x1, y1 - r),
            disc(x0 + r, y0 + r, r), disc(x1 - r, y0 + r, r),
            disc(x0 + r, y1 - r, r), disc(x1 - r, y1 - r, r)]
    return lambda x, y: any(s(x, y) for s in core)


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def rotated(shape, cx, cy, degrees):
    """`shape` turned about (cx, cy) by `degrees` (clockwise on screen)."""
    a = math.radians(-degrees)
    c, s = math.cos(a), math.sin(a)

    def inside(x, y):
        dx, dy = x - cx, y - cy
        return shape(cx + dx * c - dy * s, cy + dx * s + dy * c)
    return inside


# --- the canvas -----------------------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def paint(self, shape, colour):
        """Paints `shape` in `colour` ("#rrggbb") over what is already there."""
        r, g, b = (int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5))
        step = 1 / SAMPLES
        offsets = [step * (i + 0.5) for i in range(SAMPLES)]
        for py in range(self.height):
            for px in range(self.width):
                hits = sum(shape(px + ox, py + oy) for oy in offsets for ox in offsets)
                if hits == 0:
                    continue
                a = hits / (SAMPLES * SAMPLES)
                dr, dg, db, da = self.pixels[py][px]
                out_a = a + da * (1 - a)
                mix = (lambda s, d: (s * a + d * da * (1 - a)) / out_a)
                self.pixels[py][px] = (mix(r, dr), mix(g, dg), mix(b, db), out_a)

    def png(self):
        raw = bytearray()
        for row in self.pixels:
            raw.append(0)  # no filter
            for r, g, b, a in row:
                raw.extend(round(v * 255) for v in (r, g, b, a))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# --- the pictures ---------------------------------------------------------------------------------

W, H = 28, 25


def open_folder():
    c = Canvas(W, H)
    back = [(3.5, 5.5), (10.5, 5.5), (12.5, 7.5), (22.5, 7.5), (22.5, 20.5), (3.5, 20.5)]
    c.paint(polygon(*back), "#e3a32b")
    c.paint(outline(back), "#7a4e0c")
    paper = [(6.5, 9.5), (20.5, 9.5), (20.5, 14.5), (6.5, 14.5)]
    c.paint(polygon(*paper), "#ffffff")
    c.paint(outline(paper), "#9a9a9a")
    front = [(7.5, 12.5), (26.5, 12.5), (22.5, 20.5), (3.5, 20.5)]
    c.paint(polygon(*front), "#ffd766")
    c.paint(outline(front), "#7a4e0c")
    return c


def plus():
    c = Canvas(W, H)
    cross = [(11.5, 3.5), (16.5, 3.5), (16.5, 10.5), (23.5, 10.5), (23.5, 15.5), (16.5, 15.5),
             (16.5, 22.5), (11.5, 22.5), (11.5, 15.5), (4.5, 15.5), (4.5, 10.5), (11.5, 10.5)]
    c.paint(polygon(*cross), "#3db83a")
    c.paint(rect(12, 4, 13, 11), "#8fe08a")
    c.paint(rect(5, 11, 12, 12), "#8fe08a")
    c.paint(outline(cross), "#1d6a1b")
    return c


def floppy():
    c = Canvas(W, H)
    body = [(4.5, 2.5), (21.5, 2.5), (23.5, 4.5), (23.5, 22.5), (4.5, 22.5)]
    c.paint(polygon(*body), "#2f6fc4")
    c.paint(outline(body), "#16386a")
    shutter = [(8.5, 2.5), (19.5, 2.5), (19.5, 9.5), (8.5, 9.5)]
    c.paint(polygon(*shutter), "#d5d9de")
    c.paint(outline(shutter), "#16386a")
    c.paint(rect(15, 4, 18, 9), "#2f6fc4")
    label = [(7.5, 13.5), (20.5, 13.5), (20.5, 22.5), (7.5, 22.5)]
    c.paint(polygon(*label), "#ffffff")
    c.paint(outline(label), "#16386a")
    for y in (16, 19):
        c.paint(rect(9, y, 19, y + 1), "#9db6d8")
    return c


def cross():
    c = Canvas(W, H)
    cx, cy = 14, 12.5
    bar = polygon((cx - 11, cy - 2.6), (cx + 11, cy - 2.6), (cx + 11, cy + 2.6), (cx - 11, cy + 2.6))
    x_shape = union(rotated(bar, cx, cy, 45), rotated(bar, cx, cy, -45))
    c.paint(x_shape, "#8e1a14")
    inner = polygon((cx - 10, cy - 1.6), (cx + 10, cy - 1.6), (cx + 10, cy + 1.6), (cx - 10, cy + 1.6))
    c.paint(union(rotated(inner, cx, cy, 45), rotated(inner, cx, cy, -45)), "#e0392e")
    return c


def arrow(up):
    c = Canvas(W, H)
    points = [(14, 2.5), (24.5, 13.5), (18.5, 13.5), (18.5, 22.5), (9.5, 22.5), (9.5, 13.5),
              (3.5, 13.5)]
    if not up:
        points = [(x, H - y) for x, y in points]
    c.paint(polygon(*points), "#2c8fd6")
    shine = [(14, 5), (20, 11.5), (8, 11.5)] if up else [(14, 20), (20, 13.5), (8, 13.5)]
    c.paint(polygon(*shine), "#7cc3f2")
    c.paint(outline(points), "#13507e")
    return c


def pencil():
    c = Canvas(W, H)
    angle = -45  # the pencil points down to the left
    cx, cy = 14, 12.5

    def part(x0, x1, half):
        return rotated(polygon((cx + x0, cy - half), (cx + x1, cy - half), (cx + x1, cy + half),
                               (cx + x0, cy + half)), cx, cy, angle)

    def cone(point, base, half):
        return rotated(polygon((cx + point, cy), (cx + base, cy - half), (cx + base, cy + half)),
                       cx, cy, angle)
    c.paint(union(part(-8.6, 12.8, 4.0), cone(-15.8, -8, 4.0)), "#3b2a14")  # the outline
    c.paint(cone(-14.6, -8, 3.3), "#f1c98c")                                # bare wood
    c.paint(cone(-14.6, -12, 1.3), "#333333")                               # the lead
    c.paint(part(-8, 6, 3.3), "#f5b82e")
    c.paint(part(-8, 6, 1.0), "#f9d877")
    c.paint(part(6, 8.5, 3.3), "#b9bec4")
    c.paint(part(8.5, 12, 3.3), "#ee8c9b")
    return c


def play():
    c = Canvas(W, H)
    c.paint(disc(14, 12.5, 11.5), "#1f7a2b")
    c.paint(disc(14, 12.5, 10.5), "#3fbf4f")
    c.paint(disc(14, 11.0, 8.0), "#5fd16d")
    triangle = [(10.5, 6.5), (20.5, 12.5), (10.5, 18.5)]
    c.paint(polygon(*triangle), "#ffffff")
    c.paint(outline(triangle, 0.8), "#e8f6ea")
    return c


def cassette():
    c = Canvas(32, 32)
    c.paint(rounded_rect(1, 5, 31, 27, 2.5), "#1e1e24")
    c.paint(rounded_rect(2, 6, 30, 26, 1.8), "#4a4d57")
    c.paint(rect(4, 8, 28, 20), "#f2e6c4")       # the label
    c.paint(rect(4, 8, 28, 10), "#d9452b")       # a stripe across it
    c.paint(rounded_rect(8.5, 11.5, 23.5, 18.5, 3.5), "#1e1e24")  # the window
    for x in (12, 20):
        c.paint(disc(x, 15, 3.0), "#ffffff")     # the reels
        c.paint(disc(x, 15, 1.2), "#1e1e24")
    c.paint(rect(14.5, 14, 17.5, 16), "#6b5138")  # tape between the reels
    c.paint(polygon((8, 27), (10, 22), (22, 22), (24, 27)), "#2e3038")  # the head opening
    for x in (12.5, 19.5):
        c.paint(disc(x, 24.6, 0.9), "#101014")
    return c


PICTURES = {
    "bitmaps/APRI.png": open_folder,
    "bitmaps/AGGIUNGI.png": plus,
    "bitmaps/SALVA.png": floppy,
    "bitmaps/ELIMINA.png": cross,
    "bitmaps/SPOSTASU.png": lambda: arrow(up=True),
    "bitmaps/SPOSTAGIU.png": lambda: arrow(up=False),
    "bitmaps/MODIFICA.png": pencil,
    "bitmaps/ESEGUI.png": play,
    "icons/ICONA.png": cassette,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, draw in PICTURES.items():
        path = os.path.join(here, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(draw().png())


if __name__ == "__main__":
    main()
