#!/usr/bin/python3
"""Compares the typed arithmetic of vokrun with numpy.

Writes .vok programs from seeded random operands (integers and short
decimals, all four quadrants, zero imaginary parts), runs them through the
native vokrun and, when given, through vokrun.exe under Wine, reads the
printed values and compares them with numpy.  Exits 1 on any value beyond
tolerance, printing the program, both values and the build.

    numpy_check.py <native vokrun> [<vokrun.exe> <wine>]
"""
import os
import random
import re
import subprocess
import sys
import tempfile

import numpy as np

SEED = 20261210
failures = 0


def rnd_real(rng):
    return rng.choice([rng.randint(-9, 9), round(rng.uniform(-9, 9), 2), 0])


def rnd_complex(rng):
    kind = rng.randint(0, 3)
    re_part = rnd_real(rng)
    im_part = 0 if kind == 0 else rnd_real(rng)
    return complex(re_part, im_part)


def num_text(x):
    s = repr(float(x))
    return s[:-2] if s.endswith(".0") else s


def cell_text(z):
    """A data cell as IREAD reads it."""
    re_part, im_part = num_text(z.real), num_text(abs(z.imag))
    if z.imag == 0:
        return re_part
    return "%s%s%si" % (re_part, "-" if z.imag < 0 else "+", im_part)


def parse_complex(text):
    """The inverse of the interpreter's complex text."""
    t = text.strip()
    if t == "0":
        return 0j
    if not t.endswith("i"):
        return complex(float(t), 0)
    body = t[:-1]
    m = re.match(r"^(-?[0-9.]+(?:e[+-]?[0-9]+)?)?([+-])?([0-9.]*)$", body)
    if body in ("", "-"):
        return complex(0, -1 if body == "-" else 1)
    if m and m.group(1) and m.group(2):
        im_part = float(m.group(3)) if m.group(3) else 1.0
        return complex(float(m.group(1)), -im_part if m.group(2) == "-" else im_part)
    return complex(0, float(body))


def run(builds, program):
    outputs = {}
    for name, cmd in builds:
        with tempfile.TemporaryDirectory() as work:
            with open(os.path.join(work, "p.vok"), "wb") as f:
                f.write(program.encode("cp932"))
            res = subprocess.run(cmd + ["p.vok"], cwd=work, stdin=subprocess.DEVNULL, capture_output=True,
                                 timeout=120)
            outputs[name] = res.stdout.decode("cp932", "replace").replace("\r", "")
    return outputs


def strip_times(out):
    return "\n".join(l for l in out.split("\n")
                     if not l.startswith(("計算時間", "開始時刻", "終了時刻")))


def run_exact(builds, program):
    """Runs a program whose sums, products and eliminations must print alike in both builds."""
    outs = run(builds, program)
    texts = {b: strip_times(o) for b, o in outs.items()}
    if len(set(texts.values())) > 1:
        fail("builds differ", program, "native/windows", texts.get("native"), texts.get("windows"))
    return outs


def ulps_apart(a, b):
    return abs(int(np.array(a).view(np.int64)) - int(np.array(b).view(np.int64)))


def fail(what, program, build, got, want):
    global failures
    failures += 1
    print("numpy check: %s (%s): got %r, numpy %r\n--- program ---\n%s" % (what, build, got, want, program))


def close(a, b, rel, abs_tol=0.0):
    return abs(a - b) <= max(rel * max(abs(a), abs(b)), abs_tol)


def table_cells(out, name):
    """The cells of an MPRT table of the variable name, row by row."""
    lines = out.split("\n")
    for k, line in enumerate(lines):
        if line.split("\t")[0].strip() == name:
            rows = []
            for row in lines[k + 1:]:
                parts = row.split("\t")
                if len(parts) < 2 or not parts[0].strip():
                    break
                if parts[0].strip()[0].isalpha() and parts[0].strip()[1:].isdigit():
                    rows.append([p.strip() for p in parts[1:]])
                else:
                    break
            return rows
    return None


def trace_lines(out):
    return [l for l in out.split("\n") if l.startswith("T ")]


