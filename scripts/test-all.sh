#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the three presets and the fuzz targets and
# runs every test of all of them in one CTest run, so the output ends with CTest's summary of
# everything. The fuzz tests are short runs of the targets, 10 seconds each. The last line says how
# the 32-bit product was tested: natively, or under qemu-i386 where the kernel runs no 32-bit code;
# where it could not be tested at all, the run fails and that line says why.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build-all.sh native win32 win64 fuzz
# One test tree over the four build trees.
printf 'subdirs(native win32 win64 fuzz)\n' >build/CTestTestfile.cmake
status=0
ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)" || status=$?
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
