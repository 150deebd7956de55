#!/usr/bin/env bash
# The release as a user receives it: scripts/package.sh run on the plug-in the tests ran, then the
# zip taken apart and checked. Its registry files are imported by ReleaseFiles.* under Wine.
# usage: check_package.sh WINE_RUN TREE TESTS_EXE
set -uo pipefail
wine_run=$1
tree=$2
tests=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_test.sh"

version=$(tr -d '[:space:]' <"$root/VERSION")
plugin=$tree/bin/Tezun.bpi
for run in 1 2; do
  TEZUN_PLUGIN=$plugin "$root/scripts/package.sh" "$work/dist$run" >"$work/out$run" || fail "package.sh failed"
done
zip=$work/dist1/Tezun-$version.zip
[ -f "$zip" ] || { echo "FAIL: no $zip"; exit 1; }
cmp -s "$zip" "$work/dist2/Tezun-$version.zip" || fail "the same plug-in and sources gave another zip"
grep -q "^[0-9a-f]\{64\}  .*Tezun-$version.zip$" "$work/out1" || fail "no SHA-256 printed: $(cat "$work/out1")"

# Exactly these files at the top, with ASCII names.
names=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$names" = "Tezun.bpi TezunDesk.exe readme.txt holiday-law.reg uninstall.reg LICENSE.txt " ] ||
  fail "the zip holds: $names"
unzip -q "$zip" -d "$work/release"
cmp -s "$work/release/Tezun.bpi" "$plugin" || fail "Tezun.bpi is not the plug-in the tests ran"
cmp -s "$work/release/TezunDesk.exe" "$tree/bin/TezunDesk.exe" || fail "TezunDesk.exe is not the one the tests ran"
# TezunDesk is the 32-bit product too, a Windows program that imports only Windows' own DLLs.
i686-w64-mingw32-objdump -f "$work/release/TezunDesk.exe" | grep -q 'file format pei-i386' ||
  fail "TezunDesk.exe is not a 32-bit program"
imports=$(i686-w64-mingw32-objdump -p "$work/release/TezunDesk.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' |
  grep -vxE 'kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll|comdlg32.dll|windowscodecs.dll|wtsapi32.dll|winhttp.dll|msvcrt.dll|api-ms-win-.*')
[ -z "$imports" ] || fail "TezunDesk.exe imports more than Windows' own DLLs: $imports"

# The guide: Shift-JIS that decodes without loss, CR LF throughout, 80 columns at most.
readme=$work/release/readme.txt
iconv -f CP932 -t UTF-8 "$readme" >"$work/readme.utf8" || fail "readme.txt is not code page 932"
iconv -f UTF-8 -t CP932 "$work/readme.utf8" | cmp -s - "$readme" || fail "readme.txt does not survive code page 932"
for file in readme.txt holiday-law.reg uninstall.reg LICENSE.txt; do
  LC_ALL=C grep -q $'[^\r]$' "$work/release/$file" && fail "$file has a line end without CR"
  [ "$(tail -c 2 "$work/release/$file" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "$file does not end its last line"
done
long=$(LC_ALL=C awk '{ sub(/\r$/, ""); if (length($0) > 80) print NR": "length($0) }' "$readme")
[ -z "$long" ] || fail "readme.txt lines over 80 columns: $long"
for heading in インストール TezunDesk 詳細設定 自分の休日 現行の祝日法 拡大表示 設定の保存場所 アンインストール 変更履歴 ライセンス; do
  grep -q "$heading" "$work/readme.utf8" || fail "readme.txt says nothing of $heading"
done
head -n 1 "$readme" | grep -q "^Tezun $version " || fail "readme.txt's title is not of version $version"

# One version: the file, the zip's name, the version resource and the README.
strings -el "$plugin" | grep -qx "$version" || fail "the version resource does not say $version"
strings -el "$work/release/TezunDesk.exe" | grep -qx "$version" || fail "TezunDesk's version resource does not say $version"
# uninstall.reg takes TezunDesk's key and its Run value with the plug-in's settings (tezundesk_test.sh
# imports it and looks).
grep -qF '[-HKEY_CURRENT_USER\Software\TezunDesk]' "$work/release/uninstall.reg" || fail "uninstall.reg keeps TezunDesk's key"
grep -qF '"TezunDesk"=-' "$work/release/uninstall.reg" || fail "uninstall.reg keeps TezunDesk's Run value"
grep -q "Tezun-$version.zip" "$root/README.md" || fail "README.md does not name Tezun-$version.zip"

# The registry files, imported as a user imports them.
release_dir=$(cd "$work/release" && pwd)
output=$(TEZUN_RELEASE_DIR="Z:${release_dir//\//\\}" "$wine_run" --tree "$tree" "$tests" \
  --gtest_filter='ReleaseFiles.*' 2>&1)
grep -q '^\[  PASSED  \] 1 test\.' <<<"$output" || fail "ReleaseFiles: $output"

[ $status -eq 0 ] && echo "Tezun-$version.zip: $(cut -d' ' -f1 "$work/out1")"
exit $status
