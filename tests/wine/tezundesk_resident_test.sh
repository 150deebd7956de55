#!/usr/bin/env bash
# The resident TezunDesk as a whole program: a second start makes the running one compose and
# ends; /restore ends it, takes away its Run value and puts back the wallpaper; across local midnight (under faketime, 64-bit Wine only: the 32-bit loader hangs under
# it) the wallpaper turns to the next day's calendar by itself.
# usage: tezundesk_resident_test.sh WINE_RUN TREE BIN_DIR SAMPLES_DIR
set -uo pipefail
wine_run=$1
tree=$2
bin=$3
samples=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/script_test.sh"
source "$here/desk_support.sh"

# Whether `command...` succeeds within `seconds`, tried every half second.
within() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 2))); do
    "$@" && return 0
    sleep 0.5
  done
  return 1
}
wallpaper_is_ours_but_not() { local now; now=$(wallpaper); [ -n "$now" ] && [ "$now" != "$1" ]; }
resident=
stop_resident() {
  [ -n "$resident" ] || return 0
  # WM_CLOSE to its window first, as a session's end does; forced when it does not listen.
  run taskkill /im TezunDesk.exe >/dev/null 2>&1
  within 20 bash -c "! kill -0 $resident 2>/dev/null" || { run taskkill /f /im TezunDesk.exe >/dev/null 2>&1; }
  wait "$resident" 2>/dev/null
  resident=
}

trap 'stop_resident; run --stop; rm -rf "$work"' EXIT
desk /picture "$(windows_path "$samples/evening.png")" 2>/dev/null || fail "/picture"

# Started, it composes; a second start asks it to compose again and ends at once.
desk &
resident=$!
within 120 wallpaper_is_ours_but_not "" || fail "the resident start did not compose"
first=$(wallpaper)
desk 2>"$work/err" || fail "the second start exited with $?: $(cat "$work/err")"
kill -0 "$resident" 2>/dev/null || fail "the second start ended the first"
within 120 wallpaper_is_ours_but_not "$first" || fail "the second start did not make the first compose"
desk /autostart on 2>/dev/null || fail "/autostart on"
desk /restore 2>"$work/err" || fail "/restore with a resident running: $(cat "$work/err")"
within 20 bash -c "! kill -0 $resident 2>/dev/null" || fail "/restore did not end the resident"
[ -z "$(wallpaper)" ] || fail "/restore left '$(wallpaper)', not the wallpaper of before"
reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v TezunDesk && fail "/restore left the Run value"
stop_resident

if [ "$(cat "$tree/wine-arch")" = win64 ] && [ -n "$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$')" ]; then
  # Across midnight from 23:59:35 on the last day of 2026: the server keeps the clock, so it
  # runs on the faked one too. The library itself, not the faketime command: that command waits
  # until every process it started has ended, the lasting server among them. Each process's clock
  # starts at the given time when the process starts; the timers keep the real pace.
  at() {
    LD_PRELOAD=$(faketime_library) FAKETIME="@$1" FAKETIME_DONT_FAKE_MONOTONIC=1 "${@:2}"
  }
  faketime_library() { dpkg -L libfaketime 2>/dev/null | grep -m1 '/libfaketime\.so\.1$'; }
  run --stop
  at '2026-12-31 23:59:35' "$wine_run" --tree "$tree" --state desk --start
  at '2026-12-31 23:59:35' "$wine_run" --tree "$tree" --state desk "$bin/TezunDesk.exe" &
  resident=$!
  before=$(wallpaper)
  within 120 wallpaper_is_ours_but_not "$before" || fail "the resident start under faketime did not compose"
  evening=$(wallpaper)
  cp "$(unix_path "$evening")" "$work/evening.bmp"
  within 240 wallpaper_is_ours_but_not "$evening" || fail "midnight passed and the wallpaper stayed"
  morning=$(wallpaper)
  cp "$(unix_path "$morning")" "$work/morning.bmp"
  stop_resident
  run --stop
  # The plug-in's picture of the new day, made on that day.
  at '2027-01-01 00:00:30' "$wine_run" --tree "$tree" --state desk --start
  at '2027-01-01 00:00:30' reference "$samples/evening.png" "$work/new-year.png"
  same_pixels "$work/morning.bmp" "$work/new-year.png" "after midnight"
  pictures same "$work/evening.bmp" "$work/morning.bmp" >/dev/null && fail "the calendar did not change at midnight"
else
  echo "note: midnight under faketime is tried by the 64-bit tree only"
fi

[ $status -eq 0 ] && echo "tezundesk resident: a second start and midnight make it compose, /restore ends it"
exit $status
