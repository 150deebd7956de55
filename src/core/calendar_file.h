// One iCalendar file (RFC 5545) as the calendar reads it, through libical: its events, each with
// its title in Shift-JIS, and their occurrences around the days a calendar draws.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "own_day_file.h"

namespace tezun {

// When an occurrence begins or ends: a whole day (an all-day event), a wall-clock time that is the
// same wherever the machine is (a floating time), or an instant.
struct EventTime {
  enum class Kind : uint8_t { Day, Floating, Instant };
  Kind kind = Kind::Day;
  // Day: days since 1970-01-01. Floating: seconds since 1970-01-01 00:00 on the wall clock.
  // Instant: seconds since 1970-01-01 00:00 UTC.
  int64_t value = 0;
  bool operator==(const EventTime&) const = default;
};

struct Occurrence {
  EventTime start;
  EventTime end;       // not included; the start again for an event of no length
  uint32_t event = 0;  // which of the file's events: its title
  bool operator==(const Occurrence&) const = default;
};

class CalendarFile {
 public:
  CalendarFile();

  // Whatever can be read of the bytes: UTF-8 with or without its byte-order mark, CR LF or LF,
  // folded lines (a character folded in two is whole again). VEVENTs that have a start, and the
  // VTIMEZONEs their times name; whatever else is in the file, or cannot be read, is left out.
  static CalendarFile Parse(std::string_view bytes, const CodePage932Encoder& toCodePage932);

  size_t EventCount() const;
  // The title of an event in Shift-JIS, as EventTitle makes it.
  const std::string& Title(uint32_t event) const;

  // The occurrences that may lie on the days from `first` to `last` in any time zone: those that
  // reach from two days before the first to two days after the last. Cancelled events, and
  // occurrences excluded or cancelled by the file, are not among them; an occurrence moved by the
  // file is where it was moved to. Recurrence is followed only that far, and a rule that could not
  // be followed that far in reasonable time (one repeating every second from years ago, say) gives
  // no more than its first occurrence.
  std::vector<Occurrence> OccurrencesNear(std::chrono::sys_days first, std::chrono::sys_days last) const;

  struct Contents;

 private:
  std::shared_ptr<const Contents> contents_;
};

}  // namespace tezun
