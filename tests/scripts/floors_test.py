#!/usr/bin/env python3
"""The floor check on a scratch copy of the portable folders: the tree as it
stands passes, and one added include per case passes or fails as the floors
say, a failure naming the file and the include."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CHECK = os.path.join(ROOT, "scripts", "floors")
FOLDERS = ["shell", "calc", "analyser", "forms", "generators", "trees", "plx"]

# (file that gets the include, include, passes)
CASES = [
    ("shell/text.cpp", "analyser/anal_main.h", False),   # the ground includes a floor above
    ("shell/text.h", "forms/model.h", False),
    ("calc/lexer.cpp", "forms/model.h", False),           # the same floor
    ("analyser/lexer.cpp", "trees/tree_box.h", False),    # two floors up
    ("generators/htmlattr.cpp", "trees/tree_box.h", False),
    ("forms/boxes.cpp", "forms/win/form_screen.cpp", False),  # window code of its own folder
    ("trees/tree_box.cpp", "shell/win/startup_win.h", False),
    ("forms/boxes.cpp", "vokrun/main.cpp", False),        # a program, not a floor
    ("trees/tree_box.cpp", "generators/htmlattr.h", True),
    ("generators/htmlattr.cpp", "forms/model.h", True),
    ("analyser/lexer.cpp", "shell/text.h", True),
    ("forms/boxes.cpp", "forms/rtree.h", True),
    ("trees/tree_box.cpp", "plx/model.h", False),          # PLX stands above every floor
    ("plx/model.cpp", "plx/win/plx_window.h", False),
    ("plx/model.cpp", "forms/formfile.h", True),
]


def run(root):
    p = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
    return p.returncode, p.stdout


class FloorCheck(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="floors.")
        for folder in FOLDERS:
            shutil.copytree(os.path.join(ROOT, folder), os.path.join(self.scratch, folder),
                            ignore=shutil.ignore_patterns("data", "bitmaps"))

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def test_the_tree_passes(self):
        rc, out = run(self.scratch)
        self.assertEqual(rc, 0, out)
        self.assertIn("include only downward", out)

    def test_each_added_include(self):
        for name, header, passes in CASES:
            with self.subTest(file=name, include=header):
                path = os.path.join(self.scratch, name)
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                with open(path, "a", encoding="utf-8") as f:
                    f.write('\n#include "%s"\n' % header)
                try:
                    rc, out = run(self.scratch)
                finally:
                    with open(path, "w", encoding="utf-8") as f:
                        f.write(text)
                if passes:
                    self.assertEqual(rc, 0, out)
                else:
                    self.assertEqual(rc, 1, out)
                    self.assertIn('%s:' % name, out)
                    self.assertIn('#include "%s"' % header, out)


if __name__ == "__main__":
    unittest.main()
