#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the three presets and the fuzz targets and
# runs every test of all of them in one CTest run, so the output ends with CTest's summary of
# everything. The fuzz tests are short runs of the targets, 10 seconds each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build-all.sh native win32 win64 fuzz
# One test tree over the four build trees.
printf 'subdirs(native win32 win64 fuzz)\n' >build/CTestTestfile.cmake
exec ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)"
