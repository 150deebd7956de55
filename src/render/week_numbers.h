// The column of week numbers before the weekdays: "週" over it and each week's ISO 8601 number.
#pragma once

#include <array>
#include <optional>

#include "core/calendar_layout.h"
#include "core/month_edges.h"
#include "text_run.h"

namespace tezun {

// Where the numbers of each week's days lie, none for a week without days of the month.
using WeekRows = std::array<std::optional<Rect>, 6>;

// In the canvas's font (the weekday names'), in `colour`: each number level with its week's days'.
void DrawWeekNumbers(TCanvas& canvas, TextRun& texts, const CalendarLayout& layout, const GridDates& dates,
                     const WeekRows& rows, int firstWeekday, int32_t colour);

}  // namespace tezun
