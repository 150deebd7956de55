#!/usr/bin/env bash
# tezunhost as a user meets it: its output, its pictures and its one-line errors.
# usage: tezunhost_test.sh WINE_RUN TREE BIN_DIR SAMPLES_DIR
set -uo pipefail
wine_run=$1
tree=$2
bin=$3
samples=$4
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_test.sh"
host() { "$wine_run" --tree "$tree" "$bin/tezunhost.exe" "$@"; }

# Every information text, the display name in its Shift-JIS bytes, then the screen: here nothing
# is scaled.
host info >"$work/info" 2>"$work/err" || fail "info exited with $?: $(cat "$work/err")"
printf '0\tB\n1\t\x83\x41\x83\x49\x83\x5D\x83\x89\x83\x6D\x83\x7D\x83\x68\n2\t0106\n3\t10\n' >"$work/expected"
printf 'screen\t1024 x 768 seen, 1024 x 768 physical, scale 1 x 1\n' >>"$work/expected"
cmp -s "$work/info" "$work/expected" || fail "info printed: $(od -c "$work/info")"

# A composed picture is written, screen-sized (PNG's header holds width and height).
host compose --in "$samples/evening.png" --out "$work/out.png" --key 'Software\TezunTests\tezunhost' 2>"$work/err" ||
  fail "compose exited with $?: $(cat "$work/err")"
size=$(od -An -tu1 -j16 -N8 "$work/out.png" | awk '{print $3*256+$4, $7*256+$8}')
[ "$size" = "1024 768" ] || fail "composed picture is '$size', not the screen's 1024 768"
host compose --in "$work/out.png" --out "$work/out.bmp" 2>"$work/err" || fail "compose to BMP: $(cat "$work/err")"
[ "$(head -c 2 "$work/out.bmp")" = "BM" ] || fail "out.bmp is not a BMP file"

# A year's holidays under either rules: 2026 has 23 December in the table and 6 May (振替休日,
# a substitute) and 22 September (国民の休日, a day between) by the law.
host holidays --year 2026 >"$work/table" 2>"$work/err" || fail "holidays exited with $?: $(cat "$work/err")"
host holidays --year 2026 --rules current >"$work/law" 2>"$work/err" || fail "holidays --rules current: $(cat "$work/err")"
[ "$(wc -l <"$work/table")" -eq 15 ] || fail "the table's 2026 has $(wc -l <"$work/table") lines, not 15"
[ "$(wc -l <"$work/law")" -eq 18 ] || fail "the law's 2026 has $(wc -l <"$work/law") lines, not 18"
grep -q '^2026-12-23	' "$work/table" || fail "the table lacks 2026-12-23"
grep -q '^2026-12-23' "$work/law" && fail "the law has 2026-12-23"
LC_ALL=C grep -q "^2026-05-06	$(printf '\x90\x55\x91\xd6\x8b\x78\x93\xfa')\$" "$work/law" ||
  fail "the law lacks 2026-05-06 as a substitute"
LC_ALL=C grep -q "^2026-09-22	$(printf '\x8d\x91\x96\xaf\x82\xcc\x8b\x78\x93\xfa')\$" "$work/law" ||
  fail "the law lacks 2026-09-22 as a day between"

# A year of the traditional calendar, a line per day in Shift-JIS: the date, the old-calendar
# date, the 六曜 and the solar term of the day. 2026-02-04 is 旧12月17日, 仏滅 and 立春; 2033 has
# 閏11月 from 2033-12-22 (大安 on its first day); every year has 24 terms.
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
host koyomi --year 2026 >"$work/koyomi" 2>"$work/err" || fail "koyomi exited with $?: $(cat "$work/err")"
[ "$(wc -l <"$work/koyomi")" -eq 365 ] || fail "koyomi 2026 has $(wc -l <"$work/koyomi") lines, not 365"
LC_ALL=C grep -qxF "2026-02-04 $(sjis '旧12月17日 仏滅 立春')" "$work/koyomi" ||
  fail "koyomi 2026 lacks '2026-02-04 旧12月17日 仏滅 立春': $(grep -a '^2026-02-04' "$work/koyomi" | od -c)"
LC_ALL=C grep -qxF "2026-01-01 $(sjis '旧11月13日 大安')" "$work/koyomi" || fail "koyomi 2026 starts wrongly"
[ "$(LC_ALL=C awk 'NF == 4' "$work/koyomi" | wc -l)" -eq 24 ] || fail "koyomi 2026 has no 24 terms"
host koyomi --year 2033 >"$work/koyomi" 2>"$work/err" || fail "koyomi --year 2033: $(cat "$work/err")"
LC_ALL=C grep -qxF "2033-12-22 $(sjis '旧閏11月1日 大安')" "$work/koyomi" || fail "koyomi 2033 lacks 閏11月"
host koyomi --year 2100 | tail -n 1 | LC_ALL=C grep -qxF "2100-12-31 $(sjis '旧12月1日 赤口')" ||
  fail "koyomi 2100 does not end on 旧12月1日"
