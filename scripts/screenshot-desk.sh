#!/usr/bin/env bash
# Makes docs/desktop.png: a whole Wine desktop (a virtual one, 1280 x 720, which draws the
# wallpaper) after TezunDesk set its wallpaper from samples/evening.png. In a prefix of its own
# (state "screenshot"), so that no test's wallpaper is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/desktop.png}
tree=win32
scripts/probe-32bit >/dev/null || tree=win64
cmake --preset $tree >/dev/null
cmake --build --preset $tree --target Tezun TezunDesk tezunhost >/dev/null
export TEZUN_SCREEN=1280x720x24
run=(scripts/wine-run --tree build/$tree --state screenshot)
"${run[@]}" --stop
trap '"${run[@]}" --stop' EXIT
# Every program of the prefix on one virtual desktop of the screen's size.
"${run[@]}" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
"${run[@]}" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x720 /f >/dev/null
"${run[@]}" --stop
"${run[@]}" build/$tree/bin/TezunDesk.exe /picture "Z:$PWD/samples/evening.png" /once
"${run[@]}" build/$tree/bin/tezunhost.exe screenshot --out "$out" --after 2
echo "wrote $out"
