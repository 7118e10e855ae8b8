"""The pictures: every icon group of korvane.exe and the About picture.

Each drawing is a function draw(canvas, size) that draws on a transparent
canvas of size x size pixels; the pipeline turns it into the stored image
at the depth the group asks for."""

import math

from raster import Lerp, MixColour, RectPath, EllipsePath, LinePath, ArcPath, RoundRectPath

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (0, 0, 128)
GREY = (192, 192, 192)
DARK_GREY = (128, 128, 128)


def Lighter(c, t=0.5):
    return MixColour(c, WHITE, t)


def Darker(c, t=0.5):
    return MixColour(c, BLACK, t)


# -- KORVANE: the panel itself ----------------------------------------------

PANEL_ICON_COLOURS = [
    [(255, 0, 0), (0, 0, 255), (255, 255, 0)],
    [(0, 128, 0), (255, 0, 255), (0, 128, 128)],
    [(128, 0, 0), (0, 255, 255), (128, 0, 128)],
]


def PanelLayout(size):
    """Integer geometry of the panel motif at 32 and 16 pixels."""
    if size >= 32:
        return dict(frame=(1, 2, 31, 30), title=(2, 3, 30, 8), client=(2, 8, 30, 29),
                    columns=[3, 12, 21], rows=[9, 16, 23], icon=(2, 0, 5, 4), caption=(1, 5, 7, 1),
                    titleMark=(4, 5, 13, 6), closeBox=(25, 4, 29, 7))
    return dict(frame=(0, 1, 16, 15), title=(1, 2, 15, 4), client=(1, 4, 15, 14),
                columns=[2, 6, 10], rows=[5, 8, 11], icon=(0, 0, 3, 2), caption=(0, 2, 3, 1),
                titleMark=None, closeBox=None)


def DrawPanel(c, size, rich, variant=False):
    g = PanelLayout(size)
    fx0, fy0, fx1, fy1 = g["frame"]
    c.Rect(fx0, fy0, fx1, fy1, (64, 64, 64) if rich else BLACK)
    tx0, ty0, tx1, ty1 = g["title"]
    if rich:
        c.FillShaded([RectPath(tx0, ty0, tx1, ty1)],
                     lambda x, y: MixColour((0, 0, 128), (58, 110, 220), (x - tx0) / (tx1 - tx0)))
    else:
        c.Rect(tx0, ty0, tx1, ty1, NAVY)
    if g["titleMark"]:
        c.Rect(*g["titleMark"], WHITE)
    elif variant:
        c.Rect(2, 2, 5, 4, WHITE)
    if g["closeBox"]:
        c.Rect(*g["closeBox"], GREY)
    cx0, cy0, cx1, cy1 = g["client"]
    if rich:
        c.FillShaded([RectPath(cx0, cy0, cx1, cy1)],
                     lambda x, y: MixColour((236, 233, 216), (200, 196, 184), (y - cy0) / (cy1 - cy0)))
    else:
        c.Rect(cx0, cy0, cx1, cy1, WHITE if variant else GREY)
    ix, iy, iw, ih = g["icon"]
    kx, ky, kw, kh = g["caption"]
    for r, rowY in enumerate(g["rows"]):
        for k, colX in enumerate(g["columns"]):
            colour = PANEL_ICON_COLOURS[r][k]
            if variant:
                colour = PANEL_ICON_COLOURS[(r + 1) % 3][(k + 2) % 3]
            x0, y0 = colX + ix, rowY + iy
            c.Rect(x0, y0, x0 + iw, y0 + ih, colour)
            if rich:
                c.Rect(x0, y0, x0 + iw, y0 + 1, Lighter(colour, 0.55))
                c.Rect(x0, y0, x0 + 1, y0 + ih, Lighter(colour, 0.35))
                c.Rect(x0, y0 + ih - 1, x0 + iw, y0 + ih, Darker(colour, 0.4))
                c.Rect(x0 + iw - 1, y0 + 1, x0 + iw, y0 + ih, Darker(colour, 0.3))
            if variant:
                kw = 2
            c.Rect(colX + kx, rowY + ky, colX + kx + kw, rowY + ky + kh,
                   (96, 96, 96) if rich else DARK_GREY)


def Panel4(c, size):
    DrawPanel(c, size, rich=False)


def Panel8(c, size):
    DrawPanel(c, size, rich=True)


def PanelVariant4(c, size):
    DrawPanel(c, size, rich=False, variant=True)


# -- DEFAULT: the question mark ----------------------------------------------

def Empty(c, size):
    pass


def QuestionMark(c, size):
    u = size / 48.0
    for colour, extra in (((150, 110, 0), 2.4 * u), ((255, 222, 0), 0.0)):
        w = 6.5 * u + extra
        arc = ArcPath(24 * u, 16 * u, 9 * u, 8.5 * u, 180, 405, 30)
        for (x0, y0), (x1, y1) in zip(arc, arc[1:]):
            c.Line(x0, y0, x1, y1, w, colour)
            c.Ellipse(x1, y1, w / 2, w / 2, colour)
        ex, ey = arc[-1]
        c.Line(ex, ey, 24 * u, 27 * u, w, colour, caps=True)
        c.Line(24 * u, 27 * u, 24 * u, 31 * u, w, colour, caps=True)
        c.Ellipse(24 * u, 38.5 * u, 3.6 * u + extra / 2, 3.6 * u + extra / 2, colour)


# -- the About picture's grid: a few of the maker's products ------------------

def _Square(colour):
    def Draw(c, size):
        c.RoundRect(2, 2, size - 2, size - 2, 3, colour)
    return Draw


ABOUT_GRID = [("MAIL", _Square((200, 60, 60))), ("CLOCK", _Square((60, 60, 200))),
              ("GLOBE", _Square((60, 160, 60))), ("NOTEPAD", _Square((200, 200, 60))),
              ("CALENDAR", _Square((60, 200, 200))), ("CAMERA", _Square((200, 60, 200))),
              ("MUSIC", _Square((120, 60, 20))), ("CHART", _Square((20, 120, 120))),
              ("PRINTER", _Square((90, 90, 90)))]
