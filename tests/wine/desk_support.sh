# What TezunDesk's shell tests share; they source it after script_test.sh, with wine_run, tree,
# bin and here set. TezunDesk sets the wallpaper of the prefix it runs in: its tests have one of
# their own (state "desk"), made clean here and stopped when the test ends.
run() { "$wine_run" --tree "$tree" --state desk "$@"; }
desk() { run "$bin/TezunDesk.exe" "$@"; }
host() { run "$bin/tezunhost.exe" "$@"; }
reg() { run reg "$@" >/dev/null 2>&1; }
pictures() { python3 "$here/../support/desk_pictures.py" "$@"; }
prefix=$tree/wine-desk/prefix

windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
# A path of the prefix's drive C: or of Z: as the Unix path it is.
unix_path() {
  local path=${1//\\//}
  case $path in
    [Cc]:/*) echo "$prefix/drive_c/${path:3}" ;;
    [Zz]:/*) echo "/${path:3}" ;;
    *) echo "$path" ;;
  esac
}
# reg prints in the ANSI code page, 932 here.
text_value() { run reg query "$1" /v "$2" 2>/dev/null | iconv -f CP932 -t UTF-8 | sed -n 's/.*REG_SZ *//p' | tr -d '\r'; }
desktop_value() { text_value 'HKCU\Control Panel\Desktop' "$1"; }
desk_value() { text_value 'HKCU\Software\TezunDesk' "$1"; }
wallpaper() { desktop_value Wallpaper; }

# What ExecutePlugIn makes of a picture, as the plug-in's own host writes it.
reference() { host compose --in "$(windows_path "$1")" --out "$(windows_path "$2")" 2>&1 || fail "tezunhost compose $1"; }
same_pixels() {
  local got=$1 expected=$2 what=$3 tolerance=${4:-0} why
  why=$(pictures same "$got" "$expected" "$tolerance" 2>&1) || fail "$what: the wallpaper is not what the plug-in makes: $why"
}

trap 'run --stop; rm -rf "$work"' EXIT
run --start
# A clean start: no settings of TezunDesk's, no output, no wallpaper, no plug-in settings, no
# stand-in for the shell's per-monitor wallpaper.
reg delete 'HKCU\Software\TezunDesk' /f
reg delete 'HKCU\Software\Tokiwanoshi' /f
reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v TezunDesk /f
reg delete 'HKLM\Software\Classes\CLSID\{C2CF3110-460E-4FC1-B9D0-8A1C0C9CC4BD}' /f  # a stand-in shell left behind
reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /d '' /f
output_folder=$(run cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\TezunDesk
rm -rf "$(unix_path "$output_folder")"