def check_complex_matrices(builds, rng):
    for n in (3, 4):
        vecs = [[rnd_complex(rng) for _ in range(n)] for _ in range(2 * n)]
        a = np.array(vecs[:n]).T
        b = np.array(vecs[n:]).T
        s = complex(rng.randint(1, 5), rng.randint(-3, 3))
        comb = "COMB%d" % n
        letters = "pqrstuvw"
        decl = "i%d; y0; w0;\n" % (n - 1)
        reads = "".join('IREAD(%s(i), "", "#%s");\n' % (letters[k], letters[k].upper()) for k in range(2 * n))
        args_a = ", ".join("%s(i)" % letters[k] for k in range(n))
        args_b = ", ".join("%s(i)" % letters[k] for k in range(n, 2 * n))
        scalar = "CX(%s, %s)" % (num_text(s.real), num_text(s.imag))
        body = ("IMATRIX(A(i, i), B(i, i)) { A = %s(%s); B = %s(%s); S(i, i) = A + B; P(i, i) = A * B; "
                "Q(i, i) = A / %s; H(i, i) = ~A; W(i, i) = A ^ 3; C(i, i) = A & B; D(y, w) = DET(A); };\n"
                % (comb, args_a, comb, args_b, scalar))
        body += "MPRT(S(i, i)); MPRT(P(i, i)); MPRT(Q(i, i)); MPRT(H(i, i)); MPRT(W(i, i)); MPRT(C(i, i));\n"
        body += 'ALL(y, w) { TRACE("T %.17g %.17g", REAL(D(y, w)), IMAGINARY(D(y, w))); };\n'
        data = "#DATA\n" + "".join("#%s\n%s\n" % (letters[k].upper(), "\n".join(cell_text(z) for z in vecs[k]))
                                   for k in range(2 * n)) + "#END\n"
        program = decl + reads + body + data
        want = {"S": a + b, "P": a @ b, "Q": a / s, "H": a.conj().T, "W": np.linalg.matrix_power(a, 3),
                "C": a @ b - b @ a}
        outs = run_exact(builds, program)
        for build, out in outs.items():
            for name, m in want.items():
                cells = table_cells(out, name)
                if cells is None or len(cells) != n:
                    fail("table %s missing" % name, program, build, cells, m)
                    continue
                for r in range(n):
                    for c in range(n):
                        got = parse_complex(cells[r][c])
                        if not (close(got.real, m[r, c].real, 1e-12, 1e-6) and close(got.imag, m[r, c].imag, 1e-12, 1e-6)):
                            fail("%s(%d,%d)" % (name, r, c), program, build, cells[r][c], m[r, c])
            det = np.linalg.det(a)
            t = trace_lines(out)
            bound = np.prod([np.linalg.norm(a[r]) for r in range(n)])
            got = complex(*map(float, t[0].split()[1:3])) if t else None
            if got is None or abs(got - det) > 1e-9 * max(bound, 1.0):
                fail("complex DET", program, build, got, det)


def check_real_determinants(builds, rng):
    for n in range(1, 13):
        m = np.array([[rnd_real(rng) for _ in range(n)] for _ in range(n)], dtype=float)
        rows = "\n".join(", ".join(num_text(x) for x in row) for row in m)
        program = ("x%d;\nMATRIX(A(x, x)) { };\nREAD(A, \"\", \"#A\");\nTRACE(\"T %%.17g %%.17g\", DET(A), TR(A));\n"
                   "#DATA\n#A\n%s\n#END\n" % (n - 1, rows))
        det = np.linalg.det(m)
        bound = np.prod([max(np.linalg.norm(r), 1e-300) for r in m])
        for build, out in run_exact(builds, program).items():
            t = trace_lines(out)
            if not t:
                fail("DET n=%d printed nothing" % n, program, build, out, det)
                continue
            got_det, got_tr = map(float, t[0].split()[1:3])
            if abs(got_det - det) > 1e-9 * max(bound, 1.0):
                fail("DET n=%d" % n, program, build, got_det, det)
            if not close(got_tr, np.trace(m), 1e-12, 1e-12):
                fail("TR n=%d" % n, program, build, got_tr, np.trace(m))


