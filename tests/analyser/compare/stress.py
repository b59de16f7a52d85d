"""Generated sources that push the analyser to its limits, the Shift-JIS
sources of the byte-identity run, and the driver commands that read them."""
import os

FLOW = "+start=-1 +route +nodes +grid vokanal %s -l1 -L-1 -o"
TREE = "+tree +ext +calls +boxes vokanal %s -i"


def _big_file():
    """More than 100000 lines: 20001 small functions."""
    return "".join("int big_%d(int a)\n{\n    return a + %d;\n}\n\n" % (i, i) for i in range(20001))


def _long_comment():
    """A block comment of 30000 bytes between two functions."""
    body = ("x" * 98 + "\n") * 300
    return "int before(void) { return 1; }\n/*\n" + body + "*/\nint after(void) { return 2; }\n"


def _long_line():
    """A statement on one line of 5000 bytes."""
    terms = " + ".join("v%d" % (i % 10) for i in range(1200))
    line = "    int r = " + terms[:terms.rfind(" +", 0, 4970)] + ";"
    line += " " * (5000 - len(line))
    return ("int long_line(int v0, int v1, int v2, int v3, int v4, int v5, int v6, int v7, int v8, int v9)\n"
            "{\n" + line + "\n    return r;\n}\n")


def _nested_ifs(levels=30):
    """#if levels nested 30 deep, a function inside each level."""
    out = []
    for i in range(levels):
        out.append("#ifdef LEVEL_%d\n" % i if i % 2 == 0 else "#if defined(LEVEL_%d)\n" % i)
        out.append("#define IN_LEVEL_%d 1\n" % i)
        out.append("int level_%d(void) { return %d; }\n" % (i, i))
    for i in reversed(range(levels)):
        out.append("#else\nint other_%d(void) { return -%d; }\n#endif\n" % (i, i))
    return "".join(out)


def _nested_classes(levels=25):
    """Classes nested 25 deep, a method in each."""
    out = []
    for i in range(levels):
        out.append("class C%d {\npublic:\n    int m%d() { return %d; }\n" % (i, i, i))
    out.append("};\n" * levels)
    out.append("int after_classes() { return 0; }\n")
    return "".join(out)


def _many_params(count=300):
    params = ",\n    ".join("int p%d" % i for i in range(count))
    args = ", ".join(str(i) for i in range(count))
    return ("int many(\n    %s)\n{\n    return p0 + p%d;\n}\n"
            "int call_many(void)\n{\n    return many(%s);\n}\n" % (params, count - 1, args))


UNBALANCED = {
    "s_open_brace.c": "int f(void)\n{\n    if (1) {\n        return 1;\n}\nint g(void) { return 2; }\n",
    "s_close_brace.c": "int f(void)\n{\n    return 1;\n}\n}\n}\nint g(void) { return 2; }\n",
    "s_parens.c": "int f(int a)\n{\n    return ((a + 1) * (a;\n}\nint g(int b)\n{\n    return b));\n}\n",
    "s_brackets.c": "int t[3] = { 1, 2, [;\nint f(void) { return t[1]]; }\nint g(void) { return 0; }\n",
    "s_comment_open.c": "int f(void) { return 1; }\n/* never closed\nint g(void) { return 2; }\n",
    "s_string_open.c": "int f(void) { char *s = \"open;\n return 1; }\nint g(void) { return 2; }\n",
}


def _chain(links):
    """One function whose flow chart is a straight chain: each "goto" jumps to
    the label right after it; 6 + 3 * links nodes."""
    steps = "".join("    goto L%d;\nL%d:\n    v++;\n" % (i, i) for i in range(links))
    return "int chain(int v)\n{\n" + steps + "    return v;\n}\n"


def _else_if(count=200):
    body = "    if (v == 0) v = 1;\n" + "".join("    else if (v == %d) v = %d;\n" % (i, i + 1) for i in range(1, count))
    return "int choose(int v)\n{\n" + body + "    else v = 0;\n    return v;\n}\n"


def _switch(count=300):
    cases = "".join("    case %d:\n        v = %d;\n        break;\n" % (i, i + 1) for i in range(count))
    return "int pick(int v)\n{\n    switch (v) {\n" + cases + "    default:\n        v = 0;\n    }\n    return v;\n}\n"


def _loops(depth=130):
    out = ["int loops(int v)\n{\n    int i = 0;\n"]
    for d in range(depth):
        out.append("    " + "    " * d + "for (i = 0; i < %d; i++) {\n" % (d + 2))
    out.append("    " + "    " * depth + "v++;\n")
    for d in reversed(range(depth)):
        out.append("    " + "    " * d + "}\n")
    out.append("    return v;\n}\n")
    return "".join(out)


