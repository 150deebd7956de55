// Where the calendar's cells lie in its rectangle: seven equal columns and seven equal rows (the
// header and six weeks), or eight with a title row above the header; sizes truncated toward zero,
// and the leftover pixels belong to no cell.
#pragma once

#include "geometry.h"

namespace tezun {

struct CalendarLayout {
  Rect area;
  bool titled = false;
  int64_t cellWidth = 0;
  int64_t cellHeight = 0;

  explicit CalendarLayout(const Rect& rectangle, bool withTitle = false)
      : area(rectangle),
        titled(withTitle),
        cellWidth(rectangle.width() / 7),
        cellHeight(rectangle.height() / (withTitle ? 8 : 7)) {}

  // The title row spans the whole width of the rectangle.
  Rect TitleCell() const { return {area.left, area.top, area.right, area.top + cellHeight}; }
  Rect HeaderCell(int column) const { return Cell(titled ? 1 : 0, column); }
  Rect DayCell(int week, int column) const { return Cell(week + (titled ? 2 : 1), column); }

 private:
  Rect Cell(int row, int column) const {
    return {area.left + column * cellWidth, area.top + row * cellHeight, area.left + (column + 1) * cellWidth,
            area.top + (row + 1) * cellHeight};
  }
};

}  // namespace tezun
