#include "event_days.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "texts.h"

namespace tezun {
namespace {

constexpr int64_t kDaySeconds = 86400;

int64_t DayOf(int64_t seconds) {
  return seconds >= 0 ? seconds / kDaySeconds : -((-seconds + kDaySeconds - 1) / kDaySeconds);
}

int64_t LocalSeconds(const EventTime& time, const WallClock& clock) {
  switch (time.kind) {
    case EventTime::Kind::Day:
      return time.value * kDaySeconds;
    case EventTime::Kind::Floating:
      return time.value;
    case EventTime::Kind::Instant:
      break;
  }
  return clock(time.value);
}

}  // namespace

int DayEvent::Minute() const { return static_cast<int>((began - DayOf(began) * kDaySeconds) / 60); }

void PlaceOccurrences(const CalendarFile& file, const std::vector<Occurrence>& occurrences, const DayRange& days,
                      const WallClock& clock, DayEvents& placed) {
  placed.resize(days.size());
  const int64_t first = days.first.time_since_epoch().count(), last = days.last.time_since_epoch().count();
  // Each event's line on a day, by (event, day): the one that begins first.
  std::map<std::pair<uint32_t, int64_t>, DayEvent> lines;
  for (const Occurrence& occurrence : occurrences) {
    const int64_t start = LocalSeconds(occurrence.start, clock);
    const int64_t end = std::max(start, LocalSeconds(occurrence.end, clock));
    const bool allDay = occurrence.start.kind == EventTime::Kind::Day;
    const int64_t startDay = DayOf(start);
    // The last day it touches: an end at midnight belongs to the day before; no length, its own.
    const int64_t endDay = end > start ? DayOf(end - 1) : startDay;
    for (int64_t day = std::max(startDay, first); day <= std::min(endDay, last); ++day) {
      const DayEvent::Kind kind = allDay            ? DayEvent::Kind::AllDay
                                  : day == startDay ? DayEvent::Kind::Timed
                                                    : DayEvent::Kind::Continued;
      const std::pair<uint32_t, int64_t> key{occurrence.event, day};
      const auto [at, added] = lines.try_emplace(key, DayEvent{kind, start, {}});
      if (!added && start < at->second.began) at->second = DayEvent{kind, start, {}};
    }
  }
  for (auto& [key, line] : lines) {
    line.title = file.Title(key.first);
    placed[static_cast<size_t>(key.second - first)].push_back(std::move(line));
  }
}

void SortDayEvents(DayEvents& days) {
  for (std::vector<DayEvent>& events : days) {
    std::stable_sort(events.begin(), events.end(), [](const DayEvent& a, const DayEvent& b) {
      const bool aTimed = a.kind == DayEvent::Kind::Timed, bTimed = b.kind == DayEvent::Kind::Timed;
      if (aTimed != bTimed) return bTimed;
      if (a.began != b.began) return a.began < b.began;
      return a.title < b.title;
    });
  }
}

std::string EventLine(const DayEvent& event) {
  if (event.kind != DayEvent::Kind::Timed) return event.title;
  char time[16];
  std::snprintf(time, sizeof time, "%d:%02d", event.Minute() / 60, event.Minute() % 60);
  return event.title.empty() ? std::string(time) : std::string(time) + ' ' + event.title;
}

std::string EventListingLine(std::chrono::sys_days day, const DayEvent& event) {
  const std::chrono::year_month_day date{day};
  char head[32];
  std::snprintf(head, sizeof head, "%04d-%02u-%02u ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  std::string line = head;
  switch (event.kind) {
    case DayEvent::Kind::AllDay:
      line += kAllDay;
      break;
    case DayEvent::Kind::Continued:
      line += kContinued;
      break;
    case DayEvent::Kind::Timed: {
      char time[16];
      std::snprintf(time, sizeof time, "%02d:%02d", event.Minute() / 60, event.Minute() % 60);
      line += time;
      break;
    }
  }
  if (!event.title.empty()) line += ' ' + event.title;
  return line;
}

}  // namespace tezun
