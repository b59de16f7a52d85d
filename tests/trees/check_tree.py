#!/usr/bin/env python3
"""The invariants of a function-call tree: "ftree.f" against the node lines
of "ftree_s.txt" and the source list "ftree_f.txt".

  check_tree.py [--grid] FOLDER...                 each folder's three files
  check_tree.py [--grid] FORM LISTING SOURCES      three files by name

Checked: the node lines and the "#F2" rows pair one to one (a header row
with an empty line, row k with a line numbered k naming box k's function);
one "#P1" line per row, every hexadecimal source field listed in the source
list; every box but the headers has exactly one incoming "on_set" or "ANY"
link, "ANY" only from WORK.  With --grid (the builder's own output, before
any layout) the boxes also lie on the level and row grid without overlap.
Prints one line per breach and exits 1 when there was any."""

import os
import re
import sys

HEADERS = ("WORK", "QFONT", "VBUTTON")
HEX = re.compile(r"^([0-9A-F]{1,9})(S?)$")


def read_lines(path):
    with open(path, "rb") as f:
        text = f.read()
    lines = [line.rstrip(b"\r") for line in text.split(b"\n")]
    return lines[:-1] if lines and lines[-1] == b"" else lines


def read_form(path):
    """Rows (x, y, endx, endy, kind, name), links (from, to, relation), parameter lines."""
    rows, links, params, part = [], [], [], None
    for line in read_lines(path):
        if part != "P" and line.startswith(b"#"):
            part = {b"#F2": "F", b"#L2": "L", b"#P1": "P"}.get(line[:3], part)
            continue
        if part == "F":
            f = line.split()
            rows.append((int(f[0]), int(f[1]), int(f[2]), int(f[3]), f[4].decode("latin-1"),
                         f[5] if len(f) > 5 else b""))
        elif part == "L":
            f = line.split()
            links.append((int(f[0]), int(f[1]), f[2].decode("latin-1")))
        elif part == "P":
            params.append(line)
    return rows, links, params


def node_lines(path):
    return [line for line in read_lines(path) if line == b"" or line[:1] in (b"E", b"F")]


def sources(path):
    listed = set()
    for line in read_lines(path):
        m = re.match(rb"^S(\d+) ", line)
        if m:
            listed.add(int(m.group(1)))
    return listed


def func_name(row, param):
    if row[4] == "HBOX":
        f = param.split()
        return f[0] if f else b""
    return row[5]


def check(form, listing, source_list, grid):
    breaches = []
    rows, links, params = read_form(form)
    nodes = node_lines(listing)
    listed = sources(source_list)
    if len(nodes) != len(rows):
        breaches.append("%d node lines for %d rows" % (len(nodes), len(rows)))
    if len(params) != len(rows):
        breaches.append("%d parameter lines for %d rows" % (len(params), len(rows)))
    for k, row in enumerate(rows):
        param = params[k] if k < len(params) else b""
        if k < len(nodes):
            line = nodes[k]
            if row[4] in HEADERS:
                if line != b"":
                    breaches.append("row %d (%s) has the node line %r" % (k, row[4], line))
            elif line != b"":
                f = line.split()
                if int(f[0][1:]) != k:
                    breaches.append("row %d has the node line numbered %s" % (k, f[0][1:].decode()))
                elif len(f) < 4 or f[3] != func_name(row, param):
                    breaches.append("row %d names %r, its node line %r" % (k, func_name(row, param), line))
        if row[4] not in HEADERS:
            fields = param.split()
            at = 2 if row[4] == "HBOX" else 0
            word = fields[at].decode("latin-1") if len(fields) > at else ""
            m = HEX.match(word)
            if m and int(m.group(1), 16) not in listed:
                breaches.append("row %d: source %s is not listed" % (k, word))
    incoming = [[] for _ in rows]
    for a, b, relation in links:
        if not (0 <= a < len(rows) and 0 <= b < len(rows)):
            breaches.append("link %d -> %d leaves the form" % (a, b))
            continue
        if relation in ("on_set", "ANY"):
            incoming[b].append((a, relation))
        if relation == "ANY" and rows[a][4] != "WORK":
            breaches.append("ANY link from row %d (%s)" % (a, rows[a][4]))
    for k, row in enumerate(rows):
        if row[4] not in HEADERS and len(incoming[k]) != 1:
            breaches.append("row %d has %d incoming links" % (k, len(incoming[k])))
    if grid:
        seen = {}
        for k, row in enumerate(rows):
            if row[4] in HEADERS:
                continue
            x, y = row[0] - 10, row[1] - 5
            if x % 130 or (y - 26) % 26 or row[2] - row[0] != 100 or row[3] - row[1] != 13:
                breaches.append("row %d lies off the grid at (%d, %d)" % (k, row[0], row[1]))
                continue
            place = (x // 130, (y - 26) // 26)
            if place in seen:
                breaches.append("rows %d and %d share level %d row %d" % (seen[place], k, place[0], place[1]))
            seen[place] = k
    return breaches


def main(args):
    grid = "--grid" in args
    args = [a for a in args if a != "--grid"]
    if len(args) == 3 and os.path.isfile(args[0]):
        sets = [tuple(args)]
    else:
        sets = [(os.path.join(d, "ftree.f"), os.path.join(d, "ftree_s.txt"), os.path.join(d, "ftree_f.txt"))
                for d in args]
    failed = 0
    for form, listing, source_list in sets:
        for breach in check(form, listing, source_list, grid):
            print("%s: %s" % (form, breach))
            failed = 1
    return failed


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
