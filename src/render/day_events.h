// The user's events in the calendar's cells: each day's lines, and where not every event of a day
// has one, a mark beside its number.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/event_days.h"
#include "core/month_edges.h"
#include "day_texts.h"
#include "text_run.h"

namespace tezun {

template <class T>
using DayGrid = std::array<std::array<T, 7>, 6>;

// The most lines a day's events and notes take together, where the cell is high enough.
inline constexpr int kMostEventLines = 16;

// The lines of each filled cell's events, in the order drawn ("9:30 会議", a title alone).
DayGrid<std::vector<std::string>> EventLinesOfCells(const MonthGrid& grid, const GridDates& dates,
                                                    const DayEvents& events, const DayRange& days);

// Texts measured in the canvas's font, kept while it is the font.
using Measurements = std::vector<std::pair<std::string, MeasuredText>>;

// A text measured in the canvas's font, once while `known` keeps it.
const MeasuredText& MeasureOnce(TCanvas& canvas, const std::string& text, Measurements& known);

// The lines, the first `most` of them measured in the canvas's font (the note's): the others have
// no line to go on.
std::vector<MeasuredLine> MeasureLines(TCanvas& canvas, const std::vector<std::string>& lines, size_t most,
                                       Measurements& known);

// The events' lines of the days, in `colour` (none: each day's own), after their numbers; and then
// the marks of days whose events do not all have a line. `skip` holds the cells drawn otherwise
// (today's, with its mark). The canvas's font is changed.
void DrawEventLines(TCanvas& canvas, TextRun& texts, const DayGrid<DayTexts>& days, const DayGrid<TFont>& fonts,
                    const DayGrid<bool>& skip, std::optional<int32_t> colour);

}  // namespace tezun
