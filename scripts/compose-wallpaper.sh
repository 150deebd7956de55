#!/usr/bin/env bash
# The main job: sets up the machine (as root), builds the plug-in and the host program, and lets
# the plug-in compose a wallpaper with this month's calendar, written as a picture.
#
#   scripts/compose-wallpaper.sh [IN [OUT]]    default: samples/evening.png -> wallpaper.png
#
# The screen is Xvfb's, TEZUN_SCREEN (default 1280x720x24); the settings are those stored under
# the host key TEZUN_KEY (default: the plug-in's default key).
set -euo pipefail
cd "$(dirname "$0")/.."
in=${1:-samples/evening.png}
out=${2:-wallpaper.png}
scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tezun tezunhost
export TEZUN_SCREEN=${TEZUN_SCREEN:-1280x720x24}
run=(scripts/wine-run --tree build/win64)
"${run[@]}" --stop  # a display of another size may be up
trap '"${run[@]}" --stop' EXIT
"${run[@]}" build/win64/bin/tezunhost.exe compose --in "$in" --out "$out" ${TEZUN_KEY:+--key "$TEZUN_KEY"}
echo "wrote $out"
