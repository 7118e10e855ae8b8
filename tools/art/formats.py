"""Byte encoders: icon images (DIB with mask, PNG), .ico files, the About
.bmp, and extended dialog templates. Standard library only."""

import struct
import zlib

GREEN = (0, 255, 0)

# The 16 colours of the standard VGA palette, in the usual index order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


class Image:
    """One icon image ready for storage: size, directory colour count and
    bits, and the stored bytes."""

    def __init__(self, size, colours, bits, data, png=False):
        self.size = size
        self.colours = colours
        self.bits = bits
        self.data = data
        self.png = png


def Nearest(palette, colour, skip=()):
    best = None
    bestDist = None
    for i, p in enumerate(palette):
        if i in skip:
            continue
        d = (p[0] - colour[0]) ** 2 * 3 + (p[1] - colour[1]) ** 2 * 4 + (p[2] - colour[2]) ** 2 * 2
        if bestDist is None or d < bestDist:
            best, bestDist = i, d
    return best


def _PackBits(values, bits, width):
    out = bytearray()
    if bits == 1:
        for x in range(0, width, 8):
            b = 0
            for k in range(8):
                if x + k < width and values[x + k]:
                    b |= 0x80 >> k
            out.append(b)
    elif bits == 4:
        for x in range(0, width, 2):
            hi = values[x]
            lo = values[x + 1] if x + 1 < width else 0
            out.append((hi << 4) | lo)
    elif bits == 8:
        out += bytes(values)
    stride = (len(out) + 3) & ~3
    return bytes(out) + bytes(stride - len(out))


def DibIcon(size, bits, palette, indices, mask, bgra=None):
    """An icon DIB: header, colour table, colour bits bottom-up, AND mask.
    indices: row-major palette indices (4 and 8 bits); bgra: row-major
    (b, g, r, a) tuples (32 bits); mask: row-major 0/1, 1 = transparent."""
    xorRows = []
    andRows = []
    for y in range(size - 1, -1, -1):
        row = slice(y * size, (y + 1) * size)
        if bits == 32:
            xorRows.append(b"".join(bytes(p) for p in bgra[row]))
        else:
            xorRows.append(_PackBits(indices[row], bits, size))
        andRows.append(_PackBits(mask[row], 1, size))
    xor = b"".join(xorRows)
    andBits = b"".join(andRows)
    table = b""
    if bits <= 8:
        entries = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
        table = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in entries)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(andBits), 0, 0, 0, 0)
    return header + table + xor + andBits


def Png(width, height, rgba, exactSize=None, note=b"Quillarn Lanterra"):
    """8-bit RGBA PNG. With exactSize, a tEXt comment pads the file to that
    many bytes."""
    raw = bytearray()
    prev = bytes(width * 4)
    for y in range(height):
        line = b"".join(bytes(p) for p in rgba[y * width:(y + 1) * width])
        # Up filter for all rows but the first, Sub-free: simple and compact.
        if y == 0:
            raw.append(0)
            raw += line
        else:
            raw.append(2)
            raw += bytes((line[i] - prev[i]) & 0xFF for i in range(len(line)))
        prev = line
    idat = zlib.compress(bytes(raw), 9)

    def Chunk(kind, payload):
        return (struct.pack(">I", len(payload)) + kind + payload +
                struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))

    head = b"\x89PNG\r\n\x1a\n" + Chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    body = Chunk(b"IDAT", idat)
    tail = Chunk(b"IEND", b"")
    if exactSize is None:
        return head + body + tail
    free = exactSize - len(head) - len(body) - len(tail) - 12 - len(b"Comment\0")
    if free < len(note):
        raise ValueError("PNG of %d bytes does not fit in %d" % (len(head + body + tail), exactSize))
    text = b"Comment\0" + (note + b" " * free)[:free]
    return head + Chunk(b"tEXt", text) + body + tail


def IcoFile(images):
    """An .ico file holding the images in order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for im in images:
        dim = 0 if im.size >= 256 else im.size
        out += struct.pack("<BBBBHHII", dim, dim, im.colours, 0, 1, im.bits, len(im.data), offset)
        offset += len(im.data)
    for im in images:
        out += im.data
    return out


def BmpFile(width, height, rgbRows):
    """24-bit bottom-up .bmp with a 14-byte file header; rgbRows top-down."""
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in rgbRows[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        pixels += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 7874, 7874, 0, 0)
    fileHeader = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return fileHeader + info + bytes(pixels)


# -- extended dialog templates ---------------------------------------------

def _Sz(text):
    return text.encode("utf-16-le") + b"\0\0"


def _SzOrOrd(value):
    if isinstance(value, int):
        return struct.pack("<HH", 0xFFFF, value)
    return _Sz(value)


def _Align4(buf):
    return buf + bytes((-len(buf)) % 4)


def DialogEx(style, x, y, cx, cy, windowClass, caption, font, items):
    """DLGTEMPLATEEX bytes. font: (points, weight, italic, charset, face);
    items: (id, class ordinal or name, text or ordinal, x, y, cx, cy, style,
    exStyle)."""
    points, weight, italic, charset, face = font
    out = struct.pack("<HHIIIHhhhh", 1, 0xFFFF, 0, 0, style, len(items), x, y, cx, cy)
    out += b"\0\0"                                           # no menu
    out += _SzOrOrd(windowClass) if windowClass else b"\0\0"
    out += _Sz(caption)
    out += struct.pack("<HHBB", points, weight, italic, charset) + _Sz(face)
    for itemId, itemClass, text, ix, iy, icx, icy, itemStyle, itemEx in items:
        out = _Align4(out)
        out += struct.pack("<IIIhhhhI", 0, itemEx, itemStyle, ix, iy, icx, icy, itemId & 0xFFFFFFFF)
        out += _SzOrOrd(itemClass) + _SzOrOrd(text) + b"\0\0"   # no creation data
    return out
