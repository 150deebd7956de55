#!/usr/bin/env bash
# The private i386 root that scripts/install-deps.sh made for the 32-bit Wine: made from signed
# lists of bookworm and bookworm-updates main alone, whatever the machine's own apt sources say
# (its security suite's i386 index may be unusable), whole, and reused as it is when nothing
# changed. Skipped where the system's own 32-bit Wine runs the product and no root was needed.
# usage: i386_root_test.sh SCRIPTS_DIR
set -uo pipefail
scripts=$1
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_test.sh"
root=${TEZUN_I386_ROOT:-${TEZUN_DEPS_PREFIX:-/opt/tezun-deps}/i386-root}

if [ ! -f "$root/.packages" ]; then
  loader=$("$scripts/probe-32bit" --loader)
  if [ "$loader" = /usr/lib/wine/wine ]; then
    echo "the system's 32-bit Wine runs the product: no private root to check"
    exit 77
  fi
  fail "there is no private i386 root at $root"
  exit $status
fi

# Every index apt used for it: i386 lists of the two suites, each beside its signed InRelease.
lists=$root.apt/lists
indexes=$(find "$lists" -maxdepth 1 -name '*_Packages*' -printf '%f\n' | sort)
[ -n "$indexes" ] || fail "no package index in $lists"
while read -r index; do
  case $index in
    deb.debian.org_debian_dists_bookworm_main_binary-i386_Packages* | \
      deb.debian.org_debian_dists_bookworm-updates_main_binary-i386_Packages*) ;;
    *) fail "an index of another suite or architecture: $index" ;;
  esac
  release=${index%%_main_binary-i386_*}_InRelease
  if ! gpgv --keyring /usr/share/keyrings/debian-archive-keyring.gpg "$lists/$release" 2>/dev/null; then
    fail "$release does not carry a good signature of the archive's key"
  fi
done <<<"$indexes"

# The root's Wine and what it runs with.
for file in usr/lib/wine/wine usr/lib/wine/wine-qemu lib/ld-linux.so.2 \
  usr/lib/i386-linux-gnu/wine/i386-unix/ntdll.so usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll; do
  [ -e "$root/$file" ] || fail "the root lacks $file"
done
grep -q '^wine32 ' "$root/.packages" || fail "the root's package list names no wine32"
# Wine's zlib1.dll is the MinGW one marked as Wine's own, as libwine's maintainer script makes it.
grep -qa 'Wine builtin DLL' "$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll" ||
  fail "zlib1.dll is not marked as a Wine builtin DLL"

# A second run finds the lists unchanged and leaves the root as it is.
before=$(stat -c %Y "$root/.packages")
"$scripts/i386-root" "$root" >"$work/out" 2>&1 || fail "a second run failed: $(cat "$work/out")"
[ "$(stat -c %Y "$root/.packages")" = "$before" ] || fail "a second run made the root again"
grep -q 'making' "$work/out" && fail "a second run says it makes the root: $(cat "$work/out")"

[ $status -eq 0 ] && echo "i386-root: signed lists of the two suites, a whole root, reused as it is"
exit $status
