#!/usr/bin/env bash
# Makes the release a user downloads, dist/Tezun-VERSION.zip, and prints its SHA-256:
#
#   Tezun.bpi          the 32-bit plug-in (preset win32), byte for byte
#   TezunDesk.exe      the 32-bit host of our own that sets the wallpaper, from the same tree
#   readme.txt         the user's guide (docs/readme.txt) in Shift-JIS with CR LF line ends
#   holiday-law.reg    switches the calendar to the holiday law in force, at the default key
#   uninstall.reg      removes the settings at the default key
#   LICENSE.txt        the licence, CR LF
#
# The version comes from the file VERSION. The same commit gives the same bytes: fixed times,
# a fixed order. TEZUN_PLUGIN names another Tezun.bpi (the tests pass the one they ran), and
# TEZUN_DESK another TezunDesk.exe (by default the one beside that Tezun.bpi).
#
#   scripts/package.sh [OUT_DIR]       default: dist
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=${1:-dist}
version=$(tr -d '[:space:]' <VERSION)
plugin=${TEZUN_PLUGIN:-}
if [ -z "$plugin" ]; then
  scripts/install-deps.sh
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target Tezun TezunDesk >/dev/null
  plugin=build/win32/bin/Tezun.bpi
fi
desk=${TEZUN_DESK:-$(dirname "$plugin")/TezunDesk.exe}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$plugin" "$stage/Tezun.bpi"
cp "$desk" "$stage/TezunDesk.exe"
crlf() { sed 's/\r$//; s/$/\r/'; }
iconv -f UTF-8 -t CP932 docs/readme.txt | crlf >"$stage/readme.txt"
crlf <LICENSE >"$stage/LICENSE.txt"
crlf <docs/holiday-law.reg >"$stage/holiday-law.reg"
crlf <docs/uninstall.reg >"$stage/uninstall.reg"

mkdir -p "$out"
zip=$out/Tezun-$version.zip
python3 - "$zip" "$stage" Tezun.bpi TezunDesk.exe readme.txt holiday-law.reg uninstall.reg LICENSE.txt <<'PY'
import sys, zipfile
zip_path, stage, names = sys.argv[1], sys.argv[2], sys.argv[3:]
with zipfile.ZipFile(zip_path + ".partial", "w") as archive:
    for name in names:
        # A fixed time and fixed attributes: the bytes depend on the files alone.
        entry = zipfile.ZipInfo(name, date_time=(2000, 1, 1, 0, 0, 0))
        entry.create_system = 0
        entry.external_attr = 0x20  # an ordinary file, as Windows archivers write it
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(f"{stage}/{name}", "rb") as source:
            archive.writestr(entry, source.read(), compresslevel=9)
PY
mv "$zip.partial" "$zip"
echo "$(sha256sum "$zip" | cut -d' ' -f1)  $zip"
