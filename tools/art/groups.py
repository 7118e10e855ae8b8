"""The 24 icon groups of korvane.exe, each a list of stored images in the
group's order."""

from pipeline import Build, Flatten8, Grid4, Image, Image4, Image8, Image32, ImagePng, Palette8
from formats import GREEN, VGA16, DibIcon
import pictures as P


def DiffCount(a, b):
    """Pixels in which two (indices, mask) grids differ."""
    return sum(1 for x, y in zip(zip(*a), zip(*b)) if x != y)


def KorvaneImages():
    """The window's own icon: transparent around the window at every depth,
    since the caption and the task bar show it as it is."""
    return [Image4(P.Panel4, 32), Image8Transparent(P.Panel8, 32), Image4(P.Panel4, 16)]


def FirstIconImages():
    """Images 1 and 2 are the program icon's own; image 3 is the same panel
    drawn differently (caption text, white client area, other icon colours,
    shorter caption marks): exactly half of its 256 pixels differ."""
    korvane = KorvaneImages()
    indices, mask = Grid4(P.PanelVariant4, 16)
    if DiffCount((indices, mask), Grid4(P.Panel4, 16)) != 128:
        raise AssertionError("the first group's 16 x 16 panel must differ in 128 pixels")
    small = Image(16, 16, 4, DibIcon(16, 4, VGA16, indices, mask))
    return [korvane[0], korvane[1], small]


def DefaultImages():
    return [Image4(P.Empty, 32), Image8(P.QuestionMark, 48)]


def CommandImages():
    return [DefaultImages()[0], Image8(P.AppWindow, 48, transparent=P.COMMAND_CORNERS)]


# The console picture at five sizes in three looks; the PNG sizes are fixed.
CONSOLE_PNG_BYTES = {4: 19352, 8: 12296, 32: 37257}


def ConsoleImages():
    images = []
    for bits in (4, 8, 32):
        for size in (256, 48, 32, 24, 16):
            if size == 256:
                images.append(ImagePng(P.Console, 256, bits, CONSOLE_PNG_BYTES[bits]))
            elif bits == 4:
                images.append(Image(size, 0, 4, Image4(P.Console, size).data))
            elif bits == 8:
                images.append(Image8Transparent(P.Console, size))
            else:
                images.append(Image32(P.Console, size))
    return images


def Image8Transparent(draw, size):
    """An 8-bit image whose background is transparent in the mask."""
    pixels = Flatten8(draw, size)
    palette, indices = Palette8(pixels)
    mask = [1 if p == GREEN else 0 for p in pixels]
    indices = [1 if m else i for i, m in zip(indices, mask)]
    return Image(size, 0, 8, DibIcon(size, 8, palette, indices, mask))


def DocumentImages():
    return Build(P.Document, [(s, 8) for s in (48, 32, 24, 16)] + [(s, 32) for s in (48, 32, 24, 16)])


def GirlImages():
    return [Image8(P.Girl, 48)]


FOUR = (48, 32, 24, 16)

# The maker's other products: name, drawing, (size, bits) in group order.
PRODUCTS = [
    ("CALCULATOR", P.Calculator, [(s, 8) for s in FOUR]),
    ("CALENDAR", P.Calendar, [(s, 8) for s in FOUR] + [(s, 32) for s in FOUR]),
    ("CAMERA", P.Camera, [(s, 32) for s in FOUR]),
    ("CHART", P.Chart, [(48, 8), (32, 8), (48, 32), (32, 32)]),
    ("CHAT", P.Chat, [(48, 8)]),
    ("CLOCK", P.Clock, [(s, 8) for s in FOUR] + [(s, 32) for s in FOUR]),
    ("DISKETTE", P.Diskette, [(48, 8), (32, 8), (48, 32), (32, 32)]),
    ("FOLDER", P.Folder, [(s, 8) for s in FOUR]),
    ("GEAR", P.Gear, [(s, 32) for s in FOUR]),
    ("GLOBE", P.Globe, [(s, 8) for s in FOUR] + [(s, 32) for s in FOUR]),
    ("MAIL", P.Mail, [(48, 32), (32, 32), (16, 32)]),
    ("MUSIC", P.Music, [(s, 32) for s in FOUR]),
    ("NOTEPAD", P.Notepad, [(s, 8) for s in FOUR]),
    ("PADLOCK", P.Padlock, [(48, 8), (32, 8), (48, 32), (32, 32)]),
    ("PAINT", P.Paint, [(48, 8), (32, 8), (48, 32), (32, 32)]),
    ("PRINTER", P.Printer, [(s, 8) for s in FOUR]),
    ("SEARCH", P.Search, [(s, 32) for s in FOUR]),
]


def AllGroups():
    """(NAME, images) for every group, sorted by name as the resource table
    stores them."""
    named = {
        "BAA_FIRSTICON": FirstIconImages(),
        "COMMAND": CommandImages(),
        "CONSOLE": ConsoleImages(),
        "DEFAULT": DefaultImages(),
        "DOCUMENT": DocumentImages(),
        "GIRL": GirlImages(),
        "KORVANE": KorvaneImages(),
    }
    for name, draw, plan in PRODUCTS:
        named[name] = Build(draw, plan)
    return sorted(named.items())
