// Which occurrences of a file's events lie around the days a calendar draws. libical follows each
// recurrence rule; the rule's end is brought forward to the days drawn and, where it has no count,
// its start too, so that an endless rule from long ago costs no more than this month's days.
#include <algorithm>
#include <map>

#include "ical_event.h"

namespace tezun {
namespace {

using namespace std::chrono;

constexpr int64_t kDaySeconds = 86400;
// Days around those drawn that an occurrence may lie in and still be on one of them somewhere.
constexpr int64_t kMarginDays = 2;
// The most occurrences of one event taken around the days drawn: one every hour is some 1,100,
// one every five minutes some 13,000.
constexpr size_t kMostOccurrences = 20000;
// The most periods of its frequency a rule is followed through, which bounds libical's work on
// one that matches nothing: a second at most.
constexpr int64_t kMostPeriods = 1'000'000;

bool IsWhole(const icaltimetype& t) {
  return !icaltime_is_null_time(t) && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.year >= 1 &&
         t.year <= 9999;
}

int64_t DayNumber(const icaltimetype& t) {
  return sys_days{year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)}}
      .time_since_epoch()
      .count();
}

int64_t WallSeconds(const icaltimetype& t) {
  return DayNumber(t) * kDaySeconds + int64_t{t.hour} * 3600 + int64_t{t.minute} * 60 + t.second;
}

EventTime TimeOf(const icaltimetype& t) {
  if (t.is_date) return {EventTime::Kind::Day, DayNumber(t)};
  if (!t.zone) return {EventTime::Kind::Floating, WallSeconds(t)};
  return {EventTime::Kind::Instant, static_cast<int64_t>(icaltime_as_timet_with_zone(t, t.zone))};
}

// How long each occurrence lasts: whole days for an all-day event (one at least), seconds for a
// timed one. A time zone's change in between is taken exactly: an instant's end is an instant.
int64_t LengthOf(const IcalEvent& event) {
  const icaltimetype& start = event.start;
  if (IsWhole(event.end)) {
    if (start.is_date) return event.end.is_date ? std::max<int64_t>(1, DayNumber(event.end) - DayNumber(start)) : 1;
    const EventTime from = TimeOf(start), to = TimeOf(event.end);
    return std::max<int64_t>(
        0, from.kind == to.kind ? to.value - from.value : WallSeconds(event.end) - WallSeconds(start));
  }
  const int64_t seconds = event.duration ? icaldurationtype_as_int(*event.duration) : 0;
  if (start.is_date) return std::max<int64_t>(1, seconds / kDaySeconds);
  return std::max<int64_t>(0, seconds);
}

// The days, and their seconds on any clock, that occurrences are looked for in.
struct Window {
  int64_t firstDay, endDay;  // endDay not included
  bool Holds(const EventTime& start, const EventTime& end) const {
    if (start.kind == EventTime::Kind::Day) return start.value < endDay && end.value > firstDay;
    const int64_t from = firstDay * kDaySeconds, to = endDay * kDaySeconds;
    return start.value < to && (end.value > from || (end.value == start.value && start.value >= from));
  }
};

// A wall-clock time, or a day, as libical's: no zone.
icaltimetype WallTime(int64_t seconds, bool isDate) {
  const int64_t dayNumber = seconds >= 0 ? seconds / kDaySeconds : -((-seconds + kDaySeconds - 1) / kDaySeconds);
  const year_month_day date{sys_days{days{dayNumber}}};
  icaltimetype t = icaltime_null_time();
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.is_date = isDate ? 1 : 0;
  if (!isDate) {
    const int64_t inDay = seconds - dayNumber * kDaySeconds;
    t.hour = static_cast<int>(inDay / 3600);
    t.minute = static_cast<int>(inDay / 60 % 60);
    t.second = static_cast<int>(inDay % 60);
  }
  return t;
}

// The start of a day of the window as a time of the same form as `like`: a day, a floating time,
// or a time in like's zone at that day's midnight in UTC.
icaltimetype TimeLike(const icaltimetype& like, int64_t dayNumber) {
  icaltimetype t = WallTime(dayNumber * kDaySeconds, like.is_date != 0);
  if (like.is_date || !like.zone) return t;
  t.zone = icaltimezone_get_utc_timezone();
  return icaltime_convert_to_zone(t, const_cast<icaltimezone*>(like.zone));
}

bool SameTime(const icaltimetype& a, const icaltimetype& b) {
  if (a.is_date || b.is_date) return icaltime_compare_date_only(a, b) == 0;
  return icaltime_compare(a, b) == 0;
}

// Seconds of a rule's frequency, for the bound on how far it is followed.
int64_t PeriodSeconds(icalrecurrencetype_frequency frequency) {
  switch (frequency) {
    case ICAL_SECONDLY_RECURRENCE:
      return 1;
    case ICAL_MINUTELY_RECURRENCE:
      return 60;
    case ICAL_HOURLY_RECURRENCE:
      return 3600;
    case ICAL_DAILY_RECURRENCE:
      return kDaySeconds;
    case ICAL_WEEKLY_RECURRENCE:
      return 7 * kDaySeconds;
    case ICAL_MONTHLY_RECURRENCE:
      return 28 * kDaySeconds;
    default:
      return 365 * kDaySeconds;
  }
}

struct Start {
  icaltimetype time;
  icaltimetype end;  // the null time: as long as the event
};

