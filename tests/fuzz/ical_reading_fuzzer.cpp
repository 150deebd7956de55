// Reading any bytes as an iCalendar file, and the days its events are on in a month the input's
// first bytes choose, in New York (a zone with daylight saving), with iconv standing in for
// Windows' conversion to code page 932. Nothing crashes or hangs; every event lies on a day of the
// month and holds one line of Shift-JIS, no control character in its title; an all-day event is
// never a timed one; the listing of the events is as many lines as they are.
#include <chrono>
#include <cstdint>
#include <string_view>

#include "check.h"
#include "core/calendar_file.h"
#include "core/event_days.h"
#include "core/ical_zones.h"
#include "core/shift_jis.h"
#include "support/iconv_code_page.h"

namespace {

using namespace tezun;
using namespace std::chrono;

bool OneLineOfShiftJis(std::string_view text) {
  for (size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F) return false;
    if (IsShiftJisLeadByte(byte)) ++at;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // A month from 1995 to 2036, so that rules from the inputs' usual years are followed.
  const year_month month = year{1995 + data[0] % 42} / std::chrono::month{1u + data[1] % 12u};
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  const CalendarFile file = CalendarFile::Parse(bytes, test::IconvCodePage932);
  const DayRange days{sys_days{month / 1}, sys_days{month / last}};
  const std::vector<Occurrence> occurrences = file.OccurrencesNear(days.first, days.last);
  for (const Occurrence& occurrence : occurrences) {
    FUZZ_CHECK(occurrence.event < file.EventCount());
    FUZZ_CHECK(occurrence.end.kind == occurrence.start.kind || occurrence.start.kind != EventTime::Kind::Day);
  }
  DayEvents placed;
  static const WallClock clock = ClockOfZone("America/New_York");
  PlaceOccurrences(file, occurrences, days, clock, placed);
  SortDayEvents(placed);
  FUZZ_CHECK(placed.size() == days.size());
  for (size_t day = 0; day < placed.size(); ++day) {
    for (const DayEvent& event : placed[day]) {
      FUZZ_CHECK(OneLineOfShiftJis(event.title));
      FUZZ_CHECK(event.Minute() >= 0 && event.Minute() < 24 * 60);
      const std::string line = EventListingLine(days.first + std::chrono::days{static_cast<int>(day)}, event);
      FUZZ_CHECK(line.size() >= 16 && line.ends_with(event.title));
    }
  }
  return 0;
}
