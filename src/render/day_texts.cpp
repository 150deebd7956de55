#include "day_texts.h"

#include <algorithm>
#include <vector>

#include "core/calendar_layout.h"

namespace tezun {

void DrawCentred(TCanvas& canvas, const Rect& box, std::string_view text) {
  canvas.Brush.Style = BrushStyle::bsClear;
  const SIZE size = canvas.TextExtent(text);
  canvas.TextOut(box.left + CentredOffset(box.width(), size.cx), box.top + CentredOffset(box.height(), size.cy), text);
}

DayTexts LayDayTexts(TCanvas& canvas, const Rect& cell, const TFont& numberFont, std::string number,
                     std::string_view note, int leastNoteHeight) {
  DayTexts texts{std::move(number), cell, {}, {}, {}};
  texts.noteFont.Assign(numberFont);
  texts.noteFont.SetHeight(std::max(numberFont.Height() / 2, leastNoteHeight));
  canvas.Font.Assign(numberFont);
  const int64_t numberHeight = canvas.TextExtent("0").cy;
  canvas.Font.Assign(texts.noteFont);
  std::vector<int> ends;
  const int64_t noteHeight = canvas.TextExtent(note.empty() ? std::string_view("0") : note, ends).cy;
  const DayTextBoxes boxes = PlaceDayTexts(cell, numberHeight, noteHeight);
  texts.numberBox = boxes.number;
  if (boxes.note && !note.empty()) {
    texts.noteBox = *boxes.note;
    texts.note = note.substr(0, FittingBytes(note, ends, cell.width()));
  }
  return texts;
}

void DrawDayTexts(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx, int64_t dy) {
  canvas.Font.Color = colour;
  DrawCentred(canvas, Offset(texts.numberBox, dx, dy), texts.number);
  if (texts.note.empty()) return;
  TFont number;
  number.Assign(canvas.Font);
  canvas.Font.Assign(texts.noteFont);
  canvas.Font.Color = colour;
  DrawCentred(canvas, Offset(texts.noteBox, dx, dy), texts.note);
  canvas.Font.Assign(number);
}

}  // namespace tezun
