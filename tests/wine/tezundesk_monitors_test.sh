#!/usr/bin/env bash
# TezunDesk on two monitors side by side, a 1920 x 1080 primary at 0,0 and a 1280 x 1024 monitor
# at 1920,0, which the X server's dummy driver gives Wine. Without the shell's per-monitor
# wallpaper (Wine has none): one picture of the virtual screen whose parts are the plug-in's
# picture, the second monitor's own and the desktop colour, tiled from the primary's corner where
# Windows is 7 (as Wine says it is) and spanned where it is 10. With the stand-in for the shell's
# object registered: a file for each monitor, each that monitor's size, and /restore puts back
# each one's.
# In the prefix of TezunDesk's tests (state "desk"), on an X server of its own.
# usage: tezundesk_monitors_test.sh WINE_RUN TREE BIN_DIR SAMPLES_DIR
set -uo pipefail
wine_run=$1
tree=$2
bin=$3
samples=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "$(id -u)" -ne 0 ] || [ ! -x /usr/lib/xorg/Xorg ] || [ ! -f /usr/lib/xorg/modules/drivers/dummy_drv.so ]; then
  echo "skipped: two monitors need the X server's dummy driver (scripts/install-deps.sh) and root"
  exit 77
fi
"$wine_run" --tree "$tree" --state desk --stop  # a display of another kind may be up
export TEZUN_XORG_CONFIG=$here/two-monitors.conf
source "$here/../support/script_test.sh"
source "$here/desk_support.sh"

# The part of a picture at X Y of the size of EXPECTED is EXPECTED.
same_part() {
  local picture=$1 x=$2 y=$3 expected=$4 what=$5 size
  read -r -a size <<<"$(pictures size "$expected")"
  pictures part "$picture" "$x" "$y" "${size[0]}" "${size[1]}" "$work/part.bmp"
  same_pixels "$work/part.bmp" "$expected" "$what"
}

# One picture of the virtual screen: on Windows 7 tiled, whose tiles start at the primary's corner.
desk /picture "$(windows_path "$samples/evening.png")" /once 2>"$work/err" || fail "/once: $(cat "$work/err")"
spanned=$(unix_path "$(wallpaper)")
[ "$(pictures size "$spanned")" = "3200 1080" ] || fail "the picture is $(pictures size "$spanned"), not the virtual screen"
[ "$(desktop_value WallpaperStyle)/$(desktop_value TileWallpaper)" = "0/1" ] || fail "Windows 7: the picture is not tiled"
reference "$samples/evening.png" "$work/primary.bmp"  # BMP: read far faster than PNG here
colour=$(pictures pixel "$work/primary.bmp" 1919 1079)  # the plug-in's desktop colour, beside the picture
pictures lay "$samples/evening.png" 1280 1024 0 0 "$colour" "$work/second.bmp"
pictures lay - 1280 56 0 0 "$colour" "$work/below.bmp"
same_part "$spanned" 0 0 "$work/primary.bmp" "the primary's part"
same_part "$spanned" 1920 0 "$work/second.bmp" "the second monitor's part"
same_part "$spanned" 1920 1024 "$work/below.bmp" "the virtual screen below the second monitor"
# The same picture spanned on Windows 10, which Wine says it is to one program when told so.
cp "$spanned" "$work/tiled.bmp"
reg add 'HKCU\Software\Wine\AppDefaults\TezunDesk.exe' /v Version /d win10 /f
desk /once 2>"$work/err" || fail "/once as Windows 10: $(cat "$work/err")"
[ "$(desktop_value WallpaperStyle)/$(desktop_value TileWallpaper)" = "22/0" ] || fail "Windows 10: the picture is not spanned"
same_pixels "$(unix_path "$(wallpaper)")" "$work/tiled.bmp" "spanned as tiled, the primary at the virtual screen's corner"
reg delete 'HKCU\Software\Wine\AppDefaults\TezunDesk.exe' /f

# The shell's per-monitor wallpaper, through the stand-in (registered with the machine's classes,
# the only ones Wine's COM reads): each monitor named as the display names it, each showing a
# wallpaper of the user's, covered for the first time.
standin_log=$work/shell.log
reg_path() { windows_path "$1" | sed 's/\\/\\\\/g'; }
printf '%s\n' 'REGEDIT4' '' \
  '[HKEY_LOCAL_MACHINE\Software\Classes\CLSID\{C2CF3110-460E-4FC1-B9D0-8A1C0C9CC4BD}\InprocServer32]' \
  "@=\"$(reg_path "$bin/desk_wallpaper_standin.dll")\"" '"ThreadingModel"="Both"' '' \
  '[HKEY_CURRENT_USER\Software\TezunDeskStandIn]' "\"Log\"=\"$(reg_path "$standin_log")\"" '' \
  '[HKEY_CURRENT_USER\Software\TezunDeskStandIn\Wallpaper]' \
  '"\\\\.\\DISPLAY1"="C:\\first.bmp"' '"\\\\.\\DISPLAY2"="C:\\second.bmp"' >"$work/standin.reg"
reg import "$(windows_path "$work/standin.reg")" || fail "the stand-in cannot be registered"
reg delete 'HKCU\Software\TezunDesk' /f
desk /picture "$(windows_path "$samples/evening.png")" /once 2>"$work/err" || fail "/once through the stand-in: $(cat "$work/err")"
mapfile -t calls < <(tr -d '\r' <"$standin_log")
[ "${#calls[@]}" -eq 3 ] || fail "the stand-in was called ${#calls[@]} times: ${calls[*]}"
[ "${calls[0]}" = $'SetPosition\t0' ] || fail "not centred first: ${calls[0]}"
for i in 1 2; do
  IFS=$'\t' read -r method monitor file <<<"${calls[$i]}"
  [ "$method $monitor" = "SetWallpaper \\\\.\\DISPLAY$i" ] || fail "call $i: ${calls[$i]}"
  [ "$i" = 1 ] && expected=$work/primary.bmp || expected=$work/second.bmp
  same_pixels "$(unix_path "$file")" "$expected" "monitor $i's own file"
done

# /restore puts back each monitor's wallpaper, where it had been.
desk /restore 2>"$work/err" || fail "/restore: $(cat "$work/err")"
grep -qF $'SetWallpaper\t\\\\.\\DISPLAY1\tC:\\first.bmp' "$standin_log" || fail "the first monitor's wallpaper was not put back"
grep -qF $'SetWallpaper\t\\\\.\\DISPLAY2\tC:\\second.bmp' "$standin_log" || fail "the second monitor's wallpaper was not put back"
reg delete 'HKLM\Software\Classes\CLSID\{C2CF3110-460E-4FC1-B9D0-8A1C0C9CC4BD}' /f
reg delete 'HKCU\Software\TezunDeskStandIn' /f

[ $status -eq 0 ] && echo "tezundesk monitors: tiled and spanned part by part, and a file for each monitor through the shell"
exit $status
