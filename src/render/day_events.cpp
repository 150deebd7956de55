#include "day_events.h"

namespace tezun {

DayGrid<std::vector<std::string>> EventLinesOfCells(const MonthGrid& grid, const GridDates& dates,
                                                    const DayEvents& events, const DayRange& days) {
  DayGrid<std::vector<std::string>> lines;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      if (grid[week][column].Day == 0) continue;
      const auto at = (dates[week][column] - days.first).count();
      if (at < 0 || static_cast<size_t>(at) >= events.size()) continue;
      for (const DayEvent& event : events[static_cast<size_t>(at)]) lines[week][column].push_back(EventLine(event));
    }
  }
  return lines;
}

std::vector<MeasuredLine> MeasureLines(TCanvas& canvas, const std::vector<std::string>& lines) {
  std::vector<MeasuredLine> measured;
  measured.reserve(lines.size());
  for (const std::string& line : lines) {
    MeasuredLine m{line, {}};
    m.measured.size = canvas.TextExtent(line, m.measured.ends);
    measured.push_back(std::move(m));
  }
  return measured;
}

void DrawEventLines(TCanvas& canvas, TextRun& texts, const DayGrid<DayTexts>& days, const DayGrid<TFont>& fonts,
                    const DayGrid<bool>& skip, std::optional<int32_t> colour) {
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayTexts& shown = days[week][column];
      if (shown.events.empty() || skip[week][column]) continue;
      if (!shown.noteFont.SameShapes(canvas.Font)) texts.Flush();
      canvas.Font.Assign(shown.noteFont);
      canvas.Font.Color = colour.value_or(shown.noteFont.Color);
      for (size_t k = 0; k < shown.events.size(); ++k) texts.DrawCentred(shown.EventBox(k), shown.events[k]);
    }
  }
  texts.Flush();
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayTexts& shown = days[week][column];
      if (!shown.eventsHidden || skip[week][column]) continue;
      canvas.Font.Assign(fonts[week][column]);
      DrawEventMark(canvas, shown, colour.value_or(fonts[week][column].Color));
    }
  }
}

}  // namespace tezun
