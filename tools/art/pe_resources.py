"""Reads the resource table of a PE file (32 or 64-bit) without Windows."""

import struct


class PeError(Exception):
    pass


def _Sections(data):
    if data[:2] != b"MZ":
        raise PeError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise PeError("no PE signature")
    machine, count = struct.unpack_from("<HH", data, pe + 4)
    optSize = struct.unpack_from("<H", data, pe + 20)[0]
    opt = pe + 24
    magic = struct.unpack_from("<H", data, opt)[0]
    dirs = opt + (96 if magic == 0x10B else 112)
    rsrcRva, rsrcSize = struct.unpack_from("<II", data, dirs + 2 * 8)
    sections = []
    for k in range(count):
        s = opt + optSize + 40 * k
        vsize, va, rawSize, rawPtr = struct.unpack_from("<IIII", data, s + 8)
        sections.append((va, max(vsize, rawSize), rawPtr))
    return machine, rsrcRva, rsrcSize, sections


def _Offset(sections, rva):
    for va, size, raw in sections:
        if va <= rva < va + size:
            return raw + rva - va
    raise PeError("RVA 0x%x outside every section" % rva)


def Machine(data):
    return _Sections(data)[0]


def ReadResources(data):
    """[(type, name, language, bytes)] in table order; type and name are ints
    for ids and strings for names."""
    machine, rsrcRva, rsrcSize, sections = _Sections(data)
    if rsrcRva == 0:
        return []
    base = _Offset(sections, rsrcRva)

    def Entries(offset):
        named, ids = struct.unpack_from("<HH", data, base + offset + 12)
        out = []
        for k in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * k)
            if name & 0x80000000:
                p = base + (name & 0x7FFFFFFF)
                n = struct.unpack_from("<H", data, p)[0]
                key = data[p + 2:p + 2 + 2 * n].decode("utf-16-le")
            else:
                key = name
            out.append((key, target))
        return out

    result = []
    for rtype, t1 in Entries(0):
        for rname, t2 in Entries(t1 & 0x7FFFFFFF):
            for lang, t3 in Entries(t2 & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + t3)
                off = _Offset(sections, rva)
                result.append((rtype, rname, lang, data[off:off + size]))
    return result


def ReadFile(path):
    with open(path, "rb") as f:
        return ReadResources(f.read())


def IconGroups(resources):
    """{group name: [(entry fields..., image bytes)]}: each entry as a dict."""
    icons = {(n, l): d for t, n, l, d in resources if t == 3}
    groups = {}
    for t, name, lang, d in resources:
        if t != 14:
            continue
        reserved, kind, count = struct.unpack_from("<HHH", d, 0)
        entries = []
        for k in range(count):
            w, h, colours, res, planes, bits, size, iconId = struct.unpack_from("<BBBBHHIH", d, 6 + 14 * k)
            entries.append(dict(width=w, height=h, colours=colours, planes=planes, bits=bits,
                                bytes=size, id=iconId, data=icons.get((iconId, lang))))
        groups[name] = entries
    return groups
