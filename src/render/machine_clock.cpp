#include "machine_clock.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace tezun {
namespace {

// Seconds from 1601-01-01, where FILETIME counts from, to 1970-01-01; the last second Windows
// converts.
constexpr int64_t kFileTimeToUnix = 11644473600;
constexpr int64_t kLastSystemTime = 253402300799;
constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kDaySeconds = 86400;

WallClock fixedClock;

SYSTEMTIME SystemTimeOf(int64_t seconds) {
  const auto ticks = static_cast<uint64_t>((seconds + kFileTimeToUnix) * kTicksPerSecond);
  const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME time{};
  FileTimeToSystemTime(&file, &time);
  return time;
}

int64_t SecondsOf(const SYSTEMTIME& time) {
  FILETIME file{};
  SystemTimeToFileTime(&time, &file);
  const uint64_t ticks = (static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
  return static_cast<int64_t>(ticks / kTicksPerSecond) - kFileTimeToUnix;
}

int64_t DayOf(int64_t seconds) {
  return seconds >= 0 ? seconds / kDaySeconds : -((-seconds + kDaySeconds - 1) / kDaySeconds);
}

// How far the local clock is from UTC, as Windows says, remembered by day. A zone changes its
// offset at most once a day, so an offset the same at a day's start and the next day's is the
// offset all day, and otherwise one search finds the second it changes.
class ZoneOffsets {
 public:
  explicit ZoneOffsets(const DYNAMIC_TIME_ZONE_INFORMATION& zone, bool dynamic) : zone_(zone), dynamic_(dynamic) {}

  int64_t Local(int64_t utc) {
    if (utc < -kFileTimeToUnix || utc > kLastSystemTime - kDaySeconds) return utc;
    const int64_t day = DayOf(utc);
    const int64_t before = AtDayStart(day), after = AtDayStart(day + 1);
    if (before == after) return utc + before;
    return utc + (utc < ChangeOn(day, before) ? before : after);
  }

 private:
  int64_t FromWindows(int64_t utc) {
    const SYSTEMTIME instant = SystemTimeOf(utc);
    if (year_ != instant.wYear) {
      year_ = instant.wYear;
      if (!dynamic_ || !GetTimeZoneInformationForYear(year_, &zone_, &rules_)) GetTimeZoneInformation(&rules_);
    }
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(&rules_, &instant, &local)) return 0;
    return SecondsOf(local) - utc;
  }
  int64_t AtDayStart(int64_t day) {
    const auto [at, added] = dayStarts_.try_emplace(day, 0);
    if (added) at->second = FromWindows(day * kDaySeconds);
    return at->second;
  }
  // The first second of the day with the offset that the next day starts with.
  int64_t ChangeOn(int64_t day, int64_t before) {
    const auto [at, added] = changes_.try_emplace(day, 0);
    if (!added) return at->second;
    int64_t low = day * kDaySeconds, high = low + kDaySeconds;  // before at low, after at high
    while (high - low > 1) {
      const int64_t middle = low + (high - low) / 2;
      (FromWindows(middle) == before ? low : high) = middle;
    }
    return at->second = high;
  }

  DYNAMIC_TIME_ZONE_INFORMATION zone_;
  bool dynamic_;
  WORD year_ = 0;
  TIME_ZONE_INFORMATION rules_{};
  std::map<int64_t, int64_t> dayStarts_;
  std::map<int64_t, int64_t> changes_;
};

}  // namespace

WallClock MachineClock() {
  if (fixedClock.local) return fixedClock;
  // The zone as it is now, with its rules for the year of each instant; its description, with
  // this year's rules in it, tells it from another.
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  const bool dynamic = GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
  auto offsets = std::make_shared<ZoneOffsets>(zone, dynamic);
  return {[offsets](int64_t utc) { return offsets->Local(utc); },
          std::string(reinterpret_cast<const char*>(&zone), sizeof zone)};
}

void FixLocalClockForTesting(WallClock clock) { fixedClock = std::move(clock); }

}  // namespace tezun
