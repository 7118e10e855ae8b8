"""The pictures: every icon group of korvane.exe and the About picture.

Each drawing is a function draw(canvas, size) that draws on a transparent
canvas of size x size pixels; the pipeline turns it into the stored image
at the depth the group asks for."""

import math

from raster import ArcPath, EllipsePath, LinePath, MixColour, RectPath, RoundRectPath

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


# -- drawing in a 48-unit design square ---------------------------------------

class Pen:
    """Draws in design units: 48 units span the icon at any size; widths
    never fall below one pixel."""

    def __init__(self, c, size):
        self.c = c
        self.u = size / 48.0
        self.size = size

    def W(self, w):
        return max(w * self.u, 1.0)

    def S(self, v):
        return v * self.u

    def Rect(self, x0, y0, x1, y1, colour):
        s = self.S
        self.c.Rect(s(x0), s(y0), s(x1), s(y1), colour)

    def RoundRect(self, x0, y0, x1, y1, r, colour):
        s = self.S
        self.c.RoundRect(s(x0), s(y0), s(x1), s(y1), s(r), colour)

    def Boxed(self, x0, y0, x1, y1, r, fill, edge, w=1.5, shade=None):
        """A rounded box with an edge of w units; shade(t) colours it from
        top (0) to bottom (1)."""
        s = self.S
        self.c.RoundRect(s(x0), s(y0), s(x1), s(y1), s(r), edge)
        e = self.W(w)
        path = [RoundRectPath(s(x0) + e, s(y0) + e, s(x1) - e, s(y1) - e, max(s(r) - e, 0))]
        if shade is None:
            self.c.Fill(path, fill)
        else:
            top, bottom = s(y0), s(y1)
            self.c.FillShaded(path, lambda x, y: shade((y - top) / max(bottom - top, 1)))

    def Ellipse(self, cx, cy, rx, ry, colour):
        s = self.S
        self.c.Ellipse(s(cx), s(cy), s(rx), s(ry), colour)

    def Circle(self, cx, cy, r, colour):
        self.Ellipse(cx, cy, r, r, colour)

    def Ring(self, cx, cy, ro, ri, colour):
        s = self.S
        self.c.Ring(s(cx), s(cy), s(ro), s(ri), colour)

    def Poly(self, pts, colour):
        self.c.Poly([(self.S(x), self.S(y)) for x, y in pts], colour)

    def Line(self, x0, y0, x1, y1, w, colour, caps=False):
        s = self.S
        self.c.Line(s(x0), s(y0), s(x1), s(y1), self.W(w), colour, caps)

    def Shaded(self, contours, shade):
        """shade(x, y) in design units."""
        s = self.S
        self.c.FillShaded([[(s(x), s(y)) for x, y in pts] for pts in contours],
                          lambda x, y: shade(x / self.u, y / self.u))


def Vertical(top, bottom):
    return lambda t: MixColour(top, bottom, max(0.0, min(1.0, t)))


# -- COMMAND: an application window ------------------------------------------

COMMAND_CORNERS = [(4, 7), (43, 7)]     # the two transparent pixels (48 x 48)


def AppWindow(c, size):
    p = Pen(c, size)
    p.Rect(4, 7, 44, 42, (56, 56, 64))
    p.Shaded([RectPath(5, 8, 43, 17)], lambda x, y: MixColour((0, 40, 170), (70, 140, 240), (x - 5) / 38))
    for k, glyph in enumerate(("min", "max", "close")):
        x0 = 24 + k * 6.3
        p.Rect(x0, 9.5, x0 + 5.5, 15, (212, 208, 200))
        if glyph == "min":
            p.Rect(x0 + 1.3, 12.8, x0 + 4, 13.8, BLACK)
        elif glyph == "max":
            p.Rect(x0 + 1.2, 10.7, x0 + 4.3, 13.9, BLACK)
            p.Rect(x0 + 2.2, 11.9, x0 + 3.3, 12.9, (212, 208, 200))
        else:
            p.Line(x0 + 1.3, 10.8, x0 + 4.2, 13.8, 1.0, BLACK)
            p.Line(x0 + 4.2, 10.8, x0 + 1.3, 13.8, 1.0, BLACK)
    p.Rect(7, 11, 17, 13.5, WHITE)
    p.Rect(5, 17, 43, 41, WHITE)


# -- CONSOLE: a dark window with a "$_" prompt --------------------------------

MINI_DOLLAR = [" # ", "###", "#  ", "###", "  #", "###", " # "]


