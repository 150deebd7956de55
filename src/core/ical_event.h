// What the calendar keeps of an iCalendar file read through libical: the time zones the file
// defines, and of each VEVENT what decides when it occurs, with its title.
#pragma once

#include <libical/ical.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar_file.h"

namespace tezun {

struct IcalZoneDeleter {
  void operator()(icaltimezone* zone) const { icaltimezone_free(zone, 1); }
};
using IcalZone = std::unique_ptr<icaltimezone, IcalZoneDeleter>;

// Times carry their zone (libical's own UTC, one of the file, or a known one); a floating time and
// a day carry none.
struct IcalEvent {
  std::string uid;
  icaltimetype start{};
  icaltimetype end{};  // the null time when the file gave none
  std::optional<icaldurationtype> duration;
  std::vector<std::string> rules;                  // RRULE values, as the file wrote them
  std::vector<icaldatetimeperiodtype> extraDates;  // RDATE
  std::vector<icaltimetype> excluded;              // EXDATE
  std::optional<icaltimetype> recurrenceId;        // one occurrence of a recurring event, moved or cancelled
  bool cancelled = false;
  std::string title;  // Shift-JIS
};

struct CalendarFile::Contents {
  std::vector<IcalZone> zones;  // the file's own, which its events' times point into
  std::vector<IcalEvent> events;
};

}  // namespace tezun
