// When TezunDesk composes the wallpaper again, and when it wakes next: decided from what happened
// and the local clock alone, so that every rule can be checked without a desktop.
#pragma once

#include <cstdint>
#include <optional>

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
  Started,          // the resident process came up
  MinuteCheck,      // the check of the date every minute, for wake-ups that are never announced
  Midnight,         // the timer set for the next local midnight
  TimeChanged,      // the clock or the time zone was changed
  Resumed,          // back from sleep or hibernation
  DisplayChanged,   // resolution, orientation, scaling, a monitor added or removed
  SessionUnlocked,  // the user came back to a locked session
  ColourChanged,    // the desktop's colour, which fills the picture around the wallpaper
  SettingsClosed,   // the plug-in's settings dialog was closed
  RefreshAsked,     // "今すぐ更新", or a second start asking the running one
};

// Whether the event makes a new composition. The two clock events only compose when the date is
// another than the one last composed for: idle, the minute's check is the only work. Every other
// event means the picture itself may be wrong, whatever the date.
bool ComposesOn(DeskEvent event, const std::optional<LocalDate>& composedFor, const LocalDate& today);

// Milliseconds from `now` until a little after the next local midnight. The margin keeps a timer
// that fires a few milliseconds early from finding the old date; a day that is 23 or 25 hours long
// (a change to or from summer time) is caught by the minute's check and by the time-change message.
int64_t MillisecondsUntilMidnight(const LocalClock& now);

// The minute's check, in milliseconds.
constexpr int64_t kMinuteCheckMilliseconds = int64_t{60} * 1000;

// Bursts of messages (a display change announces itself several times) are gathered into one
// composition this long after the first.
constexpr int64_t kGatherMilliseconds = 1500;

}  // namespace tezun::desk