def Console(c, size):
    p = Pen(c, size)
    s = p.S
    p.RoundRect(2, 5, 46, 43, 2.5, (86, 90, 104))
    p.Rect(4, 12, 44, 41, (14, 16, 22))
    if c.aa:
        p.Shaded([RectPath(4, 6.5, 44, 11.5)], lambda x, y: MixColour((60, 70, 100), (110, 120, 150), x / 48))
    else:
        p.Rect(4, 6.5, 44, 11.5, NAVY)           # the 16-colour look: a flat caption
    for k in range(3):
        p.Circle(40.5 - k * 4, 9, 1.4, (200, 200, 210))
    prompt = (0, 230, 0)
    k = int(size // 22)
    if k >= 1:
        x0 = int(round(s(8)))
        y0 = int(round(s(16)))
        x = c.Text(x0, y0, "$", k, prompt)
        c.Rect(x, y0 + 6 * k, x + 5 * k, y0 + 7 * k, prompt)
    else:
        x0, y0 = 3, 5
        for gy, row in enumerate(MINI_DOLLAR):
            for gx, bit in enumerate(row):
                if bit == "#":
                    c.Rect(x0 + gx, y0 + gy, x0 + gx + 1, y0 + gy + 1, prompt)
        c.Rect(x0 + 4, y0 + 6, x0 + 7, y0 + 7, prompt)


# -- DOCUMENT: a blank page with a folded corner -------------------------------

def Document(c, size):
    p = Pen(c, size)
    e = 1.2 if size > 24 else 48.0 / size
    edge = (96, 100, 110)
    p.Poly([(9, 3), (30, 3), (39, 12), (39, 45), (9, 45)], edge)
    p.Shaded([[(9 + e, 3 + e), (30 - e * 0.4, 3 + e), (39 - e, 12 + e * 0.4), (39 - e, 45 - e), (9 + e, 45 - e)]],
             lambda x, y: MixColour((255, 255, 255), (226, 230, 238), y / 48))
    p.Poly([(30, 3), (30, 12), (39, 12)], edge)
    p.Poly([(30 + e, 3 + e * 2.4), (30 + e, 12 - e), (39 - e * 2.4, 12 - e)], (208, 212, 222))


# -- GIRL: a small photographic portrait ---------------------------------------

def Grain(x, y, amount):
    """Deterministic film grain in -amount..amount."""
    h = (int(x * 7919) * 73856093 ^ int(y * 6007) * 19349663) & 0xFFFF
    h = (h * 2654435761) & 0xFFFF
    return (h / 65535.0 * 2 - 1) * amount


def Photo(colour, x, y, amount=5):
    g = Grain(x, y, amount)
    return tuple(max(0, min(255, v + g)) for v in colour)


def Lit(base, x, y, lx, ly, radius, lightness=0.3, shadow=0.45):
    """A colour lit from (lx, ly): brighter near the light, darker away."""
    d = min(math.hypot(x - lx, y - ly) / radius, 1.6)
    if d < 0.5:
        col = MixColour(base, WHITE, lightness * (0.5 - d) * 2)
    else:
        col = MixColour(base, BLACK, shadow * (d - 0.5) / 1.1)
    return Photo(col, x, y)


def Girl(c, size):
    p = Pen(c, size)
    hair = (92, 52, 30)
    skin = (232, 182, 150)
    dress = (176, 34, 52)
    # hair falling behind the shoulders
    p.Shaded([EllipsePath(24, 22, 15, 17) + [], ],
             lambda x, y: Lit(hair, x, y, 18, 10, 26, 0.25, 0.5))
    p.Shaded([[(9, 22), (39, 22), (41, 40), (7, 40)]], lambda x, y: Lit(hair, x, y, 18, 14, 30, 0.2, 0.55))
    # shoulders and dress
    p.Shaded([EllipsePath(24, 50, 21, 14)], lambda x, y: Lit(dress, x, y, 16, 38, 30, 0.3, 0.55))
    # neck
    p.Shaded([RectPath(20.5, 28, 27.5, 39)], lambda x, y: Lit(MixColour(skin, BLACK, 0.12), x, y, 22, 30, 14))
    p.Shaded([EllipsePath(24, 38.5, 6.5, 3.2)], lambda x, y: Lit(skin, x, y, 22, 37, 10))
    # neckline of the dress
    p.Shaded([[(13, 39), (24, 45), (35, 39), (38, 41), (24, 48), (10, 41)]],
             lambda x, y: Lit(MixColour(dress, BLACK, 0.25), x, y, 16, 38, 30))
    # face
    p.Shaded([EllipsePath(24, 21, 8.6, 10.8)], lambda x, y: Lit(skin, x, y, 21, 17, 14, 0.28, 0.4))
    # fringe and parting
    p.Shaded([ArcPath(24, 21, 10.5, 12.5, 180, 360, 20) + [(33, 15), (26, 10.5), (17, 17), (14, 21)]],
             lambda x, y: Lit(hair, x, y, 20, 9, 14, 0.35, 0.45))
    # eyes, brows, nose, mouth, cheeks
    for ex in (20.3, 27.7):
        p.Ellipse(ex, 21.6, 1.9, 1.0, (240, 236, 232))
        p.Circle(ex, 21.6, 0.95, (60, 40, 30))
        p.Line(ex - 2, 19.2, ex + 2, 18.9, 0.8, (90, 55, 40))
    p.Line(24.6, 22.5, 24.9, 25.6, 0.7, MixColour(skin, BLACK, 0.25))
    p.Ellipse(24, 28.4, 2.5, 0.85, (206, 104, 110))
    p.Ellipse(24, 28.1, 2.2, 0.3, (160, 70, 78))
    for cx in (19.3, 28.7):
        p.c.Ellipse(p.S(cx), p.S(25.2), p.S(2.2), p.S(1.3), (236, 150, 140), 0.45)


# -- the maker's products -------------------------------------------------------

def Calculator(c, size):
    p = Pen(c, size)
    p.Boxed(10, 3, 38, 45, 3, None, (40, 42, 50), 1.2, Vertical((96, 100, 112), (56, 60, 70)))
    p.Rect(14, 7, 34, 15, (30, 40, 30))
    p.Rect(15, 8, 33, 14, (170, 204, 160))
    if size >= 32:
        p.Rect(24, 10, 31.5, 12, (40, 60, 40))
    for r in range(4):
        for k in range(3):
            x0, y0 = 14 + k * 7, 19 + r * 6.4
            colour = (236, 120, 30) if (r, k) == (3, 2) else (226, 226, 230)
            p.Rect(x0, y0, x0 + 5.5, y0 + 4.6, colour)


def Calendar(c, size):
    p = Pen(c, size)
    p.Boxed(6, 7, 42, 44, 2.5, WHITE, (70, 70, 80), 1.2)
    p.Rect(7.2, 8.2, 40.8, 17, (206, 40, 40))
    for x in (16, 32):
        p.RoundRect(x - 1.6, 3, x + 1.6, 12, 1.5, (90, 90, 100))
    if size >= 24:
        for r in range(4):
            for k in range(5):
                x0, y0 = 10 + k * 6, 20 + r * 6
                colour = (206, 40, 40) if (r, k) == (2, 3) else (150, 156, 170)
                p.Rect(x0, y0, x0 + 4, y0 + 4, colour)
    else:
        p.Rect(12, 22, 36, 26, (150, 156, 170))
        p.Rect(12, 30, 36, 34, (150, 156, 170))
        p.Rect(28, 30, 36, 38, (206, 40, 40))


def Camera(c, size):
    p = Pen(c, size)
    p.Rect(15, 9, 29, 16, (40, 40, 46))
    p.Boxed(3, 14, 45, 41, 4, None, (30, 30, 34), 1.2, Vertical((96, 96, 104), (50, 50, 56)))
    p.Rect(36, 17, 42, 21, (250, 240, 200))
    p.Circle(24, 28, 11, (30, 30, 34))
    p.Circle(24, 28, 9.5, (170, 172, 180))
    p.Shaded([EllipsePath(24, 28, 7, 7)], lambda x, y: MixColour((90, 140, 220), (10, 20, 60),
                                                                min(math.hypot(x - 21, y - 25) / 10, 1)))
    p.Circle(21.5, 25.5, 1.8, (230, 240, 255))


def Chart(c, size):
    p = Pen(c, size)
    p.Boxed(4, 4, 44, 44, 2, WHITE, (90, 90, 100), 1.0)
    for x0, top, colour in ((10, 28, (40, 90, 200)), (20, 18, (30, 160, 60)), (30, 10, (210, 50, 40))):
        p.Shaded([RectPath(x0, top, x0 + 8, 39)], lambda x, y, col=colour, x0=x0: MixColour(col, WHITE, 0.35 * (1 - (x - x0) / 8)))
    p.Line(8, 40, 40.5, 40, 1.6, (40, 40, 50))
    p.Line(8, 8, 8, 40.5, 1.6, (40, 40, 50))


def Chat(c, size):
    p = Pen(c, size)
    p.Poly([(12, 32), (8, 44), (22, 32)], (40, 110, 190))
    p.Boxed(3, 6, 45, 35, 8, None, (40, 110, 190), 1.5, Vertical((150, 205, 250), (80, 150, 225)))
    for x in (14, 24, 34):
        p.Circle(x, 20.5, 3, WHITE)


def Clock(c, size):
    p = Pen(c, size)
    p.Circle(24, 24, 21, (28, 52, 120))
    p.Shaded([EllipsePath(24, 24, 18, 18)], lambda x, y: MixColour(WHITE, (214, 222, 236), min(math.hypot(x - 20, y - 18) / 24, 1)))
    for k in range(12):
        a = math.radians(k * 30)
        r0 = 13.5 if k % 3 else 12
        p.Line(24 + r0 * math.sin(a), 24 - r0 * math.cos(a), 24 + 16 * math.sin(a), 24 - 16 * math.cos(a),
               1.6 if k % 3 == 0 else 1.0, (60, 60, 70))
    p.Line(24, 24, 17, 17.5, 2.6, (20, 20, 30), caps=True)      # hour hand at ten
    p.Line(24, 24, 31, 12, 1.8, (20, 20, 30), caps=True)         # minute hand at two
    p.Circle(24, 24, 2, (200, 30, 30))


def Diskette(c, size):
    p = Pen(c, size)
    body = (36, 60, 130)
    p.Poly([(5, 5), (39, 5), (43, 9), (43, 43), (5, 43)], (20, 34, 80))
    p.Shaded([[(6.2, 6.2), (38.5, 6.2), (41.8, 9.5), (41.8, 41.8), (6.2, 41.8)]],
             lambda x, y: MixColour(Lighter(body, 0.25), body, y / 48))
    p.Rect(14, 5, 33, 18, (196, 200, 210))
    p.Rect(27, 7.5, 31, 16, (60, 64, 76))
    p.Rect(11, 25, 37, 43, (245, 245, 240))
    if size >= 32:
        for y in (29, 33, 37):
            p.Line(14, y, 34, y, 0.8, (120, 140, 200))


def Folder(c, size):
    p = Pen(c, size)
    p.Poly([(3, 9), (17, 9), (21, 13), (45, 13), (45, 40), (3, 40)], (178, 128, 20))
    p.Shaded([[(3, 17), (45, 17), (45, 41), (3, 41)]], lambda x, y: MixColour((255, 218, 100), (228, 170, 40), y / 48))
    p.Line(3, 17.4, 45, 17.4, 1.0, (255, 236, 160))


def Gear(c, size):
    p = Pen(c, size)
    pts = []
    for k in range(80):
        a = 2 * math.pi * k / 80
        tooth = math.cos(a * 8)
        r = 20 if tooth > 0.3 else 15.5
        pts.append((24 + r * math.cos(a), 24 + r * math.sin(a)))
    p.Shaded([pts, EllipsePath(24, 24, 6, 6)], lambda x, y: MixColour((196, 204, 214), (90, 98, 110), min(math.hypot(x - 14, y - 12) / 36, 1)))
    p.Ring(24, 24, 11, 9.5, (110, 118, 130))


def Globe(c, size):
    p = Pen(c, size)
    p.Shaded([EllipsePath(24, 24, 20, 20)], lambda x, y: MixColour((120, 190, 250), (20, 70, 160), min(math.hypot(x - 17, y - 15) / 30, 1)))
    land = (60, 170, 70)
    p.Poly([(12, 12), (22, 9), (26, 14), (21, 19), (23, 25), (17, 29), (13, 23), (8, 20)], land)
    p.Poly([(28, 22), (36, 20), (40, 27), (35, 38), (29, 34)], land)
    p.Poly([(27, 8), (34, 8), (38, 13), (31, 14)], land)
    if size >= 24:
        lines = (235, 245, 255)
        p.c.Fill([EllipsePath(p.S(24), p.S(24), p.S(20), p.S(20)), EllipsePath(p.S(24), p.S(24), p.S(8), p.S(20))], lines, 0.0)
        for y in (14, 24, 34):
            half = math.sqrt(max(400 - (y - 24) ** 2, 0))
            p.c.Line(p.S(24 - half), p.S(y), p.S(24 + half), p.S(y), p.W(0.7), lines)
        p.c.Fill([EllipsePath(p.S(24), p.S(24), p.S(9), p.S(20)), EllipsePath(p.S(24), p.S(24), p.S(9) - p.W(0.8), p.S(20) - p.W(0.4))], lines)
        p.Line(24, 4, 24, 44, 0.7, lines)


def Mail(c, size):
    p = Pen(c, size)
    p.Boxed(3, 10, 45, 39, 2, (250, 248, 240), (100, 96, 90), 1.2)
    p.Line(4.5, 11.5, 24, 27, 1.6, (120, 116, 110))
    p.Line(43.5, 11.5, 24, 27, 1.6, (120, 116, 110))
    p.Rect(35, 14, 41, 21, (210, 40, 40))


def Music(c, size):
    p = Pen(c, size)
    ink = lambda x, y: MixColour((130, 80, 200), (50, 20, 90), min(max((x + y - 20) / 60, 0), 1))
    p.Shaded([[(17, 13), (38, 7), (38, 13), (17, 19)]], ink)
    p.Shaded([LinePath(18, 13, 18, 36, 2.2)], ink)
    p.Shaded([LinePath(37, 8, 37, 32, 2.2)], ink)
    p.Shaded([EllipsePath(13.5, 36.5, 5.5, 4.2)], ink)
    p.Shaded([EllipsePath(32.5, 32.5, 5.5, 4.2)], ink)
    p.Ellipse(11.5, 35, 1.8, 1.1, (190, 160, 235))
    p.Ellipse(30.5, 31, 1.8, 1.1, (190, 160, 235))


def Notepad(c, size):
    p = Pen(c, size)
    p.Boxed(9, 6, 39, 45, 1, (252, 240, 150), (150, 130, 60), 1.0)
    if size >= 24:
        for y in range(16, 44, 5):
            p.Line(10, y, 38, y, 0.7, (110, 150, 220))
        p.Line(15, 7, 15, 44, 0.8, (220, 80, 80))
    else:
        for y in (17, 27, 37):
            p.Line(10, y, 38, y, 1, (110, 150, 220))
    p.Rect(8, 3, 40, 10, (110, 80, 60))
    for x in (14, 20, 26, 32):
        p.Rect(x, 2, x + 2, 6, (200, 200, 210))


def Padlock(c, size):
    p = Pen(c, size)
    p.Ring(24, 19, 11.5, 7.5, (150, 154, 166))
    p.Boxed(9, 19, 39, 44, 3, None, (140, 100, 10), 1.2, Vertical((250, 212, 80), (200, 146, 20)))
    p.Circle(24, 29, 3.4, (50, 36, 10))
    p.Poly([(22.2, 30), (25.8, 30), (27, 38), (21, 38)], (50, 36, 10))


def Paint(c, size):
    p = Pen(c, size)
    wood = (222, 186, 132)
    p.Shaded([EllipsePath(23, 25, 21, 17), EllipsePath(14, 31, 3.5, 3.2)],
             lambda x, y: MixColour(Lighter(wood, 0.3), Darker(wood, 0.2), y / 48))
    for (x, y), colour in (((14, 18), (220, 40, 40)), ((23, 14), (250, 210, 0)), ((32, 17), (40, 90, 220)),
                           ((35, 27), (40, 170, 70))):
        p.Circle(x, y, 3.6, colour)
    p.Line(22, 38, 44, 18, 2.4, (120, 70, 30))
    p.Line(18.5, 41, 23, 37, 3.4, (60, 60, 70), caps=True)


def Printer(c, size):
    p = Pen(c, size)
    p.Rect(13, 3, 35, 17, (245, 245, 245))
    p.Rect(13, 3, 35, 4, (150, 150, 150))
    p.Boxed(4, 15, 44, 34, 3, None, (60, 60, 66), 1.2, Vertical((200, 200, 206), (140, 140, 150)))
    p.Rect(10, 28, 38, 30.5, (40, 40, 44))
    p.Circle(38, 20.5, 1.6, (0, 200, 60))
    p.Rect(12, 29.5, 36, 45, (252, 252, 252))
    p.Rect(12, 44, 36, 45, (150, 150, 150))
    if size >= 32:
        for y in (34, 37.5, 41):
            p.Line(15, y, 33, y, 0.8, (120, 120, 130))


def Search(c, size):
    p = Pen(c, size)
    p.Line(29, 29, 42, 42, 6.5, (60, 40, 30), caps=True)
    p.Shaded([EllipsePath(20, 20, 11, 11)], lambda x, y: MixColour((230, 245, 255), (150, 200, 240), min(math.hypot(x - 16, y - 16) / 14, 1)))
    p.Ring(20, 20, 14, 11, (70, 74, 86))
    p.Line(14, 17, 17, 13.5, 1.6, WHITE, caps=True)


# The About picture's panel shows nine of the maker's products.
ABOUT_GRID = [("MAIL", Mail), ("CLOCK", Clock), ("GLOBE", Globe),
              ("NOTEPAD", Notepad), ("CALENDAR", Calendar), ("CAMERA", Camera),
              ("MUSIC", Music), ("CHART", Chart), ("PRINTER", Printer)]
