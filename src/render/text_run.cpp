#include "text_run.h"

#include <utility>

#include "core/settings.h"

namespace tezun {
namespace {

bool oneByOne = false;

// Far enough inside the 32-bit range that the sums of positions and advances cannot overflow.
bool Placeable(int64_t x, int64_t y) { return x > -(1 << 28) && x < (1 << 28) && y > -(1 << 28) && y < (1 << 28); }

}  // namespace

void DrawTextsOneByOneForTesting(bool drawOneByOne) { oneByOne = drawOneByOne; }

void TextRun::DrawCentred(const Rect& cell, std::string_view text) {
  canvas_.Brush.Style = BrushStyle::bsClear;
  const SIZE size = canvas_.TextExtent(text, ends_);
  const int64_t x = cell.left + CentredOffset(cell.width(), size.cx);
  const int64_t y = cell.top + CentredOffset(cell.height(), size.cy);
  // An underline or a strike-out would run on through the gaps between the texts of a line.
  const bool joinable =
      !oneByOne && !text.empty() && Placeable(x, y) && (canvas_.Font.Style() & (fsUnderline | fsStrikeOut)) == 0;
  // A text that starts before the last one ends would change which of them lies on top.
  if (!text_.empty() && (!joinable || y != y_ || x < end_)) Flush();
  if (!joinable) {
    canvas_.TextOut(x, y, text);
    return;
  }
  if (text_.empty()) {
    x_ = static_cast<int>(x);
    y_ = static_cast<int>(y);
  } else {
    advances_.back() += static_cast<int>(x) - end_;  // on from the last character to this text
  }
  int previous = 0;
  for (const int end : ends_) {
    advances_.push_back(end - previous);  // 0 for the second byte of a double-byte character
    previous = end;
  }
  if (colours_.empty() || colours_.back().color != canvas_.Font.Color)
    colours_.push_back({text_.size(), canvas_.Font.Color});
  text_ += text;
  end_ = static_cast<int>(x) + previous;
}

void TextRun::Flush() {
  if (text_.empty()) return;
  canvas_.Brush.Style = BrushStyle::bsClear;
  const int32_t color = canvas_.Font.Color;
  const bool outlined = std::exchange(canvas_.Outline.Enabled, false);
  if (outlined) canvas_.TextOutline(x_, y_, text_, advances_);
  int x = x_;
  for (size_t i = 0; i < colours_.size(); ++i) {
    const size_t from = colours_[i].from, to = i + 1 < colours_.size() ? colours_[i + 1].from : text_.size();
    canvas_.Font.Color = colours_[i].color;
    canvas_.TextOut(x, y_, std::string_view{text_}.substr(from, to - from),
                    std::span<const int>{advances_}.subspan(from, to - from));
    for (size_t byte = from; byte < to; ++byte) x += advances_[byte];
  }
  canvas_.Outline.Enabled = outlined;
  canvas_.Font.Color = color;
  text_.clear();
  advances_.clear();
  colours_.clear();
}

}  // namespace tezun
