#!/bin/bash
# Runs every .vok fixture through the native vokrun and through vokrun.exe
# under Wine, each in a scratch folder with standard input from /dev/null, and
# compares the console output and "excel.csv" of both with each other and
# with the expected files, after normalising line ends and the time lines.
#   cross_build.sh <native vokrun> <vokrun.exe>
# A fixture X.vok may come with X.out (expected output, Shift-JIS), X.excel
# (expected final excel.csv; none means no file) and X.rc (exit status, else 0).
set -u
if [ $# -ne 2 ]; then
    echo "usage: $0 <native vokrun> <vokrun.exe>" >&2
    exit 2
fi
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
fixtures="$root/tests/calc/fixtures"
native="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
windows="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"

. "$root/scripts/wine-env"
wine_select
own_prefix=""
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(mktemp -d /tmp/vokrun-wine.XXXXXX)"
    export WINEPREFIX
    own_prefix=1
fi
wine_prefix_init >/dev/null 2>&1
scratch="$(mktemp -d /tmp/vokrun-cross.XXXXXX)"
cleanup() {
    rm -rf "$scratch"
    if [ -n "$own_prefix" ]; then
        "${VOK_WINE%/*}/wineserver" -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
}
trap cleanup EXIT

failures=0
fail() {
    echo "cross-build: $1"
    failures=$((failures + 1))
}

# Shift-JIS output -> UTF-8 with LF line ends and the time lines made fixed.
normalise() {
    iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' |
        sed -E 's/^計算時間 [0-9]+時 [0-9]{2}分 [0-9]{2}秒$/計算時間 -/;
                s/^開始時刻:.*$/開始時刻:-/; s/^終了時刻:.*$/終了時刻:-/'
}

run_one() {  # run_one <build> <program...>: runs the fixture in a fresh folder
    local build="$1"; shift
    local dir="$scratch/$name.$build"
    mkdir -p "$dir"
    find "$fixtures" -maxdepth 1 -type f ! -name '*.out' ! -name '*.excel' ! -name '*.rc' -exec cp {} "$dir" \;
    (cd "$dir" && "$@" "$name.vok" </dev/null >console.out 2>/dev/null)
    echo $? >"$dir/status"
}

count=0
for vok in "$fixtures"/*.vok; do
    name="$(basename "$vok" .vok)"
    count=$((count + 1))
    run_one native "$native"
    run_one windows "$VOK_WINE" "$windows"
    want_rc=0
    [ -f "$fixtures/$name.rc" ] && want_rc="$(cat "$fixtures/$name.rc")"
    for build in native windows; do
        dir="$scratch/$name.$build"
        [ "$(cat "$dir/status")" = "$want_rc" ] || fail "$name ($build): exit status $(cat "$dir/status"), expected $want_rc"
        iconv -f CP932 -t UTF-8 "$dir/console.out" >/dev/null 2>&1 || fail "$name ($build): output is not CP932 text"
        normalise "$dir/console.out" >"$dir/console.norm"
        if [ -f "$dir/excel.csv" ]; then tr -d '\r' <"$dir/excel.csv" >"$dir/excel.norm"; fi
    done
    if grep -q $'\r\r' "$scratch/$name.windows/console.out"; then fail "$name (windows): CR CR LF in the output"; fi
    cmp -s "$scratch/$name.native/console.norm" "$scratch/$name.windows/console.norm" ||
        fail "$name: native and Windows outputs differ"
    if [ -f "$fixtures/$name.out" ]; then
        normalise "$fixtures/$name.out" >"$scratch/$name.expected"
        cmp -s "$scratch/$name.native/console.norm" "$scratch/$name.expected" ||
            fail "$name: output differs from $name.out"
    fi
    for build in native windows; do
        dir="$scratch/$name.$build"
        if [ -f "$fixtures/$name.excel" ]; then
            if [ ! -f "$dir/excel.norm" ]; then
                fail "$name ($build): no excel.csv"
            else
                tr -d '\r' <"$fixtures/$name.excel" | cmp -s - "$dir/excel.norm" ||
                    fail "$name ($build): excel.csv differs from $name.excel"
            fi
        elif [ -f "$dir/excel.csv" ]; then
            fail "$name ($build): unexpected excel.csv"
        fi
    done
done

# The sample project's programs: both builds end with status 0 and agree.
for vok in "$root"/samples/*.vok; do
    [ -f "$vok" ] || continue
    name="$(basename "$vok" .vok)"
    for build in native windows; do
        dir="$scratch/sample-$name.$build"
        mkdir -p "$dir"
        find "$root"/samples -maxdepth 1 -type f -exec cp {} "$dir" \;
        if [ "$build" = native ]; then
            (cd "$dir" && "$native" "$name.vok" </dev/null >console.out 2>/dev/null)
        else
            (cd "$dir" && "$VOK_WINE" "$windows" "$name.vok" </dev/null >console.out 2>/dev/null)
        fi
        [ $? = 0 ] || fail "sample $name ($build): exit status not 0"
        normalise "$dir/console.out" >"$dir/console.norm"
        tr -d '\r' <"$dir/excel.csv" >"$dir/excel.norm" 2>/dev/null
    done
    cmp -s "$scratch/sample-$name.native/console.norm" "$scratch/sample-$name.windows/console.norm" ||
        fail "sample $name: native and Windows outputs differ"
    cmp -s "$scratch/sample-$name.native/excel.norm" "$scratch/sample-$name.windows/excel.norm" ||
        fail "sample $name: native and Windows excel.csv differ"
done

# The final excel.csv read as CSV holds the printed table lines in order.
if command -v python3 >/dev/null 2>&1; then
    for vok in "$fixtures"/*.vok; do
        name="$(basename "$vok" .vok)"
        dir="$scratch/$name.native"
        [ -f "$dir/excel.csv" ] || continue
        python3 - "$dir/console.out" "$dir/excel.csv" <<'PY' || fail "$name: excel.csv does not hold the printed cells"
import csv, sys
printed = [l.split('\t') for l in open(sys.argv[1], 'rb').read().decode('cp932').replace('\r', '').split('\n') if '\t' in l]
rows = list(csv.reader(open(sys.argv[2], encoding='cp932', newline='')))
i = 0
for r in rows:
    if i < len(printed) and r == printed[i]:
        i += 1
sys.exit(0 if i == len(printed) else 1)
PY
    done
fi

# The numeric table of sqrt_exp.vok against the same computation in Python.
if command -v python3 >/dev/null 2>&1 && [ -f "$scratch/sqrt_exp.native/console.norm" ]; then
    python3 - "$scratch/sqrt_exp.native/console.norm" "$scratch/sqrt_exp.windows/console.norm" <<'PY' ||
import math, sys
xs = [0.0]
for i in range(20):
    xs.append(xs[-1] + 0.25)
want = ['  no\t%10s\t%10s\t%10s' % ('x', 'Root', 'Expo')]
want += ['%4d\t%10s\t%10s\t%10s' % (i, '%f' % x, '%f' % math.sqrt(x), '%f' % math.exp(x)) for i, x in enumerate(xs)]
total = 0.0
for x in xs:
    total = total + math.sqrt(x) * math.exp(x)
want += ['  no\t%10s' % 'Sum', '%4d\t%10s' % (0, '%f' % total)]
for name in sys.argv[1:]:
    lines = open(name, encoding='utf-8').read().split('\n')
    start = lines.index(want[0])
    if lines[start:start + 22] != want[:22] or want[22] not in lines or want[23] not in lines:
        sys.exit(1)
PY
        fail "sqrt_exp: the table differs from Python's %f"
fi

# Without an argument: the function list, two lines and the prompt, in CP932.
for build in native windows; do
    dir="$scratch/noarg.$build"
    mkdir -p "$dir"
    if [ "$build" = native ]; then
        (cd "$dir" && "$native" </dev/null >console.out)
    else
        (cd "$dir" && "$VOK_WINE" "$windows" </dev/null >console.out 2>/dev/null)
    fi
    iconv -f CP932 -t UTF-8 "$dir/console.out" >/dev/null 2>&1 || fail "no argument ($build): output is not CP932 text"
    tr -d '\r' <"$dir/console.out" | head -c "$(tr -d '\r' <"$fixtures/ext_func_list.txt" | wc -c)" |
        cmp -s - <(tr -d '\r' <"$fixtures/ext_func_list.txt") || fail "no argument ($build): list differs"
    [ "$(tail -c 14 "$dir/console.out")" = "Key in Please:" ] || fail "no argument ($build): no prompt at the end"
done
cmp -s <(tr -d '\r' <"$scratch/noarg.native/console.out") <(tr -d '\r' <"$scratch/noarg.windows/console.out") ||
    fail "no argument: native and Windows outputs differ"

echo "cross-build: $count fixtures, $failures failures"
[ "$failures" = 0 ]
