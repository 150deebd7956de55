#!/usr/bin/env bash
# TezunDesk as a scheduled task or a script meets it: /once and the pictures it sets, the failures
# that leave the wallpaper as it was (and their lines in its log), a slideshow, and the other
# switches. In a prefix of its own (state "desk"): it sets that prefix's wallpaper.
# usage: tezundesk_test.sh WINE_RUN TREE BIN_DIR SAMPLES_DIR
set -uo pipefail
wine_run=$1
tree=$2
bin=$3
samples=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/script_test.sh"
source "$here/desk_support.sh"

# The wallpaper before TezunDesk: a picture of ours, stretched.
pictures bmp "$work/before.bmp" 640 400
reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /d "$(windows_path "$work/before.bmp")" /f
reg add 'HKCU\Control Panel\Desktop' /v WallpaperStyle /d 2 /f
reg add 'HKCU\Control Panel\Desktop' /v TileWallpaper /d 0 /f

# The first /once decorates the wallpaper Windows showed, and remembers it.
desk /once 2>"$work/err" || fail "the first /once exited with $?: $(cat "$work/err")"
first=$(wallpaper)
[ "$first" = "$output_folder\\TezunDesk-1.bmp" ] || fail "the wallpaper is '$first', not our first file"
[ "$(desktop_value WallpaperStyle)/$(desktop_value TileWallpaper)" = "0/0" ] || fail "the wallpaper is not centred"
reference "$work/before.bmp" "$work/ref-before.png"
same_pixels "$(unix_path "$first")" "$work/ref-before.png" "the first /once"
[ "$(desk_value RememberedWallpaper)" = "$(windows_path "$work/before.bmp")" ] || fail "the wallpaper before is not remembered"
[ "$(desk_value RememberedWallpaperStyle)" = 2 ] || fail "its style is not remembered"

# Again: the other name, the same picture (not a calendar on a calendar).
cp "$(unix_path "$first")" "$work/first.bmp"
desk /once 2>"$work/err" || fail "the second /once exited with $?: $(cat "$work/err")"
second=$(wallpaper)
[ "$second" = "$output_folder\\TezunDesk-2.bmp" ] || fail "the second wallpaper is '$second', not our second file"
same_pixels "$(unix_path "$second")" "$work/first.bmp" "the second /once"

# Each kind of file, chosen with /picture, gives what ExecutePlugIn makes of it.
cjpeg -quality 95 "$work/before.bmp" >"$work/photo.jpg"
cp "$samples/evening.png" "$work/夕方.png"  # a name beyond ASCII, as a user's pictures have
for picture in "$work/photo.jpg" "$work/夕方.png" "$samples/market.png"; do
  desk /picture "$(windows_path "$picture")" /once 2>"$work/err" || fail "/picture $picture /once: $(cat "$work/err")"
  [ "$(desk_value Picture)" = "$(windows_path "$picture")" ] || fail "/picture did not store $picture"
  reference "$picture" "$work/ref.png"
  same_pixels "$(unix_path "$(wallpaper)")" "$work/ref.png" "$(basename "$picture")"
done

# A photograph's orientation tag is honoured: tag 6 is turned a quarter clockwise.
pictures bmp "$work/upright.bmp" 320 240
cjpeg -quality 100 -sample 1x1 "$work/upright.bmp" >"$work/stored.jpg"
pictures orient "$work/stored.jpg" "$work/tagged.jpg" 6
jpegtran -rotate 90 -perfect "$work/stored.jpg" >"$work/turned.jpg"
desk /picture "$(windows_path "$work/tagged.jpg")" /once 2>"$work/err" || fail "the tagged photograph: $(cat "$work/err")"
reference "$work/turned.jpg" "$work/ref-turned.png"
same_pixels "$(unix_path "$(wallpaper)")" "$work/ref-turned.png" "the tagged photograph" 3

