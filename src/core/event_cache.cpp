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

DayEvents EventCache::EventsOf(std::string_view eventsValue, const DayRange& days, const WallClock& clock) {
  std::vector<fs::path> before;
  for (const Entry& entry : entries_) before.push_back(entry.path);
  std::vector<Entry> kept;
  bool unchanged = days == placedDays_ && clock.zone == placedZone_;
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
      unchanged = false;
    }
    if (!entry.followed || entry.days != days) {
      entry.occurrences = entry.file.OccurrencesNear(days.first, days.last);
      entry.days = days;
      entry.followed = true;
    }
    kept.push_back(std::move(entry));
  }
  // The same files in the same order as the last call's.
  unchanged = unchanged && std::equal(kept.begin(), kept.end(), before.begin(), before.end(),
                                      [](const Entry& entry, const fs::path& path) { return entry.path == path; });
  entries_ = std::move(kept);
  if (unchanged) return placed_;
  DayEvents placed(days.size());
  for (const Entry& entry : entries_) PlaceOccurrences(entry.file, entry.occurrences, days, clock, placed);
  SortDayEvents(placed);
  placed_ = placed;
  placedDays_ = days;
  placedZone_ = clock.zone;
  return placed;
}

}  // namespace tezun
