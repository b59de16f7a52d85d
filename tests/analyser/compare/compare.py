#!/usr/bin/python3
"""Checks the analyser's console driver against independent tools on real C
sources and on generated stress files, and the Windows build of the driver
against the native one.

    compare.py NATIVE_DRIVER [WINDOWS_DRIVER WINE_LOADER]

With VOK_COMPARE_KEEP set the work folder stays for a look afterwards.

The corpus is the C source tree of libxcrypt (package libxcrypt-source), or
the samples of this repository when it is not installed.  Against the
corpus the script prints, per file and in total, how far the analyser
agrees with ctags (function and macro names), cflow (call edges), cloc
(line counts) and unifdef (inactive lines), with what differs.

It fails (exit 1) only when a driver run crashes, reports a sanitizer error,
times out or does not start.  Bytes that the Windows build writes
differently from the native one are listed, and counted in the last line,
without failing; so are the ratios.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no cache folder in the source tree
import stress  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "trees"))
import check_tree  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
CORPUS_DIR = "/usr/src/libxcrypt"
WORDATTR = os.path.join(ROOT, "analyser", "data", "wordattr.dat")
DRIVER_TIMEOUT = 900
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "SUMMARY: UndefinedBehaviorSanitizer")
CALL_KEYWORDS = {"if", "while", "for", "switch", "return", "sizeof", "LOWORD", "HIWORD"}
FLOW_FUNCTIONS_PER_FILE = 3

failures = []
differences = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text)


def differ(text):
    differences.append(text)
    print("DIFF: " + text)


# ---------------------------------------------------------------- folders

def copy_corpus(dest):
    """Copies the corpus's .c and .h files flat into dest (the folder below
    the corpus becomes a name prefix); returns the copied names."""
    names = []
    if os.path.isdir(CORPUS_DIR):
        for folder, _, files in sorted(os.walk(CORPUS_DIR)):
            rel = os.path.relpath(folder, CORPUS_DIR)
            prefix = "" if rel == "." else rel.replace(os.sep, "_") + "_"
            for f in sorted(files):
                if f.endswith((".c", ".h")):
                    shutil.copy(os.path.join(folder, f), os.path.join(dest, prefix + f))
                    names.append(prefix + f)
    else:
        print("corpus: %s missing, using samples/" % CORPUS_DIR)
        for f in sorted(os.listdir(os.path.join(ROOT, "samples"))):
            if f.endswith((".c", ".h")):
                shutil.copy(os.path.join(ROOT, "samples", f), os.path.join(dest, f))
                names.append(f)
    return sorted(names)


def new_folder(work, name):
    path = os.path.join(work, name)
    os.makedirs(path)
    shutil.copy(WORDATTR, os.path.join(path, "wordattr.dat"))
    return path


def read_lines(path):
    with open(path, "rb") as f:
        return f.read().decode("cp932", "replace").splitlines()


# ---------------------------------------------------------------- driver runs

def run_driver(label, argv, timeout=DRIVER_TIMEOUT):
    """Runs one driver process; its standard output (bytes), or None after a
    crash, a sanitizer report or a time-out."""
    try:
        p = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    except subprocess.TimeoutExpired:
        fail("%s: time-out after %d s" % (label, timeout))
        return None
    except OSError as e:
        fail("%s: cannot start: %s" % (label, e))
        return None
    err = p.stderr.decode("latin-1")
    marks = [m for m in SANITIZER_MARKS if m in err]
    if p.returncode != 0 or marks:
        last = re.findall(rb"^=== (\d+ .{0,200})", p.stdout, re.M)
        fail("%s: exit %d%s, last command: %s" % (
            label, p.returncode, " with a sanitizer report" if marks else "",
            last[-1].decode("latin-1") if last else "none"))
        report = [l for l in err.splitlines() if not l.startswith(("result ", "    "))]
        sys.stdout.write("\n".join(report[:40]) + "\n")
        return None
    return p.stdout


def command_file(folder, name, commands):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(("\n".join(commands) + "\n").encode("cp932"))
    return path


def split_report(out):
    """The driver's report cut per command: a list of (head, lines)."""
    runs = []
    for line in out.decode("cp932", "replace").split("\n"):
        line = line.rstrip("\r")
        if line.startswith("=== "):
            runs.append((line[4:], []))
        elif runs:
            runs[-1][1].append(line)
    return runs


