// What a day's cell shows and where: its number, and under it the line of notes (the name of the
// day, its solar term, its 六曜) where one is chosen and the cell is high enough for both.
#pragma once

#include <string>
#include <string_view>

#include "core/geometry.h"
#include "graphics/canvas.h"

namespace tezun {

struct DayTexts {
  std::string number;
  Rect numberBox;    // the number is centred in it: the whole cell, or the upper part of the pair
  std::string note;  // cut to the cell's width; empty where there is no line
  Rect noteBox;
  TFont noteFont;  // the day's face, colour and style, half the number's height but never below the least
};

// The day's texts in its cell, measured on the canvas, whose font this changes. The note's font is
// half as high as the number's, but never below `leastNoteHeight` pixels; the pair of number and
// line is centred in the cell and the number lies where it would with a line of any text.
DayTexts LayDayTexts(TCanvas& canvas, const Rect& cell, const TFont& numberFont, std::string number,
                     std::string_view note, int leastNoteHeight);

// The day's number as laid out alone, centred in its cell: how it is shown without notes.
inline DayTexts NumberAlone(const Rect& cell, std::string number) { return {std::move(number), cell, {}, {}, {}}; }

// The texts in one colour, on a canvas whose pixels lie `dx`, `dy` from the calendar's: the number
// in the canvas's font, the note in its own. The canvas's font is the number's again afterwards.
void DrawDayTexts(TCanvas& canvas, const DayTexts& texts, int32_t colour, int64_t dx = 0, int64_t dy = 0);

// Centred in the rectangle, in the canvas's font and colour, without a background.
void DrawCentred(TCanvas& canvas, const Rect& box, std::string_view text);

}  // namespace tezun
