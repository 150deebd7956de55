#include "day_events.h"

#include <algorithm>
#include <map>

#include "graphics/gdi_handles.h"
#include "graphics/screen.h"

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

const MeasuredText& MeasureOnce(TCanvas& canvas, const std::string& text, Measurements& known) {
  auto found = std::find_if(known.begin(), known.end(), [&](const auto& m) { return m.first == text; });
  if (found == known.end()) {
    MeasuredText measured;
    measured.size = canvas.TextExtent(text, measured.ends);
    found = known.insert(known.end(), {text, std::move(measured)});
  }
  return found->second;
}

std::vector<MeasuredLine> MeasureLines(TCanvas& canvas, const std::vector<std::string>& lines, size_t most,
                                       Measurements& known) {
  std::vector<MeasuredLine> measured;
  measured.reserve(lines.size());
  for (const std::string& line : lines) {
    measured.push_back({line, measured.size() < most ? MeasureOnce(canvas, line, known) : MeasuredText{}});
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
  // The marks, a brush for each colour.
  std::map<int32_t, std::vector<Rect>> marks;
  const TFont* measured = nullptr;  // the font `digit` was measured in
  SIZE digit{};
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayTexts& shown = days[week][column];
      if (!shown.eventsHidden || skip[week][column]) continue;
      const TFont& font = fonts[week][column];
      if (!measured || !font.SameShapes(*measured)) {
        canvas.Font.Assign(font);
        digit = canvas.TextExtent("0");
        measured = &font;
      }
      marks[colour.value_or(font.Color)].push_back(EventMarkOf(shown, digit));
    }
  }
  for (const auto& [markColour, boxes] : marks) {
    const BrushHandle brush(CreateSolidBrush(ColorToRGB(markColour)));
    for (const Rect& box : boxes) {
      const RECT r{ClampToInt32(box.left), ClampToInt32(box.top), ClampToInt32(box.right), ClampToInt32(box.bottom)};
      FillRect(canvas.Handle(), &r, brush.get());
    }
  }
}

}  // namespace tezun
