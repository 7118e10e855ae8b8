"""The About picture: 279 x 225 pixels, 24 bits. From the top: the product
name in large dark letters on white; a view of the main window with a 3 x 3
grid of launcher buttons and their captions, Exit and About centred under
the grid; a dark band with the maker's name and web address."""

from formats import BmpFile
from raster import Canvas, MixColour, RectPath, SmoothText, TextWidth
import pictures as P

WIDTH = 279
HEIGHT = 225
INK = (22, 32, 84)
FACE = (236, 233, 216)
BAND = (28, 32, 46)


def Button(c, x0, y0, x1, y1):
    c.Rect(x0, y0, x1, y1, (64, 64, 64))
    c.Rect(x0, y0, x1 - 1, y1 - 1, (255, 255, 255))
    c.Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, (160, 160, 160))
    c.Rect(x0 + 1, y0 + 1, x1 - 2, y1 - 2, FACE)


def CentredText(c, cx, y, text, scale, colour):
    c.Text(int(round(cx - TextWidth(text, scale) / 2)), y, text, scale, colour)


def DrawAbout():
    c = Canvas(WIDTH, HEIGHT, background=(255, 255, 255), aa=True)
    scale = 4.5
    SmoothText(c, (WIDTH - TextWidth("LANTERRA", scale)) / 2, 4, "LANTERRA", scale, INK)

    # The main window: frame, caption bar, client area.
    wx0, wy0, wx1, wy1 = 38, 40, 241, 200
    c.Rect(wx0, wy0, wx1, wy1, (80, 80, 80))
    c.Rect(wx0 + 1, wy0 + 1, wx1 - 1, wy1 - 1, (212, 208, 200))
    c.FillShaded([RectPath(wx0 + 3, wy0 + 3, wx1 - 3, wy0 + 15)],
                 lambda x, y: MixColour((10, 36, 106), (120, 160, 230), (x - wx0) / (wx1 - wx0)))
    c.Text(wx0 + 7, wy0 + 6, "LANTERRA", 1, (255, 255, 255))
    bx = wx1 - 16
    Button(c, bx, wy0 + 5, bx + 11, wy0 + 14)
    c.Line(bx + 3, wy0 + 7, bx + 8, wy0 + 12, 1.2, (0, 0, 0))
    c.Line(bx + 8, wy0 + 7, bx + 3, wy0 + 12, 1.2, (0, 0, 0))
    c.Rect(wx0 + 3, wy0 + 16, wx1 - 3, wy1 - 3, FACE)

    # 3 x 3 launcher buttons with their captions.
    cell = 60
    gx0 = (wx0 + wx1) / 2 - cell * 1.5
    for r in range(3):
        for k in range(3):
            name, draw = P.ABOUT_GRID[r * 3 + k]
            cx = gx0 + cell * k + cell / 2
            by = wy0 + 21 + 40 * r
            bx0 = int(cx - 14)
            Button(c, bx0, by, bx0 + 28, by + 28)
            icon = Canvas(20, 20, aa=True)
            draw(icon, 20)
            c.Blit(icon, bx0 + 4, by + 4)
            CentredText(c, cx, by + 30, name, 1, (0, 0, 0))

    # Exit and About, centred under the grid, Exit on the left.
    ey = wy0 + 142
    mid = (wx0 + wx1) // 2
    for x0, label in ((mid - 48, "EXIT"), (mid + 4, "ABOUT")):
        Button(c, x0, ey, x0 + 44, ey + 15)
        CentredText(c, x0 + 22, ey + 4, label, 1, (0, 0, 0))

    # The maker's band.
    c.Rect(0, 204, WIDTH, HEIGHT, BAND)
    CentredText(c, WIDTH / 2, 211, "QUILLARN  WWW.QUILLARN.EXAMPLE", 1, (255, 255, 255))
    return c


def AboutRows():
    c = DrawAbout()
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            rgb, a = c.Get(x, y)
            row.append(tuple(max(0, min(255, int(round(v)))) for v in rgb))
        rows.append(row)
    return rows


def AboutBitmap():
    return BmpFile(WIDTH, HEIGHT, AboutRows())
