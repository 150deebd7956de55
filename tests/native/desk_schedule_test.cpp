#include <gtest/gtest.h>

#include "desk/schedule.h"

namespace tezun::desk {
namespace {

constexpr LocalDate kToday{2026, 12, 9};
constexpr LocalDate kYesterday{2026, 12, 8};

TEST(DeskSchedule, WhichEventsCompose) {
  struct Case {
    DeskEvent event = DeskEvent::Started;
    std::optional<LocalDate> composedFor;
    bool composes = false;
  };
  const Case cases[] = {
      {DeskEvent::MinuteCheck, kToday, false},       // idle: the check costs nothing else
      {DeskEvent::MinuteCheck, kYesterday, true},    // slept across midnight, woke unannounced
      {DeskEvent::MinuteCheck, std::nullopt, true},  // never composed yet (the first one failed)
      {DeskEvent::Midnight, kToday, false},          // fired early: the date has not changed yet
      {DeskEvent::Midnight, kYesterday, true},
      {DeskEvent::Started, kToday, true},
      {DeskEvent::TimeChanged, kToday, true},
      {DeskEvent::Resumed, kToday, true},
      {DeskEvent::DisplayChanged, kToday, true},
      {DeskEvent::SessionUnlocked, kToday, true},
      {DeskEvent::ColourChanged, kToday, true},
      {DeskEvent::SettingsClosed, kToday, true},
      {DeskEvent::RefreshAsked, kToday, true},
      {DeskEvent::WallpaperChanged, kYesterday, false},  // ours announces itself; another's is adopted
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposesOn(c.event, c.composedFor, kToday), c.composes) << "event " << static_cast<int>(c.event);
  }
}

TEST(DeskSchedule, AnotherMonthOrYearIsAnotherDate) {
  EXPECT_TRUE(ComposesOn(DeskEvent::MinuteCheck, LocalDate{2026, 11, 9}, kToday));
  EXPECT_TRUE(ComposesOn(DeskEvent::MinuteCheck, LocalDate{2025, 12, 9}, kToday));
  // A clock set back a day is a change too.
  EXPECT_TRUE(ComposesOn(DeskEvent::MinuteCheck, LocalDate{2026, 12, 10}, kToday));
}

TEST(DeskSchedule, MidnightIsWaitedForWithAMargin) {
  struct Case {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int64_t expected = 0;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 24 * 3600 * 1000 + 500},  {23, 59, 59, 999, 1 + 500}, {23, 59, 30, 0, 30 * 1000 + 500},
      {12, 0, 0, 0, 12 * 3600 * 1000 + 500}, {23, 59, 60, 500, 500},  // a leap second: never a wait below the margin
  };
  for (const Case& c : cases) {
    const LocalClock now{kToday, c.hour, c.minute, c.second, c.millisecond};
    EXPECT_EQ(MillisecondsUntilMidnight(now), c.expected) << c.hour << ":" << c.minute << ":" << c.second;
  }
}

}  // namespace
}  // namespace tezun::desk
