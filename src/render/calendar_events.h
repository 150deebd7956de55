// The user's events as the calendar shows them: read from the files the settings name through one
// cache for as long as the module is loaded (a file unchanged since the last drawing is not read
// again), on the days of the machine's time zone as Windows keeps it.
#pragma once

#include <optional>
#include <string_view>

#include "core/calendar_date.h"
#include "core/event_days.h"
#include "core/settings.h"
#include "machine_clock.h"

namespace tezun {

// The events of each of the days from the files an "Events" value names; none at all when it names
// no file.
DayEvents CalendarEvents(std::string_view eventsValue, const DayRange& days);
inline DayEvents CalendarEvents(const TCalendarSettings& settings, const DayRange& days) {
  return CalendarEvents(settings.Events, days);
}

// The events of the days a calendar of today's month draws, where the settings choose any: read
// before it is drawn, since a drawing is kept by what it was drawn from, and they are part of it.
std::optional<DayEvents> EventsShown(const TCalendarSettings& settings, TDateTime today);

}  // namespace tezun
