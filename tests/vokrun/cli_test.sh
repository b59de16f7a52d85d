#!/bin/bash
# The console runner's command line: suffixes, no argument, a missing file,
# the exit status of a failed stage, and the final line read from the console.
#   cli_test.sh <vokrun> <fixture folder>
set -u
vokrun="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
fixtures="$2"
work="$(mktemp -d /tmp/vokrun-cli.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
check() {  # check <description> <condition...>
    local what="$1"; shift
    if ! "$@"; then
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}
sjis() { iconv -f UTF-8 -t CP932; }
utf8() { iconv -f CP932 -t UTF-8 "$1"; }

printf 'a = 1;\nPRT(a);\n' >a.VOK
printf 'a = 1;\n' >a.Vok
printf 'a = 1;\n' >.vok

"$vokrun" a.VOK </dev/null >out1
check "a.VOK runs" test $? = 0
check "a.VOK prints its table" grep -q $'^   0\t  1.000000$' out1

"$vokrun" a.Vok </dev/null >out2
check "a.Vok is refused with 1" test $? = 1
check "a.Vok message" test "$(utf8 out2)" = "ファイル種別(a.Vok)が違っています
Key in Please:"

"$vokrun" .vok </dev/null >out3
check ".vok is refused" test $? = 1
check ".vok message" grep -q "^$(printf 'ファイル種別(.vok)' | sjis)" out3

echo old >excel.csv
"$vokrun" missing.vok </dev/null >out4
check "missing file exits 1" test $? = 1
check "missing file message" test "$(utf8 out4)" = "ファイル(missing.vok)が見つかりません
Key in Please:"
check "excel.csv deleted" test ! -e excel.csv

printf 'a = (1 + 2;\n' >paren.vok
"$vokrun" paren.vok </dev/null >out5
check "unclosed ( exits 6" test $? = 6
check "no times after a failed stage" bash -c "! grep -q '$(printf '開始時刻' | sjis)' out5"

"$vokrun" </dev/null >out6
check "no argument exits 0" test $? = 0
check "no argument output is CP932" iconv -f CP932 -t UTF-8 out6 -o /dev/null
tr -d '\r' <"$fixtures/ext_func_list.txt" >list.txt
check "no argument begins with the list" cmp -s <(tr -d '\r' <out6 | head -c "$(wc -c <list.txt)") list.txt
check "two information lines then the prompt" test "$(tail -n 3 out6 | wc -l)" = 2
check "prompt at the end" test "$(tail -c 14 out6)" = "Key in Please:"

head -c 1048576 /dev/zero | tr '\0' 'x' >big.txt
printf 'more\n' >>big.txt
( "$vokrun" a.VOK <big.txt >out7; echo $? >rc7 )
check "a 1 MB final line is read" test "$(cat rc7)" = 0

"$vokrun" a.VOK < <(printf 'line one\nline two\n') >out8
check "one line of a longer input" test $? = 0

if [ "$failures" = 0 ]; then echo "vokrun command line: all checks passed"; fi
[ "$failures" = 0 ]
