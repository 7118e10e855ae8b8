#!/usr/bin/env python3
"""lanterra-check's warnings and layout figures, on small configurations
written to a fresh folder per case.

    test_warnings.py CHECK                      the host checker
    test_warnings.py --wine WINE-RUN CHECK.EXE [PE-WITH-ICONS]
                                                the Windows checker under Wine

Each case gives the file, the extra files beside it, and the warnings
expected: a list of (line, words the text must contain). The warnings must be
exactly these, in this order. Cases marked "host" depend on paths that only
the host checker cannot reach (say nothing); cases marked "wine" need the
shell's icon extraction.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ICONS = os.path.join(SOURCE, "resources", "icons")
RUNNER = []         # [wine-run] under Wine
CHECK = None
PE_WITH_ICONS = None


def Block(icon, app, parameters="", caption="Ok", header="; entry"):
    return "%s\n%s\n%s\n%s\n%s\n" % (header, icon, app, parameters, caption)


def Run(folder, *options):
    done = subprocess.run(RUNNER + [CHECK] + list(options) + ["."], cwd=folder,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
    return done.returncode, done.stdout.decode("latin-1")


class Folder:
    """A configuration folder: lanterra.cfg (bytes or text, LF ends unless
    the text says otherwise) and extra files by relative path."""

    def __init__(self, config, files=()):
        self.path = tempfile.mkdtemp(prefix="lanterra-check-")
        data = config if isinstance(config, bytes) else config.encode("latin-1")
        with open(os.path.join(self.path, "lanterra.cfg"), "wb") as f:
            f.write(data)
        for name, content in files:
            target = os.path.join(self.path, *name.split("/"))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if isinstance(content, str) and os.path.isfile(content):
                shutil.copyfile(content, target)
            else:
                with open(target, "wb") as f:
                    f.write(content)

    def __enter__(self):
        return self.path

    def __exit__(self, *exc):
        shutil.rmtree(self.path, ignore_errors=True)


SMALL_ICO = os.path.join(ICONS, "korvane.ico")      # 32 and 16 pixels only
LARGE_ICO = os.path.join(ICONS, "command.ico")      # has a 48 x 48 image
TEXT = b"not an icon\n"

# name, platforms, config, extra files, options, expected warnings
CASES = [
    ("clean file: known groups, icon file with 48 x 48, short captions", "all",
     'WINLABEL "Desk"\n\n' + Block("COMMAND", "NOTEPAD.EXE", "no parameters", "Notepad")
     + Block("default", "X.EXE", caption="Help")
     + Block("EXTRACT icons\\big.ico", "X.EXE", caption="Disk Info"),
     [("icons/big.ico", LARGE_ICO)], [], []),

    ("icon names that are no group, or a group without 48 x 48", "all",
     Block("COMAND", "A.EXE") + Block("", "B.EXE") + Block("korvane", "C.EXE")
     + Block("EXTRACT icons", "D.EXE") + Block("Baa_FirstIcon", "E.EXE"),
     [], [],
     [(2, 'icon "COMAND" is not an icon group'), (7, "icon line is empty"),
      (12, "KORVANE has no 48 x 48 image"), (17, 'icon "EXTRACT ICONS" is not an icon group', "one blank"),
      (22, "BAA_FIRSTICON has no 48 x 48 image")]),

    ("EXTRACT files beside the configuration, matched without regard to case", "all",
     Block("EXTRACT Icons\\Missing.ico", "A.EXE") + Block("EXTRACT icons\\notes.ico", "B.EXE")
     + Block("EXTRACT ICONS\\SMALL.ICO", "C.EXE") + Block("extract icons\\big.ico", "D.EXE"),
     [("icons/notes.ico", TEXT), ("icons/small.ico", SMALL_ICO), ("icons/big.ico", LARGE_ICO)], [],
     [(2, 'EXTRACT file "ICONS\\MISSING.ICO" does not exist'),
      (7, 'EXTRACT file "ICONS\\NOTES.ICO" holds no icon'),
      (12, 'icon file "ICONS\\SMALL.ICO" has no 48 x 48 image')]),

    ("the application itself yields no icon: the panel's message names the button it will have", "all",
     Block("COMMAND", "tools\\view64.exe 64BIT") + Block("EXTRACT", "docs\\readme.txt")
     + Block("EXTRACT", "docs\\gone.exe"),
     [("docs/readme.txt", TEXT)], ["--no-wow64"],
     [(3, "marked 64BIT"), (8, "(it holds no icon)", "for button 1"),
      (13, "(it does not exist)", "for button 2")]),

    ("paths the host checker cannot reach: it says nothing", "host",
     Block("EXTRACT C:\\ICONS\\VIEW.ICO", "A.EXE") + Block("EXTRACT", "C:\\TOOLS\\GONE.EXE")
     + Block("EXTRACT", "NOTEPAD.EXE") + Block("EXTRACT \\\\SERVER\\SHARE\\X.DLL", "B.EXE"),
     [], [], []),

    ("64-bit entries: hidden on 32-bit Windows, System32, options lost to the width word", "all",
     Block("COMMAND", "C:\\Windows\\System32\\cmd.exe 64bit") + Block("COMMAND", "C:\\WINDOWS\\SYSTEM32X\\A.EXE 64BIT")
     + Block("COMMAND", "C:\\Tools\\b.exe -quick 32BIT") + Block("COMMAND", "C:\\Tools\\c.exe 32BIT 64BIT")
     + Block("COMMAND", "C:\\64BIT\\d.exe -x"),
     [], ["--wow64"],
     [(3, "marked 64BIT"), (3, "System32", "Sysnative"), (8, "marked 64BIT"),
      (13, '-QUICK 32BIT" is lost'), (23, '-X" is lost')]),

    ("captions: width in the caption font, wrapping, cut words, '&'", "all",
     Block("COMMAND", "A.EXE", caption="WWWWWWWll") + Block("COMMAND", "A.EXE", caption="WWWWWWWlll")
     + Block("COMMAND", "A.EXE", caption="system.ini in Notepad")
     + Block("COMMAND", "A.EXE", caption="A very long caption that goes on")
     + Block("COMMAND", "A.EXE", caption="Tom & Jerry") + Block("COMMAND", "A.EXE", caption="Tom && Jerry"),
     [], [],
     [(10, 'word "WWWWWWWlll" is about 93 pixels'), (15, "about 126 pixels", "second line"),
      (20, "needs 3 lines"), (25, "single '&'")]),

    ("fields cut at a tab, an accented letter or a NUL", "all",
     Block("COMMAND", "A.EXE\t-x", caption="Caf\xe9 Bar") + Block("COMMAND", "B.EXE", "-a\x00-b", "Ok"),
     [], [],
     [(3, "application line is cut at byte 0x09", '"A.EXE"'), (5, "caption line is cut at byte 0xe9", '"Caf"'),
      (9, "parameters line is cut at byte 0x00")]),

    ("lines split by the read buffers shift the lines after them", "all",
     Block("COMMAND", "A.EXE", caption="c" * 49) + Block("COMMAND", "B.EXE", caption="d" * 50),
     [], [],
     [(5, "is cut at its edge"), (5, "caption line is 49 bytes", "one higher"),
      (10, "is cut at its edge"), (10, "caption line is longer than 49 bytes")]),

    ("a long entry header: its rest becomes the icon line", "all",
     ";" + "h" * 320 + "\n" + Block("COMMAND", "A.EXE"), [], [],
     [(1, "the line is longer than 299 bytes"), (1, 'icon "HHHHHHHHHHHHHHHHHHHHHH" is not')]),

    ("a long icon line: its rest becomes the application line", "all",
     Block("I" * 120, "A.EXE"), [], [],
     [(2, "icon line is longer than 99 bytes"), (2, "is not an icon group")]),

    ("entry blocks and a title after the 50th entry are never read", "all",
     "".join(Block("COMMAND", "A.EXE") for _ in range(50)) + 'WINLABEL "Late"\n'
     + Block("NOSUCH", "B.EXE") + Block("COMMAND", "C.EXE"),
     [], [],
     [(251, "title line after the 50th entry"), (252, "entry block after the 50th entry"),
      (257, "entry block after the 50th entry")]),

    ("a last line without its line end", "all",
     Block("COMMAND", "A.EXE") + 'WINLABEL "Tools"', [], [],
     [(6, "title line at the end of the file has no line end")]),

    ("a last entry header without its line end", "all",
     Block("COMMAND", "A.EXE") + "; more", [], [],
     [(6, "entry header at the end of the file has no line end")]),

    ("CR LF line ends count like LF", "all",
     (Block("NOSUCH", "A.EXE") + Block("COMMAND", "B.EXE", caption="A very long caption that goes on")).replace("\n", "\r\n"),
     [], [],
     [(2, 'icon "NOSUCH"'), (10, "needs 3 lines")]),

    ("nothing is said about lines after the reader's error", "all",
     Block("NOSUCH", "A.EXE") + "oops\n" + Block("NOSUCH", "B.EXE"), [], [],
     [(2, 'icon "NOSUCH"')]),

    ("a Ctrl+Z byte hides the rest of the file; one at the very end is harmless", "all",
     Block("COMMAND", "A.EXE") + "\x1a" + Block("NOSUCH", "B.EXE"), [], [],
     [(6, "0x1A")]),

    ("a Ctrl+Z byte after the last line", "all",
     Block("COMMAND", "A.EXE") + "\x1a\r\n", [], [], []),

    ("a byte-order mark", "all",
     "\xef\xbb\xbf" + Block("COMMAND", "A.EXE")[0:], [], [],
     [(1, "byte-order mark")]),
]

PE_CASE = ("an application with icon groups and one without", "wine",
           Block("EXTRACT", "bin\\with-icons.exe") + Block("EXTRACT bin\\no-icons.exe", "A.EXE"),
           [], [], [(7, 'EXTRACT file "BIN\\NO-ICONS.EXE" holds no icon')])


def Wanted(platform):
    return platform == "all" or platform == ("wine" if RUNNER else "host")


class Warnings(unittest.TestCase):
    def Check(self, case):
        name, platform, config, files, options, expected = case
        with self.subTest(name), Folder(config, files) as folder:
            status, out = Run(folder, "--json", *options)
            self.assertIn(status, (0, 1), out)
            got = json.loads(out)["warnings"]
            self.assertEqual([w["line"] for w in got], [e[0] for e in expected],
                             "%s:\n%s" % (name, "\n".join("%d: %s" % (w["line"], w["text"]) for w in got)))
            for warning, want in zip(got, expected):
                for words in want[1:]:
                    self.assertIn(words, warning["text"], name)

    def test_cases(self):
        for case in CASES:
            if Wanted(case[1]):
                self.Check(case)

    def test_application_icons_under_windows(self):
        if not RUNNER or not PE_WITH_ICONS:
            self.skipTest("needs the Windows checker and a program with icons")
        name, platform, config, files, options, expected = PE_CASE
        files = [("bin/with-icons.exe", PE_WITH_ICONS), ("bin/no-icons.exe", CHECK)]
        self.Check((name, platform, config, files, options, expected))

    def test_warnings_never_change_the_exit_status(self):
        with Folder(Block("NOSUCH", "A.EXE")) as folder:
            self.assertEqual(Run(folder)[0], 0)
        with Folder(Block("NOSUCH", "A.EXE") + "oops\n") as folder:
            self.assertEqual(Run(folder)[0], 1)

    def test_readable_report_names_the_lines(self):
        with Folder(Block("NOSUCH", "A.EXE") * 5) as folder:
            status, out = Run(folder, "--cysize", "22")
        self.assertEqual(status, 0)
        tail = out[out.index("Result: 0\n"):]
        self.assertIn("Grid: 3 columns x 3 rows\nWindow: 330 x 427 pixels", tail)
        self.assertIn("Warnings: 5\n  line 2: icon \"NOSUCH\" is not an icon group", tail)
        self.assertIn("\n  line 22: icon \"NOSUCH\"", tail)


class Layout(unittest.TestCase):
    def test_layout_follows_the_entries_the_panel_shows(self):
        # entries, options, columns, rows, width, height
        table = [
            ("", [], 2, 2, 230, 313),
            (Block("COMMAND", "A.EXE") * 7, ["--cysize", "22"], 3, 3, 330, 427),
            (Block("COMMAND", "A.EXE") * 12, [], 3, 4, 330, 533),
            (Block("COMMAND", "A.EXE") * 30, ["--cysize", "1"], 6, 5, 630, 626),
            (Block("COMMAND", "A.EXE") * 51, [], 8, 8, 830, 973),
            (Block("COMMAND", "A.EXE 64BIT") + Block("COMMAND", "B.EXE") * 4, ["--no-wow64"], 2, 2, 230, 313),
            (Block("COMMAND", "A.EXE 64BIT") + Block("COMMAND", "B.EXE") * 4, ["--wow64"], 3, 3, 330, 423),
            (Block("COMMAND", "A.EXE") * 3 + "; cut short\nCOMMAND\n", [], 2, 2, 230, 313),
        ]
        for config, options, columns, rows, width, height in table:
            with self.subTest(options=options, size=len(config)), Folder(config) as folder:
                status, out = Run(folder, "--json", *options)
                report = json.loads(out)
                self.assertEqual(report["layout"], {"columns": columns, "rows": rows,
                                                    "width": width, "height": height})

    def test_json_keeps_its_shape(self):
        with Folder(Block("COMMAND", "A.EXE")) as folder:
            report = json.loads(Run(folder, "--json")[1])
        self.assertEqual(list(report), ["windowTitle", "entryCount", "entries", "result", "message",
                                        "warnings", "layout"])

    def test_bad_cysize_is_a_usage_error(self):
        with Folder(Block("COMMAND", "A.EXE")) as folder:
            for options in (["--cysize"], ["--cysize", "0"], ["--cysize", "x"], ["--cysize", "1001"],
                            ["--cysize", "-5"], ["--cysize", "20", "--cysize", "20"]):
                done = subprocess.run(RUNNER + [CHECK] + options + ["."], cwd=folder,
                                      stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
                self.assertEqual(done.returncode, 2, options)
                self.assertIn(b"--cysize N", done.stderr)


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and args[0] == "--wine":
        RUNNER = [os.path.abspath(args[1])]
        args = args[2:]
    CHECK = os.path.abspath(args[0])
    if len(args) > 1 and os.path.isfile(args[1]):
        PE_WITH_ICONS = os.path.abspath(args[1])
    unittest.main(argv=[sys.argv[0], "-v"])
