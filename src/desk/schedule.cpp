#include "schedule.h"

namespace tezun::desk {

bool ComposesOn(DeskEvent event, const std::optional<LocalDate>& composedFor, const LocalDate& today,
                bool eventsChanged) {
  switch (event) {
    case DeskEvent::MinuteCheck:
    case DeskEvent::Midnight:
      return eventsChanged || !composedFor || !(*composedFor == today);
    case DeskEvent::EventsChanged:
      return eventsChanged;
    case DeskEvent::WallpaperChanged:
      return false;  // our own setting announces itself too; another's choice is adopted instead
    case DeskEvent::Started:
    case DeskEvent::TimeChanged:
    case DeskEvent::Resumed:
    case DeskEvent::DisplayChanged:
    case DeskEvent::SessionUnlocked:
    case DeskEvent::ColourChanged:
    case DeskEvent::SettingsClosed:
    case DeskEvent::RefreshAsked:
      return true;
  }
  return true;  // an event this switch does not know: a composition too many does no harm
}

DeskStep NextStep(DeskEvent event, Seen seen, const std::optional<LocalDate>& composedFor, bool paused,
                  const LocalDate& today, bool eventsChanged) {
  if (seen == Seen::Slideshow) return DeskStep::Pause;
  if (seen == Seen::UsersChoice) return DeskStep::Adopt;
  return paused || ComposesOn(event, composedFor, today, eventsChanged) ? DeskStep::Compose : DeskStep::Nothing;
}

DeskEvent Gathered(const std::optional<DeskEvent>& waiting, DeskEvent arriving) {
  const auto weight = [](DeskEvent event) {
    if (event == DeskEvent::WallpaperChanged) return 0;
    const bool sometimes =
        event == DeskEvent::MinuteCheck || event == DeskEvent::Midnight || event == DeskEvent::EventsChanged;
    return sometimes ? 1 : 2;
  };
  return waiting && weight(*waiting) > weight(arriving) ? *waiting : arriving;
}

int64_t MillisecondsUntilMidnight(const LocalClock& now) {
  constexpr int64_t kDay = int64_t{24} * 60 * 60 * 1000;
  constexpr int64_t kMargin = 500;
  const int64_t sinceMidnight =
      ((static_cast<int64_t>(now.hour) * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
  // A leap second (second 60) or a clock read past the day's end still waits for the next day.
  const int64_t left = kDay - sinceMidnight;
  return (left > 0 ? left : 0) + kMargin;
}

}  // namespace tezun::desk