# Pictures that cannot be read: exit 2, a line naming the file, and nothing changed.
desk /picture "$(windows_path "$samples/evening.png")" /once 2>/dev/null || fail "setting a good picture failed"
good=$(wallpaper)
cp "$(unix_path "$good")" "$work/good.bmp"
head -c 3000 "$samples/evening.png" >"$work/truncated.png"
printf 'not a picture at all\n' >"$work/text.png"
pictures huge-png "$work/huge.png" 20000 20000
for bad in "$work/missing.png" "$work/truncated.png" "$work/text.png" "$work/huge.png"; do
  desk /picture "$(windows_path "$bad")" /once 2>"$work/err"
  code=$?
  [ $code -eq 2 ] || fail "$(basename "$bad"): exit $code, not 2: $(cat "$work/err")"
  grep -qF "$(basename "$bad")" "$work/err" || fail "$(basename "$bad"): the message does not name the file: $(cat "$work/err")"
  [ "$(wallpaper)" = "$good" ] || fail "$(basename "$bad") changed the wallpaper"
  cmp -s "$(unix_path "$good")" "$work/good.bmp" || fail "$(basename "$bad") changed the wallpaper's file"
  [ "$(desk_value Picture)" = "$(windows_path "$samples/evening.png")" ] || fail "$(basename "$bad") was stored"
done
# Whether the decoder tells the size first or runs out of memory holding it, the user is told it is too large.
grep -q '大きすぎ' "$work/err" || fail "the huge picture's message does not say it is too large: $(cat "$work/err")"

# The log has a line for each of those, the last one naming its switch and its file.
log=$(unix_path "$output_folder")/TezunDesk.log
tail -n 1 "$log" | grep -q ' /picture /once: .*huge\.png' || fail "the log's last line is not the huge picture's: $(tail -n 1 "$log")"

# The chosen picture gone: its kept copy is decorated. The copy gone too: exit 2, the wallpaper stays.
cp "$samples/market.png" "$work/gone.png"
desk /picture "$(windows_path "$work/gone.png")" 2>/dev/null || fail "/picture alone failed"
rm "$work/gone.png"
desk /once 2>"$work/err" || fail "a picture gone, and its copy kept: $(cat "$work/err")"
reference "$samples/market.png" "$work/ref-market.bmp"
same_pixels "$(unix_path "$(wallpaper)")" "$work/ref-market.bmp" "the kept copy"
kept=$(wallpaper)
rm "$(unix_path "$(desk_value KeptPicture)")"
desk /once 2>/dev/null
code=$?
[ $code -eq 2 ] || fail "a picture and its copy gone: exit $code, not 2"
[ "$(wallpaper)" = "$kept" ] || fail "a picture and its copy gone changed the wallpaper"
desk /picture "$(windows_path "$samples/evening.png")" /once 2>/dev/null || fail "setting a good picture again failed"
good=$(wallpaper)
cp "$(unix_path "$good")" "$work/good.bmp"

# A slideshow on: /once exits 4 and changes nothing.
wallpapers='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Wallpapers'
reg add "$wallpapers" /v BackgroundType /t REG_DWORD /d 2 /f
desk /once 2>"$work/err"
code=$?
[ $code -eq 4 ] || fail "a slideshow: exit $code, not 4"
grep -q 'スライドショー' "$work/err" || fail "a slideshow: the words do not say so: $(cat "$work/err")"
[ "$(wallpaper)" = "$good" ] || fail "a slideshow's wallpaper was changed"
reg add "$wallpapers" /v BackgroundType /t REG_DWORD /d 0 /f

# A folder that cannot be written: exit 3, the wallpaper and its file as they were. (Immutable,
# since permissions do not stop root.)
folder=$(unix_path "$output_folder")
if chattr +i "$folder" 2>/dev/null; then
  desk /once 2>"$work/err"
  code=$?
  chattr -i "$folder"
  [ $code -eq 3 ] || fail "an unwritable folder: exit $code, not 3: $(cat "$work/err")"
  [ "$(wallpaper)" = "$good" ] || fail "an unwritable folder changed the wallpaper"
  cmp -s "$(unix_path "$good")" "$work/good.bmp" || fail "an unwritable folder changed the wallpaper's file"
  [ -z "$(find "$folder" -name '*.partial')" ] || fail "a partial file was left"
else
  echo "note: chattr cannot make $folder unwritable here; the unwritable folder is not tried"
fi

