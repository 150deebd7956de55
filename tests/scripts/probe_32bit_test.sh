#!/usr/bin/env bash
# scripts/probe-32bit tells a machine that runs no 32-bit code (exit 1: the 32-bit tests are
# skipped) from one whose 32-bit Wine is missing or broken (exit 2: the product would go untested,
# so the tests fail), in one line that says why; scripts/wine-run passes the difference on.
# usage: probe_32bit_test.sh SCRIPTS_DIR
set -uo pipefail
scripts=$1
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_test.sh"

# Stand-ins for the 32-bit Wine's loader: one that starts, one that does not.
printf '#!/bin/sh\necho wine-8.0\n' >"$work/good-wine"
printf '#!/bin/sh\necho "wine: could not load kernel32.dll, status c0000135" >&2\nexit 1\n' >"$work/broken-wine"
chmod +x "$work/good-wine" "$work/broken-wine"

# expect WHAT CODE PATTERN COMMAND...: COMMAND exits with CODE, and what it says matches PATTERN
# (says nothing, for an empty PATTERN).
expect() {
  local what=$1 want=$2 pattern=$3
  shift 3
  "$@" >"$work/out" 2>"$work/err"
  local code=$?
  cat "$work/err" >>"$work/out"
  [ $code -eq "$want" ] || fail "$what: exit status $code, not $want: $(cat "$work/out")"
  [ "$(wc -l <"$work/out")" -le 1 ] || fail "$what: more than one line: $(cat "$work/out")"
  if [ -z "$pattern" ]; then
    [ ! -s "$work/out" ] || fail "$what: says '$(cat "$work/out")'"
  else
    grep -qF -- "$pattern" "$work/out" || fail "$what: '$(cat "$work/out")' lacks '$pattern'"
  fi
}
probe() { TEZUN_WINE32=$1 "$scripts/probe-32bit"; }

# This machine's kernel decides what the rest may expect.
TEZUN_WINE32=$work/good-wine "$scripts/probe-32bit" >"$work/out"
case $? in
  0) kernel_runs_i386=1 ;;
  1) kernel_runs_i386= ;;
  *) fail "a Wine that starts: $(cat "$work/out")" ;;
esac

# A fake win32 tree for wine-run: its probe comes first, before any display or prefix.
mkdir -p "$work/tree"
echo win32 >"$work/tree/wine-arch"
wine_run() { TEZUN_WINE32=$1 "$scripts/wine-run" --tree "$work/tree" program.exe; }

if [ -n "$kernel_runs_i386" ]; then
  expect "a Wine that starts" 0 '' probe "$work/good-wine"
  expect "no Wine" 2 "32-bit Wine is not installed ($work/none" probe "$work/none"
  expect "a Wine that does not start" 2 "32-bit Wine does not start: wine: could not load kernel32.dll" \
    probe "$work/broken-wine"
  expect "wine-run without a Wine" 1 "wine-run: the 32-bit Wine cannot run: 32-bit Wine is not installed" \
    wine_run "$work/none"
else
  echo "this machine runs no 32-bit code: only that case is checked"
  expect "no 32-bit kernel" 1 "the kernel runs no 32-bit x86 programs" probe "$work/good-wine"
  expect "no 32-bit kernel and no Wine" 1 "the kernel runs no 32-bit x86 programs" probe "$work/none"
  expect "wine-run without a 32-bit kernel" 77 "wine-run: skipped, this machine runs no 32-bit code" \
    wine_run "$work/none"
fi

# Without binutils the probe cannot tell: that is an incomplete install, not a skip.
mkdir "$work/bin"
for tool in bash mktemp rm head tr; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
expect "no binutils" 2 "no 32-bit x86 assembler and linker" env PATH="$work/bin" TEZUN_WINE32="$work/good-wine" \
  "$scripts/probe-32bit"

[ $status -eq 0 ] && echo "probe-32bit: each case says why and exits as it should"
exit $status
