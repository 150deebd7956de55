// Where the calendar's cells lie in its rectangle: seven equal columns and seven equal rows (the
// header and six weeks), or eight with a title row above the header, and eight columns with one of
// week numbers before the weekdays; sizes truncated toward zero, and the leftover pixels belong to
// no cell.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "geometry.h"

namespace tezun {

struct CalendarLayout {
  Rect area;
  bool titled = false;
  bool weekColumn = false;
  int64_t cellWidth = 0;
  int64_t cellHeight = 0;

  explicit CalendarLayout(const Rect& rectangle, bool withTitle = false, bool withWeekColumn = false)
      : area(rectangle),
        titled(withTitle),
        weekColumn(withWeekColumn),
        cellWidth(rectangle.width() / (withWeekColumn ? 8 : 7)),
        cellHeight(rectangle.height() / (withTitle ? 8 : 7)) {}

  // The title row spans the whole width of the rectangle.
  Rect TitleCell() const { return {area.left, area.top, area.right, area.top + cellHeight}; }
  Rect HeaderCell(int column) const { return Cell(titled ? 1 : 0, column + (weekColumn ? 1 : 0)); }
  Rect DayCell(int week, int column) const { return Cell(week + (titled ? 2 : 1), column + (weekColumn ? 1 : 0)); }
  // The column of week numbers: its head beside the weekdays' names, and each week's number.
  Rect WeekHeaderCell() const { return Cell(titled ? 1 : 0, 0); }
  Rect WeekCell(int week) const { return Cell(week + (titled ? 2 : 1), 0); }

 private:
  Rect Cell(int row, int column) const {
    return {area.left + column * cellWidth, area.top + row * cellHeight, area.left + (column + 1) * cellWidth,
            area.top + (row + 1) * cellHeight};
  }
};

// Where a day's texts lie in its cell when a line of notes goes under the number: the two are
// centred as a pair, and the number's place is the same whether or not the line has text, so that
// the numbers of a row stay in line. Where the cell is too low for both there is no line, and the
// number is centred in the whole cell as ever. The number and the line are centred in their boxes.
// Where up to `maxLines` lines are allowed, the cell holds as many as fit, each `noteHeight` high
// under the one before, all centred with the number as one block: how many depends on the cell's
// height and the fonts alone, so the numbers of a row stay in line whatever their lines say.
struct DayTextBoxes {
  Rect number;
  std::optional<Rect> note;  // the first line's box; the others follow under it
  int lines = 0;
};
DayTextBoxes PlaceDayTexts(const Rect& cell, int64_t numberHeight, int64_t noteHeight, int maxLines = 1);

// How many bytes of a Shift-JIS text fit in `width`, never half a character: `ends` gives where
// each byte's character ends from the text's start (a double-byte character's two bytes alike).
size_t FittingBytes(std::string_view text, std::span<const int> ends, int64_t width);

// A text broken into at most `maxLines` lines of `width`, as byte ranges: each line ends at the
// last space that lets it fit (the space is dropped), or at a character boundary where no space
// does; the last line is cut as FittingBytes cuts. With one line, that line is FittingBytes'.
struct TextLine {
  size_t begin = 0;
  size_t end = 0;
  bool operator==(const TextLine&) const = default;
};
std::vector<TextLine> WrapText(std::string_view text, std::span<const int> ends, int64_t width, int maxLines);

// Where the mark of a day's events without a line of their own lies: a square a third of the note's
// height across (two pixels at least), at the bottom-left corner of the number's text, which
// `number` holds, just outside it and inside the cell.
Rect EventMarkBox(const Rect& cell, const Rect& number, int64_t noteHeight);

// Where a day's drawn Moon lies: a disc three quarters of the note's height across, an eighth of
// that height in from the cell's top and right edges; nothing in a cell too small for it.
std::optional<Rect> MoonBox(const Rect& cell, int64_t noteHeight);

}  // namespace tezun
