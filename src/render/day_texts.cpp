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

void SetNoteFont(TFont& note, const TFont& number, int leastHeight) {
  note.Assign(number);
  note.SetHeight(std::max(number.Height() / 2, leastHeight));
}

DayTexts LayDayTexts(const Rect& cell, std::string number, int64_t numberHeight, std::string_view note,
                     const MeasuredText& measured, const TFont& noteFont) {
  DayTexts texts{std::move(number), cell, {}, {}, {}, {}};
  texts.noteFont.Assign(noteFont);
  const DayTextBoxes boxes = PlaceDayTexts(cell, numberHeight, measured.size.cy);
  texts.numberBox = boxes.number;
  if (boxes.note && !note.empty()) {
    const size_t fits = FittingBytes(note, measured.ends, cell.width());
    texts.noteBox = *boxes.note;
    texts.note = note.substr(0, fits);
    if (fits == note.size()) texts.noteMeasured = measured;  // a note cut short is measured again as it is
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
