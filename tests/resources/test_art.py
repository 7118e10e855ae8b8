#!/usr/bin/env python3
"""The committed icons, About picture and main window template are exactly
what the generator draws, and the resource script names every icon file."""

import os
import re
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.environ.get("LANTERRA_SOURCE_DIR",
                        os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
RESOURCES = os.path.join(SOURCE, "resources")
GENERATOR = os.path.join(SOURCE, "tools", "art", "make_art.py")


def Files(root):
    out = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            out[os.path.relpath(path, root)] = path
    return out


class ArtTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        subprocess.run([sys.executable, GENERATOR, cls.temp.name], check=True)
        cls.generated = Files(cls.temp.name)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def test_committed_files_match_a_fresh_run_byte_for_byte(self):
        self.assertIn("about.bmp", self.generated)
        self.assertIn("korvane_dialog.bin", self.generated)
        for rel, path in sorted(self.generated.items()):
            with self.subTest(file=rel):
                committed = os.path.join(RESOURCES, rel)
                self.assertTrue(os.path.exists(committed), "not committed: " + rel)
                with open(path, "rb") as a, open(committed, "rb") as b:
                    self.assertEqual(a.read(), b.read(), rel + " differs from a fresh run")

    def test_every_committed_icon_is_generated_and_named_by_the_script(self):
        committed = sorted(os.listdir(os.path.join(RESOURCES, "icons")))
        generated = sorted(os.path.basename(r) for r in self.generated if r.endswith(".ico"))
        self.assertEqual(committed, generated)
        with open(os.path.join(RESOURCES, "lanterra.rc")) as f:
            script = f.read()
        named = re.findall(r'^(\w+)\s+ICON\s+"icons/([\w.]+)"', script, re.M)
        self.assertEqual(sorted(f for _, f in named), generated)
        for name, file in named:
            self.assertEqual(name.lower() + ".ico", file)


if __name__ == "__main__":
    unittest.main()
