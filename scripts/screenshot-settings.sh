#!/usr/bin/env bash
# Makes docs/settings.png: the settings dialog open under Xvfb, the placement window beside it.
# The settings come from a demo key of their own, so nobody's settings are touched.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/settings.png}
tree=win32
scripts/probe-32bit >/dev/null || tree=win64
cmake --preset $tree >/dev/null
cmake --build --preset $tree --target Tezun tezunhost >/dev/null
export TEZUN_SCREEN=800x440x24
run=(scripts/wine-run --tree build/$tree)
"${run[@]}" --stop
trap '"${run[@]}" --stop' EXIT
key='Software\TezunDemo'
"${run[@]}" reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
put() { "${run[@]}" reg add "HKCU\\$key\\Tezun\\$1" /v "$2" /d "$3" /f >/dev/null; }
put Position Top 30
put Position Left 30
put Option Left 440
put Option Top 50
put Option Width 320
put Option Height 280
put Option TodayStyle 1
put Option TodayColor 65535
"${run[@]}" build/$tree/bin/tezunhost.exe settings --in samples/evening.png --key "$key" &
"${run[@]}" build/$tree/bin/tezunhost.exe screenshot --out "$out" --after 4
"${run[@]}" reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
echo "wrote $out"
