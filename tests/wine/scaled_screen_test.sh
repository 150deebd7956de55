#!/usr/bin/env bash
# The scaled screen's tests: a 1920 x 1080 display at 144 dots per inch, where a DPI-unaware
# thread sees what an old host sees on Windows at 150%. They run in the tree's prefix for
# densities, whose density and display are set here and put back to 96 and the default after.
# usage: scaled_screen_test.sh WINE_RUN TREE TESTS_EXE
set -uo pipefail
wine_run=$1
tree=$2
tests=$3
run=("$wine_run" --tree "$tree" --state density)

density() {
  "${run[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null && "${run[@]}" --stop
}
density 144 || exit
trap 'density 96' EXIT
output=$(TEZUN_SCREEN=1920x1080x24 "${run[@]}" "$tests" --gtest_filter='ScaledScreenTest.*' 2>&1)
status=$?
"${run[@]}" --stop
echo "$output"
[ $status -eq 0 ] || exit $status
grep -q '^\[  PASSED  \] 3 tests\.' <<<"$output" || { echo "FAIL: not all three scaled-screen tests ran"; exit 1; }
