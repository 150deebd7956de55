#!/usr/bin/env bash
# Checks the 32-bit Tezun.bpi as the host sees it: module name, export names and ordinals, the
# stdcall convention of each export, the DLLs it imports, and the version resource.
# usage: check_exports.sh OBJDUMP DLL
set -euo pipefail
objdump=$1
dll=$2
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_test.sh"

headers=$("$objdump" -p "$dll")

name=$(sed -n 's/^Name[[:space:]]\+[0-9a-f]\+ \(.*\)$/\1/p' <<<"$headers")
[ "$name" = "Tezun.bpi" ] || fail "module name in the export directory is '$name', not 'Tezun.bpi'"

# "[Ordinal/Name Pointer] Table" lines read "[   0] ExecutePlugIn": the index is ordinal - base.
base=$(sed -n 's/^Ordinal Base[[:space:]]\+\([0-9]\+\)$/\1/p' <<<"$headers")
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
  sed -n 's/^[[:space:]]*\[ *\([0-9]\+\)\] \(.*\)$/\2 \1/p' |
  while read -r export index; do echo "$export $((index + base))"; done | sort)
expected_exports=$(printf '%s\n' "ExecutePlugIn 1" "GetPlugInInfo 3" "SettingPlugIn 2")
[ "$exports" = "$expected_exports" ] || fail "exports differ:"$'\n'"$exports"$'\n'"expected:"$'\n'"$expected_exports"

# stdcall: each export returns with "ret" popping its arguments (3 or 2 of 4 bytes).
image_base=$(sed -n 's/^ImageBase[[:space:]]\+\([0-9a-f]\+\)$/\1/p' <<<"$headers")
declare -A pops=([ExecutePlugIn]=0xc [SettingPlugIn]=0xc [GetPlugInInfo]=0x8)
while read -r slot rva; do
  export_name=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
    sed -n "s/^[[:space:]]*\[ *$slot\] \(.*\)$/\1/p")
  start=$((0x$image_base + 0x$rva))
  code=$("$objdump" -d --start-address=$start --stop-address=$((start + 0x1000)) "$dll")
  ret=$(grep -m1 -E $'\tret' <<<"$code" | sed 's/.*\tret[[:space:]]*//')
  [ "$ret" = "\$${pops[$export_name]}" ] || fail "$export_name returns with 'ret $ret', not stdcall 'ret \$${pops[$export_name]}'"
done < <(sed -n 's/^[[:space:]]*\[ *\([0-9]\+\)\] +base\[ *[0-9]\+\] \([0-9a-f]\+\) Export RVA$/\1 \2/p' <<<"$headers")

# Only system DLLs: the C++ runtime is linked in.
imports=$(sed -n 's/^[[:space:]]*DLL Name: \(.*\)$/\1/p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
expected_imports=$(printf '%s\n' advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll | sort)
[ "$imports" = "$expected_imports" ] || fail "imports differ:"$'\n'"$imports"$'\n'"expected:"$'\n'"$expected_imports"

# A VERSIONINFO resource (type 16) in the resource directory.
grep -q 'Type Table:' <<<"$headers" && grep -q 'Entry: ID: 0x000010' <<<"$headers" ||
  fail "no version resource"

[ $status -eq 0 ] && echo "Tezun.bpi: module name, 3 stdcall exports at ordinals 1-3, system imports, version resource"
exit $status
