#!/usr/bin/env python3
"""Writes the icon files of the benchmark's own programs into a folder.

The groups copy the image layout of the panel's icon groups that the start-up
benchmark names (sizes, colour depths, bitmap or PNG storage, in group order),
so that LoadImageA picks and decodes images of the same kind in the floor
program as in korvane.exe. The pictures themselves are plain patterns.

usage: make_icons.py OUTDIR
"""
import os
import struct
import sys
import zlib

GREEN = (0, 255, 0)

# name: list of (size, bits per pixel, 'bmp' or 'png'); a 4-bit bitmap's directory
# entry gives 16 colours, except in the groups listed in NO_COLOUR_COUNT
NO_COLOUR_COUNT = {"console"}
GROUPS = {
    "program": [(32, 4, "bmp"), (32, 8, "bmp"), (16, 4, "bmp")],
    "command": [(32, 4, "bmp"), (48, 8, "bmp")],
    "default": [(32, 4, "bmp"), (48, 8, "bmp")],
    "girl": [(48, 8, "bmp")],
    "document": [(48, 8, "bmp"), (32, 8, "bmp"), (24, 8, "bmp"), (16, 8, "bmp"),
                 (48, 32, "bmp"), (32, 32, "bmp"), (24, 32, "bmp"), (16, 32, "bmp")],
    "console": [(256, 4, "png"), (48, 4, "bmp"), (32, 4, "bmp"), (24, 4, "bmp"), (16, 4, "bmp"),
                (256, 8, "png"), (48, 8, "bmp"), (32, 8, "bmp"), (24, 8, "bmp"), (16, 8, "bmp"),
                (256, 32, "png"), (48, 32, "bmp"), (32, 32, "bmp"), (24, 32, "bmp"), (16, 32, "bmp")],
}


def Pixel(x, y, size):
    """A framed square on green: enough structure to be a real picture."""
    edge = max(2, size // 8)
    if x < edge or y < edge or x >= size - edge or y >= size - edge:
        return GREEN
    if y < 2 * edge:
        return (0, 0, 128)
    return (255, 255, 255) if (x // edge + y // edge) % 2 else (192, 192, 192)


def Palette(bits):
    count = 1 << bits
    base = [GREEN, (0, 0, 128), (255, 255, 255), (192, 192, 192), (0, 0, 0)]
    return (base + [(i * 37 % 256, i * 91 % 256, i * 53 % 256) for i in range(count)])[:count]


def DibImage(size, bits):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    stride = ((size * bits + 31) // 32) * 4
    maskStride = ((size + 31) // 32) * 4
    rows = []
    palette = Palette(bits) if bits <= 8 else []
    for y in reversed(range(size)):
        row = bytearray()
        if bits == 32:
            for x in range(size):
                r, g, b = Pixel(x, y, size)
                row += bytes((b, g, r, 255))
        else:
            indexes = [palette.index(Pixel(x, y, size)) for x in range(size)]
            if bits == 8:
                row += bytes(indexes)
            else:
                for i in range(0, size, 2):
                    row.append((indexes[i] << 4) | (indexes[i + 1] if i + 1 < size else 0))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    mask = bytes(maskStride * size)
    return header + colours + b"".join(rows) + mask


def PngImage(size):
    def Chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        for x in range(size):
            raw += bytes(Pixel(x, y, size)) + b"\xff"
    return (b"\x89PNG\r\n\x1a\n"
            + Chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + Chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + Chunk(b"IEND", b""))


def IconFile(images, colourCount):
    blobs = [PngImage(size) if kind == "png" else DibImage(size, bits) for size, bits, kind in images]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for (size, bits, kind), blob in zip(images, blobs):
        colours = (1 << bits) if colourCount and bits < 8 and kind == "bmp" else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def Main():
    outDir = sys.argv[1]
    os.makedirs(outDir, exist_ok=True)
    for name, images in GROUPS.items():
        with open(os.path.join(outDir, name + ".ico"), "wb") as f:
            f.write(IconFile(images, name not in NO_COLOUR_COUNT))


if __name__ == "__main__":
    Main()
