#include "text_run.h"

#include <algorithm>
#include <utility>

#include "core/settings.h"
#include "core/shift_jis.h"

namespace tezun {
namespace {

bool oneByOne = false;

// Far enough inside the 32-bit range that the sums of positions and advances cannot overflow.
bool Placeable(int64_t x, int64_t y) { return x > -(1 << 28) && x < (1 << 28) && y > -(1 << 28) && y < (1 << 28); }

}  // namespace

void DrawTextsOneByOneForTesting(bool drawOneByOne) { oneByOne = drawOneByOne; }
bool TextsDrawnOneByOne() { return oneByOne; }

void TextRun::DrawCentred(const Rect& cell, std::string_view text) {
  const SIZE size = canvas_.TextExtent(text, ends_);
  DrawCentred(cell, text, size, ends_);
}

void TextRun::DrawCentred(const Rect& cell, std::string_view text, SIZE size, std::span<const int> ends) {
  canvas_.Brush.Style = BrushStyle::bsClear;
  const int64_t x = cell.left + CentredOffset(cell.width(), size.cx);
  const int64_t y = cell.top + CentredOffset(cell.height(), size.cy);
  // An underline or a strike-out would run on through the gaps between the texts.
  const bool joinable =
      !oneByOne && !text.empty() && Placeable(x, y) && (canvas_.Font.Style() & (fsUnderline | fsStrikeOut)) == 0;
  // A text goes on along the last one's line after it ends, or on a line below all that wait, its
  // ring clear of them: anywhere else it might lie over one, and the run would change which of
  // them lies on top.
  const int ring = canvas_.Outline.Enabled ? canvas_.Outline.Width : 0;
  const bool follows = (y == lineY_ && x >= lineEnd_) || (y > lineY_ && y - ring >= lowest_);
  if (!text_.empty() && (!joinable || !follows)) Flush();
  if (!joinable) {
    canvas_.TextOut(x, y, text);
    return;
  }
  if (text_.empty()) {
    x_ = static_cast<int>(x);
    y_ = static_cast<int>(y);
    lowest_ = y_;
  } else {
    // On from where the last text ends to where this one starts.
    steps_.back().across += static_cast<int>(x) - lineEnd_;
    steps_.back().down += static_cast<int>(y) - lineY_;
  }
  int previous = 0;
  for (const int end : ends) {
    steps_.push_back({end - previous, 0});  // none for the second byte of a double-byte character
    previous = end;
  }
  if (colours_.empty() || colours_.back().color != canvas_.Font.Color)
    colours_.push_back({text_.size(), canvas_.Font.Color});
  text_ += text;
  lineY_ = static_cast<int>(y);
  lineEnd_ = static_cast<int>(x) + previous;
  lowest_ = std::max(lowest_, static_cast<int>(y + size.cy));
}

void TextRun::Flush() {
  if (text_.empty()) return;
  canvas_.Brush.Style = BrushStyle::bsClear;
  const int32_t color = canvas_.Font.Color;
  const bool outlined = std::exchange(canvas_.Outline.Enabled, false);
  if (outlined) canvas_.TextOutline(x_, y_, text_, steps_);
  // Where each character starts, and which colour it has.
  struct Character {
    size_t at;
    size_t bytes;
    int x, y;
    int32_t color;
  };
  std::vector<Character> characters;
  int x = x_, y = y_;
  size_t colour = 0;
  for (size_t at = 0; at < text_.size();) {
    while (colour + 1 < colours_.size() && colours_[colour + 1].from <= at) ++colour;
    const size_t bytes = IsShiftJisLeadByte(static_cast<unsigned char>(text_[at])) && at + 1 < text_.size() ? 2 : 1;
    characters.push_back({at, bytes, x, y, colours_[colour].color});
    for (size_t byte = at; byte < at + bytes; ++byte) x += steps_[byte].across, y += steps_[byte].down;
    at += bytes;
  }
  // Each colour in one call, its characters stepping over the others' to where they are: the texts
  // of a run do not overlap, so the order in which the colours go out changes nothing.
  std::vector<int32_t> done;
  std::string text;
  std::vector<TextStep> steps;
  for (const Character& first : characters) {
    if (std::find(done.begin(), done.end(), first.color) != done.end()) continue;
    done.push_back(first.color);
    text.clear();
    steps.clear();
    const Character* previous = nullptr;
    for (const Character& character : characters) {
      if (character.color != first.color) continue;
      if (previous) steps[steps.size() - previous->bytes] = {character.x - previous->x, character.y - previous->y};
      text.append(text_, character.at, character.bytes);
      steps.resize(steps.size() + character.bytes);
      previous = &character;
    }
    canvas_.Font.Color = first.color;
    canvas_.TextOut(first.x, first.y, text, steps);
  }
  canvas_.Outline.Enabled = outlined;
  canvas_.Font.Color = color;
  text_.clear();
  steps_.clear();
  colours_.clear();
}

}  // namespace tezun