def dump_rows(lines, name):
    mark = "--- %s " % name
    return [l[len(mark):].split(" ") for l in lines if l.startswith(mark)]


def outcome(lines):
    for l in reversed(lines):
        if l.startswith(("--- result ", "--- exit ")):
            return l[4:]
    return "no result"


# ---------------------------------------------------------------- ratios

def ratio(both, either):
    return 1.0 if either == 0 else both / either


def ratio_line(label, both, either):
    return "%-44s %6d / %6d  %.3f" % (label, both, either, ratio(both, either))


def compare_sets(title, ours, theirs, files, explain=None):
    """Prints per file and in total |ours & theirs| / |ours | theirs| with
    what differs; ours and theirs map a file to a set.  explain(file, item)
    names a known cause of a difference, or None."""
    print("\n== %s (analyser / reference tool)" % title)
    tb = te = 0
    known_total = {}
    for f in files:
        a, b = ours.get(f, set()), theirs.get(f, set())
        both, either = len(a & b), len(a | b)
        tb += both
        te += either
        if either == 0:
            continue
        print(ratio_line(f, both, either))
        for side, items in (("only analyser", sorted(a - b)), ("only tool    ", sorted(b - a))):
            plain, known = [], {}
            for item in items:
                cause = explain(f, item) if explain else None
                if cause:
                    known.setdefault(cause, []).append(item)
                    known_total[cause] = known_total.get(cause, 0) + 1
                else:
                    plain.append(item)
            if plain:
                print("    %s: %s" % (side, show_all(plain)))
            for cause in sorted(known):
                print("    %s, known (%s): %s" % (side, cause, show_all(known[cause])))
    print(ratio_line("TOTAL " + title, tb, te))
    if known_total:
        print("    known differences: " + ", ".join("%s %d" % (c, n) for c, n in sorted(known_total.items())))


def show_all(items):
    """Edges as caller->callee, line numbers as runs such as 31-38."""
    if items and all(isinstance(i, int) for i in items):
        runs = []
        for n in sorted(items):
            if runs and runs[-1][1] == n - 1:
                runs[-1][1] = n
            else:
                runs.append([n, n])
        return " ".join(str(a) if a == b else "%d-%d" % (a, b) for a, b in runs)
    return " ".join("->".join(i) if isinstance(i, tuple) else str(i) for i in items)


# ---------------------------------------------------------------- reference tools

