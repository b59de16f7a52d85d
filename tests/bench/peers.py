#!/usr/bin/python3
"""Benchmarks against the tools a user would pick instead, for scripts/bench:

    peers.py list  VOKANAL_DRIVER   analyser list mode        against ctags
    peers.py tree  VOKANAL_DRIVER   function-tree build       against cflow -b
    peers.py steps VOKANAL_DRIVER   step counting             against cloc
    peers.py sqrt  VOKRUN           a million square roots    against python3
    peers.py det   VOKRUN           determinants 2x2 to 12x12 against python3

Each runs ours and theirs in turn, RUNS times each, and prints one line
"name: figure (target ...)" with the figure the ratio of the medians of their
processor times (ours over theirs; below 1 ours is faster) and both medians
beside it.  The analyser
works on the corpus of tests/analyser/compare/compare.py (libxcrypt, or the
samples when it is missing), copied flat into a scratch folder.  A run that
fails prints "name: failed (...)" instead; the exit code is 0 either way.
"""
import math
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "analyser", "compare"))
import compare  # noqa: E402  (copy_corpus, new_folder)

RUNS = int(os.environ.get("VOK_BENCH_RUNS", "7"))  # runs of each side
SQRT_COUNT = 1000000
DET_SIZES = range(2, 13)
DET_REPEATS = 200  # determinants of each size per run


class Failed(Exception):
    pass


