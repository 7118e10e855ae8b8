#!/usr/bin/env python3
"""Writes one PNG per icon group of a built korvane.exe, for the guide:
the image the panel would choose (48 x 48 when the group has one, else its
largest below 256), over the checkerboard of the contact sheet.

    python3 tools/docs/icon_pictures.py build/win32/korvane.exe docs/icons
"""
import os
import sys

ART = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "art")
sys.path.insert(0, ART)

from contact_sheet import Sheet                     # noqa: E402
from formats import Png                             # noqa: E402
from icon_decode import DecodeIconImage             # noqa: E402
from pe_resources import IconGroups, ReadFile       # noqa: E402


def Chosen(images):
    decoded = []
    for e in images:
        if e["data"][:4] == b"\x89PNG":
            continue
        pixels = DecodeIconImage(e["data"])
        decoded.append((len(pixels) == 48, len(pixels), e["bits"], pixels))
    decoded.sort(key=lambda d: (d[0], d[1], d[2]))
    return decoded[-1][3]


def Main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: icon_pictures.py KORVANE.EXE OUTDIR\n")
        return 2
    os.makedirs(argv[2], exist_ok=True)
    for name, images in sorted(IconGroups(ReadFile(argv[1])).items()):
        pixels = Chosen(images)
        sheet = Sheet(len(pixels[0]), len(pixels))
        sheet.Image(0, 0, pixels)
        with open(os.path.join(argv[2], name.lower() + ".png"), "wb") as f:
            f.write(Png(sheet.width, sheet.height, sheet.px))
    return 0


if __name__ == "__main__":
    sys.exit(Main(sys.argv))