def ctags_names(folder, files):
    """ctags' functions (name to line) and macros per file, and the names of
    every function-like macro."""
    funcs, macros, with_args = {}, {}, set()
    p = subprocess.run(["ctags", "-f", "-", "--kinds-C=fd", "--fields=+nKS", "--excmd=number",
                        "--language-force=C"] + files,
                       cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    for line in p.stdout.decode("latin-1").splitlines():
        cols = line.split("\t")
        if len(cols) < 4:
            continue
        if cols[3] == "function":
            funcs.setdefault(cols[1], {})[cols[0]] = int(cols[2].split(";")[0])
        elif cols[3] == "macro":
            macros.setdefault(cols[1], set()).add(cols[0])
            if any(c.startswith("signature:") for c in cols[4:]):
                with_args.add(cols[0])
    return funcs, macros, with_args


def cflow_edges(folder, name):
    """cflow's (caller, callee) pairs of one file: each line of the graph with
    the nearest less-indented line above it."""
    p = subprocess.run(["cflow", "--all", "--all", "--omit-arguments", "-i", "_", name],
                       cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)
    edges = set()
    stack = []
    for line in p.stdout.decode("latin-1").splitlines():
        m = re.match(r"^( *)([A-Za-z_]\w*)\(\)", line)
        if not m:
            continue
        depth = len(m.group(1)) // 4
        del stack[depth:]
        if stack:
            edges.add((stack[-1], m.group(2)))
        stack.append(m.group(2))
    return edges


def cloc_counts(folder, files):
    """cloc's (blank, comment, code) per file."""
    p = subprocess.run(["cloc", "--by-file", "--csv", "--quiet", "--skip-uniqueness"] + files,
                       cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=300)
    counts = {}
    for line in p.stdout.decode("latin-1").splitlines():
        cols = line.split(",")
        if len(cols) >= 5 and cols[1] in files:
            counts[cols[1]] = (int(cols[2]), int(cols[3]), int(cols[4]))
    return counts


CONDITIONAL = re.compile(r"^\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b(.*)$")
DECIDABLE = re.compile(r"^\s*#\s*(ifdef\s+\w+|ifndef\s+\w+|else|endif|if\s+[01]|if\s+defined\(\w+\))\s*"
                       r"(/\*.*\*/|//.*)?$")


def unifdef_decidable(lines):
    """1 when every conditional of the text is one that unifdef decides from
    -D and -U alone, with no #elif and no continued lines."""
    for line in lines:
        if CONDITIONAL.match(line):
            if line.rstrip().endswith("\\") or not DECIDABLE.match(line):
                return False
    return True


def unifdef_blanked(folder, name, defined_before_use):
    """The 1-based lines that unifdef -b -k blanks."""
    p = subprocess.run(["unifdef", "-s", name], cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    symbols = sorted(set(p.stdout.decode("latin-1").split()))
    args = ["unifdef", "-b", "-k"]
    for s in symbols:
        args.append(("-D" if s in defined_before_use else "-U") + s)
    p = subprocess.run(args + [name], cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    if p.returncode > 1:
        return None
    before = read_lines(os.path.join(folder, name))
    after = p.stdout.decode("cp932", "replace").splitlines()
    if len(before) != len(after):
        return None
    return {i + 1 for i, (a, b) in enumerate(zip(before, after)) if a.strip() and not b.strip()}


# ---------------------------------------------------------------- analyser outputs

def parse_tag_file(path):
    """The (file, function) pairs of a list-mode tag file."""
    funcs = {}
    if not os.path.exists(path):
        return funcs
    for line in read_lines(path):
        if line.startswith("----------"):
            continue
        parts = line.split(" ", 2)
        if len(parts) != 3 or not parts[2].endswith("()"):
            continue
        name = parts[2][:-2]
        if name.endswith(":") or name.endswith("↓"):
            continue  # a class line
        funcs.setdefault(parts[0], set()).add(name.rstrip("'").rstrip("↑"))
    return funcs


def parse_define_file(path):
    """The #define names per file of "define.txt" with their lines
    (environment entries left out)."""
    defs = {}
    cur = None
    if not os.path.exists(path):
        return defs
    for line in read_lines(path):
        words = line.split()
        if len(words) == 3 and words[0] == "F":
            cur = words[1]
            defs.setdefault(cur, {})
        elif len(words) == 3 and words[0] == "D" and cur and words[2] != "-1":
            defs[cur].setdefault(words[1], int(words[2]))
    return defs


# ---------------------------------------------------------------- commands

def corpus_commands(files, funcs):
    """The driver commands on the corpus; with each its purpose and file."""
    every = " ".join(files)
    cmds = [("list", None, "vokanal %s -i" % every),
            ("reference", None, "vokanal -rcrypt %s" % every),
            ("usage", None, "vokanal -H"),
            ("steps", None, "+step +steps vokanal %s -i -o" % every)]
    for f in files:
        cmds.append(("tree", f, "+tree +calls +boxes +classes vokanal %s -i" % f))
    for f in files:
        # The list screen passes the line of the function's tag, the one
        # above the line that ctags gives for its name.
        lines = sorted(funcs.get(f, {}).values())[:FLOW_FUNCTIONS_PER_FILE]
        for n in (max(1, n - 1) for n in lines):
            cmds.append(("flow", f, "+start=-1 +route +nodes +grid vokanal %s -l%d -L-1 -o" % (f, n)))
    for i, f in enumerate(files):
        cmds.append(("checks", f, "checks %s" % f))
        if f.endswith(".c") and i % 8 == 0:
            kind, layout = "ds#k"[(i // 8) % 4], "CE"[(i // 8) % 2]
            cmds.append(("layer", f, "layer %s %s %s" % (f, kind, layout)))
    return cmds


# ---------------------------------------------------------------- the comparisons

def front_end(runs, save, files, funcs, macros):
    """The list run is command 1, the reference run command 2."""
    tags = parse_tag_file(os.path.join(save, "001.home.voktavir.tag"))
    if not os.path.exists(os.path.join(save, "002.home.vokcall.tag")):
        print("NOTE: reference mode wrote no vokcall.tag")
    code = [l for l in runs[0][1] if not l.startswith(("--- ", "       static_old_line"))]
    print("\n== CODE lines of the list run: %d" % len(code))
    for line in code[:30]:
        print("    " + line)
    compare_sets("functions (ctags)", tags, {f: set(v) for f, v in funcs.items()}, files)
    defines = parse_define_file(os.path.join(save, "001.src.define.txt"))
    compare_sets("#define names (ctags)", {f: set(v) for f, v in defines.items()}, macros, files)
    return defines


def per_file_dumps(runs, cmds, purpose):
    """file -> the lines of its run of the given purpose (the first one)."""
    found = {}
    for (head, lines), (p, f, _) in zip(runs, cmds):
        if p == purpose and f not in found:
            found[f] = lines
    return found


def line_classes(lines):
    """The class text of every line (1-based) from a +classes dump."""
    return {int(r[0]): r[1] for r in dump_rows(lines, "classes") if len(r) == 2}


def call_edges(folder, files, tree_runs, funcs, macro_calls):
    ours, theirs = {}, {}
    classes = {}
    for f in files:
        if not f.endswith(".c") or f not in tree_runs:
            continue
        lines = tree_runs[f]
        classes[f] = line_classes(lines)
        ours[f] = {(r[1], r[2]) for r in dump_rows(lines, "calls") if len(r) >= 3 and r[1] != r[0]}
        theirs[f] = cflow_edges(folder, f)
    texts = {f: read_lines(os.path.join(folder, f)) for f in ours}

    def explain(f, edge):
        caller, callee = edge
        if callee in CALL_KEYWORDS:
            return "call keyword"
        if callee.startswith("(*"):
            return "pointer call"
        if callee in macro_calls:
            return "macro"
        if caller not in funcs.get(f, {}):
            return "outside bodies"
        uses = [i + 1 for i, t in enumerate(texts[f]) if re.search(r"\b%s\s*\(" % re.escape(callee), t)]
        if uses and all("i" in classes[f].get(n, "") for n in uses):
            return "inactive region"
        return None

    compare_sets("call edges (cflow)", ours, theirs, [f for f in files if f in ours], explain)


def step_counts(folder, files, runs, cmds):
    steps = {}
    for (head, lines), (p, _, _) in zip(runs, cmds):
        if p == "steps":
            for r in dump_rows(lines, "steps"):
                if len(r) == 8:
                    steps[r[0]] = [int(x) for x in r[1:]]
    counts = cloc_counts(folder, files)
    print("\n== step counts (analyser / cloc)")
    checks = {"total = cloc lines": [0, 0, 0, 0], "empty = blank": [0, 0, 0, 0],
              "real+directive+inactive+comment = code+comment": [0, 0, 0, 0],
              "comment = comment (no inactive lines)": [0, 0, 0, 0]}

    def tally(name, ours, theirs, f):
        t = checks[name]
        t[0] += ours == theirs
        t[1] += 1
        t[2] += min(ours, theirs)
        t[3] += max(ours, theirs)
        if ours != theirs:
            print("    %-40s %-48s analyser %6d  cloc %6d" % (f, name, ours, theirs))

    for f in files:
        if f not in steps or f not in counts:
            continue
        total, real, comment, inactive, directive, empty, _ = steps[f]
        blank, ccomment, code = counts[f]
        tally("total = cloc lines", total, blank + ccomment + code, f)
        tally("empty = blank", empty, blank, f)
        tally("real+directive+inactive+comment = code+comment", real + directive + inactive + comment,
              code + ccomment, f)
        if inactive == 0:
            tally("comment = comment (no inactive lines)", comment, ccomment, f)
    for name, (same, n, low, high) in checks.items():
        print("TOTAL steps, %-46s files %4d / %4d  %.3f   lines %8d / %8d  %.3f" % (
            name, same, n, ratio(same, n), low, high, ratio(low, high)))


def inactive_lines(folder, files, tree_runs, defines):
    ours, theirs = {}, {}
    skipped = 0
    for f in files:
        if f not in tree_runs:
            continue
        text = read_lines(os.path.join(folder, f))
        if not any(CONDITIONAL.match(l) for l in text):
            continue
        if not unifdef_decidable(text):
            skipped += 1
            continue
        # A name counts as defined when the analyser's define precedes the
        # first conditional that tests it (an include guard tests its name
        # before defining it).
        first_test = {}
        for i, line in enumerate(text):
            m = CONDITIONAL.match(line)
            if m:
                for w in re.findall(r"[A-Za-z_]\w*", m.group(2)):
                    first_test.setdefault(w, i + 1)
        defined = {n for n, at in defines.get(f, {}).items() if at < first_test.get(n, 1 << 30)}
        blanked = unifdef_blanked(folder, f, defined)
        if blanked is None:
            skipped += 1
            continue
        classes = line_classes(tree_runs[f])
        mine = set()
        for n, cls in classes.items():
            if "i" in cls:
                mine.add(n)
            elif "d" in cls and n <= len(text) and CONDITIONAL.match(text[n - 1]):
                mine.add(n)
        ours[f], theirs[f] = mine, blanked
    print("\n(inactive lines: %d files with conditionals that unifdef cannot decide left out)" % skipped)
    compare_sets("inactive and resolved conditional lines (unifdef)", ours, theirs, sorted(ours))


def other_runs(runs, cmds, purposes):
    print("\n== results of the %s runs" % ", ".join(purposes))
    tally = {}
    for (head, lines), (p, _, _) in zip(runs, cmds):
        if p in purposes:
            checks = [" ".join(r[:2]) for r in dump_rows(lines, "checks")]  # without the line
            key = (p, outcome(lines) + "".join(", " + c for c in checks))
            tally[key] = tally.get(key, 0) + 1
    for (p, res), n in sorted(tally.items()):
        print("    %-8s %-50s %5d" % (p, res, n))


def corpus_checks(work, driver):
    folder = new_folder(work, "corpus")
    home = new_folder(work, "corpus-home")
    files = copy_corpus(folder)
    funcs, macros, macro_calls = ctags_names(folder, files)
    cmds = corpus_commands(files, funcs)
    path = command_file(work, "corpus.cmd", [c for _, _, c in cmds])
    print("== corpus: %d files, %d driver commands" % (len(files), len(cmds)))
    save = os.path.join(work, "corpus-save")
    os.makedirs(save)
    out = run_driver("native driver on the corpus", [driver, "-s", save, home, "0", folder, "@" + path])
    if out is None:
        return files, funcs
    runs = split_report(out)
    defines = front_end(runs, save, files, funcs, macros)
    tree_runs = per_file_dumps(runs, cmds, "tree")
    call_edges(folder, files, tree_runs, funcs, macro_calls)
    tree_edges(save, cmds, tree_runs, folder, funcs, macro_calls)
    step_counts(folder, files, runs, cmds)
    inactive_lines(folder, files, tree_runs, defines)
    other_runs(runs, cmds, ("flow", "checks", "layer"))
    tree_invariants("corpus", save, len(cmds))
    return files, funcs


def stress_checks(work, driver):
    folder = new_folder(work, "stress")
    home = new_folder(work, "stress-home")
    commands = stress.write_files(folder)
    path = command_file(work, "stress.cmd", commands)
    print("\n== stress files: %d commands" % len(commands))
    save = os.path.join(work, "stress-save")
    os.makedirs(save)
    out = run_driver("native driver on the stress files", [driver, "-s", save, home, "0", folder, "@" + path])
    if out is None:
        return
    tree_invariants("stress files", save, len(commands))
    for head, lines in split_report(out):
        nodes = len(dump_rows(lines, "nodes"))
        boxes = dump_rows(lines, "boxes")
        deepest = max((int(b[2]) for b in boxes if len(b) > 2), default=-1)
        code = [l for l in lines if l and not l.startswith("--- ")]
        extra = []
        if nodes:
            extra.append("nodes %d" % (nodes - 1))
        if boxes:
            extra.append("boxes %d, deepest level %d" % (len(boxes), deepest))
        calls = dump_rows(lines, "calls")
        if calls:
            extra.append("calls %d, last call line %d" % (len(calls), max(int(c[4]) for c in calls if len(c) > 4)))
        if code:
            extra.append("CODE: " + code[0][:90])
        boxes_shown = [l[8:][:90] for l in lines if l.startswith("--- box ")]
        if boxes_shown:
            extra.append("box: " + boxes_shown[0])
        print("  %-58s %s  %s" % (head[:58], outcome(lines), "; ".join(extra)))


# ---------------------------------------------------------------- tree invariants

def tree_form_edges(path):
    """The (caller, callee) edges of a tree form's "on_set" links, pointer
    calls "(*name)()" left out; the names of its GBOX boxes and of the boxes
    at the deepest level."""
    rows, links, params = check_tree.read_form(path)
    names = [check_tree.func_name(r, params[k] if k < len(params) else b"").decode("latin-1")
             for k, r in enumerate(rows)]
    kinds = [params[k].split()[1].decode("latin-1") if r[4] == "HBOX" and k < len(params)
             and len(params[k].split()) > 1 else r[4] for k, r in enumerate(rows)]
    edges = set()
    for a, b, relation in links:
        if relation == "on_set" and 0 <= a < len(rows) and 0 <= b < len(rows) and not names[b].startswith("(*"):
            edges.add((names[a], names[b]))
    dups = {names[k] for k, kind in enumerate(kinds) if kind == "GBOX"}
    deepest = {names[k] for k, r in enumerate(rows) if r[0] - 10 == 130 * 99}
    return edges, dups, deepest


def tree_edges(save, cmds, tree_runs, folder, funcs, macro_calls):
    """Each file's tree edges against its call records and against cflow."""
    ours, records, theirs, dups, deepest = {}, {}, {}, {}, {}
    for number, (purpose, f, _) in enumerate(cmds, 1):
        form = os.path.join(save, "%03d.src.ftree.f" % number)
        if purpose != "tree" or not f.endswith(".c") or f in ours or not os.path.exists(form):
            continue
        ours[f], dups[f], deepest[f] = tree_form_edges(form)
        records[f] = {(r[1], r[2]) for r in dump_rows(tree_runs.get(f, []), "calls")
                      if len(r) >= 3 and r[1] != r[0] and not r[2].startswith("(*")}
        theirs[f] = cflow_edges(folder, f)

    def explain(f, edge):
        caller, callee = edge
        if callee in macro_calls:
            return "macro"
        if caller in dups[f] or callee in dups[f]:
            return "duplicate definition"
        if caller in deepest[f]:
            return "depth cut"
        if callee in CALL_KEYWORDS:
            return "call keyword"
        if callee not in funcs.get(f, {}):
            return "defined elsewhere, not shown"
        return None

    files = sorted(ours)
    compare_sets("tree edges (call records)", ours, records, files, explain)
    compare_sets("tree edges (cflow)", ours, theirs, files, explain)


def tree_invariants(label, save, count):
    """The invariant checker on every "ftree.f" the driver saved; an output
    not saved for a command is the one of an earlier command, unchanged."""
    names = ("ftree.f", "ftree_s.txt", "ftree_f.txt")
    latest = dict.fromkeys(names)
    checked = breached = 0
    for number in range(1, count + 1):
        for name in names:
            path = os.path.join(save, "%03d.src.%s" % (number, name))
            if os.path.exists(path):
                latest[name] = path
        form = os.path.join(save, "%03d.src.ftree.f" % number)
        if not os.path.exists(form) or None in latest.values():
            continue
        checked += 1
        for breach in check_tree.check(form, latest["ftree_s.txt"], latest["ftree_f.txt"], True):
            breached += 1
            fail("tree invariant, %s: %s" % (os.path.basename(form), breach))
    print("  tree invariants (%s): %d ftree.f checked, %d breach(es)" % (label, checked, breached))


# ---------------------------------------------------------------- byte identity

def to_windows_path(path):
    return "Z:" + path.replace("/", "\\")


def normalised(data, paths=()):
    """CR LF as LF, and each (path, token) pair's path as its token."""
    data = data.replace(b"\r\n", b"\n")
    for path, token in paths:
        data = data.replace(path, token)
    return data


def byte_identity(work, driver, win_driver, wine, files, funcs):
    """The same commands on Shift-JIS sources with CR LF line ends, native and
    under Wine; every saved output file and the driver's report must match."""
    print("\n== byte identity: native and Windows driver on CR LF sources")
    corpus = os.path.join(work, "corpus")
    results = {}
    for side in ("native", "win"):
        folder = new_folder(work, "crlf-" + side)
        for f in files:
            with open(os.path.join(corpus, f), "rb") as src:
                data = src.read()
            with open(os.path.join(folder, f), "wb") as dst:
                dst.write(normalised(data).replace(b"\n", b"\r\n"))
        sjis = stress.write_sjis_files(folder)
        commands = [c for _, _, c in corpus_commands(files + sjis, funcs)]
        commands += stress.sjis_commands() + stress.write_files(folder, crlf=True)
        home = new_folder(work, "crlf-home-" + side)
        save = os.path.join(work, "crlf-save-" + side)
        os.makedirs(save)
        path = command_file(work, "crlf-%s.cmd" % side, commands)
        if side == "native":
            out = run_driver("native driver, CR LF sources", [driver, "-s", save, home, "0", folder, "@" + path])
        else:
            out = run_driver("Windows driver under Wine, CR LF sources",
                             [wine, win_driver, "-s", to_windows_path(save), to_windows_path(home), "0",
                              to_windows_path(folder), "@" + to_windows_path(path)])
        if out is None:
            return
        # The folders' own names (the project line of "ftree_s.txt") differ by design.
        paths = [(folder, b"<source folder>"), (home, b"<home folder>")]
        if side == "win":
            paths = [(to_windows_path(p), t) for p, t in paths]
        results[side] = (out, save, [(p.encode("cp932"), t) for p, t in paths])
    names = sorted(set(os.listdir(results["native"][1])) | set(os.listdir(results["win"][1])))
    same = 0
    for name in names:
        a = os.path.join(results["native"][1], name)
        b = os.path.join(results["win"][1], name)
        if not os.path.exists(a) or not os.path.exists(b):
            differ("%s written by the %s build only" % (name, "native" if os.path.exists(a) else "Windows"))
            continue
        with open(a, "rb") as fa, open(b, "rb") as fb:
            if normalised(fa.read(), results["native"][2]) != normalised(fb.read(), results["win"][2]):
                differ("%s differs" % name)
                continue
        same += 1
    ours = normalised(results["native"][0], results["native"][2])
    theirs = normalised(results["win"][0], results["win"][2])
    if ours != theirs:
        a_runs, b_runs = split_report(ours), split_report(theirs)
        for (head, a), (_, b) in zip(a_runs, b_runs):
            if a != b:
                differ("the reports of command %s differ" % head[:100])
                show_first_difference(a, b)
        if len(a_runs) != len(b_runs):
            differ("the reports hold %d and %d commands" % (len(a_runs), len(b_runs)))
    print("  %d of %d output files identical; reports %s (%d commands)" % (
        same, len(names), "identical" if ours == theirs else "differ", len(commands)))


def show_first_difference(a, b):
    """The first differing line of two lists of lines."""
    for i in range(min(len(a), len(b))):
        if a[i] != b[i]:
            print("    native:  " + a[i][:160])
            print("    Windows: " + b[i][:160])
            return
    print("    lengths differ: %d and %d lines" % (len(a), len(b)))


def main(argv):
    if len(argv) not in (2, 4):
        print("usage: compare.py NATIVE_DRIVER [WINDOWS_DRIVER WINE_LOADER]")
        return 2
    sys.stdout.reconfigure(errors="replace")
    driver = os.path.abspath(argv[1])
    work = tempfile.mkdtemp(prefix="vokanal-compare.")
    try:
        files, funcs = corpus_checks(work, driver)
        stress_checks(work, driver)
        if len(argv) == 4:
            byte_identity(work, driver, os.path.abspath(argv[2]), argv[3], files, funcs)
    finally:
        if os.environ.get("VOK_COMPARE_KEEP"):
            print("work folder kept: " + work)
        else:
            shutil.rmtree(work, ignore_errors=True)
    if len(argv) != 4:
        identity = "no Windows run"
    elif differences:
        identity = "%d byte difference(s) between the builds" % len(differences)
    else:
        identity = "the builds agree byte for byte"
    print("\ncompare: %s; %s" % (
        "%d failure(s)" % len(failures) if failures else "no crash, no sanitizer report, no time-out", identity))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
