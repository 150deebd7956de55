#include "calendar_events.h"

#include <windows.h>

#include <string>

#include "core/event_cache.h"
#include "core/month_edges.h"
#include "graphics/code_page.h"
#include "machine_clock.h"

namespace tezun {
namespace {

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

}  // namespace

DayEvents CalendarEvents(std::string_view eventsValue, const DayRange& days) {
  if (eventsValue.empty()) return DayEvents(days.size());
  return Cache().EventsOf(eventsValue, days, MachineClock());
}

std::optional<DayEvents> EventsShown(const TCalendarSettings& settings, TDateTime today) {
  if (!EventsChosen(settings)) return std::nullopt;
  return CalendarEvents(settings, DrawnDays(today, FirstWeekday(settings), AdjacentDaysShown(settings)));
}

}  // namespace tezun
