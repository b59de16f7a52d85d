#!/usr/bin/python3
"""The compiler launcher of the fuzz build: clang knows no execution character
set but UTF-8, so each compile is cut in two.  The source is preprocessed as
UTF-8 (comments gone, dependencies written as asked), every character past
ASCII left in the text (only string and character literals hold any) becomes
the octal escapes of its Shift-JIS bytes, and the result is compiled.  Octal
escapes, never "\\x": a trail byte 0x5C must not start an escape and a
following letter must not extend one.

    cp932_launcher.py COMPILER ARGS...   (CMake puts the compiler first)
"""
import os
import subprocess
import sys

DEP_FLAGS_WITH_VALUE = ("-MT", "-MF", "-MQ")
DEP_FLAGS = ("-MD", "-MMD")


def escaped(ch):
    try:
        data = ch.encode("cp932")
    except UnicodeEncodeError:
        sys.stderr.write("cp932_launcher: %r has no Shift-JIS form\n" % ch)
        raise SystemExit(1)
    return "".join("\\%03o" % b for b in data)


def transcode(text):
    return "".join(ch if ord(ch) < 128 else escaped(ch) for ch in text)


def split_args(args):
    """The compile's output and source, its flags, and those of them that
    still count once the source is preprocessed (no dependency flags, no
    include folders, no definitions)."""
    out = src = None
    flags, plain = [], []
    i = 0
    while i < len(args):
        a = args[i]
        if a == "-o":
            out = args[i + 1]
            i += 2
            continue
        if a == "-c":
            i += 1
            continue
        if a.endswith((".cpp", ".cc", ".c")) and not a.startswith("-"):
            src = a
            i += 1
            continue
        if a in DEP_FLAGS_WITH_VALUE:
            flags += [a, args[i + 1]]
            i += 2
            continue
        if a in ("-I", "-D", "-isystem"):
            flags += [a, args[i + 1]]
            i += 2
            continue
        flags.append(a)
        if a not in DEP_FLAGS and not a.startswith(("-I", "-D")):
            plain.append(a)
        i += 1
    return out, src, flags, plain


def main(argv):
    compiler, args = argv[1], argv[2:]
    out, src, flags, plain = split_args(args)
    if "-c" not in args or out is None or src is None:
        return subprocess.call([compiler] + args)
    pre = out + ".ii"
    rc = subprocess.call([compiler] + flags + ["-E", src, "-o", pre])
    if rc != 0:
        return rc
    with open(pre, encoding="utf-8") as f:
        text = transcode(f.read())
    with open(pre, "w", encoding="ascii") as f:
        f.write(text)
    lang = "c++-cpp-output" if not src.endswith(".c") else "cpp-output"
    rc = subprocess.call([compiler] + plain + ["-Wno-invalid-source-encoding", "-x", lang, "-c", pre, "-o", out])
    if rc == 0:
        os.remove(pre)
    return rc


if __name__ == "__main__":
    sys.exit(main(sys.argv))
