#!/usr/bin/env python3
"""The release package: scripts/make-dist run twice gives the same bytes, and
the zip holds exactly the product's korvane.exe and lanterra-check.exe, the
sample lanterra.cfg and the plain-text guide. Unpacked, as a new user would:
the checker reports the sample, and the panel opens with the sample's nine
buttons and ends on Exit (under Wine; where 32-bit code cannot run, the x64
twins of the two programs are run in the unpacked folder).

Exits 77 (skipped) when the 32-bit product has not been built."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WIN32 = os.path.join(TOP, "build", "win32")
NAMES = ["configuration.txt", "korvane.exe", "lanterra-check.exe", "lanterra.cfg"]
# Every message the panel can show must be explained in the guide.
MESSAGES = ["Could not find the Lanterra configuration file", "Comment line expected",
            "WINLABEL format incorrect", "WINLABEL too long", "Icon name not found",
            "Application path not found", "Paramters not found", "Button label not found",
            "Failed to extract an icon for button", "The application could not be launched.",
            "Could not open the Korvane help file"]


def Read(path):
    with open(path, "rb") as f:
        return f.read()


def MakeDist(out):
    done = subprocess.run([os.path.join(TOP, "scripts", "make-dist"), out],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=True)
    return done.stdout.decode()


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="lanterra-dist-")
        cls.printed = [MakeDist(os.path.join(cls.work, run)) for run in ("a", "b")]
        cls.zips = [os.path.join(cls.work, run, "lanterra-1.3.1000-win32.zip") for run in ("a", "b")]

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def test_two_runs_give_the_same_bytes_and_print_their_sha256(self):
        first, second = (Read(z) for z in self.zips)
        self.assertEqual(first, second)
        import hashlib
        digest = hashlib.sha256(first).hexdigest()
        for printed in self.printed:
            self.assertRegex(printed, r"^%s  \S+lanterra-1\.3\.1000-win32\.zip\n$" % digest)

    def test_contents(self):
        with zipfile.ZipFile(self.zips[0]) as package:
            self.assertEqual(package.namelist(), NAMES)
            for info in package.infolist():
                self.assertEqual(info.date_time, (1980, 1, 1, 0, 0, 0), info.filename)
            data = {name: package.read(name) for name in NAMES}
        for name in ("korvane.exe", "lanterra-check.exe"):
            self.assertEqual(data[name], Read(os.path.join(WIN32, name)), name)
            # The 32-bit product, not the x64 twin: PE machine i386.
            offset = int.from_bytes(data[name][0x3C:0x40], "little")
            self.assertEqual(data[name][offset + 4:offset + 6], b"\x4c\x01", name)
        self.assertEqual(data["lanterra.cfg"], Read(os.path.join(TOP, "examples", "lanterra.cfg")))
        guide = data["configuration.txt"]
        guide.decode("ascii")
        self.assertNotRegex(guide, rb"[^\r]\n", "every line ends with CR LF")
        self.assertNotIn(b"](", guide, "no markdown links or pictures")
        text = guide.decode("ascii")
        for message in MESSAGES:
            self.assertIn(message, text)
        groups = re.findall(r"^([A-Z_0-9]+)\s+ICON\s", Read(os.path.join(TOP, "resources", "lanterra.rc")).decode(), re.M)
        for group in groups:
            self.assertIn("| %s |" % group, text)
            self.assertTrue(os.path.isfile(os.path.join(TOP, "docs", "icons", group.lower() + ".png")), group)

    def Unpack(self, folder_name, program):
        """Unpacks the package into a folder of its own and gives that folder and
        the path of program in it. Where this machine cannot run 32-bit code,
        the program is replaced by its x64 twin from the same sources."""
        i386 = subprocess.run([os.path.join(TOP, "scripts", "can-run-i386")]).returncode == 0
        twin = os.path.join(TOP, "build", "win64", program)
        if not (i386 or os.path.isfile(twin)):
            self.skipTest("no %s this machine can run" % program)
        folder = os.path.join(self.work, folder_name)
        with zipfile.ZipFile(self.zips[0]) as package:
            package.extractall(folder)
        path = os.path.join(folder, program)
        if not i386:
            shutil.copyfile(twin, path)
        return folder, path

    def test_unpacked_checker_reports_the_sample(self):
        wine_run = os.path.join(TOP, "scripts", "wine-run")
        if not shutil.which("wine"):
            self.skipTest("no Wine")
        folder, checker = self.Unpack("unpacked", "lanterra-check.exe")
        done = subprocess.run([wine_run, checker, "."], cwd=folder, stdout=subprocess.PIPE, timeout=120)
        out = done.stdout.decode("latin-1")
        self.assertEqual(done.returncode, 0, out)
        self.assertIn("Window title: Desk Tools - Quillarn (TM) Lanterra\n", out)
        self.assertIn("Entries: 9\n", out)
        self.assertIn("Grid: 3 columns x 3 rows\n", out)

    def test_unpacked_panel_opens_with_the_sample(self):
        wine_run = os.path.join(TOP, "scripts", "wine-run")
        if not os.environ.get("DISPLAY") or not shutil.which("xdotool") or not shutil.which("wine"):
            self.skipTest("needs Wine, a display and xdotool")
        folder, panel = self.Unpack("unpacked-panel", "korvane.exe")
        program = subprocess.Popen([wine_run, panel], cwd=folder)
        try:
            window = None
            for _ in range(120):
                found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Lanterra"],
                                       stdout=subprocess.PIPE).stdout.split()
                for candidate in found:
                    name = subprocess.run(["xdotool", "getwindowname", candidate],
                                          stdout=subprocess.PIPE).stdout.decode().strip()
                    if name == "Desk Tools - Quillarn (TM) Lanterra":
                        window = candidate
                    elif name.startswith("Lanterra"):
                        subprocess.run(["xdotool", "windowfocus", candidate, "key", "Return"])
                if window:
                    break
                time.sleep(0.5)
            self.assertIsNotNone(window, "the panel did not open with the sample's title")
            time.sleep(1)
            geometry = dict(line.split("=") for line in subprocess.run(
                ["xdotool", "getwindowgeometry", "--shell", window],
                stdout=subprocess.PIPE).stdout.decode().split())
            # The sample's nine entries make a 3 x 3 grid: 330 x 423 outside,
            # a little less inside the frame.
            self.assertTrue(310 <= int(geometry["WIDTH"]) <= 330, geometry)
            self.assertTrue(380 <= int(geometry["HEIGHT"]) <= 423, geometry)
            # Exit, in the middle of the client's (80, 350, 80, 25).
            subprocess.run(["xdotool", "mousemove", "--window", window, "120", "362", "click", "1"])
            self.assertEqual(program.wait(timeout=30), 0)
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()


if __name__ == "__main__":
    missing = [n for n in ("korvane.exe", "lanterra-check.exe") if not os.path.isfile(os.path.join(WIN32, n))]
    if missing:
        print("skipped: the 32-bit product is not built (build/win32/%s missing); run `make build`"
              % ", ".join(missing))
        sys.exit(77)
    unittest.main(argv=[sys.argv[0], "-v"])
