// When TezunDesk composes the wallpaper again, and when it wakes next: decided from what happened
// and the local clock alone, so that every rule can be checked without a desktop.
#pragma once

#include <cstdint>
#include <optional>

#include "wallpaper_watch.h"

namespace tezun::desk {

struct LocalDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const LocalDate&) const = default;
};

struct LocalClock {
  LocalDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// What may make the wallpaper stale. Each is one message or one timer of the resident window.
enum class DeskEvent {
  Started,           // the resident process came up
  MinuteCheck,       // the check of the date every minute, for wake-ups that are never announced
  Midnight,          // the timer set for the next local midnight
  TimeChanged,       // the clock or the time zone was changed
  Resumed,           // back from sleep or hibernation
  DisplayChanged,    // resolution, orientation, scaling, a monitor added or removed
  SessionUnlocked,   // the user came back to a locked session
  ColourChanged,     // the desktop's colour, which fills the picture around the wallpaper
  SettingsClosed,    // the plug-in's settings dialog was closed
  RefreshAsked,      // "今すぐ更新", or a second start asking the running one
  WallpaperChanged,  // the wallpaper was set, by us or by someone else
  EventsChanged,     // a folder the plug-in's events come from changed, or a subscription was fetched
};

// Whether the event makes a new composition. The two clock events only compose when the date is
// another than the one last composed for, or the calendar files the events come from have changed
// since (`eventsChanged`): idle, the minute's check is the only work. A change in the folders of
// those files composes only when the files themselves changed. Every other event means the picture
// itself may be wrong, whatever the date.
bool ComposesOn(DeskEvent event, const std::optional<LocalDate>& composedFor, const LocalDate& today,
                bool eventsChanged = false);

// What the resident does at an event, given what the wallpaper shows.
enum class DeskStep {
  Nothing,
  Compose,  // compose with the picture to decorate
  Adopt,    // make the user's new wallpaper the picture to decorate, then compose
  Pause,    // a slideshow is on: compose nothing (and say so, once)
};

// The user's own wallpaper always wins: a slideshow pauses, a new choice is adopted, whatever the
// event. Otherwise the event decides, and the first look after a pause composes.
DeskStep NextStep(DeskEvent event, Seen seen, const std::optional<LocalDate>& composedFor, bool paused,
                  const LocalDate& today, bool eventsChanged = false);

// Of two events that came while one composition was waited for, the one to handle: the one that
// composes in more cases (what asks for it always, the clock's and the events' on another date or
// changed files, the wallpaper's own announcement never); the later of two alike. Every event looks at the wallpaper
// first.
DeskEvent Gathered(const std::optional<DeskEvent>& waiting, DeskEvent arriving);

// Milliseconds from `now` until a little after the next local midnight. The margin keeps a timer
// that fires a few milliseconds early from finding the old date; a day that is 23 or 25 hours long
// (a change to or from summer time) is caught by the minute's check and by the time-change message.
int64_t MillisecondsUntilMidnight(const LocalClock& now);

// The minute's check, in milliseconds.
constexpr int64_t kMinuteCheckMilliseconds = int64_t{60} * 1000;

// Bursts of messages (a display change announces itself several times) are gathered into one
// composition this long after the first.
constexpr int64_t kGatherMilliseconds = 1500;

// An icon the shell refused (its notification area is not ready just after log-on) is added again
// this often, this many times: for five minutes, and whenever Explorer says it has started.
constexpr int64_t kIconRetryMilliseconds = 3000;
constexpr unsigned kIconRetries = 100;

}  // namespace tezun::desk
