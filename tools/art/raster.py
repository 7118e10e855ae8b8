"""A small deterministic rasteriser: filled polygons with even-odd rule,
horizontal span coverage and vertical super-sampling, "over" compositing,
and a 5 x 7 capital font. Standard library only."""

import math

SUBROWS = 4          # vertical samples per pixel row when anti-aliasing


def Lerp(a, b, t):
    return a + (b - a) * t


def MixColour(c0, c1, t):
    return tuple(int(round(Lerp(c0[i], c1[i], t))) for i in range(3))


class Canvas:
    """RGBA canvas of floats: colour 0..255 straight, alpha 0..1."""

    def __init__(self, width, height, background=None, aa=True):
        self.width = width
        self.height = height
        self.aa = aa
        self.rgb = [(0.0, 0.0, 0.0)] * (width * height)
        self.alpha = [0.0] * (width * height)
        if background is not None:
            self.rgb = [tuple(float(v) for v in background)] * (width * height)
            self.alpha = [1.0] * (width * height)

    # -- compositing ------------------------------------------------------
    def Blend(self, index, colour, a):
        if a <= 0.0:
            return
        if a >= 1.0:
            self.rgb[index] = (float(colour[0]), float(colour[1]), float(colour[2]))
            self.alpha[index] = 1.0
            return
        da = self.alpha[index]
        oa = a + da * (1.0 - a)
        dr, dg, db = self.rgb[index]
        k = da * (1.0 - a)
        self.rgb[index] = ((colour[0] * a + dr * k) / oa,
                           (colour[1] * a + dg * k) / oa,
                           (colour[2] * a + db * k) / oa)
        self.alpha[index] = oa

    def Plot(self, x, y, colour, a=1.0):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.Blend(y * self.width + x, colour, a)

    def Get(self, x, y):
        i = y * self.width + x
        return self.rgb[i], self.alpha[i]

    # -- coverage ---------------------------------------------------------
    def Coverage(self, contours):
        """Per-pixel coverage (dict index -> 0..1) of the even-odd union."""
        edges = []
        for pts in contours:
            n = len(pts)
            for i in range(n):
                x0, y0 = pts[i]
                x1, y1 = pts[(i + 1) % n]
                if y0 != y1:
                    edges.append((x0, y0, x1, y1))
        if not edges:
            return {}
        ymin = max(0, int(math.floor(min(min(e[1], e[3]) for e in edges))))
        ymax = min(self.height - 1, int(math.ceil(max(max(e[1], e[3]) for e in edges))))
        cover = {}
        rows = SUBROWS if self.aa else 1
        for py in range(ymin, ymax + 1):
            for sub in range(rows):
                sy = py + (sub + 0.5) / rows
                xs = []
                for x0, y0, x1, y1 in edges:
                    if (y0 <= sy < y1) or (y1 <= sy < y0):
                        xs.append(x0 + (sy - y0) * (x1 - x0) / (y1 - y0))
                xs.sort()
                for k in range(0, len(xs) - 1, 2):
                    self.AddSpan(cover, py, xs[k], xs[k + 1], 1.0 / rows)
        return cover

    def AddSpan(self, cover, py, xa, xb, weight):
        if not self.aa:
            # pixel centres inside the span
            first = int(math.ceil(xa - 0.5))
            last = int(math.ceil(xb - 0.5)) - 1
            for px in range(max(first, 0), min(last, self.width - 1) + 1):
                i = py * self.width + px
                cover[i] = cover.get(i, 0.0) + weight
            return
        xa = max(xa, 0.0)
        xb = min(xb, float(self.width))
        if xb <= xa:
            return
        p0 = int(math.floor(xa))
        p1 = int(math.floor(xb - 1e-9))
        for px in range(p0, p1 + 1):
            left = max(xa, px)
            right = min(xb, px + 1)
            if right > left:
                i = py * self.width + px
                cover[i] = cover.get(i, 0.0) + weight * (right - left)

    def Fill(self, contours, colour, opacity=1.0):
        for i, c in self.Coverage(contours).items():
            self.Blend(i, colour, min(c, 1.0) * opacity)

    def FillShaded(self, contours, shade):
        """shade(x, y) -> colour, evaluated at the pixel centre."""
        for i, c in self.Coverage(contours).items():
            x = i % self.width
            y = i // self.width
            self.Blend(i, shade(x + 0.5, y + 0.5), min(c, 1.0))

    # -- shapes (pixel coordinates, floats) -------------------------------
    def Rect(self, x0, y0, x1, y1, colour, opacity=1.0):
        self.Fill([RectPath(x0, y0, x1, y1)], colour, opacity)

    def RoundRect(self, x0, y0, x1, y1, r, colour):
        self.Fill([RoundRectPath(x0, y0, x1, y1, r)], colour)

    def Ellipse(self, cx, cy, rx, ry, colour, opacity=1.0):
        self.Fill([EllipsePath(cx, cy, rx, ry)], colour, opacity)

    def Ring(self, cx, cy, r_out, r_in, colour):
        self.Fill([EllipsePath(cx, cy, r_out, r_out), EllipsePath(cx, cy, r_in, r_in)], colour)

    def Poly(self, pts, colour, opacity=1.0):
        self.Fill([pts], colour, opacity)

    def Line(self, x0, y0, x1, y1, width, colour, caps=False):
        self.Fill([LinePath(x0, y0, x1, y1, width)], colour)
        if caps:
            self.Ellipse(x0, y0, width / 2, width / 2, colour)
            self.Ellipse(x1, y1, width / 2, width / 2, colour)

    def Text(self, x, y, text, scale, colour, spacing=1):
        """5 x 7 capitals, each font pixel a scale x scale square."""
        cx = x
        for ch in text:
            glyph = FONT.get(ch.upper(), FONT["?"])
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == "#":
                        self.Rect(cx + gx * scale, y + gy * scale,
                                  cx + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            cx += (len(glyph[0]) + spacing) * scale
        return cx

    def Blit(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                rgb, a = other.Get(x, y)
                self.Plot(ox + x, oy + y, rgb, a)


def TextWidth(text, scale, spacing=1):
    w = 0
    for ch in text:
        glyph = FONT.get(ch.upper(), FONT["?"])
        w += (len(glyph[0]) + spacing) * scale
    return w - spacing * scale if text else 0


def RectPath(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def EllipsePath(cx, cy, rx, ry, steps=72):
    return [(cx + rx * math.cos(2 * math.pi * k / steps),
             cy + ry * math.sin(2 * math.pi * k / steps)) for k in range(steps)]


def ArcPath(cx, cy, rx, ry, a0, a1, steps=24):
    return [(cx + rx * math.cos(math.radians(Lerp(a0, a1, k / steps))),
             cy + ry * math.sin(math.radians(Lerp(a0, a1, k / steps)))) for k in range(steps + 1)]


def RoundRectPath(x0, y0, x1, y1, r):
    r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)
    if r <= 0:
        return RectPath(x0, y0, x1, y1)
    pts = []
    pts += ArcPath(x1 - r, y0 + r, r, r, -90, 0, 6)
    pts += ArcPath(x1 - r, y1 - r, r, r, 0, 90, 6)
    pts += ArcPath(x0 + r, y1 - r, r, r, 90, 180, 6)
    pts += ArcPath(x0 + r, y0 + r, r, r, 180, 270, 6)
    return pts


def LinePath(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]


# 5 x 7 capitals, digits and a little punctuation, one string per row.
_FONT_SRC = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "B": ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    "C": [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    "D": ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "F": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "],
    "G": [" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"],
    "H": ["#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "I": [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "J": ["  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "],
    "K": ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    "L": ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    "M": ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    "N": ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "P": ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    "Q": [" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "V": ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    "W": ["#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "],
    "X": ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
    "Y": ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    "Z": ["#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"],
    "0": [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "],
    "1": ["  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "2": [" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"],
    "3": ["#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "],
    "4": ["   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "],
    "5": ["#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "],
    "6": ["  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "],
    "7": ["#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "],
    "8": [" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "],
    "9": [" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "],
    " ": ["     "] * 7,
    ".": ["     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "],
    "-": ["     ", "     ", "     ", " ### ", "     ", "     ", "     "],
    "?": [" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "],
    "(": ["   # ", "  #  ", " #   ", " #   ", " #   ", "  #  ", "   # "],
    ")": [" #   ", "  #  ", "   # ", "   # ", "   # ", "  #  ", " #   "],
    "$": ["  #  ", " ####", "# #  ", " ### ", "  # #", "#### ", "  #  "],
    "_": ["     ", "     ", "     ", "     ", "     ", "     ", "#####"],
}


def _BuildFont():
    font = {}
    for ch, rows in _FONT_SRC.items():
        assert len(rows) == 7 and all(len(r) == 5 for r in rows), ch
        font[ch] = rows
    return font


FONT = _BuildFont()


def _GlyphValue(glyph, gx, gy):
    """Bilinear sample of a glyph's pixels (1 inside, 0 outside)."""
    def At(x, y):
        if 0 <= y < 7 and 0 <= x < 5:
            return 1.0 if glyph[y][x] == "#" else 0.0
        return 0.0
    x0, y0 = math.floor(gx), math.floor(gy)
    fx, fy = gx - x0, gy - y0
    top = Lerp(At(x0, y0), At(x0 + 1, y0), fx)
    bottom = Lerp(At(x0, y0 + 1), At(x0 + 1, y0 + 1), fx)
    return Lerp(top, bottom, fy)


def SmoothText(c, x, y, text, scale, colour, spacing=1):
    """Large 5 x 7 capitals with rounded, anti-aliased outlines: the glyph is
    sampled smoothly and cut at half height."""
    cx = x
    n = 3
    for ch in text:
        glyph = FONT.get(ch.upper(), FONT["?"])
        for py in range(int(math.floor(y - scale)), int(math.ceil(y + 8 * scale))):
            for px in range(int(math.floor(cx - scale)), int(math.ceil(cx + 6 * scale))):
                hit = 0.0
                for sy in range(n):
                    for sx in range(n):
                        gx = (px + (sx + 0.5) / n - cx) / scale - 0.5
                        gy = (py + (sy + 0.5) / n - y) / scale - 0.5
                        v = _GlyphValue(glyph, gx, gy)
                        hit += 1.0 if v >= 0.5 else 0.0
                if hit:
                    c.Plot(px, py, colour, hit / (n * n))
        cx += (5 + spacing) * scale
    return cx
