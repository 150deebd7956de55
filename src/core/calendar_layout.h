// Where the calendar's cells lie in its rectangle: seven equal columns and seven equal rows (the
// header and six weeks), sizes truncated toward zero; the leftover pixels belong to no cell.
#pragma once

#include "geometry.h"

namespace tezun {

struct CalendarLayout {
  Rect area;
  int64_t cellWidth = 0;
  int64_t cellHeight = 0;

  explicit CalendarLayout(const Rect& rectangle)
      : area(rectangle), cellWidth(rectangle.width() / 7), cellHeight(rectangle.height() / 7) {}

  Rect HeaderCell(int column) const { return Cell(0, column); }
  Rect DayCell(int week, int column) const { return Cell(week + 1, column); }

 private:
  Rect Cell(int row, int column) const {
    return {area.left + column * cellWidth, area.top + row * cellHeight, area.left + (column + 1) * cellWidth,
            area.top + (row + 1) * cellHeight};
  }
};

}  // namespace tezun
