#include "event_cache.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <utility>

#include "ical_zones.h"

namespace tezun {

namespace fs = std::filesystem;

EventCache::EventCache(CodePage932Encoder toCodePage932, PathOfText toPath)
    : toCodePage932_(std::move(toCodePage932)), toPath_(std::move(toPath)) {
  KeepLibicalTidy();  // libical's memory goes after the files kept here
}

DayEvents EventCache::EventsOf(std::string_view eventsValue, const DayRange& days, const LocalClock& clock) {
  DayEvents placed(days.size());
  std::vector<Entry> kept;
  for (const fs::path& path : EventFiles(eventsValue, toPath_)) {
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    if (error) continue;
    const fs::file_time_type time = fs::last_write_time(path, error);
    if (error) continue;
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.path == path; });
    Entry entry;
    if (found != entries_.end() && found->size == size && found->time == time) {
      entry = std::move(*found);
    } else {
      std::ifstream in(path, std::ios::binary);
      if (!in) continue;
      std::string bytes(static_cast<size_t>(std::min(size, kLargestCalendarBytes)), '\0');
      in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      bytes.resize(static_cast<size_t>(in.gcount()));
      entry = Entry{path, size, time, CalendarFile::Parse(bytes, toCodePage932_), {}, {}, false};
      ++reads_;
    }
    if (!entry.followed || entry.days != days) {
      entry.occurrences = entry.file.OccurrencesNear(days.first, days.last);
      entry.days = days;
      entry.followed = true;
    }
    PlaceOccurrences(entry.file, entry.occurrences, days, clock, placed);
    kept.push_back(std::move(entry));
  }
  entries_ = std::move(kept);
  SortDayEvents(placed);
  return placed;
}

}  // namespace tezun
