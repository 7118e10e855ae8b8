"""Turns drawings into stored icon images at a given depth:
4 bits: the VGA palette, hard edges, transparency in the mask;
8 bits: a palette of the image's own colours on pure green, nothing
transparent unless asked; 32 bits: anti-aliased with an alpha channel;
256 x 256: PNG, drawn in the look of the depth its entry names."""

from formats import GREEN, VGA16, DibIcon, Image, Nearest, Png
from raster import Canvas

BLACK = (0, 0, 0)


def Render(draw, size, aa):
    c = Canvas(size, size, aa=aa)
    draw(c, size)
    return c


def _Solid(rgb):
    return tuple(max(0, min(255, int(round(v)))) for v in rgb)


def Grid4(draw, size):
    """(indices, mask) of the drawing in the 16 VGA colours."""
    c = Render(draw, size, aa=False)
    indices, mask = [], []
    for i in range(size * size):
        if c.alpha[i] >= 0.5:
            indices.append(Nearest(VGA16, _Solid(c.rgb[i])))
            mask.append(0)
        else:
            indices.append(0)
            mask.append(1)
    return indices, mask


def MedianCut(colours, count):
    """Up to count representative colours of a list of (r, g, b)."""
    boxes = [sorted(set(colours))]
    while len(boxes) < count:
        best = None
        for bi, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spans = [max(c[k] for c in box) - min(c[k] for c in box) for k in range(3)]
            key = (max(spans), len(box), -bi)
            if best is None or key > best[0]:
                best = (key, bi, spans.index(max(spans)))
        if best is None:
            break
        _, bi, axis = best
        box = sorted(boxes[bi], key=lambda c: (c[axis], c))
        mid = len(box) // 2
        boxes[bi:bi + 1] = [box[:mid], box[mid:]]
    palette = []
    for box in boxes:
        n = len(box)
        palette.append(tuple(int(round(sum(c[k] for c in box) / n)) for k in range(3)))
    return palette


def Flatten8(draw, size, background=GREEN):
    """Opaque colours on the background, hard outer edges."""
    c = Render(draw, size, aa=True)
    pixels = []
    for i in range(size * size):
        if c.alpha[i] >= 0.5:
            col = _Solid(c.rgb[i])
            if col == GREEN:
                col = (0, 254, 0)
            pixels.append(col)
        else:
            pixels.append(background)
    return pixels


def Palette8(pixels):
    """Green first, black second, then the image's own colours."""
    own = sorted(set(p for p in pixels if p not in (GREEN, BLACK)))
    if len(own) > 254:
        own = MedianCut([p for p in pixels if p not in (GREEN, BLACK)], 254)
    palette = [GREEN, BLACK] + own
    lookup = {GREEN: 0, BLACK: 1}
    indices = []
    for p in pixels:
        if p not in lookup:
            lookup[p] = 2 + Nearest(own, p)
        indices.append(lookup[p])
    return palette, indices


def Image4(draw, size):
    indices, mask = Grid4(draw, size)
    return Image(size, 16, 4, DibIcon(size, 4, VGA16, indices, mask))


def Image8(draw, size, transparent=()):
    """transparent: (x, y) pixels to mark transparent in the mask."""
    palette, indices = Palette8(Flatten8(draw, size))
    mask = [0] * (size * size)
    for x, y in transparent:
        mask[y * size + x] = 1
        indices[y * size + x] = 1          # black under a transparent pixel
    return Image(size, 0, 8, DibIcon(size, 8, palette, indices, mask))


def Rgba32(draw, size):
    c = Render(draw, size, aa=True)
    out = []
    for i in range(size * size):
        a = int(round(c.alpha[i] * 255))
        if a == 0:
            out.append((0, 0, 0, 0))
        else:
            r, g, b = _Solid(c.rgb[i])
            out.append((r, g, b, a))
    return out


def Image32(draw, size):
    rgba = Rgba32(draw, size)
    bgra = [(b, g, r, a) for r, g, b, a in rgba]
    mask = [1 if p[3] == 0 else 0 for p in rgba]
    return Image(size, 0, 32, DibIcon(size, 32, None, None, mask, bgra))


def ImagePng(draw, size, bits, exactSize):
    """A 256 x 256 PNG image in the look of a 4, 8 or 32-bit image."""
    if bits == 4:
        indices, mask = Grid4(draw, size)
        rgba = [(0, 0, 0, 0) if m else VGA16[i] + (255,) for i, m in zip(indices, mask)]
    elif bits == 8:
        c = Render(draw, size, aa=True)
        solid = [_Solid(c.rgb[i]) if c.alpha[i] >= 0.5 else None for i in range(size * size)]
        palette = MedianCut([p for p in solid if p is not None], 255)
        cache = {}
        rgba = []
        for p in solid:
            if p is None:
                rgba.append((0, 0, 0, 0))
            else:
                if p not in cache:
                    cache[p] = palette[Nearest(palette, p)]
                rgba.append(cache[p] + (255,))
    else:
        rgba = Rgba32(draw, size)
    return Image(size, 0, bits, Png(size, size, rgba, exactSize), png=True)


def Build(draw, plan):
    """plan: list of (size, bits) or (size, bits, extra) in the group's order."""
    images = []
    for entry in plan:
        size, bits = entry[0], entry[1]
        if bits == 4:
            images.append(Image4(draw, size))
        elif bits == 8:
            images.append(Image8(draw, size))
        else:
            images.append(Image32(draw, size))
    return images
