// The column of week numbers before the weekdays: "週" over it and each week's ISO 8601 number.
#pragma once

#include "core/calendar_layout.h"
#include "core/month_edges.h"
#include "text_run.h"

namespace tezun {

// In the canvas's font (the weekday names'), in `colour`, for the first `weeks` week rows.
void DrawWeekNumbers(TCanvas& canvas, TextRun& texts, const CalendarLayout& layout, const GridDates& dates, int weeks,
                     int firstWeekday, int32_t colour);

}  // namespace tezun
