#!/usr/bin/env bash
# scripts/probe-32bit says in one line how this machine runs the 32-bit product: natively (exit 0),
# under qemu-i386 (exit 1), or not at all (exit 2, with why), and prints the loader to run with
# --loader; scripts/wine-run passes a "cannot" on as a failure. The kernel that refuses is forced
# (TEZUN_FORCE_EMULATION=1), so that the emulated cases are checked on every machine; the native
# ones need a kernel that runs 32-bit code.
# usage: probe_32bit_test.sh SCRIPTS_DIR
set -uo pipefail
scripts=$1
# The cases force emulation themselves; a whole test run made with it forced checks the probe on
# the machine as it is.
unset TEZUN_FORCE_EMULATION
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_test.sh"

# Stand-ins: loaders that start and that do not, and qemu-i386 builds of three kinds.
printf '#!/bin/sh\necho wine-8.0\n' >"$work/good-wine"
printf '#!/bin/sh\necho "wine: could not load kernel32.dll, status c0000135" >&2\nexit 1\n' >"$work/broken-wine"
qemu() {  # qemu NAME VERSION RUNS: answers --version, and runs the loader when RUNS is 1
  printf '#!/bin/sh\n[ "$1" = --version ] && { echo "qemu-i386 version %s (Debian)"; exit 0; }\n' "$2" >"$work/$1"
  if [ "$3" = 1 ]; then echo 'echo wine-8.0' >>"$work/$1"; else echo 'echo "Illegal instruction" >&2; exit 132' >>"$work/$1"; fi
}
qemu qemu10 10.0.2 1
qemu qemu7 7.2.9 1
qemu qemu-broken 10.0.2 0
chmod +x "$work"/*
# A private root whose Wine the machine's 64-bit wineserver serves, and one it does not.
make_root() {  # make_root DIR WINE32_VERSION
  mkdir -p "$1/usr/lib/wine"
  printf '#!/bin/sh\nexec "$TEZUN_QEMU_I386" -L "%s" "$@"\n' "$1" >"$1/usr/lib/wine/wine-qemu"
  cp "$work/good-wine" "$1/usr/lib/wine/wine-native"
  chmod +x "$1/usr/lib/wine/wine-qemu" "$1/usr/lib/wine/wine-native"
  printf 'libwine %s\nwine32 %s\n' "$2" "$2" >"$1/.packages"
}
server_version=$(dpkg-query -W -f='${Version}' wine64 2>/dev/null)
make_root "$work/root" "$server_version"
make_root "$work/old-root" "7.0~repack-1"

# expect WHAT CODE PATTERN COMMAND...: COMMAND exits with CODE, says one line, and it matches
# PATTERN.
expect() {
  local what=$1 want=$2 pattern=$3
  shift 3
  "$@" >"$work/out" 2>"$work/err"
  local code=$?
  cat "$work/err" >>"$work/out"
  [ $code -eq "$want" ] || fail "$what: exit status $code, not $want: $(cat "$work/out")"
  [ "$(wc -l <"$work/out")" -eq 1 ] || fail "$what: not one line: $(cat "$work/out")"
  grep -qF -- "$pattern" "$work/out" || fail "$what: '$(cat "$work/out")' lacks '$pattern'"
}
# probe WINE32 ROOT QEMU [ARG]: the probe with those stand-ins.
probe() { TEZUN_WINE32=$1 TEZUN_I386_ROOT=$2 TEZUN_QEMU_I386=$3 "$scripts/probe-32bit" ${4:+"$4"}; }
emulated() { TEZUN_FORCE_EMULATION=1 probe "$@"; }

# A fake win32 tree for wine-run: its probe comes first, before any display or prefix.
mkdir -p "$work/tree"
echo win32 >"$work/tree/wine-arch"

# The kernel refuses: qemu-i386 decides.
if [ -n "$server_version" ]; then
  expect "qemu runs the root's Wine" 1 "emulated: emulation is forced (TEZUN_FORCE_EMULATION=1); qemu-i386 10.0.2 runs the private i386 root's Wine (wine-8.0)" \
    emulated "$work/good-wine" "$work/root" "$work/qemu10"
  expect "its loader" 1 "$work/root/usr/lib/wine/wine-qemu" emulated "$work/good-wine" "$work/root" "$work/qemu10" --loader
else
  echo "no 64-bit Wine here: the case where qemu runs the root's Wine is not checked"
fi
expect "qemu missing" 2 "cannot: emulation is forced (TEZUN_FORCE_EMULATION=1), and qemu-i386 is not installed" \
  emulated "$work/good-wine" "$work/root" "$work/none"
expect "bookworm's own qemu" 2 "is 7.2.9, too old to run Wine" emulated "$work/good-wine" "$work/root" "$work/qemu7"
expect "qemu that cannot run Wine" 2 "qemu-i386 does not run the private i386 root's Wine: Illegal instruction" \
  emulated "$work/good-wine" "$work/root" "$work/qemu-broken"
expect "no root" 2 "there is no private i386 root ($work/none" emulated "$work/good-wine" "$work/none" "$work/qemu10"
expect "a root of another Wine" 2 "the private i386 root's Wine (7.0~repack-1) is not the version of the machine's 64-bit wineserver" \
  emulated "$work/good-wine" "$work/old-root" "$work/qemu10"
TEZUN_FORCE_EMULATION=1 TEZUN_I386_ROOT=$work/none "$scripts/probe-32bit" --loader >"$work/out"
[ ! -s "$work/out" ] || fail "--loader names '$(cat "$work/out")' where nothing can run"
expect "wine-run where nothing can run" 1 "wine-run: the 32-bit Wine cannot run: emulation is forced" \
  env TEZUN_FORCE_EMULATION=1 TEZUN_QEMU_I386="$work/none" "$scripts/wine-run" --tree "$work/tree" program.exe

# The kernel runs 32-bit code: the system's Wine, else the root's; called emulated where the kernel
# hands such programs to an emulator.
if "$scripts/probe-32bit" --kernel >/dev/null; then
  way=0 said="native:"
  if grep -lqs '^magic 7f454c460101010000000000000000000200030' /proc/sys/fs/binfmt_misc/*; then
    way=1 said="(binfmt_misc);"
  fi
  expect "the system's Wine" $way "$said the system's 32-bit Wine (wine-8.0)" probe "$work/good-wine" "$work/none" "$work/none"
  expect "its loader" $way "$work/good-wine" probe "$work/good-wine" "$work/none" "$work/none" --loader
  expect "no system Wine: the root's" $way "$said the private i386 root's Wine (wine-8.0, $work/root)" \
    probe "$work/none" "$work/root" "$work/none"
  expect "a system Wine that fails: the root's" $way "$work/root/usr/lib/wine/wine-native" \
    probe "$work/broken-wine" "$work/root" "$work/none" --loader
  expect "neither" 2 "cannot: the system's 32-bit Wine does not start: wine: could not load kernel32.dll, status c0000135, and there is no private i386 root" \
    probe "$work/broken-wine" "$work/none" "$work/none"
else
  echo "this kernel runs no 32-bit code: the native cases are not checked"
  expect "the kernel's refusal" 1 "the kernel runs no 32-bit x86 programs (Exec format error" "$scripts/probe-32bit" --kernel
fi

# Without binutils the probe cannot tell: that is an incomplete install.
mkdir "$work/bin"
for tool in bash mktemp rm head tr sed; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
expect "no binutils" 2 "cannot: no 32-bit x86 assembler and linker" env PATH="$work/bin" "$scripts/probe-32bit"

[ $status -eq 0 ] && echo "probe-32bit: each case says why and exits as it should"
exit $status
