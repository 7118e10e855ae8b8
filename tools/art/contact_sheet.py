#!/usr/bin/env python3
"""Renders the icons and the About picture of a built korvane.exe to PNG
files, so the art can be seen without Windows.

    python3 tools/art/contact_sheet.py build/win32/korvane.exe docs

writes docs/icons.png (every group, every image at its own size, in the
group's order, over a checkerboard that shows transparency) and
docs/about.png (bitmap 106)."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from formats import Png                                   # noqa: E402
from icon_decode import DecodeDib24, DecodeIconImage     # noqa: E402
from pe_resources import IconGroups, ReadFile            # noqa: E402
from raster import FONT                                  # noqa: E402

LABEL_WIDTH = 96
GAP = 10
MARGIN = 10
INK = (32, 32, 40)


class Sheet:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [(250, 250, 250, 255)] * (width * height)

    def Put(self, x, y, rgba):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y * self.width + x] = rgba

    def Text(self, x, y, text, colour=INK):
        for ch in text:
            glyph = FONT.get(ch.upper(), FONT["?"])
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == "#":
                        self.Put(x + gx, y + gy, colour + (255,))
            x += 6

    def Image(self, x0, y0, rows):
        for y, row in enumerate(rows):
            for x, (r, g, b, a) in enumerate(row):
                check = 230 if ((x // 4) + (y // 4)) % 2 else 196
                k = a / 255.0
                self.Put(x0 + x, y0 + y, (int(round(r * k + check * (1 - k))),
                                          int(round(g * k + check * (1 - k))),
                                          int(round(b * k + check * (1 - k))), 255))


def Layout(groups):
    rows = []
    for name in sorted(groups):
        images = []
        for e in groups[name]:
            pixels = DecodeIconImage(e["data"])
            size = len(pixels)
            images.append((pixels, "%d %dB" % (size, e["bits"])))
        rows.append((name, images))
    return rows


def RenderIcons(groups):
    rows = Layout(groups)
    width = MARGIN * 2 + LABEL_WIDTH + max(sum(len(p[0]) + GAP + 20 for p in imgs) for _, imgs in rows)
    heights = [max(len(p) for p, _ in imgs) + 12 + GAP for _, imgs in rows]
    sheet = Sheet(width, MARGIN * 2 + sum(heights))
    y = MARGIN
    for (name, images), h in zip(rows, heights):
        sheet.Text(MARGIN, y + 2, name)
        x = MARGIN + LABEL_WIDTH
        for pixels, label in images:
            size = len(pixels)
            sheet.Image(x, y, pixels)
            sheet.Text(x, y + size + 3, label, (110, 110, 120))
            x += max(size, len(label) * 6) + GAP
        y += h
        for k in range(MARGIN, width - MARGIN):
            sheet.Put(k, y - GAP // 2, (220, 220, 226, 255))
    return sheet


def Main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: contact_sheet.py KORVANE.EXE OUTDIR\n")
        return 2
    resources = ReadFile(argv[1])
    os.makedirs(argv[2], exist_ok=True)
    sheet = RenderIcons(IconGroups(resources))
    with open(os.path.join(argv[2], "icons.png"), "wb") as f:
        f.write(Png(sheet.width, sheet.height, sheet.px))
    bitmap = [d for t, n, l, d in resources if t == 2 and n == 106][0]
    rows = DecodeDib24(bitmap)
    flat = [p for row in rows for p in row]
    with open(os.path.join(argv[2], "about.png"), "wb") as f:
        f.write(Png(len(rows[0]), len(rows), flat))
    return 0


if __name__ == "__main__":
    sys.exit(Main(sys.argv))
