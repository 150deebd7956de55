// The events of the files an "Events" value names, read once: a file is read again only when its
// size or its time stamp has changed, its occurrences are followed again only for other days, and
// they are placed on the days again only when a file or the days or the clock's zone changed.
// What a file that cannot be read (missing, locked, no calendar) gives is nothing, and the others
// are read all the same.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "calendar_file.h"
#include "event_days.h"
#include "event_sources.h"
#include "own_day_file.h"

namespace tezun {

// The largest part of a file that is read: what lies beyond it is left out.
inline constexpr uintmax_t kLargestCalendarBytes = uintmax_t{64} * 1024 * 1024;

class EventCache {
 public:
  EventCache(CodePage932Encoder toCodePage932, PathOfText toPath);

  // The events of each of the days, in the order drawn, from every file the value names.
  DayEvents EventsOf(std::string_view eventsValue, const DayRange& days, const WallClock& clock);

  // How many times a file has been read since the cache was made: what the tests of the cache see.
  size_t Reads() const { return reads_; }

 private:
  struct Entry {
    std::filesystem::path path;
    uintmax_t size = 0;
    std::filesystem::file_time_type time;
    CalendarFile file;
    DayRange days{};  // what `occurrences` were followed for
    std::vector<Occurrence> occurrences;
    bool followed = false;
  };

  CodePage932Encoder toCodePage932_;
  PathOfText toPath_;
  std::vector<Entry> entries_;  // the files of the last call, in its order
  size_t reads_ = 0;
  // What the last call gave, for the days and the zone it was placed for.
  DayEvents placed_;
  DayRange placedDays_{};
  std::string placedZone_;
};

}  // namespace tezun