# --all: each line as without it, then " / " and the day's marks.
for year in 2024 2026; do
  host koyomi --year $year >"$work/plain" 2>"$work/err" || fail "koyomi --year $year: $(cat "$work/err")"
  host koyomi --year $year --all >"$work/all" 2>"$work/err" || fail "koyomi --year $year --all: $(cat "$work/err")"
  LC_ALL=C sed 's| / .*||' "$work/all" | cmp -s - "$work/plain" || fail "koyomi $year --all changes the lines before ' / '"
  [ "$(LC_ALL=C grep -c ' / ' "$work/all")" -eq "$(wc -l <"$work/plain")" ] || fail "koyomi $year --all: a line without ' / '"
done
for line in '2026-02-03 旧12月16日 先負 / 戊申 節分' '2026-07-26 旧6月13日 赤口 / 辛丑 土用の丑'; do
  LC_ALL=C grep -qxF "$(sjis "$line")" "$work/all" || fail "koyomi 2026 --all lacks '$line'"
done
host koyomi --year 2024 --all | LC_ALL=C grep -qxF "$(sjis '2024-01-01 旧11月20日 赤口 / 甲子 一粒万倍日 天赦日')" ||
  fail "koyomi 2024 --all does not begin with 甲子 一粒万倍日 天赦日"

# The README's registry file names the default key; imported with a test key in its place, it
# stores HolidayRules = 1 as text.
reg_file=$(dirname "$0")/../../docs/holiday-law.reg
grep -qF '[HKEY_CURRENT_USER\Software\Tokiwanoshi\Zelo32\PlugIn\Tezun\Option]' "$reg_file" ||
  fail "$reg_file does not name the default key"
sed 's/\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun/\\TezunTests\\regfile\\Tezun/' "$reg_file" >"$work/test.reg"
"$wine_run" --tree "$tree" reg import "Z:$work/test.reg" >/dev/null 2>&1 || fail "reg import of $reg_file failed"
"$wine_run" --tree "$tree" reg query 'HKCU\Software\TezunTests\regfile\Tezun\Option' /v HolidayRules 2>/dev/null |
  grep -q 'HolidayRules.*REG_SZ.*1' || fail "$reg_file did not store HolidayRules = 1"
"$wine_run" --tree "$tree" reg delete 'HKCU\Software\TezunTests\regfile' /f >/dev/null 2>&1

# Errors: one line on stderr, a non-zero status, no output file left behind.
expect_error() {
  local what=$1 pattern=$2
  shift 2
  host "$@" >"$work/out" 2>"$work/err"
  local code=$?
  [ $code -ne 0 ] || fail "$what: exit status 0"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: stderr is not one line: $(cat "$work/err")"
  grep -q "$pattern" "$work/err" || fail "$what: stderr '$(cat "$work/err")' lacks '$pattern'"
}
expect_error "missing input" "no such file" compose --in "$work/none.png" --out "$work/a.png"
[ ! -e "$work/a.png" ] || fail "missing input left an output file"
printf 'not a picture' >"$work/bad.png"
expect_error "unreadable picture" "cannot read picture" compose --in "$work/bad.png" --out "$work/a.png"
expect_error "missing export" "has no export" info --plugin 'C:\windows\system32\kernel32.dll'
expect_error "missing plug-in" "cannot load plug-in" info --plugin "$work/none.bpi"
expect_error "unknown output type" "must end in" compose --in "$samples/evening.png" --out "$work/a.jpg"
expect_error "unknown command" "unknown command" frobnicate
expect_error "year 0" "not a year from 1 to 9999" holidays --year 0
expect_error "year 10000" "not a year from 1 to 9999" holidays --year 10000
expect_error "a year that is no number" "not a year" holidays --year 2026x
expect_error "unknown rules" "neither table nor current" holidays --year 2026 --rules newest
expect_error "koyomi before the table" "not a year from 1900 to 2100" koyomi --year 1899
expect_error "koyomi after the table" "not a year from 1900 to 2100" koyomi --year 2101
expect_error "koyomi of a year that wraps 16 bits" "not a year from 1900 to 2100" koyomi --year 67436
expect_error "koyomi of no number" "not a year from 1900 to 2100" koyomi --year 2026x
expect_error "koyomi without a year" "missing --year" koyomi
expect_error "unknown awareness" "is not unaware" info --awareness aware
expect_error "output into a missing folder" "cannot write" compose --in "$samples/evening.png" --out "$work/no/a.png"
[ -z "$(find "$work" -name '*.partial')" ] || fail "a partial file was left"

