#!/usr/bin/env bash
# The settings dialog's layout, and whether every text fits its control, at one screen density, in
# a Wine prefix of the tree's own for densities, so that the tree's main prefix keeps 96. Wine reads
# the density when its server starts: it is set, the server stopped, and the next program sees it.
# usage: density_test.sh WINE_RUN TREE TESTS_EXE DPI
set -uo pipefail
wine_run=$1
tree=$2
tests=$3
dpi=$4
run=("$wine_run" --tree "$tree" --state density)

"${run[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null || exit
"${run[@]}" --stop
trap '"${run[@]}" --stop' EXIT
tests_run='SettingsDialogTest.LayoutFollowsTheScreenDensity:SettingsDialogTest.EveryTextFitsItsControl'
output=$(TEZUN_EXPECTED_DPI=$dpi "${run[@]}" "$tests" --gtest_filter="$tests_run" 2>&1)
status=$?
echo "$output"
[ $status -eq 0 ] || exit $status
# A filter that matched nothing passes too: both tests must have run.
grep -q '^\[  PASSED  \] 2 tests\.' <<<"$output" || { echo "FAIL: the density tests did not run"; exit 1; }