def _blocks(depth):
    """A body whose plain blocks nest depth deep (one level more with the body)."""
    return "int blocks(int v)\n{\n" + "{\n" * depth + "v++;\n" + "}\n" * depth + "    return v;\n}\n"


def _late_calls(lines=70000):
    """A file of 70000 lines whose calls come at its end."""
    filler = "int filler_%d;\n"
    head = "".join(filler % i for i in range(lines - 12))
    return head + ("int leaf(int v)\n{\n    return v + 1;\n}\n"
                   "int late(int v)\n{\n    v = leaf(v);\n    v = leaf(v);\n    return printf(\"%d\", v);\n}\n"
                   "int tail_end(void) { return late(1); }\n")


def _call_chain(depth=105):
    """f0 calls f1 ... calls f104."""
    out = ["int f%d(int v);\n" % i for i in range(depth)]
    for i in range(depth - 1):
        out.append("int f%d(int v)\n{\n    return f%d(v + 1);\n}\n" % (i, i + 1))
    out.append("int f%d(int v)\n{\n    return v;\n}\n" % (depth - 1))
    return "".join(out)


def _files():
    files = {
        "s_big.c": (_big_file(), ("list", "ref", "tree")),
        "s_comment.c": (_long_comment(), ("list", "ref", "flow")),
        "s_line.c": (_long_line(), ("list", "ref", "flow")),
        "s_ifs.c": (_nested_ifs(), ("list", "ref", "tree")),
        "s_classes.cpp": (_nested_classes(), ("list", "ref")),
        "s_params.c": (_many_params(), ("list", "ref", "flow", "tree")),
        "s_chain9999.c": (_chain(3331), ("flow",)),
        "s_chain10002.c": (_chain(3332), ("flow",)),
        "s_elseif.c": (_else_if(), ("flow",)),
        "s_switch.c": (_switch(), ("flow", "checks", "layer")),
        "s_loops.c": (_loops(), ("flow", "layer")),
        "s_blocks256.c": (_blocks(255), ("flow",)),
        "s_blocks257.c": (_blocks(256), ("flow",)),
        "s_blocks258.c": (_blocks(257), ("flow",)),
        "s_late.c": (_late_calls(), ("list", "tree")),
        "s_callchain.c": (_call_chain(), ("tree",)),
    }
    for name, text in UNBALANCED.items():
        files[name] = (text, ("list", "ref", "flow", "tree", "checks", "layer"))
    return files


COMMANDS = {
    "list": "vokanal %s -i",
    "ref": "vokanal -rreturn %s",
    "flow": FLOW,
    "tree": TREE,
    "checks": "checks %s",
    "layer": "layer %s k C",
}


def write_files(folder, crlf=False):
    """Writes the stress files; returns the driver commands on them."""
    commands = []
    for name, (text, uses) in sorted(_files().items()):
        if crlf:
            text = text.replace("\n", "\r\n")
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text.encode("ascii"))
        commands.extend(COMMANDS[u] % name for u in uses)
    return commands


SJIS_SOURCE = (
    "/* 売上の集計（シフトJISのソース） */\n"
    "#include <stdio.h>\n"
    "#define 最大件数 100\n"
    "#define TITLE \"売上表\"\n"
    "\n"
    "/* 一件分の売上を表示する */\n"
    "static int 表示(const char *名前, int 金額)\n"
    "{\n"
    "    printf(\"%s: %d円\\n\", 名前, 金額);  /* 表示 */\n"
    "    return 金額;\n"
    "}\n"
    "\n"
    "int total(int n)\n"
    "{\n"
    "    int i, 合計 = 0;\n"
    "    for (i = 0; i < n; i++) {\n"
    "        if (i % 2 == 0) 合計 += 表示(\"ソ\", i);  /* 「ソ」は2バイト目が\\ */\n"
    "        else 合計 -= 表示(\"表\", i);\n"
    "    }\n"
    "    switch (n) {\n"
    "    case 0:\n"
    "        break;\n"
    "    default:\n"
    "        合計 = -合計;\n"
    "    }\n"
    "    return 合計;\n"
    "}\n"
)


def write_sjis_files(folder):
    """A Shift-JIS source with CR LF line ends; returns its name in a list."""
    with open(os.path.join(folder, "sjis_sales.c"), "wb") as f:
        f.write(SJIS_SOURCE.replace("\n", "\r\n").encode("cp932"))
    return ["sjis_sales.c"]


def sjis_commands():
    """Commands with Shift-JIS keys."""
    return [
        "vokanal -r表示 sjis_sales.c",
        "vokanal -r合計↓ sjis_sales.c",
        "+start=-1 +route +nodes +grid vokanal sjis_sales.c -l12 -L-1 -o",
        "layer sjis_sales.c d C",
        "layer sjis_sales.c s E",
        "layer sjis_sales.c # C",
    ]
