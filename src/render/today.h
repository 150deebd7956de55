// Today's date for the calendar: the local date, read once per drawing.
#pragma once

#include <optional>

#include "core/calendar_date.h"

namespace tezun {

// The current local date (midnight), or the date fixed for tests.
TDateTime Today();

// Tests fix "today" here; nothing outside the module's own code can reach it.
void FixTodayForTesting(std::optional<TDateTime> date);

}  // namespace tezun