// The starts of the event's rules that may reach into the window, and its DTSTART.
std::vector<Start> RuleStarts(const IcalEvent& event, int64_t length, const Window& window) {
  std::vector<Start> starts{{event.start, icaltime_null_time()}};
  const int64_t startDay = DayNumber(event.start);
  const int64_t lengthDays = event.start.is_date ? length : length / kDaySeconds + 1;
  for (const std::string& text : event.rules) {
    icalrecurrencetype rule = icalrecurrencetype_from_string(text.c_str());
    if (rule.freq == ICAL_NO_RECURRENCE) continue;
    // Where following the rule begins: at its start when it counts, else just before the window.
    const int64_t fromDay = rule.count > 0 ? startDay : std::max(startDay, window.firstDay - lengthDays);
    const int64_t periods =
        (window.endDay - fromDay) * kDaySeconds / (PeriodSeconds(rule.freq) * std::max<short>(1, rule.interval));
    if (periods > kMostPeriods) continue;
    const icaltimetype limit = TimeLike(event.start, window.endDay);
    if (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, limit) > 0) rule.until = limit;
    icalrecur_iterator* iterator = icalrecur_iterator_new(rule, event.start);
    if (!iterator) continue;
    if (rule.count == 0 && fromDay > startDay) icalrecur_iterator_set_start(iterator, TimeLike(event.start, fromDay));
    size_t taken = 0;
    for (icaltimetype t = icalrecur_iterator_next(iterator); !icaltime_is_null_time(t) && taken < kMostOccurrences;
         t = icalrecur_iterator_next(iterator)) {
      if (DayNumber(t) + lengthDays < window.firstDay) continue;
      starts.push_back({t, icaltime_null_time()});
      ++taken;
    }
    icalrecur_iterator_free(iterator);
  }
  // An RDATE is a day of an all-day event or a time of a timed one; the other form names nothing.
  for (const icaldatetimeperiodtype& date : event.extraDates) {
    if (!icaltime_is_null_time(date.time)) {
      if (date.time.is_date != event.start.is_date) continue;
      starts.push_back({date.time, icaltime_null_time()});
    } else if (!icaltime_is_null_time(date.period.start) && !event.start.is_date) {
      const icaltimetype end = icaltime_is_null_time(date.period.end)
                                   ? icaltime_add(date.period.start, date.period.duration)
                                   : date.period.end;
      starts.push_back({date.period.start, end});
    }
  }
  return starts;
}

Occurrence OccurrenceAt(const Start& start, int64_t length, uint32_t index) {
  Occurrence occurrence{TimeOf(start.time), {}, index};
  if (IsWhole(start.end) && start.end.is_date == start.time.is_date) {
    occurrence.end = TimeOf(start.end);
    if (occurrence.end.kind != occurrence.start.kind || occurrence.end.value < occurrence.start.value) {
      occurrence.end = occurrence.start;
    }
  } else {
    occurrence.end = {occurrence.start.kind, occurrence.start.value + length};
  }
  return occurrence;
}

// Whether an occurrence starting at `time` (`at` as an EventTime) is the one a time of the file
// (an EXDATE, a RECURRENCE-ID; `other`, `otherAt`) names: the same instant, or the same day
// where either is a day.
bool Names(const icaltimetype& time, const EventTime& at, const icaltimetype& other, const EventTime& otherAt) {
  if (at.kind == otherAt.kind) return at == otherAt;
  return SameTime(time, other);
}

struct Named {
  icaltimetype time;
  EventTime at;
};
std::vector<Named> NamedTimes(const std::vector<icaltimetype>& times) {
  std::vector<Named> named;
  for (const icaltimetype& t : times) {
    if (IsWhole(t)) named.push_back({t, TimeOf(t)});
  }
  return named;
}

}  // namespace

std::vector<Occurrence> CalendarFile::OccurrencesNear(sys_days first, sys_days last) const {
  const Window window{first.time_since_epoch().count() - kMarginDays,
                      last.time_since_epoch().count() + 1 + kMarginDays};
  const std::vector<IcalEvent>& events = contents_->events;
  // The instances the file moves or cancels, by the UID of their event; and the events cancelled
  // whole, whose instances go with them.
  std::multimap<std::string_view, Named> instances;
  std::vector<std::string_view> cancelled;
  for (const IcalEvent& event : events) {
    if (event.recurrenceId) {
      if (IsWhole(*event.recurrenceId))
        instances.emplace(event.uid, Named{*event.recurrenceId, TimeOf(*event.recurrenceId)});
    } else if (event.cancelled) {
      cancelled.push_back(event.uid);
    }
  }
  std::vector<Occurrence> found;
  for (uint32_t index = 0; index < events.size(); ++index) {
    const IcalEvent& event = events[index];
    if (event.cancelled || !IsWhole(event.start)) continue;
    const int64_t length = LengthOf(event);
    if (event.recurrenceId) {
      if (std::find(cancelled.begin(), cancelled.end(), event.uid) != cancelled.end()) continue;
      const Occurrence moved = OccurrenceAt({event.start, icaltime_null_time()}, length, index);
      if (window.Holds(moved.start, moved.end)) found.push_back(moved);
      continue;
    }
    const auto [from, to] = instances.equal_range(event.uid);
    const std::vector<Named> excluded = NamedTimes(event.excluded);
    std::vector<EventTime> taken;
    for (const Start& start : RuleStarts(event, length, window)) {
      if (!IsWhole(start.time)) continue;
      const Occurrence occurrence = OccurrenceAt(start, length, index);
      if (!window.Holds(occurrence.start, occurrence.end)) continue;
      auto names = [&](const Named& n) { return Names(start.time, occurrence.start, n.time, n.at); };
      if (std::find(taken.begin(), taken.end(), occurrence.start) != taken.end() ||
          std::any_of(excluded.begin(), excluded.end(), names) ||
          std::any_of(from, to, [&](const auto& instance) { return names(instance.second); })) {
        continue;
      }
      taken.push_back(occurrence.start);
      found.push_back(occurrence);
    }
  }
  return found;
}

}  // namespace tezun