# Own days: the Cabinet Office's file and a list of the list's own form imported into a key, then
# listed with the year's holidays, each as a day off or a working day with its name.
days_key='Software\TezunTests\days'
printf '\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa,\x96\xbc\x8f\xcc\r\n2026/12/28,closed\r\n2026/12/29,year end\r\n' >"$work/days.csv"
printf -- '-2026-12-23 on duty\n' >"$work/work.txt"
host days --import "$work/days.csv" --key "$days_key" >"$work/out" 2>"$work/err" || fail "days --import: $(cat "$work/err")"
grep -q '^2 days added' "$work/out" || fail "days --import printed: $(cat "$work/out")"
host days --import "$work/work.txt" --key "$days_key" >/dev/null 2>"$work/err" || fail "days --import: $(cat "$work/err")"
host holidays --year 2026 --key "$days_key" >"$work/listed" 2>"$work/err" || fail "holidays --key: $(cat "$work/err")"
[ "$(wc -l <"$work/listed")" -eq 18 ] || fail "15 holidays and 3 own days expected: $(cat "$work/listed")"
grep -q $'^2026-12-28\tday off\tclosed$' "$work/listed" || fail "the listing lacks 2026-12-28 off"
grep -q $'^2026-12-23\tworking day\ton duty$' "$work/listed" || fail "the listing lacks 2026-12-23 worked"
printf 'a title\r\nnot a day\r\n' >"$work/bad.csv"
expect_error "an unreadable list" "line 2 cannot be read: not a day" days --import "$work/bad.csv" --key "$days_key"
host holidays --year 2026 --key "$days_key" | cmp -s - "$work/listed" || fail "a file that cannot be read changed the list"

# The Cabinet Office's file saved as a spreadsheet's "Unicode text" (UTF-16LE with its mark) adds
# its days in Shift-JIS.
utf16_key='Software\TezunTests\days16'
# 国民の祝日・休日月日,国民の祝日・休日名称 / 2026/5/5,こどもの日 / 2026/8/14,お盆
{
  printf '\xff\xfe\xfd\x56\x11\x6c\x6e\x30\x5d\x79\xe5\x65\xfb\x30\x11\x4f\xe5\x65\x08\x67\xe5\x65,\x00'
  printf '\xfd\x56\x11\x6c\x6e\x30\x5d\x79\xe5\x65\xfb\x30\x11\x4f\xe5\x65\x0d\x54\xf0\x79\r\x00\n\x00'
  printf '2026/5/5,' | sed 's/./&\x00/g'
  printf '\x53\x30\x69\x30\x82\x30\x6e\x30\xe5\x65\r\x00\n\x00'
  printf '2026/8/14,' | sed 's/./&\x00/g'
  printf '\x4a\x30\xc6\x76\r\x00\n\x00'
} >"$work/days16.csv"
host days --import "$work/days16.csv" --key "$utf16_key" >"$work/out" 2>"$work/err" ||
  fail "days --import of UTF-16: $(cat "$work/err")"
grep -q '^2 days added' "$work/out" || fail "days --import of UTF-16 printed: $(cat "$work/out")"
host holidays --year 2026 --key "$utf16_key" >"$work/listed16" 2>"$work/err" || fail "holidays --key: $(cat "$work/err")"
LC_ALL=C grep -q "^2026-05-05	day off	$(printf '\x82\xb1\x82\xc7\x82\xe0\x82\xcc\x93\xfa')\$" "$work/listed16" ||
  fail "the UTF-16 file's 2026-05-05 is not stored in Shift-JIS: $(od -c "$work/listed16" | head)"
LC_ALL=C grep -q "^2026-08-14	day off	$(printf '\x82\xa8\x96\x7e')\$" "$work/listed16" ||
  fail "the UTF-16 file's 2026-08-14 is not stored in Shift-JIS"
# Files that are no text, or hold a character Shift-JIS has not, write nothing.
printf '\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR' >"$work/picture.csv"
expect_error "a file that is no text" 'save it as Shift-JIS, UTF-8 or UTF-16 ("Unicode text")' \
  days --import "$work/picture.csv" --key "$utf16_key"
printf '\xff\xfe2\x000\x002\x006\x00/\x001\x00/\x001\x00,\x00\xac\x20' >"$work/euro.csv"
expect_error "a character without a Shift-JIS form" "line 1 holds U+20AC, which Shift-JIS cannot hold: 2026/1/1,?" \
  days --import "$work/euro.csv" --key "$utf16_key"