def quat_matrix(q):
    a, b, c, d = q
    return np.array([[complex(a, b), complex(c, d)], [complex(-c, d), complex(a, -b)]])


def quat_from_matrix(m):
    return [m[0, 0].real, m[0, 0].imag, m[0, 1].real, m[0, 1].imag]


def quat_mul(p, q):
    return quat_from_matrix(quat_matrix(p) @ quat_matrix(q))


def quat_conj(q):
    return [q[0], -q[1], -q[2], -q[3]]


def oct_mul(x, y):
    """Cayley-Dickson doubling of quaternion pairs: (a, b)(c, d) = (ac - d*b, da + bc*)."""
    a, b, c, d = x[:4], x[4:], y[:4], y[4:]
    left = np.subtract(quat_mul(a, c), quat_mul(quat_conj(d), b))
    right = np.add(quat_mul(d, a), quat_mul(b, quat_conj(c)))
    return list(left) + list(right)


def check_hypercomplex(builds, rng):
    for _ in range(3):
        p = [rnd_real(rng) for _ in range(4)]
        q = [rnd_real(rng) or 1 for _ in range(4)]
        o1 = [rnd_real(rng) for _ in range(8)]
        o2 = [rnd_real(rng) or 1 for _ in range(8)]
        qp = "QUARTER(%s)" % ", ".join(num_text(x) for x in p)
        qq = "QUARTER(%s)" % ", ".join(num_text(x) for x in q)
        op = "OCTAL(%s)" % ", ".join(num_text(x) for x in o1)
        oq = "OCTAL(%s)" % ", ".join(num_text(x) for x in o2)
        program = ("x0;\nALL(x) { QUATERNION() { m(x) = %s * %s; v(x) = %s / %s; }; "
                   "CAYLEY() { n(x) = %s * %s; u(x) = %s / %s; };\n" % (qp, qq, qp, qq, op, oq, op, oq))
        program += 'TRACE("T %s", ' % " ".join(["%.17g"] * 8) + ", ".join(
            ["ELEMENT(m(x), %d)" % k for k in range(4)] + ["ELEMENT(v(x), %d)" % k for k in range(4)]) + ");\n"
        program += 'TRACE("T %s", ' % " ".join(["%.17g"] * 8) + ", ".join(
            "OELEMENT(n(x), %d)" % k for k in range(8)) + ");\n"
        program += 'TRACE("T %s", ' % " ".join(["%.17g"] * 8) + ", ".join(
            "OELEMENT(u(x), %d)" % k for k in range(8)) + "); };\n"
        qinv = np.array(quat_conj(q)) / np.dot(q, q)
        oinv = np.array([o2[0]] + [-x for x in o2[1:]]) / np.dot(o2, o2)
        want = [quat_mul(p, q) + quat_mul(p, list(qinv)), oct_mul(o1, o2), oct_mul(o1, list(oinv))]
        for build, out in run_exact(builds, program).items():
            t = trace_lines(out)
            if len(t) != 3:
                fail("hypercomplex lines", program, build, out, want)
                continue
            for line, w in zip(t, want):
                got = list(map(float, line.split()[1:]))
                for g, x in zip(got, w):
                    if not close(g, x, 1e-12, 1e-12):
                        fail("hypercomplex", program, build, got, w)
                        break


def check_vector_products(builds, rng):
    for n in (3, 7):
        a = [rnd_real(rng) for _ in range(n)]
        b = [rnd_real(rng) for _ in range(n)]
        program = ("x%d; w0;\nMATRIX(A(x, w), B(x, w)) { };\nREAD(A, \"\", \"#A\");\nREAD(B, \"\", \"#B\");\n"
                   "MATRIX() { C(x, w) = A ** B; };\nFORMAT(\"%%.17g\", 20);\nMPRT(C(x, w));\n"
                   "#DATA\n#A\n%s\n#B\n%s\n#END\n" % (n - 1, "\n".join(map(num_text, a)), "\n".join(map(num_text, b))))
        if n == 3:
            want = list(np.cross(a, b))
        else:
            want = oct_mul([0] + a, [0] + b)[1:]
        for build, out in run_exact(builds, program).items():
            cells = table_cells(out, "C")
            got = [float(r[0]) for r in cells] if cells else None
            if got is None or any(not close(g, x, 1e-12, 1e-12) for g, x in zip(got, want)):
                fail("vector product n=%d" % n, program, build, got, want)


