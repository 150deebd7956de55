#include "calendar_layout.h"

#include "shift_jis.h"

namespace tezun {

DayTextBoxes PlaceDayTexts(const Rect& cell, int64_t numberHeight, int64_t noteHeight) {
  if (cell.height() < numberHeight + noteHeight) return {cell, std::nullopt};
  const int64_t top = cell.top + CentredOffset(cell.height(), numberHeight + noteHeight);
  const Rect number{cell.left, top, cell.right, top + numberHeight};
  return {number, Rect{cell.left, number.bottom, cell.right, number.bottom + noteHeight}};
}

size_t FittingBytes(std::string_view text, std::span<const int> ends, int64_t width) {
  size_t fits = 0;
  for (size_t at = 0; at < text.size() && at < ends.size();) {
    const size_t next = at + (IsShiftJisLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1);
    if (next > text.size() || ends[at] > width) break;
    fits = at = next;
  }
  return fits;
}

}  // namespace tezun
