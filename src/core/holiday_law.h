// The national holidays and days off of Japan as the holiday law in force on each date has them:
// the law of 20 July 1948 with its amendments, and the laws that made single days holidays.
#pragma once

#include <optional>
#include <string_view>

#include "calendar_date.h"

namespace tezun {

// The Shift-JIS name of what the law in force on the calendar day of the date makes of it: the
// holiday's own name, 振替休日 for the day off that a holiday on a Sunday gives, or 国民の休日 for
// a day between two holidays. Nothing for a working day. Each day is decided by its own date, so a
// day off is found in whichever month and on whichever weekday it falls.
std::optional<std::string_view> LawHolidayName(TDateTime date);

}  // namespace tezun
