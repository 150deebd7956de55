// What a day's cell shows and where: its number, and under it the line of notes (the name of the
// day, its solar term, its 六曜) where one is chosen and the cell is high enough for both.
#pragma once

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

struct DayTexts {
  std::string number;
  Rect numberBox;    // the number is centred in it: the whole cell, or the upper part of the pair
  std::string note;  // its first line, cut to the cell's width; empty where there is no line
  Rect noteBox;
  TFont noteFont;             // the day's face, colour and style, half the number's height but never below the least
  MeasuredText noteMeasured;  // the note, where it is whole on its line; nothing where it was cut
  std::vector<std::string> moreLines;  // where the note goes on, each under the one before

  // The box of line k, 0 the first.
  Rect LineBox(size_t k) const { return Offset(noteBox, 0, static_cast<int64_t>(k) * noteBox.height()); }
};

// The font of the notes under a number in this font: half as high, but never below the least.
void SetNoteFont(TFont& note, const TFont& number, int leastHeight);

// The day's texts in its cell, from the note as measured in its font. The number (`numberHeight`
// high) and its lines, at most `maxLines` of them, are centred as a block in the cell, and the
// number lies where it would with lines of any text.
DayTexts LayDayTexts(const Rect& cell, std::string number, int64_t numberHeight, std::string_view note,
                     const MeasuredText& measured, const TFont& noteFont, int maxLines = 1);

// The day's number as laid out alone, centred in its cell: how it is shown without notes.
inline DayTexts NumberAlone(const Rect& cell, std::string number) {
  return {std::move(number), cell, {}, {}, {}, {}, {}};
}

// The texts in one colour, on a canvas whose pixels lie `dx`, `dy` from the calendar's: the number
// in the canvas's font, the note in its own. The canvas's font is the number's again afterwards.
void DrawDayTexts(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx = 0, int64_t dy = 0);

// Centred in the rectangle, in the canvas's font and colour, without a background.
void DrawCentred(TCanvas& canvas, const Rect& box, std::string_view text);

}  // namespace tezun