def check_functions(builds, rng):
    names = {"SQRT": np.sqrt, "LOG": np.log, "EXP": np.exp, "SIN": np.sin, "COS": np.cos,
             "ARGUMENT": np.angle, "ABS": np.abs}
    values = [complex(-4, 0), complex(3, -4), complex(-1, 0)] + [rnd_complex(rng) for _ in range(6)]
    for z in values:
        if z == 0:
            continue
        stores = "; ".join("%s(y, w) = %s(CX(%s, %s))" % ("QRSTUVG"[k], f, num_text(z.real), num_text(z.imag))
                           for k, f in enumerate(names))
        program = "y0; w0;\nIMATRIX() { %s; };\n" % stores
        for part in (range(0, 4), range(4, len(names))):
            program += 'ALL(y, w) { TRACE("T %s", ' % " ".join(["%.17g"] * (2 * len(part))) + ", ".join(
                "REAL(%s(y, w)), IMAGINARY(%s(y, w))" % ("QRSTUVG"[k], "QRSTUVG"[k]) for k in part) + "); };\n"
        want = [complex(f(z)) for f in names.values()]
        outs = run(builds, program)
        if len(outs) == 2:
            lines = [[float(x) for line in trace_lines(o) for x in line.split()[1:]] for o in outs.values()]
            if len(lines[0]) != len(lines[1]) or any(ulps_apart(a, b) > 4 for a, b in zip(*lines)):
                fail("builds differ by more than 4 ulps", program, "native/windows", lines[0], lines[1])
        for build, out in outs.items():
            t = trace_lines(out)
            if not t:
                fail("functions printed nothing", program, build, out, want)
                continue
            got = [float(x) for line in t for x in line.split()[1:]]
            for k, (name, w) in enumerate(zip(names, want)):
                if not (close(got[2 * k], w.real, 1e-9, 1e-12) and close(got[2 * k + 1], w.imag, 1e-9, 1e-12)):
                    fail("%s(%r)" % (name, z), program, build, got[2 * k:2 * k + 2], w)


def gamma_matrices():
    """Dirac gamma matrices built from the Pauli matrices (index 5 = i g0 g1 g2 g3)."""
    eye, zero = np.eye(2), np.zeros((2, 2))
    sigma = [np.array([[0, 1], [1, 0]]), np.array([[0, -1j], [1j, 0]]), np.array([[1, 0], [0, -1]])]
    g = {0: np.block([[eye, zero], [zero, -eye]]).astype(complex)}
    for k in range(3):
        g[k + 1] = np.block([[zero, sigma[k]], [-sigma[k], zero]]).astype(complex)
    g[5] = 1j * g[0] @ g[1] @ g[2] @ g[3]
    return g


def complex_cells(out, name, n, build, program, want, what):
    cells = table_cells(out, name)
    if cells is None or len(cells) != n:
        fail("%s: table %s missing" % (what, name), program, build, cells, want)
        return
    for r in range(n):
        for c in range(n):
            got = parse_complex(cells[r][c])
            w = want[r, c]
            if not (close(got.real, w.real, 1e-12, 1e-6) and close(got.imag, w.imag, 1e-12, 1e-6)):
                fail("%s(%d,%d)" % (what, r, c), program, build, cells[r][c], w)


