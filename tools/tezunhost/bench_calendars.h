// The calendars the bench draws: one fixed day, and the settings of its cases.
#pragma once

#include "core/calendar_date.h"
#include "core/settings.h"

namespace tezunhost {

inline constexpr tezun::TDateTime kSomeDay = 46364;  // 8 December 2026: every run draws the same month

// The defaults with every option that puts texts on the picture: the week from Monday, the month
// by the era above the names, the holiday law, and under the numbers the days' names, solar terms
// and 六曜; with the almanac, their 雑節, 干支 and 開運日 and the drawn Moon too.
tezun::TCalendarSettings WithTextOptions(bool almanac);

}  // namespace tezunhost
