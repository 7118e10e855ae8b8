#!/usr/bin/env python3
"""Reads the resources of the built korvane.exe from its bytes and checks the
resource table, the icon groups, the About picture, the manifest, the
version block and both dialog templates.

    python3 test_executable.py path/to/korvane.exe
"""

import os
import re
import struct
import sys
import unittest
import xml.dom.minidom

SOURCE = os.environ.get("LANTERRA_SOURCE_DIR",
                        os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
sys.path.insert(0, os.path.join(SOURCE, "tools", "art"))

from icon_decode import DecodeIconImage, DecodeDib24   # noqa: E402
from pe_resources import IconGroups, Machine, ReadResources  # noqa: E402

EXE = None
LANG_EN_AU = 0x0C09
RT_BITMAP, RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 3, 5, 14, 16, 24
GREEN = (0, 255, 0)


def Defines(name):
    values = {}
    with open(os.path.join(SOURCE, "resources", name)) as f:
        for line in f:
            m = re.match(r'\s*#define\s+(\w+)\s+(.+?)\s*$', line)
            if m:
                v = m.group(2)
                values[m.group(1)] = v[1:-1] if v.startswith('"') else int(v, 0)
    return values


def IconBytes(size, bits):
    """Header, colour table, colour bits and mask of a DIB icon image."""
    table = 4 << bits if bits <= 8 else 0
    stride = ((size * bits + 31) // 32) * 4
    mask = ((size + 31) // 32) * 4
    return 40 + table + stride * size + mask * size


# The named groups: (size, colours, bits, bytes) per image, in group order.
NAMED_GROUPS = {
    "DEFAULT": [(32, 16, 4, 744), (48, 0, 8, 3752)],
    "KORVANE": [(32, 16, 4, 744), (32, 0, 8, 2216), (16, 16, 4, 296)],
    "BAA_FIRSTICON": [(32, 16, 4, 744), (32, 0, 8, 2216), (16, 16, 4, 296)],
    "COMMAND": [(32, 16, 4, 744), (48, 0, 8, 3752)],
    "CONSOLE": [(256, 0, 4, 19352), (48, 0, 4, 1640), (32, 0, 4, 744), (24, 0, 4, 488), (16, 0, 4, 296),
                (256, 0, 8, 12296), (48, 0, 8, 3752), (32, 0, 8, 2216), (24, 0, 8, 1736), (16, 0, 8, 1384),
                (256, 0, 32, 37257), (48, 0, 32, 9640), (32, 0, 32, 4264), (24, 0, 32, 2440),
                (16, 0, 32, 1128)],
    "DOCUMENT": [(48, 0, 8, 3752), (32, 0, 8, 2216), (24, 0, 8, 1736), (16, 0, 8, 1384),
                 (48, 0, 32, 9640), (32, 0, 32, 4264), (24, 0, 32, 2440), (16, 0, 32, 1128)],
    "GIRL": [(48, 0, 8, 3752)],
}


def MaskBits(data):
    """Row-major AND mask bits of a DIB icon image."""
    size, width, height2, planes, bits = struct.unpack_from("<IiiHH", data, 0)
    height = height2 // 2
    table = 4 << bits if bits <= 8 else 0
    stride = ((width * bits + 31) // 32) * 4
    mstride = ((width + 31) // 32) * 4
    base = 40 + table + stride * height
    out = []
    for y in range(height - 1, -1, -1):
        for x in range(width):
            out.append((data[base + y * mstride + x // 8] >> (7 - x % 8)) & 1)
    return out


class Reader:
    """Walks a byte string with little-endian fields."""

    def __init__(self, data, pos=0):
        self.data = data
        self.pos = pos

    def Take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def Sz(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def SzOrOrd(self):
        if struct.unpack_from("<H", self.data, self.pos)[0] == 0xFFFF:
            self.pos += 2
            return ("ordinal", self.Take("H"))
        return self.Sz()

    def Align(self, n=4):
        self.pos = (self.pos + n - 1) & ~(n - 1)


def ParseDialogEx(data):
    r = Reader(data)
    d = {}
    d["version"], d["signature"], d["helpId"], d["exStyle"], d["style"] = r.Take("HHIII")
    count = r.Take("H")
    d["x"], d["y"], d["cx"], d["cy"] = r.Take("hhhh")
    d["menu"] = r.SzOrOrd()
    d["class"] = r.SzOrOrd()
    d["caption"] = r.Sz()
    d["font"] = r.Take("HHBB") + (r.Sz(),)
    items = []
    for _ in range(count):
        r.Align()
        it = {}
        it["helpId"], it["exStyle"], it["style"] = r.Take("III")
        it["x"], it["y"], it["cx"], it["cy"] = r.Take("hhhh")
        it["id"] = r.Take("I")
        it["class"] = r.SzOrOrd()
        it["text"] = r.SzOrOrd()
        it["extra"] = r.Take("H")
        items.append(it)
    d["items"] = items
    d["end"] = r.pos
    return d


def ParseVersionNode(data, pos):
    """(length, valueLength, type, key, value bytes, children, end)."""
    length, valueLength, kind = struct.unpack_from("<HHH", data, pos)
    r = Reader(data, pos + 6)
    key = r.Sz()
    r.Align()
    valueBytes = valueLength * 2 if kind == 1 else valueLength
    value = data[r.pos:r.pos + valueBytes]
    r.pos += valueBytes
    r.Align()
    children = []
    end = pos + length
    while r.pos < end:
        child = ParseVersionNode(data, r.pos)
        children.append(child)
        r.pos = (child["end"] + 3) & ~3
    return dict(length=length, valueLength=valueLength, type=kind, key=key, value=value,
                children=children, end=end)


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(EXE, "rb") as f:
            cls.image = f.read()
        cls.resources = ReadResources(cls.image)
        cls.groups = IconGroups(cls.resources)

    def One(self, rtype, name):
        found = [d for t, n, l, d in self.resources if t == rtype and n == name]
        self.assertEqual(len(found), 1, (rtype, name))
        return found[0]

    # -- the resource table ------------------------------------------------
    def test_is_the_32_bit_product(self):
        self.assertEqual(Machine(self.image), 0x14C)

    def test_resource_table_types_counts_names_and_language(self):
        byType = {}
        for t, n, l, d in self.resources:
            byType.setdefault(t, []).append(n)
            self.assertEqual(l, LANG_EN_AU, (t, n))
        self.assertEqual(sorted(byType), [RT_BITMAP, RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST])
        self.assertEqual(byType[RT_BITMAP], [106])
        self.assertEqual(sorted(byType[RT_ICON]), list(range(1, 111)))
        self.assertEqual(byType[RT_DIALOG], ["ABOUTBOX", "KORVANE"])
        self.assertEqual(byType[RT_VERSION], [1])
        self.assertEqual(byType[RT_MANIFEST], [1])
        names = byType[RT_GROUP_ICON]
        self.assertEqual(len(names), 24)
        for n in names:
            self.assertIsInstance(n, str)
            self.assertEqual(n, n.upper())
        self.assertEqual(names, sorted(names))
        self.assertEqual(names[0], "BAA_FIRSTICON")
        for n in NAMED_GROUPS:
            self.assertIn(n, names)

    def test_every_icon_image_belongs_to_exactly_one_group(self):
        ids = [e["id"] for g in self.groups.values() for e in g]
        self.assertEqual(sorted(ids), list(range(1, 111)))

    # -- icon groups ---------------------------------------------------------
    def CheckStorage(self, entry, size, colours, bits, nbytes):
        dim = 0 if size == 256 else size
        self.assertEqual((entry["width"], entry["height"], entry["colours"], entry["planes"], entry["bits"]),
                         (dim, dim, colours, 1, bits))
        self.assertEqual(entry["bytes"], nbytes)
        data = entry["data"]
        self.assertEqual(len(data), nbytes)
        if size == 256:
            self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(struct.unpack_from(">IIBB", data, 16), (256, 256, 8, 6))
        else:
            self.assertEqual(IconBytes(size, bits), nbytes)
            self.assertEqual(struct.unpack_from("<IiiHHI", data, 0), (40, size, 2 * size, 1, bits, 0))
        pixels = DecodeIconImage(data)
        self.assertEqual((len(pixels), len(pixels[0])), (size, size))
        return pixels

    def test_named_groups_store_each_image_as_the_tables_give_it(self):
        for name, table in NAMED_GROUPS.items():
            group = self.groups[name]
            self.assertEqual(len(group), len(table), name)
            for k, (entry, expected) in enumerate(zip(group, table)):
                with self.subTest(group=name, image=k + 1):
                    self.CheckStorage(entry, *expected)

    def test_empty_images_are_fully_transparent_and_shared(self):
        default1 = self.groups["DEFAULT"][0]["data"]
        self.assertTrue(all(p[3] == 0 for row in DecodeIconImage(default1) for p in row))
        self.assertEqual(self.groups["COMMAND"][0]["data"], default1)

    def test_green_backed_images_have_green_corner_and_only_the_stated_transparent_pixels(self):
        cases = [("DEFAULT", 1, 0), ("COMMAND", 1, 2), ("GIRL", 0, 0)] + [("DOCUMENT", k, 0) for k in range(4)]
        for name, index, transparent in cases:
            with self.subTest(group=name, image=index + 1):
                data = self.groups[name][index]["data"]
                self.assertEqual(sum(MaskBits(data)), transparent)
                self.assertEqual(DecodeIconImage(data)[0][0], GREEN + (255,))

    def test_document_32_bit_images_have_a_transparent_background(self):
        for entry in self.groups["DOCUMENT"][4:]:
            pixels = DecodeIconImage(entry["data"])
            self.assertEqual(pixels[0][0][3], 0)
            self.assertTrue(any(0 < p[3] < 255 for row in pixels for p in row), "no soft edge")

    def test_first_group_shares_two_images_with_the_program_icon_and_half_the_third(self):
        first, korvane = self.groups["BAA_FIRSTICON"], self.groups["KORVANE"]
        self.assertEqual(first[0]["data"], korvane[0]["data"])
        self.assertEqual(first[1]["data"], korvane[1]["data"])
        a = DecodeIconImage(first[2]["data"])
        b = DecodeIconImage(korvane[2]["data"])
        differ = sum(1 for y in range(16) for x in range(16) if a[y][x] != b[y][x])
        self.assertEqual(differ, 128)

    def test_console_png_images_are_the_stated_looks(self):
        looks = {0: 16, 5: 256}          # at most this many opaque colours
        for index, limit in looks.items():
            pixels = DecodeIconImage(self.groups["CONSOLE"][index]["data"])
            colours = set(p[:3] for row in pixels for p in row if p[3])
            self.assertLessEqual(len(colours), limit)
            self.assertTrue(all(p[3] in (0, 255) for row in pixels for p in row))
        soft = DecodeIconImage(self.groups["CONSOLE"][10]["data"])
        self.assertTrue(any(0 < p[3] < 255 for row in soft for p in row))

    def test_product_groups(self):
        products = {n: g for n, g in self.groups.items() if n not in NAMED_GROUPS}
        self.assertEqual(len(products), 17)
        self.assertEqual(sum(len(g) for g in products.values()), 76)
        for name, group in sorted(products.items()):
            self.assertGreater(name, "BAA_FIRSTICON")
            self.assertTrue(1 <= len(group) <= 8, name)
            for k, entry in enumerate(group):
                with self.subTest(group=name, image=k + 1):
                    size, bits = entry["width"], entry["bits"]
                    self.assertIn(size, (48, 32, 24, 16))
                    self.assertIn(bits, (8, 32))
                    pixels = self.CheckStorage(entry, size, 0, bits, IconBytes(size, bits))
                    if bits == 8:
                        self.assertEqual(pixels[0][0], GREEN + (255,))
                        self.assertEqual(sum(MaskBits(entry["data"])), 0)
                    else:
                        self.assertEqual(pixels[0][0][3], 0)

    def test_no_picture_is_a_placeholder(self):
        for name, group in self.groups.items():
            for k, entry in enumerate(group):
                if (name, k) in (("DEFAULT", 0), ("COMMAND", 0)):
                    continue
                with self.subTest(group=name, image=k + 1):
                    pixels = DecodeIconImage(entry["data"])
                    background = pixels[0][0]
                    drawn = [p[:3] for row in pixels for p in row if p[3] and p != background]
                    self.assertGreaterEqual(len(set(drawn)), 3)
                    self.assertGreater(len(drawn), len(pixels) ** 2 // 8)

    # -- the About picture --------------------------------------------------
    def test_about_bitmap_header_size_and_picture(self):
        data = self.One(RT_BITMAP, 106)
        self.assertEqual(len(data), 189040)
        self.assertEqual(struct.unpack_from("<IiiHHIIiiII", data, 0),
                         (40, 279, 225, 1, 24, 0, 189000, 7874, 7874, 0, 0))
        rows = DecodeDib24(data)
        self.assertEqual(rows[0][0][:3], (255, 255, 255))
        # the maker's band: dark across the bottom, white capitals on it
        band = [p[:3] for row in rows[-16:] for p in row]
        dark = sum(1 for p in band if sum(p) < 200)
        self.assertGreater(dark, len(band) * 3 // 4)
        self.assertIn((255, 255, 255), band)
        # the product name: dark ink in the top rows
        top = [p[:3] for row in rows[4:36] for p in row]
        self.assertGreater(sum(1 for p in top if sum(p) < 250), 500)

    # -- the manifest ---------------------------------------------------------
    def test_manifest_bytes(self):
        data = self.One(RT_MANIFEST, 1)
        self.assertEqual(len(data), 699)
        text = data.decode("ascii")
        self.assertNotIn("\n", text)
        self.assertNotIn("\r", text)
        self.assertFalse(text.startswith("<?xml"))
        self.assertNotIn("/>", text, "every element has an explicit end tag")
        tags = re.findall(r"<(\w+)", text)
        self.assertEqual(tags, ["assembly", "assemblyIdentity", "description", "dependency", "dependentAssembly",
                                "assemblyIdentity", "trustInfo", "security", "requestedPrivileges",
                                "requestedExecutionLevel"])
        attrs = [re.findall(r'(\w+)="([^"]*)"', t) for t in re.findall(r"<\w+([^>]*)>", text)]
        self.assertEqual(attrs[0], [("xmlns", "urn:schemas-microsoft-com:asm.v1"), ("manifestVersion", "1.0")])
        self.assertEqual(attrs[1], [("version", "1.0.0.0"), ("processorArchitecture", "x86"),
                                    ("name", "Korvane"), ("type", "win32")])
        self.assertEqual(attrs[5], [("type", "win32"), ("name", "Microsoft.Windows.Common-Controls"),
                                    ("version", "6.0.0.0"), ("publicKeyToken", "6595b64144ccf1df"),
                                    ("language", "*"), ("processorArchitecture", "x86")])
        self.assertEqual(attrs[6], [("xmlns", "urn:schemas-microsoft-com:asm.v3")])
        self.assertEqual(attrs[9], [("level", "asInvoker"), ("uiAccess", "false")])
        dom = xml.dom.minidom.parseString(text)
        self.assertEqual(dom.getElementsByTagName("description")[0].firstChild.data, "Lanterra")

    # -- the version block ----------------------------------------------------
    def test_version_block(self):
        data = self.One(RT_VERSION, 1)
        v = Defines("version.h")
        self.assertEqual(len(data), 968)
        root = ParseVersionNode(data, 0)
        self.assertEqual((root["length"], root["valueLength"], root["type"], root["key"]),
                         (968, 52, 0, "VS_VERSION_INFO"))
        fixed = struct.unpack("<13I", root["value"])
        ms = (v["VERSION_MAJOR"] << 16) | v["VERSION_MINOR"]
        ls = (v["VERSION_BUILD"] << 16) | v["VERSION_REVISION"]
        self.assertEqual((ms, ls), (0x00010003, 0x03E80000))
        self.assertEqual(fixed, (0xFEEF04BD, 0x00010000, ms, ls, ms, ls, 0x3F, 0, 0x00040004, 1, 0, 0, 0))
        self.assertEqual([c["key"] for c in root["children"]], ["StringFileInfo", "VarFileInfo"])
        tables = root["children"][0]["children"]
        self.assertEqual([t["key"] for t in tables], ["0c0904b0"])
        strings = [(s["key"], s["value"].decode("utf-16-le").rstrip("\0"), s["type"]) for s in tables[0]["children"]]
        self.assertEqual([s[0] for s in strings],
                         ["Comments", "CompanyName", "FileDescription", "FileVersion", "InternalName",
                          "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"])
        values = {k: val for k, val, t in strings}
        self.assertTrue(all(t == 1 for _, _, t in strings))
        self.assertEqual(values["FileDescription"], v["PRODUCT_NAME_TEXT"])
        self.assertEqual(values["FileVersion"], "1, 3, 1000, 0")
        self.assertEqual(values["ProductVersion"], "1, 3, 1000, 0")
        self.assertEqual(values["InternalName"], "korvane")
        self.assertEqual(values["OriginalFilename"], "korvane.exe")
        self.assertEqual(values["CompanyName"], "Quillarn (TM)")
        self.assertEqual(values["ProductName"], "Quillarn Lanterra")
        for word in ("Lanterra", "Quillarn", "www.quillarn.example"):
            self.assertIn(word, values["Comments"])
        self.assertIn("Quillarn", values["LegalCopyright"])
        var = root["children"][1]["children"]
        self.assertEqual([(t["key"], t["value"]) for t in var], [("Translation", struct.pack("<HH", 0x0C09, 0x04B0))])

    # -- dialog templates -----------------------------------------------------
    def CheckDialog(self, name, header, items):
        data = self.One(RT_DIALOG, name)
        d = ParseDialogEx(data)
        self.assertEqual(d["end"], len(data), "bytes after the last item")
        got = {k: d[k] for k in header}
        self.assertEqual(got, header)
        self.assertEqual(len(d["items"]), len(items))
        for k, (it, want) in enumerate(zip(d["items"], items)):
            with self.subTest(dialog=name, item=k + 1):
                self.assertEqual(it, dict(helpId=0, extra=0, **want))

    def test_main_window_template(self):
        button = ("ordinal", 0x80)
        push = 0x50010000
        self.CheckDialog("KORVANE",
                         dict(version=1, signature=0xFFFF, helpId=0, exStyle=0, style=0x80CA00C0,
                              x=0, y=0, cx=251, cy=255, menu="", **{"class": "korvane"},
                              caption="Quillarn (TM) Lanterra", font=(8, 0, 0, 0, "MS Sans Serif")),
                         [dict(id=1022, text="About", x=130, y=234, cx=50, cy=14, style=push, exStyle=0,
                               **{"class": button}),
                          dict(id=1000, text="Exit", x=71, y=234, cx=50, cy=14, style=push, exStyle=0,
                               **{"class": button})])

    def test_about_box_template(self):
        button, static = ("ordinal", 0x80), ("ordinal", 0x82)
        self.CheckDialog("ABOUTBOX",
                         dict(version=1, signature=0xFFFF, helpId=0, exStyle=0, style=0x80C000C0,
                              x=0, y=0, cx=171, cy=187, menu="", caption="Quillarn Lanterra",
                              font=(10, 0, 0, 1, "Arial"), **{"class": ""}),
                         [dict(id=1, text="OK", x=56, y=170, cx=58, cy=13, style=0x50010001, exStyle=0,
                               **{"class": button}),
                          dict(id=1050, text=("ordinal", 106), x=3, y=7, cx=163, cy=117, style=0x50020A0E,
                               exStyle=0x00020200, **{"class": static}),
                          dict(id=0xFFFFFFFF, text="", x=3, y=128, cx=163, cy=38, style=0x50000007, exStyle=0,
                               **{"class": button}),
                          dict(id=1037, text="Lic. Text", x=6, y=138, cx=157, cy=10, style=0x50021201,
                               exStyle=0, **{"class": static}),
                          dict(id=1039, text="Version 1.0", x=6, y=153, cx=157, cy=10, style=0x50021201,
                               exStyle=0, **{"class": static})])

    def test_template_ids_match_the_shared_header(self):
        ids = Defines("resource.h")
        self.assertEqual((ids["IDC_EXIT"], ids["IDC_ABOUT"], ids["IDC_ABOUT_TEXT"], ids["IDC_ABOUT_VERSION"],
                          ids["IDC_ABOUT_PICTURE"], ids["IDB_ABOUT_PICTURE"]), (1000, 1022, 1037, 1039, 1050, 106))


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.stderr.write("usage: test_executable.py KORVANE.EXE [unittest args]\n")
        sys.exit(2)
    EXE = sys.argv.pop(1)
    unittest.main()
