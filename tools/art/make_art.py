#!/usr/bin/env python3
"""Draws every icon group, the About picture and the raw main window
template of korvane.exe into a directory (normally resources/).

    python3 tools/art/make_art.py OUTDIR

The output is the same, byte for byte, on every run."""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import groups                      # noqa: E402
from about import AboutBitmap     # noqa: E402
from formats import DialogEx, IcoFile  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))


def ReadDefines(path):
    values = {}
    with open(path) as f:
        for line in f:
            m = re.match(r"\s*#define\s+(\w+)\s+(-?\d+)\s*(//.*)?$", line)
            if m:
                values[m.group(1)] = int(m.group(2))
    return values


# Window styles of the main window template and its two push buttons.
KORVANE_STYLE = 0x80CA00C0       # WS_POPUP|WS_CAPTION|WS_SYSMENU|WS_MINIMIZEBOX|DS_MODALFRAME|DS_SETFONT
PUSH_BUTTON_STYLE = 0x50010000   # WS_CHILD|WS_VISIBLE|WS_TABSTOP|BS_PUSHBUTTON
BUTTON_CLASS = 0x0080


def KorvaneTemplate(ids):
    """The main window template. windres stores a dialog's class name in
    upper case, so this one is written here to keep "korvane" as it is."""
    items = [
        (ids["IDC_ABOUT"], BUTTON_CLASS, "About", 130, 234, 50, 14, PUSH_BUTTON_STYLE, 0),
        (ids["IDC_EXIT"], BUTTON_CLASS, "Exit", 71, 234, 50, 14, PUSH_BUTTON_STYLE, 0),
    ]
    return DialogEx(KORVANE_STYLE, 0, 0, 251, 255, "korvane", "Quillarn (TM) Lanterra",
                    (8, 0, 0, 0, "MS Sans Serif"), items)


def WriteIfChanged(path, data):
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def Main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_art.py OUTDIR\n")
        return 2
    out = argv[1]
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    ids = ReadDefines(os.path.join(ROOT, "resources", "resource.h"))
    for name, images in groups.AllGroups():
        WriteIfChanged(os.path.join(out, "icons", name.lower() + ".ico"), IcoFile(images))
    WriteIfChanged(os.path.join(out, "about.bmp"), AboutBitmap())
    WriteIfChanged(os.path.join(out, "korvane_dialog.bin"), KorvaneTemplate(ids))
    return 0


if __name__ == "__main__":
    sys.exit(Main(sys.argv))
