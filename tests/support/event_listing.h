// What the core makes of an iCalendar text for a month, as `tezunhost events` prints it, for the
// native tests and fuzzers: the lines in UTF-8, so that the tests read as what they check.
#pragma once

#include <iconv.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar_file.h"
#include "core/event_days.h"
#include "core/ical_zones.h"
#include "support/iconv_code_page.h"

namespace tezun::test {

inline std::string Utf8OfShiftJis(const std::string& text) {
  static const iconv_t converter = iconv_open("UTF-8", "CP932");
  std::string in = text, out(text.size() * 3 + 8, '\0');
  char* inAt = in.data();
  size_t inLeft = in.size();
  char* outAt = out.data();
  size_t outLeft = out.size();
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == static_cast<size_t>(-1)) return "(not Shift-JIS)";
  out.resize(out.size() - outLeft);
  return out;
}

// The lines of the month's events, a file read on a machine in `zone`.
inline std::vector<std::string> ListEvents(std::string_view ics, std::chrono::year_month month,
                                           std::string_view zone = "Asia/Tokyo") {
  using namespace std::chrono;
  const CalendarFile file = CalendarFile::Parse(ics, IconvCodePage932);
  const DayRange days{sys_days{month / 1}, sys_days{month / last}};
  DayEvents placed;
  PlaceOccurrences(file, file.OccurrencesNear(days.first, days.last), days, ClockOfZone(zone), placed);
  SortDayEvents(placed);
  std::vector<std::string> lines;
  for (size_t i = 0; i < placed.size(); ++i) {
    for (const DayEvent& event : placed[i]) {
      lines.push_back(Utf8OfShiftJis(EventListingLine(days.first + std::chrono::days{static_cast<int>(i)}, event)));
    }
  }
  return lines;
}

// A calendar of the text's lines ("\n" between them, CR LF in the file), in VCALENDAR.
inline std::string Calendar(std::string_view body) {
  std::string out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tezun tests//EN\r\n";
  for (const char c : body) {
    if (c == '\n') out += '\r';
    out += c;
  }
  if (!out.ends_with("\r\n")) out += "\r\n";
  return out + "END:VCALENDAR\r\n";
}

}  // namespace tezun::test
