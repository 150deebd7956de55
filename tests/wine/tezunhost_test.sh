#!/usr/bin/env bash
# tezunhost as a user meets it: its output, its pictures and its one-line errors.
# usage: tezunhost_test.sh WINE_RUN TREE BIN_DIR SAMPLES_DIR
set -uo pipefail
wine_run=$1
tree=$2
bin=$3
samples=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "FAIL: $*"
  status=1
}
host() { "$wine_run" --tree "$tree" "$bin/tezunhost.exe" "$@"; }

# Every information text, the display name in its Shift-JIS bytes.
host info >"$work/info" 2>"$work/err" || fail "info exited with $?: $(cat "$work/err")"
printf '0\tB\n1\t\x83\x41\x83\x49\x83\x5D\x83\x89\x83\x6D\x83\x7D\x83\x68\n2\t0106\n3\t10\n' >"$work/expected"
cmp -s "$work/info" "$work/expected" || fail "info printed: $(od -c "$work/info")"

# A composed picture is written, screen-sized (PNG's header holds width and height).
host compose --in "$samples/evening.png" --out "$work/out.png" --key 'Software\TezunTests\tezunhost' 2>"$work/err" ||
  fail "compose exited with $?: $(cat "$work/err")"
size=$(od -An -tu1 -j16 -N8 "$work/out.png" | awk '{print $3*256+$4, $7*256+$8}')
[ "$size" = "1024 768" ] || fail "composed picture is '$size', not the screen's 1024 768"
host compose --in "$work/out.png" --out "$work/out.bmp" 2>"$work/err" || fail "compose to BMP: $(cat "$work/err")"
[ "$(head -c 2 "$work/out.bmp")" = "BM" ] || fail "out.bmp is not a BMP file"

# Errors: one line on stderr, a non-zero status, no output file left behind.
expect_error() {
  local what=$1 pattern=$2
  shift 2
  host "$@" >"$work/out" 2>"$work/err"
  local code=$?
  [ $code -ne 0 ] || fail "$what: exit status 0"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: stderr is not one line: $(cat "$work/err")"
  grep -q "$pattern" "$work/err" || fail "$what: stderr '$(cat "$work/err")' lacks '$pattern'"
}
expect_error "missing input" "no such file" compose --in "$work/none.png" --out "$work/a.png"
[ ! -e "$work/a.png" ] || fail "missing input left an output file"
printf 'not a picture' >"$work/bad.png"
expect_error "unreadable picture" "cannot read picture" compose --in "$work/bad.png" --out "$work/a.png"
expect_error "missing export" "has no export" info --plugin 'C:\windows\system32\kernel32.dll'
expect_error "missing plug-in" "cannot load plug-in" info --plugin "$work/none.bpi"
expect_error "unknown output type" "must end in" compose --in "$samples/evening.png" --out "$work/a.jpg"
expect_error "unknown command" "unknown command" frobnicate
expect_error "output into a missing folder" "cannot write" compose --in "$samples/evening.png" --out "$work/no/a.png"
[ -z "$(find "$work" -name '*.partial')" ] || fail "a partial file was left"

"$wine_run" --tree "$tree" reg delete 'HKCU\Software\TezunTests\tezunhost' /f >/dev/null 2>&1
[ $status -eq 0 ] && echo "tezunhost: info, compose and its errors behave"
exit $status
