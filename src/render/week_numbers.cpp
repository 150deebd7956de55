#include "week_numbers.h"

#include <string>

#include "core/texts.h"

namespace tezun {

void DrawWeekNumbers(TCanvas& canvas, TextRun& texts, const CalendarLayout& layout, const GridDates& dates,
                     const WeekRows& rows, int firstWeekday, int32_t colour) {
  canvas.Font.Color = colour;
  texts.DrawCentred(layout.WeekHeaderCell(), kWeekHeader);
  // A row's week is the week of its Thursday, whichever day the row starts on.
  constexpr int kThursday = 5;
  const int column = ColumnOfWeekday(kThursday, firstWeekday);
  for (int week = 0; week < 6; ++week) {
    if (!rows[week]) continue;
    const Rect cell = layout.WeekCell(week);
    texts.DrawCentred({cell.left, rows[week]->top, cell.right, rows[week]->bottom},
                      std::to_string(IsoWeekNumber(dates[week][column])));
  }
}

}  // namespace tezun
