#include "calendar_layout.h"

#include <algorithm>

#include "shift_jis.h"

namespace tezun {

DayTextBoxes PlaceDayTexts(const Rect& cell, int64_t numberHeight, int64_t noteHeight, int maxLines) {
  if (cell.height() < numberHeight + noteHeight) return {cell, std::nullopt, 0};
  int lines = 1;
  while (lines < maxLines && cell.height() >= numberHeight + (lines + 1) * noteHeight) ++lines;
  const int64_t top = cell.top + CentredOffset(cell.height(), numberHeight + lines * noteHeight);
  const Rect number{cell.left, top, cell.right, top + numberHeight};
  return {number, Rect{cell.left, number.bottom, cell.right, number.bottom + noteHeight}, lines};
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

std::vector<TextLine> WrapText(std::string_view text, std::span<const int> ends, int64_t width, int maxLines) {
  std::vector<TextLine> lines;
  size_t at = 0;
  while (at < text.size() && static_cast<int>(lines.size()) < maxLines) {
    // The widths in `ends` run from the text's start; a line's from where it begins.
    const int64_t before = at == 0 || at > ends.size() ? 0 : ends[at - 1];
    size_t fits = at, space = std::string_view::npos;
    for (size_t i = at; i < text.size() && i < ends.size();) {
      const size_t next = i + (IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1);
      if (next > text.size() || ends[i] - before > width) break;
      if (text[i] == ' ') space = i;
      fits = i = next;
    }
    const bool lastLine = static_cast<int>(lines.size()) + 1 == maxLines;
    if (fits < text.size() && !lastLine && space != std::string_view::npos && space > at) fits = space;
    if (fits == at) break;  // not one character fits
    lines.push_back({at, fits});
    at = fits;
    if (at < text.size() && text[at] == ' ') ++at;
  }
  return lines;
}

Rect EventMarkBox(const Rect& cell, const Rect& number, int64_t noteHeight) {
  const int64_t side = std::max<int64_t>(2, noteHeight / 3), gap = std::max<int64_t>(1, side / 2);
  const int64_t left = std::max(cell.left, number.left - gap - side);
  const int64_t top = std::clamp(number.bottom - side, cell.top, std::max(cell.top, cell.bottom - side));
  return {left, top, left + side, top + side};
}

std::optional<Rect> MoonBox(const Rect& cell, int64_t noteHeight) {
  const int64_t across = noteHeight * 3 / 4, margin = std::max<int64_t>(1, noteHeight / 8);
  if (across < 3 || cell.width() < across + 2 * margin || cell.height() < across + 2 * margin) return std::nullopt;
  return Rect{cell.right - margin - across, cell.top + margin, cell.right - margin, cell.top + margin + across};
}

}  // namespace tezun