def cpu_of_children():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def timed(argv, cwd=None):
    """The processor seconds (user and system) one command takes, and its
    standard output.  Processor time rather than wall time: the machines that
    run the benchmarks are shared, and a waiting process costs no time here."""
    start = cpu_of_children()
    p = subprocess.run(argv, cwd=cwd, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    seconds = cpu_of_children() - start
    if p.returncode != 0:
        raise Failed("%s exited %d: %s" % (os.path.basename(argv[0]), p.returncode,
                                            p.stderr.decode("latin-1")[-200:].strip()))
    return seconds, p.stdout


def in_turn(ours, theirs):
    """Medians of RUNS runs of each, taken in turn (ours, theirs, ours, ...)."""
    a, b = [], []
    for _ in range(RUNS):
        a.append(ours())
        b.append(theirs())
    return statistics.median(a), statistics.median(b)


def report(name, target, ours, theirs, what):
    print("%s: %.2f (target <= %.1f)  processor-time medians %.3f s ours, %.3f s %s" % (
        name, ours / theirs, target, ours, theirs, what))


# ---------------------------------------------------------------- the analyser

def analyser(kind, driver):
    work = tempfile.mkdtemp(prefix="vokbench.")
    try:
        folder = compare.new_folder(work, "corpus")
        home = compare.new_folder(work, "home")
        files = compare.copy_corpus(folder)
        every = " ".join(files)
        ours_command, theirs_argv, name, target, tool = {
            "list": ("vokanal %s -i" % every, ["ctags", "-f", "-"] + files,
                     "analyser list mode vs ctags", 0.5, "ctags"),
            "tree": ("+tree vokanal %s -i" % every, ["cflow", "-b"] + files,
                     "analyser tree build vs cflow -b", 0.5, "cflow -b"),
            "steps": ("+step vokanal %s -i -o" % every, ["cloc", "--quiet", "--by-file"] + files,
                      "analyser step counting vs cloc", 1.0, "cloc"),
        }[kind]
        ours = lambda: timed([driver, home, "0", folder, ours_command], cwd=folder)[0]  # noqa: E731
        theirs = lambda: timed(theirs_argv, cwd=folder)[0]  # noqa: E731
        a, b = in_turn(ours, theirs)
        report(name + " (%d files)" % len(files), target, a, b, tool)
    finally:
        shutil.rmtree(work, ignore_errors=True)


# ---------------------------------------------------------------- vokrun

SQRT_PROGRAM = """x%d;
x0 = 0; dx = 1;
t = 0;
ALL(x) { t = t + SQRT(x(x)); };
TRACE("%%.6f", t);
""" % (SQRT_COUNT - 1)

SQRT_PYTHON = """import math
t = 0.0
for k in range(%d):
    t = t + math.sqrt(k)
print("%%.6f" %% t)
""" % SQRT_COUNT

# Each size n has its own matrix and index letter; the determinant is taken
# DET_REPEATS times in a loop over r.
MATRIX_LETTERS = "ABCEFGHJKMN"
INDEX_LETTERS = "abcefghjkmn"


def det_matrix(n):
    return [[float((r * 7 + c * 3) % 11 - 5 + (12 if r == c else 0)) for c in range(n)] for r in range(n)]


def det_program():
    lines = ["r%d;" % (DET_REPEATS - 1)]
    data = []
    for k, n in enumerate(DET_SIZES):
        m, x = MATRIX_LETTERS[k], INDEX_LETTERS[k]
        lines.append("%s%d;" % (x, n - 1))
        lines.append("MATRIX(%s(%s, %s)) { };" % (m, x, x))
        lines.append('READ(%s, "", "#M%d");' % (m, n))
        lines.append("s = 0;")
        lines.append("ALL(r) { s = s + DET(%s); };" % m)
        lines.append('TRACE("%.10e", s);')
        data.append("#M%d" % n)
        data.extend(", ".join("%g" % v for v in row) for row in det_matrix(n))
    return "\n".join(lines + ["#DATA"] + data + ["#END", ""])


DET_PYTHON = """import sys
def det(a):
    a = [row[:] for row in a]
    n = len(a)
    d = 1.0
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(a[r][c]))
        if a[p][c] == 0.0:
            return 0.0
        if p != c:
            a[c], a[p] = a[p], a[c]
            d = -d
        d *= a[c][c]
        for r in range(c + 1, n):
            f = a[r][c] / a[c][c]
            for k in range(c, n):
                a[r][k] -= f * a[c][k]
    return d
def matrix(n):
    return [[float((r * 7 + c * 3) %% 11 - 5 + (12 if r == c else 0)) for c in range(n)] for r in range(n)]
for n in range(%d, %d):
    s = 0.0
    m = matrix(n)
    for _ in range(%d):
        s = s + det(m)
    print("%%.10e" %% s)
""" % (DET_SIZES.start, DET_SIZES.stop, DET_REPEATS)


def values(out, cp932=False):
    """The numbers of an output, one a line, where a line is one number."""
    found = []
    for line in out.decode("cp932" if cp932 else "ascii", "replace").splitlines():
        try:
            found.append(float(line.strip()))
        except ValueError:
            pass
    return found


def agree(a, b):
    return len(a) == len(b) and all(math.isclose(x, y, rel_tol=1e-9, abs_tol=1e-6) for x, y in zip(a, b))


def vokrun(kind, runner):
    work = tempfile.mkdtemp(prefix="vokbench.")
    try:
        program, python, name, what = {
            "sqrt": (SQRT_PROGRAM, SQRT_PYTHON, "vokrun a million square roots vs python3", "python3"),
            "det": (det_program(), DET_PYTHON, "vokrun determinants 2x2 to 12x12 vs python3", "python3"),
        }[kind]
        with open(os.path.join(work, "bench.vok"), "w", encoding="cp932", newline="\n") as f:
            f.write(program)
        with open(os.path.join(work, "bench.py"), "w") as f:
            f.write(python)
        ours_out = timed([runner, "bench.vok"], cwd=work)[1]
        theirs_out = timed(["python3", "bench.py"], cwd=work)[1]
        if not agree(values(ours_out, True), values(theirs_out)):
            raise Failed("the results differ: %s / %s" % (values(ours_out, True), values(theirs_out)))
        ours = lambda: timed([runner, "bench.vok"], cwd=work)[0]  # noqa: E731
        theirs = lambda: timed(["python3", "bench.py"], cwd=work)[0]  # noqa: E731
        a, b = in_turn(ours, theirs)
        report(name, 1.0, a, b, what)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main(argv):
    if len(argv) != 3 or argv[1] not in ("list", "tree", "steps", "sqrt", "det"):
        print("usage: peers.py list|tree|steps VOKANAL_DRIVER  or  peers.py sqrt|det VOKRUN")
        return 2
    try:
        if argv[1] in ("sqrt", "det"):
            vokrun(argv[1], os.path.abspath(argv[2]))
        else:
            analyser(argv[1], os.path.abspath(argv[2]))
    except (Failed, OSError) as e:
        print("%s: failed (%s)" % (argv[1], e))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