# The Run value, on and off; on also takes away Task Manager's mark of disabled.
approved='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
reg add "$approved" /v TezunDesk /t REG_BINARY /d 030000000000000000000000 /f
desk /autostart on 2>"$work/err" || fail "/autostart on: $(cat "$work/err")"
reg query "$approved" /v TezunDesk && fail "/autostart on left the mark of disabled"
run_value=$(text_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' TezunDesk)
[ "$run_value" = "\"$(windows_path "$bin/TezunDesk.exe")\"" ] || fail "the Run value is '$run_value'"
desk /autostart off 2>"$work/err" || fail "/autostart off: $(cat "$work/err")"
reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v TezunDesk >/dev/null 2>&1 && fail "/autostart off left the value"

# /subscribe and /unsubscribe, with a calendar served on 127.0.0.1 by Python's own server. An
# address TezunDesk cannot use: exit 5, nothing stored, and the address (which may hold a secret)
# never in the log.
desk /subscribe 'http://example.org/private-5e1f/basic.ics' 2>"$work/err"
code=$?
[ $code -eq 5 ] || fail "/subscribe of plain http elsewhere: exit $code, not 5: $(cat "$work/err")"
grep -q 'https://' "$work/err" || fail "the refusal does not say what to use: $(cat "$work/err")"
reg query 'HKCU\Software\TezunDesk\Subscriptions' && fail "a refused address was stored"
mkdir "$work/served"
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261224\r\nSUMMARY:X\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' \
  >"$work/served/team.ics"
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/served" 0 >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do grep -q 'port [0-9]' "$work/server.log" && break; sleep 0.1; done
port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/server.log" | head -n 1)
address="http://127.0.0.1:$port/team.ics?token=private-5e1f"
desk /subscribe "$address" 2>"$work/err" || fail "/subscribe: exit $?: $(cat "$work/err")"
copy=$(unix_path "$output_folder")/Calendars/Subscription-1.ics
cmp -s "$copy" "$work/served/team.ics" || fail "/subscribe did not write the calendar whole"
[ "$(text_value 'HKCU\Software\TezunDesk\Subscriptions\1' Address)" = "$address" ] || fail "the address is not stored"
events_value() { text_value 'HKCU\Software\Tokiwanoshi\Zelo32\PlugIn\Tezun\Option' Events; }
[ "$(events_value)" = "$output_folder\\Calendars" ] || fail "the plug-in's Events is '$(events_value)'"
# The server gone: exit 6, the copy kept.
kill "$server"
wait "$server" 2>/dev/null
desk /subscribe "$address" 2>"$work/err"
code=$?
[ $code -eq 6 ] || fail "/subscribe with the server gone: exit $code, not 6: $(cat "$work/err")"
cmp -s "$copy" "$work/served/team.ics" || fail "a failed fetch did not keep the last copy"
grep -q 'private-5e1f' "$(unix_path "$output_folder")/TezunDesk.log" && fail "the log holds the address"
desk /unsubscribe "$address" 2>"$work/err" || fail "/unsubscribe: exit $?: $(cat "$work/err")"
[ -e "$copy" ] && fail "/unsubscribe left the copy"
[ -z "$(events_value)" ] || fail "/unsubscribe left Events as '$(events_value)'"

# /restore puts back the wallpaper and the style of before the first run, and forgets them: a
# second /restore has nothing to put back, says so and exits 3.
desk /restore 2>"$work/err" || fail "/restore: $(cat "$work/err")"
[ "$(wallpaper)" = "$(windows_path "$work/before.bmp")" ] || fail "/restore set '$(wallpaper)'"
[ "$(desktop_value WallpaperStyle)" = 2 ] || fail "/restore did not put back the style"
desk /restore 2>"$work/err"
code=$?
[ $code -eq 3 ] || fail "/restore with nothing remembered: exit $code, not 3"
grep -q '記録されていません' "$work/err" || fail "/restore with nothing remembered does not say so: $(cat "$work/err")"

# The release's uninstall.reg takes away TezunDesk's key and its Run value with the plug-in's.
desk /autostart on 2>/dev/null
reg import "$(windows_path "$here/../../docs/uninstall.reg")" || fail "uninstall.reg does not import"
reg query 'HKCU\Software\TezunDesk' && fail "uninstall.reg left TezunDesk's key"
reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v TezunDesk && fail "uninstall.reg left the Run value"

# Anything else: the switches named, exit 1.
for wrong in /frobnicate "/autostart maybe" "/once /restore"; do
  # shellcheck disable=SC2086  # the words are the arguments
  desk $wrong 2>"$work/err"
  code=$?
  [ $code -eq 1 ] || fail "'$wrong': exit $code, not 1"
  grep -q '/picture' "$work/err" || fail "'$wrong' does not name the switches: $(cat "$work/err")"
done

[ $status -eq 0 ] && echo "tezundesk: /once, /picture, the refusals, /autostart, /subscribe, /restore behave"
exit $status
