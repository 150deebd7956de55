// The month's edges: the date of every cell of the grid, the neighbouring months' days in the
// first and last weeks, and the numbers of the weeks (ISO 8601).
#pragma once

#include <array>
#include <chrono>

#include "event_days.h"
#include "month_grid.h"

namespace tezun {

using GridDates = std::array<std::array<std::chrono::sys_days, 7>, 6>;  // [row][column]

// The date each cell of the grid of today's month stands for: the 1st in its cell, the days
// after it in order, and before it the last days of the month before.
GridDates DatesOfGrid(TDateTime today, int firstWeekday);

// How many week rows hold days of the month: 4 to 6 (none for a date out of range).
int WeeksOfMonth(const MonthGrid& grid);

// The cells of the month's first and last weeks that lie in the month before or after it, each
// with its day, its weekday and its holiday mark as that month's own grid under the same rules
// gives them, and never today's mark; every other cell empty.
MonthGrid AdjacentDaysGrid(TDateTime today, const GridRules& rules);

// The number of the ISO 8601 week a day is in: the week from Monday to Sunday, numbered in the year
// its Thursday is in, the first being the one with the year's first Thursday (1 to 53).
int IsoWeekNumber(std::chrono::sys_days day);

// The days a calendar draws: the month's, or with the neighbouring months' days from the first
// cell of its first week to the last cell of its last.
DayRange DrawnDays(TDateTime today, int firstWeekday, bool adjacent);

}  // namespace tezun