def check_gamma(builds, rng):
    g = gamma_matrices()
    eta = [1, -1, -1, -1]
    idx = [0, 1, 2, 3, 5]
    stores = []
    want = {}
    names = iter("ABCDEFGHJKLMNOPRSTUVWXYZabcefghjkmnoqrsuv")
    for m in idx:
        for n in idx:
            if n < m:
                continue
            pn, an = next(names), next(names)
            stores.append("%s(x, x) = GAMMA(%d) * GAMMA(%d); %s(x, x) = GAMMA(%d) | GAMMA(%d)" % (pn, m, n, an, m, n))
            want[pn] = ("GAMMA(%d) GAMMA(%d)" % (m, n), g[m] @ g[n])
            want[an] = ("{GAMMA(%d), GAMMA(%d)}" % (m, n), g[m] @ g[n] + g[n] @ g[m])
    # The pairs fill two programs; the last one also holds SUM, the slash and the Minkowski product.
    half = len(stores) // 2
    vecs = [[rnd_complex(rng) for _ in range(4)] for _ in range(6)]
    mat = np.array(vecs[:4]).T
    v, w = np.array(vecs[4]), np.array(vecs[5])
    reads = "".join('IREAD(%s(x), "", "#%s");\n' % (l, l.upper()) for l in "pqrstu")
    data = "#DATA\n" + "".join("#%s\n%s\n" % (l.upper(), "\n".join(cell_text(z) for z in vecs[k]))
                               for k, l in enumerate("pqrstu")) + "#END\n"
    contractions = {
        "S0": ("SUM()", sum(eta[k] * g[k] @ g[k] for k in range(4))),
        "S1": ("SUM(M)", sum(eta[k] * g[k] @ mat @ g[k] for k in range(4))),
        "S2": ("`V", sum(v[k] * g[k] for k in range(4))),
    }
    for part in (stores[:half], stores[half:]):
        program = "x3; y0; w0;\nIMATRIX() { %s; };\n" % "; ".join(part)
        used = [st.split("(")[0] for s2 in part for st in s2.split("; ")]
        program += "".join("MPRT(%s(x, x));\n" % u for u in used)
        for build, out in run_exact(builds, program).items():
            for u in used:
                complex_cells(out, u, 4, build, program, want[u][1], want[u][0])
    program = "x3; y0; w0;\n" + reads
    program += "IMATRIX(M(x, x), V(x, y), W(x, y)) { M = COMB4(p(x), q(x), r(x), s(x)); V = COMB4(%s); W = COMB4(%s); };\n" % (
        ", ".join("CX(%s, %s)" % (num_text(z.real), num_text(z.imag)) for z in v),
        ", ".join("CX(%s, %s)" % (num_text(z.real), num_text(z.imag)) for z in w))
    program += "IMATRIX() { A(x, x) = SUM(); B(x, x) = SUM(M); C(x, x) = `V; Q(y, w) = V . W; };\n"
    program += "MPRT(A(x, x)); MPRT(B(x, x)); MPRT(C(x, x));\n"
    program += 'ALL(y, w) { TRACE("T %.17g %.17g", REAL(Q(y, w)), IMAGINARY(Q(y, w))); };\n' + data
    mink = sum(eta[k] * v[k] * w[k] for k in range(4))
    for build, out in run_exact(builds, program).items():
        for name, key in (("A", "S0"), ("B", "S1"), ("C", "S2")):
            complex_cells(out, name, 4, build, program, contractions[key][1], contractions[key][0])
        t = trace_lines(out)
        got = complex(*map(float, t[0].split()[1:3])) if t else None
        if got is None or not (close(got.real, mink.real, 1e-12, 1e-12) and close(got.imag, mink.imag, 1e-12, 1e-12)):
            fail("Minkowski product", program, build, got, mink)


def main():
    if len(sys.argv) not in (2, 4):
        print(__doc__)
        return 2
    builds = [("native", [os.path.abspath(sys.argv[1])])]
    if len(sys.argv) == 4:
        builds.append(("windows", [sys.argv[3], os.path.abspath(sys.argv[2])]))
    rng = random.Random(SEED)
    check_complex_matrices(builds, rng)
    check_real_determinants(builds, rng)
    check_hypercomplex(builds, rng)
    check_vector_products(builds, rng)
    check_functions(builds, rng)
    check_gamma(builds, rng)
    print("numpy check: %d mismatches" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
