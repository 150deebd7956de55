#!/usr/bin/env bash
# The scaled screen's tests: a 1920 x 1080 display at 144 dots per inch, where a DPI-unaware
# thread sees what an old host sees on Windows at 150%, and where TezunDesk runs the plug-in's
# dialog. They run in the tree's prefix for densities, whose density and display are set here and
# put back to 96 and the default after.
# usage: scaled_screen_test.sh WINE_RUN TREE TESTS_EXE DESK_TESTS_EXE
set -uo pipefail
wine_run=$1
tree=$2
tests=$3
desk_tests=$4
run=("$wine_run" --tree "$tree" --state density)

density() {
  "${run[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null && "${run[@]}" --stop
}
density 144 || exit
trap 'density 96' EXIT
output=$(TEZUN_SCREEN=1920x1080x24 "${run[@]}" "$tests" --gtest_filter='ScaledScreenTest.*' 2>&1)
status=$?
desk_output=$(TEZUN_SCREEN=1920x1080x24 "${run[@]}" "$desk_tests" --gtest_filter='DeskDpi.*' 2>&1)
desk_status=$?
"${run[@]}" --stop
echo "$output"
echo "$desk_output"
[ $status -eq 0 ] || exit $status
[ $desk_status -eq 0 ] || exit $desk_status
grep -q '^\[  PASSED  \] 3 tests\.' <<<"$output" || { echo "FAIL: not all three scaled-screen tests ran"; exit 1; }
grep -q '^\[  PASSED  \] 1 test\.' <<<"$desk_output" || { echo "FAIL: TezunDesk's scaled-screen test did not run"; exit 1; }
