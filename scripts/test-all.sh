#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the three presets and the fuzz targets and
# runs every test of all of them in one CTest run, so the output ends with CTest's summary of
# everything. The fuzz tests are short runs of the targets, 10 seconds each. It prints the time of
# each stage as it ends, and a table of them all with the time of each group of tests at the end.
# The last line says how the 32-bit product was tested: natively, or under qemu-i386 where the
# kernel runs no 32-bit code; where it could not be tested at all, the run fails and that line says
# why.
set -euo pipefail
cd "$(dirname "$0")/.."
times=$(mktemp)
trap 'rm -f "$times"' EXIT
started=$(date +%s)
stage() {  # stage NAME COMMAND...: runs it, and notes and prints how long it took
  local name=$1 t0 rc=0
  shift
  t0=$(date +%s.%N)
  "$@" || rc=$?
  printf '%s\t%s\n' "$name" "$(awk -v t0="$t0" -v t1="$(date +%s.%N)" 'BEGIN { printf "%.1f", t1 - t0 }')" |
    tee -a "$times" |
    awk -F'\t' '{ printf "test-all: %s took %d s\n", $1, $2 }'
  return $rc
}

stage "installing" scripts/install-deps.sh
for preset in native win32 win64 fuzz; do
  stage "building $preset" scripts/build-all.sh $preset
done
# One test tree over the four build trees.
printf 'subdirs(native win32 win64 fuzz)\n' >build/CTestTestfile.cmake
status=0
junit=build/test-times.xml
stage "testing" ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)" \
  --output-junit "$PWD/$junit" || status=$?
scripts/test-times "$times" "$junit" "$(($(date +%s) - started))" || true
# A run that could not load the product is no pass, whatever else passed: say so last.
way=0
why=$(scripts/probe-32bit) || way=$?
case $way in
  0) echo "32-bit product: native (${why#native: })" ;;
  1) echo "32-bit product: under qemu-i386, $(ctest --test-dir build/win32 -N | sed -n 's/^Total Tests: //p') tests" ;;
  *)
    echo "test-all: the 32-bit product was not tested: ${why#cannot: }" >&2
    status=1
    ;;
esac
exit $status