host holidays --year 2026 --key "$utf16_key" | cmp -s - "$work/listed16" || fail "a refused file changed the list"
"$wine_run" --tree "$tree" reg delete 'HKCU\Software\TezunTests\days16' /f >/dev/null 2>&1
"$wine_run" --tree "$tree" reg delete 'HKCU\Software\TezunTests\days' /f >/dev/null 2>&1

# A month's events from the Events stored at a key (a folder's calendars), in the order drawn, in
# Shift-JIS; the machine in Tokyo and then in New York, Wine's zone being the one TZ names: an
# instant is on the days of the zone, a floating time and a day the same anywhere. A month
# without any prints nothing.
events_key='Software\TezunTests\events'
mkdir -p "$work/calendars"
{
  printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\n'
  printf 'BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20261210T003000Z\r\nSUMMARY:\xe4\xbc\x9a\xe8\xad\xb0\r\nEND:VEVENT\r\n'
  printf 'BEGIN:VEVENT\r\nUID:2\r\nDTSTART:20261218T190000\r\nDTEND:20261220T030000\r\n'
  printf 'SUMMARY:\xe5\xbf\x98\xe5\xb9\xb4\xe4\xbc\x9a\r\nEND:VEVENT\r\n'
  printf 'BEGIN:VEVENT\r\nUID:3\r\nDTSTART;VALUE=DATE:20261224\r\nSUMMARY:\xe3\x82\xaf\xe3\x83\xaa\xe3\x82\xb9'
  printf '\xe3\x83\x9e\xe3\x82\xb9\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n'
} >"$work/calendars/work.ics"
"$wine_run" --tree "$tree" reg add "HKCU\\$events_key\\Tezun\\Option" /v Events /t REG_SZ \
  /d "Z:$(printf '%s' "$work/calendars" | tr / '\\')" /f >/dev/null 2>&1 || fail "cannot store Events"
for zone in Asia/Tokyo America/New_York; do
  case $zone in
  Asia/Tokyo) first='2026-12-10 09:30' ;;
  *) first='2026-12-09 19:30' ;;
  esac
  {
    printf '%s %s\n' "$first" "$(sjis '会議')"
    printf '2026-12-18 19:00 %s\n2026-12-19 %s %s\n' "$(sjis '忘年会')" "$(sjis '続き')" "$(sjis '忘年会')"
    printf '2026-12-20 %s %s\n2026-12-24 %s %s\n' "$(sjis '続き')" "$(sjis '忘年会')" "$(sjis '終日')" "$(sjis 'クリスマス')"
  } >"$work/expected-events"
  TZ=$zone host events --year 2026 --month 12 --key "$events_key" >"$work/events" 2>"$work/err" ||
    fail "events in $zone exited with $?: $(cat "$work/err")"
  cmp -s "$work/events" "$work/expected-events" || fail "events in $zone printed: $(od -c "$work/events" | head -20)"
done
# New York's clocks in 2027: forward an hour on 14 March at 2:00, back on 7 November at 2:00.
{
  printf 'BEGIN:VCALENDAR\r\n'
  for stamp in 20270314T063000Z:before 20270314T073000Z:after 20271107T053000Z:first 20271107T063000Z:second; do
    printf 'BEGIN:VEVENT\r\nUID:%s\r\nDTSTART:%s\r\nSUMMARY:%s\r\nEND:VEVENT\r\n' "${stamp#*:}" "${stamp%:*}" "${stamp#*:}"
  done
  printf 'END:VCALENDAR\r\n'
} >"$work/calendars/clocks.ics"
for month in 3 11; do
  TZ=America/New_York host events --year 2027 --month $month --key "$events_key" >>"$work/changes" 2>"$work/err" ||
    fail "events of 2027-$month: $(cat "$work/err")"
done
printf '2027-03-14 01:30 before\n2027-03-14 03:30 after\n2027-11-07 01:30 first\n2027-11-07 01:30 second\n' |
  cmp -s - "$work/changes" || fail "the clock changes of 2027 in New York: $(cat "$work/changes")"
host events --year 2026 --month 11 --key "$events_key" >"$work/events" 2>"$work/err" || fail "events of November: $(cat "$work/err")"
[ ! -s "$work/events" ] || fail "events of a month without any printed: $(cat "$work/events")"
expect_error "events of month 13" "month 13 is not a number from 1 to 12" events --year 2026 --month 13
expect_error "events without a month" "missing --month" events --year 2026
"$wine_run" --tree "$tree" reg delete 'HKCU\Software\TezunTests\events' /f >/dev/null 2>&1

"$wine_run" --tree "$tree" reg delete 'HKCU\Software\TezunTests\tezunhost' /f >/dev/null 2>&1
[ $status -eq 0 ] && echo "tezunhost: info, compose, the listings (holidays, koyomi, events) and their errors behave"
exit $status
