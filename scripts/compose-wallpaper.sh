#!/usr/bin/env bash
# The main job: sets up the machine (as root), builds the plug-in and the host program, and lets
# the plug-in compose a wallpaper with this month's calendar, written as a picture. It runs the
# product as the host would: the 32-bit Tezun.bpi loaded by a 32-bit tezunhost.exe under the
# 32-bit Wine, natively or, where the kernel runs no 32-bit code, under qemu-i386; it says which.
# Where neither can run it says why and uses the 64-bit build.
#
#   scripts/compose-wallpaper.sh [IN [OUT]]    default: samples/evening.png -> wallpaper.png
#
# The screen is Xvfb's, TEZUN_SCREEN (default 1280x720x24); the settings are those stored under
# the host key TEZUN_KEY (default: the plug-in's default key), after the registry file TEZUN_REG,
# when one is given, has been imported.
set -euo pipefail
cd "$(dirname "$0")/.."
in=${1:-samples/evening.png}
out=${2:-wallpaper.png}
scripts/install-deps.sh
preset=win32
way=0
why=$(scripts/probe-32bit) || way=$?
case $way in
  0) echo "compose-wallpaper: the 32-bit product, natively (${why#native: })" >&2 ;;
  1) echo "compose-wallpaper: the 32-bit product under qemu-i386, slower than natively (${why#emulated: })" >&2 ;;
  *)
    echo "compose-wallpaper: the 32-bit product cannot run here (${why#cannot: }); using its 64-bit twin" >&2
    preset=win64
    ;;
esac
cmake --preset $preset >/dev/null
cmake --build --preset $preset --target Tezun tezunhost
export TEZUN_SCREEN=${TEZUN_SCREEN:-1280x720x24}
run=(scripts/wine-run --tree build/$preset)
"${run[@]}" --stop  # a display of another size may be up
trap '"${run[@]}" --stop' EXIT
if [ -n "${TEZUN_REG:-}" ]; then
  "${run[@]}" reg import "Z:$(realpath "$TEZUN_REG")" >/dev/null 2>&1 || { echo "compose-wallpaper: cannot import $TEZUN_REG" >&2; exit 1; }
fi
"${run[@]}" build/$preset/bin/tezunhost.exe compose --in "$in" --out "$out" ${TEZUN_KEY:+--key "$TEZUN_KEY"}
echo "wrote $out"
