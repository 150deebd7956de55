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
                     const MeasuredText& measured, const TFont& noteFont, int maxLines) {
  DayTexts texts{std::move(number), cell, {}, {}, {}, {}, {}};
  texts.noteFont.Assign(noteFont);
  const DayTextBoxes boxes = PlaceDayTexts(cell, numberHeight, measured.size.cy, maxLines);
  texts.numberBox = boxes.number;
  if (boxes.note && !note.empty()) {
    texts.noteBox = *boxes.note;
    const std::vector<TextLine> lines = WrapText(note, measured.ends, cell.width(), boxes.lines);
    for (size_t k = 0; k < lines.size(); ++k) {
      std::string line(note.substr(lines[k].begin, lines[k].end - lines[k].begin));
      if (k == 0) {
        texts.note = std::move(line);
      } else {
        texts.moreLines.push_back(std::move(line));
      }
    }
    // A note cut short or broken is measured again line by line, as it is drawn.
    if (texts.note.size() == note.size()) texts.noteMeasured = measured;
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
  for (size_t k = 0; k < texts.moreLines.size(); ++k) {
    DrawCentred(canvas, Offset(texts.LineBox(k + 1), dx, dy), texts.moreLines[k]);
  }
  canvas.Font.Assign(number);
}

}  // namespace tezun
