#include "schedule.h"

namespace tezun::desk {

bool ComposesOn(DeskEvent event, const std::optional<LocalDate>& composedFor, const LocalDate& today) {
  switch (event) {
    case DeskEvent::MinuteCheck:
    case DeskEvent::Midnight:
      return !composedFor || !(*composedFor == today);
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
