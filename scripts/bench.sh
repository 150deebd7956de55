#!/usr/bin/env bash
# The benchmarks, each measured side by side with its baseline in one run: the low-colour
# reduction against libjpeg's own tools (native, optimised, no sanitizers), then the composer and
# the placement window under Wine, for the 32-bit product (where this machine runs 32-bit code) and
# its 64-bit twin. Nothing here is a test: read the ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
build/bench/bin/reducebench
echo
presets=(win64)
if scripts/probe-32bit >/dev/null; then presets=(win32 win64); fi
# A Wine that has just started is busy for some seconds (its desktop process sets up the displays
# in its registry), and every round trip to its server costs ten times as much meanwhile: the
# figures are taken once it has settled, as in a host that has been running for a while.
settle() {
  "$@" --start
  sleep 10
}
# The whole call composes at the screen's size, so each build runs on a display of each size.
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target tezunhost Tezun >/dev/null
  run=(scripts/wine-run --tree "build/$preset")
  # Another checkout's plug-in, timed in the same rounds (TEZUN_COMPARE: that checkout, built).
  compare=()
  [ -z "${TEZUN_COMPARE:-}" ] || compare=(--compare "Z:$(cd "$TEZUN_COMPARE" && pwd)/build/$preset/bin/Tezun.bpi")
  for screen in 1920x1080x24 3840x2160x24; do
    echo
    echo "== $preset on a $screen screen"
    export TEZUN_SCREEN=$screen
    "${run[@]}" --stop
    settle "${run[@]}"
    "${run[@]}" "build/$preset/bin/tezunhost.exe" bench "${compare[@]}"
  done
  "${run[@]}" --stop
  # A screen at 150%: the bench adds the whole call from a DPI-unaware thread, as old hosts make it.
  echo
  echo "== $preset on a 1920x1080x24 screen at 144 dots per inch (150%)"
  scaled=("${run[@]}" --state scaled)
  "${scaled[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
  "${scaled[@]}" --stop
  TEZUN_SCREEN=1920x1080x24 settle "${scaled[@]}"
  TEZUN_SCREEN=1920x1080x24 "${scaled[@]}" "build/$preset/bin/tezunhost.exe" bench "${compare[@]}"
  "${scaled[@]}" --stop
done
