#include "day_texts.h"

#include <algorithm>
#include <cstdlib>
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
  return LayDayTexts(cell, std::move(number), numberHeight, note, measured, noteFont, maxLines, {}, maxLines);
}

DayTexts LayDayTexts(const Rect& cell, std::string number, int64_t numberHeight, std::string_view note,
                     const MeasuredText& measured, const TFont& noteFont, int maxLines,
                     std::span<const MeasuredLine> events, int noteLines) {
  DayTexts texts = NumberAlone(cell, std::move(number));
  texts.noteFont.Assign(noteFont);
  const DayTextBoxes boxes = PlaceDayTexts(cell, numberHeight, measured.size.cy, maxLines);
  texts.numberBox = boxes.number;
  // Each event wraps as a note does, onto the lines the events after it do not need for a line
  // of their own, so that every title that can have a line has one.
  const int eventLines = boxes.note ? boxes.lines : 0;
  size_t placed = 0;  // the events that have a line
  for (const MeasuredLine& event : events) {
    const int left = eventLines - static_cast<int>(texts.events.size());
    const int later = static_cast<int>(std::min<size_t>(events.size() - placed - 1, std::max(0, left - 1)));
    const std::vector<TextLine> lines = WrapText(event.text, event.measured.ends, cell.width(), left - later);
    if (lines.empty()) break;
    for (const TextLine& line : lines) texts.events.push_back(event.text.substr(line.begin, line.end - line.begin));
    ++placed;
  }
  texts.eventsHidden = placed < events.size();
  if (!texts.events.empty()) texts.eventBox = *boxes.note;
  const int linesLeft = std::min(noteLines, boxes.lines - static_cast<int>(texts.events.size()));
  if (boxes.note && !note.empty() && linesLeft > 0) {
    texts.noteBox = Offset(*boxes.note, 0, static_cast<int64_t>(texts.events.size()) * boxes.note->height());
    const std::vector<TextLine> lines = WrapText(note, measured.ends, cell.width(), linesLeft);
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

Rect EventMarkOf(const DayTexts& texts, SIZE digit) {
  // Digits are as wide as one another in the faces a calendar is written in.
  const SIZE size{static_cast<LONG>(digit.cx * static_cast<LONG>(texts.number.size())), digit.cy};
  const Rect& box = texts.numberBox;
  const int64_t left = box.left + CentredOffset(box.width(), size.cx),
                top = box.top + CentredOffset(box.height(), size.cy);
  return EventMarkBox(box, {left, top, left + size.cx, top + size.cy}, std::abs(texts.noteFont.Height()));
}

void DrawEventMark(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx, int64_t dy) {
  canvas.Brush.Color = colour;
  canvas.Brush.Style = BrushStyle::bsSolid;
  canvas.FillRect(Offset(EventMarkOf(texts, canvas.TextExtent("0")), dx, dy));
}

void DrawDayTexts(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx, int64_t dy) {
  canvas.Font.Color = colour;
  DrawCentred(canvas, Offset(texts.numberBox, dx, dy), texts.number);
  if (texts.eventsHidden) DrawEventMark(canvas, texts, colour, dx, dy);
  if (texts.note.empty() && texts.events.empty()) return;
  TFont number;
  number.Assign(canvas.Font);
  canvas.Font.Assign(texts.noteFont);
  canvas.Font.Color = colour;
  for (size_t k = 0; k < texts.events.size(); ++k)
    DrawCentred(canvas, Offset(texts.EventBox(k), dx, dy), texts.events[k]);
  if (!texts.note.empty()) {
    DrawCentred(canvas, Offset(texts.noteBox, dx, dy), texts.note);
    for (size_t k = 0; k < texts.moreLines.size(); ++k) {
      DrawCentred(canvas, Offset(texts.LineBox(k + 1), dx, dy), texts.moreLines[k]);
    }
  }
  canvas.Font.Assign(number);
}

}  // namespace tezun
