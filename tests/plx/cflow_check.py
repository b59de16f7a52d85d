#!/usr/bin/env python3
"""PLX on real call trees.  cflow's call trees of C sources become ".ft"
files (one line per call, "<level>" its depth); plx_driver converts each,
writes its ".f" and loads it with the FORM screen's reader.  Every file must
convert as far as PLX's levels reach (a line deeper than 19 is a broken tree,
reported), load whole, show counts that agree with the loaded form, and link
exactly cflow's caller-callee pairs.  A 105-deep call chain and a tree of
more than 8000 distinct functions must end normally too.

With "--wine WINE PLX_PROBE PLX_EXE" PLX.exe converts and writes each tree
under Wine (the probe sets its fields and posts its buttons), and the driver
only loads the written files; a broken tree must leave PLX running with its
report in the counts field.

Usage: cflow_check.py PLX_DRIVER SOURCE_FOLDER WORK_FOLDER [--wine WINE PLX_PROBE PLX_EXE]
Prints one line per failing file and a summary; exits 1 on any failure."""
import glob
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "analyser", "compare"))
import stress  # noqa: E402  (the 105-deep call chain)

LEVEL_MAX = 20   # ".ft" levels PLX takes: 0..19
NAME_MAX = 31    # bytes of a name in PLX's model
ITEM_MAX = 8000


def cflow_calls(folder, name):
    """(depth, function) per line of cflow's tree of one file."""
    p = subprocess.run(["cflow", "--all", "--all", "--omit-arguments", "-i", "_", name],
                       cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)
    calls = []
    for line in p.stdout.decode("latin-1").splitlines():
        m = re.match(r"^( *)([A-Za-z_]\w*)\(\)", line)
        if m:
            calls.append((len(m.group(1)) // 4, m.group(2)))
    return calls


def write_ft(path, source, calls):
    with open(path, "w", encoding="latin-1") as f:
        for n, (depth, name) in enumerate(calls, 1):
            f.write("%s %d <%d>%s()\n" % (source, n, depth, name))


def expected(calls):
    """The result PLX should give and the caller-callee pairs it should link."""
    edges = set()
    stack = []
    for depth, name in calls:
        if depth >= LEVEL_MAX:
            return 2, edges
        name = name[:NAME_MAX]
        del stack[depth:]
        if stack:
            edges.add((stack[-1], name))
        stack.append(name)
    return 0, edges


def run_driver(driver, ft, out):
    p = subprocess.run([driver, ft, out], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=300)
    facts = {"exit": p.returncode, "links": set(), "text": p.stdout.decode("latin-1")}
    for line in facts["text"].splitlines():
        word, _, rest = line.partition(" ")
        if word == "link":
            a, b, kind = rest.split(" ")
            if kind == "on_set":
                facts["links"].add((a, b))
        else:
            facts[word] = rest
    return facts


def run_wine(wine, driver, base):
    """PLX.exe's conversion of base.ft under Wine, its .f loaded natively."""
    folder, name = os.path.split(base)
    if os.path.exists(base + ".f"):
        os.remove(base + ".f")
    p = subprocess.run([wine[0], wine[1], wine[2], "--convert", folder, name], stdout=subprocess.PIPE,
                       stderr=subprocess.DEVNULL, timeout=300)
    said = dict(line.partition(" ")[::2] for line in p.stdout.decode("latin-1").splitlines())
    facts = run_driver(driver, "--load", base + ".f")
    counts = said.get("counts", "")
    broken = counts.startswith("line(")
    facts.update({"result": "2" if broken else "0", "report": counts if broken else "",
                  "written": "0" if os.path.exists(base + ".f") else "1"})
    if not broken:
        facts["counts"] = counts
    if said.get("running") != "1" or said.get("exit") != "0":
        facts["exit"] = "PLX running %s, exit %s" % (said.get("running"), said.get("exit"))
    return facts


def check_one(driver, work, label, calls, wine=None):
    """Problems found with one tree, as texts."""
    base = os.path.join(work, re.sub(r"\W", "_", label))
    write_ft(base + ".ft", label, calls)
    facts = run_wine(wine, driver, base) if wine else run_driver(driver, base + ".ft", base + ".f")
    if facts["exit"] != 0:
        return ["ended with %s: %s" % (facts["exit"], facts["text"][-300:])]
    want_result, want_edges = expected(calls)
    problems = []
    if facts.get("result") != str(want_result):
        problems.append("result %s, expected %d (%s)" % (facts.get("result"), want_result, facts.get("report")))
    if want_result == 2 and not facts.get("report", "").startswith("line("):
        problems.append("no broken-tree report")
    if facts.get("written") != "0":
        problems.append("the .f was not written")
    m = re.match(r"p\((\d+)\)l\((\d+)\)s\(\d+\)$", facts.get("counts", ""))
    loaded = re.match(r"(-?\d+) boxes (\d+) links (\d+)$", facts.get("loaded", ""))
    if want_result == 2 and wine:
        pass  # the counts field holds the report
    elif not m or not loaded or loaded.group(1) != "0":
        problems.append("counts %r, load %r" % (facts.get("counts"), facts.get("loaded")))
    elif (m.group(1), m.group(2)) != (loaded.group(2), loaded.group(3)):
        problems.append("counts %s disagree with the loaded form (%s)" % (facts["counts"], facts["loaded"]))
    if len(set(name for _, name in calls)) < ITEM_MAX and facts["links"] != want_edges:
        problems.append("links: %d missing, %d extra" % (len(want_edges - facts["links"]),
                                                          len(facts["links"] - want_edges)))
    return problems


def trees(source_folder, work):
    """(label, calls) of every tree checked."""
    out = []
    for path in sorted(glob.glob(os.path.join(source_folder, "*.c"))):
        calls = cflow_calls(source_folder, os.path.basename(path))
        if calls:
            out.append((os.path.basename(path), calls))
    chain = os.path.join(work, "s_callchain.c")
    with open(chain, "w") as f:
        f.write(stress._call_chain())
    out.append(("s_callchain.c", cflow_calls(work, "s_callchain.c")))
    wide = []
    for i in range(ITEM_MAX + 500):
        wide.append((0, "root_%d" % i))
        wide.append((1, "leaf_%d" % i))
    out.append(("oversized", wide))
    return out


def main():
    if len(sys.argv) not in (4, 8) or (len(sys.argv) == 8 and sys.argv[4] != "--wine"):
        print(__doc__)
        return 2
    driver, source_folder, work = sys.argv[1:4]
    wine = sys.argv[5:8] if len(sys.argv) == 8 else None
    os.makedirs(work, exist_ok=True)
    failed = 0
    checked = trees(source_folder, work)
    for label, calls in checked:
        problems = check_one(driver, work, label, calls, wine)
        for p in problems:
            print("%s: %s" % (label, p))
        failed += 1 if problems else 0
    print("plx cflow check%s: %d of %d trees as expected" % (" under Wine" if wine else "", len(checked) - failed,
                                                              len(checked)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
