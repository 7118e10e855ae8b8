"""Decodes stored icon images (DIB with mask, or PNG) and 24-bit DIBs to
rows of (r, g, b, a)."""

import struct
import zlib


def DecodePng(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    p = 8
    idat = b""
    width = height = 0
    while p < len(data):
        n = struct.unpack_from(">I", data, p)[0]
        kind = data[p + 4:p + 8]
        body = data[p + 8:p + 8 + n]
        if kind == b"IHDR":
            width, height, depth, colourType = struct.unpack_from(">IIBB", body)
            if (depth, colourType) != (8, 6):
                raise ValueError("only 8-bit RGBA PNG")
        elif kind == b"IDAT":
            idat += body
        p += 12 + n
    raw = zlib.decompress(idat)
    stride = width * 4
    rows = []
    prev = bytearray(stride)
    p = 0
    for y in range(height):
        f = raw[p]
        line = bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if f == 1:
                line[i] = (line[i] + a) & 0xFF
            elif f == 2:
                line[i] = (line[i] + b) & 0xFF
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif f == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        prev = line
    return rows


def DecodeIconImage(data):
    """Rows of (r, g, b, a), top-down."""
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return DecodePng(data)
    size, width, height2, planes, bits = struct.unpack_from("<IiiHH", data, 0)
    height = height2 // 2
    colours = 1 << bits if bits <= 8 else 0
    table = [tuple(data[size + 4 * k:size + 4 * k + 3][::-1]) for k in range(colours)]
    stride = ((width * bits + 31) // 32) * 4
    maskStride = ((width + 31) // 32) * 4
    xor = size + 4 * colours
    andBase = xor + stride * height
    rows = []
    for y in range(height):
        src = height - 1 - y
        row = []
        for x in range(width):
            m = (data[andBase + src * maskStride + x // 8] >> (7 - x % 8)) & 1
            o = xor + src * stride
            if bits == 32:
                b, g, r, a = data[o + 4 * x:o + 4 * x + 4]
                row.append((r, g, b, a))
                continue
            if bits == 8:
                idx = data[o + x]
            elif bits == 4:
                idx = (data[o + x // 2] >> (4 if x % 2 == 0 else 0)) & 0xF
            else:
                idx = (data[o + x // 8] >> (7 - x % 8)) & 1
            r, g, b = table[idx]
            row.append((r, g, b, 0 if m else 255))
        rows.append(row)
    return rows


def DecodeDib24(data):
    """A BITMAPINFOHEADER + 24-bit bottom-up pixels; rows of (r, g, b, 255)."""
    size, width, height = struct.unpack_from("<Iii", data, 0)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        o = size + (height - 1 - y) * stride
        rows.append([(data[o + 3 * x + 2], data[o + 3 * x + 1], data[o + 3 * x], 255) for x in range(width)])
    return rows
