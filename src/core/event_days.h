// The events of each day a calendar draws, as it draws them: an all-day event on every day it
// covers; a timed one on each local day it touches, with its time on the first, and on none after
// an end at midnight exactly. The days are those of the machine's time zone, daylight saving
// included; a floating time is on its own wall-clock day anywhere.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calendar_file.h"

namespace tezun {

// The machine's wall clock: an instant (seconds since 1970 UTC) as seconds since 1970-01-01 00:00
// on the local wall clock; with a text that tells its zone's rules from another's, so that the
// days placed by one clock can be kept for the next call by the same.
struct WallClock {
  std::function<int64_t(int64_t utcSeconds)> local;
  std::string zone;
  int64_t operator()(int64_t utcSeconds) const { return local(utcSeconds); }
};

// The days from `first` to `last`, both drawn.
struct DayRange {
  std::chrono::sys_days first;
  std::chrono::sys_days last;
  size_t size() const { return static_cast<size_t>((last - first).count() + 1); }
  bool operator==(const DayRange&) const = default;
};

struct DayEvent {
  // In the order drawn: all-day events and the later days of timed ones, then timed ones.
  enum class Kind : uint8_t { AllDay, Continued, Timed };
  Kind kind = Kind::AllDay;
  int64_t began = 0;  // local seconds since 1970 of its start (an all-day event's: its first day's midnight)
  std::string title;  // Shift-JIS
  bool operator==(const DayEvent&) const = default;
  // Where it starts on its first day: minutes after midnight.
  int Minute() const;
};

// Each day's events: the first day's at [0].
using DayEvents = std::vector<std::vector<DayEvent>>;

// Adds the occurrences of a file to the days, one line for an event on a day however often it
// occurs that day (its earliest); `clock` places the instants. The days are not yet in order.
void PlaceOccurrences(const CalendarFile& file, const std::vector<Occurrence>& occurrences, const DayRange& days,
                      const WallClock& clock, DayEvents& placed);

// Puts each day's events in the order drawn: all-day events and later days first, by when they
// began, then timed ones by their start; the same time by title, and in the order given after that.
void SortDayEvents(DayEvents& days);

// The line under a day's number: "9:30 会議" on a timed event's first day, the title alone else.
std::string EventLine(const DayEvent& event);

// A line of the listing of a month's events: "2026-12-10 09:30 会議", "2026-12-19 続き 忘年会",
// "2026-12-24 終日 クリスマス" (Shift-JIS).
std::string EventListingLine(std::chrono::sys_days day, const DayEvent& event);

}  // namespace tezun
