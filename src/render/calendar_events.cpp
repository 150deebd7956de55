#include "calendar_events.h"

#include <windows.h>

#include <string>

#include "core/event_cache.h"
#include "graphics/code_page.h"

namespace tezun {
namespace {

// Seconds from 1601-01-01, where FILETIME counts from, to 1970-01-01.
constexpr int64_t kFileTimeToUnix = 11644473600;
constexpr int64_t kTicksPerSecond = 10000000;

LocalClock fixedClock;

// A path as stored (code page 932) as Windows names it.
std::filesystem::path WidePath(std::string_view text) {
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(932, 0, text.data(), length, nullptr, 0);
  std::wstring wide(size > 0 ? static_cast<size_t>(size) : 0, L'\0');
  if (size > 0) MultiByteToWideChar(932, 0, text.data(), length, wide.data(), size);
  return wide;
}

EventCache& Cache() {
  static EventCache cache(ToCodePage932, WidePath);
  return cache;
}

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

}  // namespace

LocalClock MachineClock() {
  if (fixedClock) return fixedClock;
  // The zone as it is now, with its rules for the year of each instant.
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  const bool dynamic = GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
  return [zone, dynamic, year = WORD{0}, rules = TIME_ZONE_INFORMATION{}](int64_t utc) mutable {
    // FILETIME reaches from 1601; anything outside the years Windows converts stays as it is.
    if (utc < -kFileTimeToUnix || utc > 253402300799) return utc;
    const SYSTEMTIME instant = SystemTimeOf(utc);
    if (year != instant.wYear) {
      year = instant.wYear;
      if (!dynamic || !GetTimeZoneInformationForYear(year, &zone, &rules)) GetTimeZoneInformation(&rules);
    }
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(&rules, &instant, &local)) return utc;
    return SecondsOf(local);
  };
}

DayEvents CalendarEvents(std::string_view eventsValue, const DayRange& days) {
  if (eventsValue.empty()) return DayEvents(days.size());
  return Cache().EventsOf(eventsValue, days, MachineClock());
}

void FixLocalClockForTesting(LocalClock clock) { fixedClock = std::move(clock); }

}  // namespace tezun
