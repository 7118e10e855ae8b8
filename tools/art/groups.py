"""The 24 icon groups of korvane.exe, each a list of stored images in the
group's order."""

from pipeline import Grid4, Image, Image4, Image8, Image32, ImagePng, Build
from formats import VGA16, DibIcon
import pictures as P


def DiffCount(a, b):
    return sum(1 for x, y in zip(zip(*a), zip(*b)) if x != y)


def FirstIconSmall():
    """The 16 x 16 panel of the file's first group: the same motif as the
    program icon's, drawn in brighter colours; exactly half its pixels differ."""
    base = Grid4(P.Panel4, 16)
    variant = Grid4(P.PanelVariant4, 16)
    return base, variant


def KorvaneImages():
    return [Image4(P.Panel4, 32), Image8(P.Panel8, 32), Image4(P.Panel4, 16)]


def FirstIconImages():
    """Images 1 and 2 are the program icon's own; image 3 is the variant."""
    korvane = KorvaneImages()
    indices, mask = Grid4(P.PanelVariant4, 16)
    small = Image(16, 16, 4, DibIcon(16, 4, VGA16, indices, mask))
    return [korvane[0], korvane[1], small]


def DefaultImages():
    return [Image4(P.Empty, 32), Image8(P.QuestionMark, 48)]


def AllGroups():
    """(NAME, images) for every group, sorted by name as the resource table
    stores them."""
    named = {
        "BAA_FIRSTICON": FirstIconImages(),
        "DEFAULT": DefaultImages(),
        "KORVANE": KorvaneImages(),
    }
    return sorted(named.items())
