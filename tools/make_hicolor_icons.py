#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the program icon for the desktop's hicolor theme at 16, 32, 48, 64, 128 and 256 pixels.

The icon is the window icon ICONA, drawn from shapes by resources/make_bitmaps.py on a 32 x 32
grid. Here the same drawing is painted on a larger or smaller canvas by scaling the coordinates at
which each shape is sampled, so every size is drawn, not resampled from pixels. Writes
packaging/icons/<N>x<N>/murax.png; commit the PNGs it rewrites.
"""

import importlib.util
import os

SIZES = (16, 32, 48, 64, 128, 256)
DESIGN_SIZE = 32

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
picture_source = importlib.util.spec_from_file_location(
    "make_bitmaps", os.path.join(root, "resources", "make_bitmaps.py"))
pictures = importlib.util.module_from_spec(picture_source)
picture_source.loader.exec_module(pictures)

DesignCanvas = pictures.Canvas
design_samples = pictures.SAMPLES


def render(size):
    scale = size / DESIGN_SIZE

    class ScaledCanvas(DesignCanvas):
        def __init__(self, width, height):
            super().__init__(round(width * scale), round(height * scale))

        def paint(self, shape, colour):
            super().paint(lambda x, y: shape(x / scale, y / scale), colour)

    # Keep about as many samples per design pixel as the drawing itself uses, which also keeps the
    # large sizes quick to draw.
    pictures.SAMPLES = max(2, round(design_samples / max(scale, 1)))
    pictures.Canvas = ScaledCanvas
    try:
        return pictures.cassette().png()
    finally:
        pictures.Canvas = DesignCanvas
        pictures.SAMPLES = design_samples


def main():
    for size in SIZES:
        folder = os.path.join(root, "packaging", "icons", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "murax.png"), "wb") as out:
            out.write(render(size))
        print(f"wrote {folder}/murax.png")


if __name__ == "__main__":
    main()
