// What a day's cell shows and where: its number, and under it the lines of its events and of its
// notes (the name of the day, its solar term, its 六曜, ...) where they are chosen and the cell is
// high enough for them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "graphics/canvas.h"

namespace tezun {

// A text as measured in its font: its size, and where each byte's character ends.
struct MeasuredText {
  SIZE size{};
  std::vector<int> ends;
};

// A line of a day's event as measured in the notes' font.
struct MeasuredLine {
  std::string text;
  MeasuredText measured;
};

struct DayTexts {
  std::string number;
  Rect numberBox;    // the number is centred in it: the whole cell, or the upper part of the pair
  std::string note;  // its first line, cut to the cell's width; empty where there is no line
  Rect noteBox;
  TFont noteFont;             // the day's face, colour and style, half the number's height but never below the least
  MeasuredText noteMeasured;  // the note, where it is whole on its line; nothing where it was cut
  std::vector<std::string> moreLines;  // where the note goes on, each under the one before
  std::vector<std::string> events;     // the lines of the day's events, above the note's, wrapped as a note is
  Rect eventBox;                       // the first one's box
  bool eventsHidden = false;           // an event has no line of its own: a mark by the number says so

  // The box of line k, 0 the first.
  Rect LineBox(size_t k) const { return Offset(noteBox, 0, static_cast<int64_t>(k) * noteBox.height()); }
  Rect EventBox(size_t k) const { return Offset(eventBox, 0, static_cast<int64_t>(k) * eventBox.height()); }
};

// The font of the notes under a number in this font: half as high, but never below the least.
void SetNoteFont(TFont& note, const TFont& number, int leastHeight);

// The day's texts in its cell, from the note as measured in its font. The number (`numberHeight`
// high) and its lines, at most `maxLines` of them, are centred as a block in the cell, and the
// number lies where it would with lines of any text.
DayTexts LayDayTexts(const Rect& cell, std::string number, int64_t numberHeight, std::string_view note,
                     const MeasuredText& measured, const TFont& noteFont, int maxLines = 1);
// The same with the day's events: their lines come first, each title wrapped as a note is, as long
// as the titles after it still have a line each; the note takes at most `noteLines` of the lines
// left; `maxLines` counts them all.
DayTexts LayDayTexts(const Rect& cell, std::string number, int64_t numberHeight, std::string_view note,
                     const MeasuredText& measured, const TFont& noteFont, int maxLines,
                     std::span<const MeasuredLine> events, int noteLines);

// The day's number as laid out alone, centred in its cell: how it is shown without notes.
inline DayTexts NumberAlone(const Rect& cell, std::string number) {
  DayTexts texts;
  texts.number = std::move(number);
  texts.numberBox = cell;
  return texts;
}

// The texts in one colour, on a canvas whose pixels lie `dx`, `dy` from the calendar's: the number
// in the canvas's font, the events' lines and the note in the note's. The canvas's font is the
// number's again afterwards.
void DrawDayTexts(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx = 0, int64_t dy = 0);

// The mark of a day whose events do not all have a line: a small square at the bottom-left of its
// number, whose digits are each `digit` in size; drawn, it is measured in the canvas's font.
Rect EventMarkOf(const DayTexts& texts, SIZE digit);
void DrawEventMark(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx = 0, int64_t dy = 0);

// Centred in the rectangle, in the canvas's font and colour, without a background.
void DrawCentred(TCanvas& canvas, const Rect& box, std::string_view text);

}  // namespace tezun
