// A calendar as a real export of some years is: events of a working life in the shape Google
// writes them (a VTIMEZONE, IANA TZIDs, UTC times, long folded descriptions), most of them single
// meetings, some all-day, some recurring weekly (with an exception), monthly or yearly. Made here,
// the same bytes every time, for the bench and the tests.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tezun::test {

// `count` events from three years before `month` to one year after it, UTF-8, CR LF.
inline std::string SampleCalendar(int count, std::chrono::year_month month) {
  using namespace std::chrono;
  uint32_t seed = 12345;
  auto next = [&](uint32_t range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % range;
  };
  std::string out =
      "BEGIN:VCALENDAR\r\nPRODID:-//Google Inc//Google Calendar 70.9054//EN\r\nVERSION:2.0\r\nCALSCALE:GREGORIAN\r\n"
      "METHOD:PUBLISH\r\nX-WR-CALNAME:work\r\nX-WR-TIMEZONE:Asia/Tokyo\r\nBEGIN:VTIMEZONE\r\nTZID:Asia/Tokyo\r\n"
      "X-LIC-LOCATION:Asia/Tokyo\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\nTZNAME:JST\r\n"
      "DTSTART:19700101T000000\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
  const sys_days first = sys_days{month / 1} - days{3 * 365};
  const char* const titles[] = {"定例会議", "打ち合わせ", "1on1", "レビュー", "顧客訪問", "出張", "研修", "歯医者"};
  char line[512];
  for (int i = 0; i < count; ++i) {
    const year_month_day day{first + days{next(4 * 365)}};
    const unsigned hour = 8 + next(11), minute = next(4) * 15;
    auto date = [&](const year_month_day& d) {
      std::snprintf(line, sizeof line, "%04d%02u%02u", static_cast<int>(d.year()), static_cast<unsigned>(d.month()),
                    static_cast<unsigned>(d.day()));
      return std::string(line);
    };
    auto time = [&](unsigned h, unsigned m) {
      std::snprintf(line, sizeof line, "T%02u%02u00", h, m);
      return std::string(line);
    };
    const uint32_t kind = next(100);
    out += "BEGIN:VEVENT\r\n";
    if (kind < 5) {  // all day, one to three days
      out += "DTSTART;VALUE=DATE:" + date(day) +
             "\r\nDTEND;VALUE=DATE:" + date(year_month_day{sys_days{day} + days{1 + next(3)}}) + "\r\n";
    } else if (kind < 10) {  // in UTC, as invitations from abroad come
      out += "DTSTART:" + date(day) + time(hour - 8, minute) + "Z\r\nDTEND:" + date(day) + time(hour - 7, minute) +
             "Z\r\n";
    } else {
      out += "DTSTART;TZID=Asia/Tokyo:" + date(day) + time(hour, minute) + "\r\nDTEND;TZID=Asia/Tokyo:" + date(day) +
             time(hour + 1, minute) + "\r\n";
    }
    if (kind >= 90 && kind < 96) {
      out += std::string("RRULE:FREQ=WEEKLY;BYDAY=") + (next(2) ? "MO" : "TH");
      if (next(3) == 0) out += ";UNTIL=" + date(year_month_day{sys_days{day} + days{200}}) + "T000000Z";
      out += "\r\n";
      out += "EXDATE;TZID=Asia/Tokyo:" + date(year_month_day{sys_days{day} + days{14}}) + time(hour, minute) + "\r\n";
    } else if (kind >= 96 && kind < 98) {
      out += "RRULE:FREQ=MONTHLY;BYMONTHDAY=" + std::to_string(static_cast<unsigned>(day.day())) + ";COUNT=24\r\n";
    } else if (kind >= 98) {
      out += "RRULE:FREQ=YEARLY\r\n";
    }
    std::snprintf(line, sizeof line, "DTSTAMP:20261201T000000Z\r\nUID:%08x%04d@google.com\r\n", seed, i);
    out += line;
    out +=
        "CREATED:20230101T000000Z\r\nDESCRIPTION:議題と資料は共有フォルダにあります。参加者は前日までに目を通しておいて"
        "くだ\r\n さい。\\n次回の日程は会議の最後に決めます。\r\nLAST-MODIFIED:20261201T000000Z\r\nLOCATION:会議室 "
        "" +
        std::to_string(1 + next(9)) + "\r\nSEQUENCE:0\r\nSTATUS:CONFIRMED\r\n";
    out += "SUMMARY:" + std::string(titles[next(8)]) + " " + std::to_string(i) + "\r\nTRANSP:OPAQUE\r\nEND:VEVENT\r\n";
  }
  out += "END:VCALENDAR\r\n";
  return out;
}

}  // namespace tezun::test
