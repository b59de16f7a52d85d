#!/usr/bin/env python3
"""The X/Motif check of the generators: the X sample (samples/x: templates,
display and structure files, an APP form and two FORM forms) is generated
by the native driver in X-Window mode; the sources must equal the expected
ones (tests/generators/fixtures/x) with every header merged.  They are then
compiled and linked with the handlers against Motif, and the program runs
under its own Xvfb: its timer writes the widget table, which must equal
the expected one, and this script saves a screenshot to
build-shots/x_sample.png.

usage: x_check.py NATIVE_DRIVER
Prints one line per step; exits non-zero on any difference or failed step."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SAMPLE = os.path.join(ROOT, "samples", "x")
EXPECTED = os.path.join(ROOT, "tests", "generators", "fixtures", "x")
FORMS = ["xapp1", "xwin1", "xwin2"]
RUN_WAIT = 30  # seconds the program may take to write its table


def read_lf(path):
    with open(path, "rb") as f:
        return f.read().replace(b"\r\n", b"\n")


def generate(driver, folder):
    failures = []
    r = subprocess.run([driver, "-x", folder] + FORMS, capture_output=True)
    if r.returncode != 0 or b"--- box" in r.stdout or r.stdout.count(b"--- result 0") != len(FORMS):
        failures.append("driver: exit %d %s" % (r.returncode, r.stdout[-400:]))
    for f in FORMS:
        got = os.path.join(folder, f + ".c")
        if not os.path.exists(got):
            failures.append("%s.c missing" % f)
        elif not os.path.exists(os.path.join(EXPECTED, f + ".c")) or read_lf(got) != read_lf(os.path.join(EXPECTED, f + ".c")):
            failures.append("%s.c differs from its expected source" % f)
        if os.path.exists(os.path.join(folder, f + ".h")):
            failures.append("%s.h left beside its merged source" % f)
    return failures


def build(folder):
    program = os.path.join(folder, "xsample")
    cmd = ["gcc", "-std=gnu17", "-finput-charset=CP932", "-fexec-charset=CP932",
           "-Werror=implicit-function-declaration", "-o", program]
    out = subprocess.run(["gcc", "-dumpversion"], capture_output=True, text=True).stdout.strip()
    if out.split(".")[0].isdigit() and int(out.split(".")[0]) >= 14:
        cmd.append("-fpermissive")
    cmd += [os.path.join(folder, f + ".c") for f in FORMS] + [os.path.join(folder, "x_handlers.c"),
                                                             "-lXm", "-lXt", "-lX11"]
    r = subprocess.run(cmd, capture_output=True, text=True, errors="replace")
    if r.returncode != 0:
        return None, "\n".join(l for l in r.stderr.splitlines() if "error" in l)
    return program, ""


def start_xvfb():
    r, w = os.pipe()
    p = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                         pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    with os.fdopen(r) as f:
        number = f.readline().strip()
    return p, ":" + number


def run_sample(program, folder):
    """Runs the program under Xvfb: (ok, screenshot saved, message)."""
    shots = os.path.join(ROOT, "build-shots")
    os.makedirs(shots, exist_ok=True)
    shot = os.path.join(shots, "x_sample.png")
    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, LANG="C")
    try:
        p = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        done = os.path.join(folder, "table.done")
        deadline = time.time() + RUN_WAIT
        while time.time() < deadline and p.poll() is None and not os.path.exists(done):
            time.sleep(0.1)
        shot_ok = False
        if os.path.exists(done):
            shot_ok = subprocess.run(["import", "-display", display, "-window", "root", shot],
                                     capture_output=True).returncode == 0
            open(os.path.join(folder, "shot.done"), "w").close()
        try:
            out, _ = p.communicate(timeout=RUN_WAIT)
        except subprocess.TimeoutExpired:
            p.kill()
            out, _ = p.communicate()
            return False, shot_ok, "program did not end"
        if p.returncode != 0:
            return False, shot_ok, "program exit %d: %s" % (p.returncode, out[-400:])
        return True, shot_ok, ""
    finally:
        xvfb.terminate()
        xvfb.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    driver = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="vok-x-check.")
    failures = []
    try:
        folder = os.path.join(work, "x")
        shutil.copytree(SAMPLE, folder)
        failures += generate(driver, folder)
        print("x_check: generated sources %s" % ("equal" if not failures else "DIFFER"))
        program, errors = build(folder)
        print("x_check: Motif build %s" % ("ok" if program else "FAILED"))
        if program is None:
            failures.append("build failed:\n" + errors)
        else:
            ok, shot_ok, message = run_sample(program, folder)
            table = os.path.join(folder, "x_table.txt")
            want = os.path.join(EXPECTED, "x_table.txt")
            same = os.path.exists(table) and os.path.exists(want) and read_lf(table) == read_lf(want)
            print("x_check: run %s, widget table %s, screenshot %s" %
                  ("ok" if ok else "FAILED", "equal" if same else "DIFFERS", "saved" if shot_ok else "MISSING"))
            if not ok:
                failures.append(message)
            if not same:
                failures.append("widget table differs:\n" + (open(table).read() if os.path.exists(table) else "(none)"))
            if not shot_ok:
                failures.append("screenshot missing")
    finally:
        if failures:
            print("x_check: kept %s" % work)
        else:
            shutil.rmtree(work, ignore_errors=True)
    for f in failures:
        print("FAIL " + f)
    print("x_check: %s" % ("passed" if not failures else "FAILED"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
