#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the three presets and the fuzz targets and
# runs every test of all of them in one CTest run, so the output ends with CTest's summary of
# everything. The fuzz tests are short runs of the targets, 10 seconds each. Where the machine
# could run the 32-bit product but its Wine is missing, the run fails and says so in its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build-all.sh native win32 win64 fuzz
# One test tree over the four build trees.
printf 'subdirs(native win32 win64 fuzz)\n' >build/CTestTestfile.cmake
status=0
ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)" || status=$?
# A run that could not load the product is no pass, whatever else passed: say so last.
probe=0
why=$(scripts/probe-32bit) || probe=$?
if [ $probe -eq 2 ]; then
  echo "test-all: the 32-bit product was not tested: $why" >&2
  status=1
fi
exit $status
