#include "calendar_renderer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "adjacent_days.h"
#include "calendar_events.h"
#include "core/calendar_layout.h"
#include "core/day_notes.h"
#include "core/koyomi.h"
#include "core/month_edges.h"
#include "core/month_grid.h"
#include "core/month_title.h"
#include "core/texts.h"
#include "day_events.h"
#include "day_texts.h"
#include "graphics/bitmap.h"
#include "kept_calendar.h"
#include "moon_mark.h"
#include "system_eras.h"
#include "text_run.h"
#include "week_numbers.h"

namespace tezun {
namespace {

// Cells larger than this either way get no disc for today, only the number: no screen shows more
// of such a disc than a sliver of its edge, and GDI takes time in proportion to its size, so a
// calendar stored with an enormous size would stall the host.
constexpr int64_t kLargestMark = 1 << 16;

// The least height of the line of notes under a day's number: 8 pixels at 96 dots per inch.
constexpr int kLeastNotePoints = 6;

// The most lines a day's notes take where the cell is high enough: a name, a term, 雑節 and 六曜,
// 干支 and 開運日 read in three lines of a tall cell.
constexpr int kMostNoteLines = 3;

// A solid disc in the day's colour with the day's texts in TodayColor on it.
void DrawColouredMark(TCanvas& canvas, const Rect& cell, const DayTexts& texts, int32_t todayColor) {
  canvas.Pen.Color = canvas.Font.Color;
  canvas.Brush.Color = canvas.Font.Color;
  canvas.Brush.Style = BrushStyle::bsSolid;
  canvas.Ellipse(cell);
  DrawDayTexts(canvas, texts, todayColor);
}

// A solid disc in the day's colour with the day's texts cut out of it, so that the picture shows
// through them. Two masks do it: the first whitens the disc except under the texts (D OR NOT S),
// the second colours it there (D AND S); under the texts and outside the disc both keep D.
// Only the part of the cell that lies on the picture is masked: the pixels are the same as with
// a mask of the whole cell, and the mask is never larger than the picture however large the cell.
void DrawTransparentMark(TCanvas& canvas, const Rect& cell, const DayTexts& texts) {
  const Rect visible = Intersect(cell, canvas.ClipRect());
  if (IsEmpty(visible)) return;  // both copies would cover no pixel
  const int width = static_cast<int>(visible.width()), height = static_cast<int>(visible.height());
  TBitmap mask;
  mask.SetPixelFormat24();
  mask.SetSize(width, height);
  TCanvas& m = mask.Canvas();
  m.Font.Assign(canvas.Font);
  m.Pen.Style = PS_SOLID;
  const Rect all{0, 0, width, height};
  const Rect disc = Offset(cell, -visible.left, -visible.top);  // the cell in the mask's pixels

  auto paint = [&](int32_t discColor, DWORD copyMode) {
    m.Pen.Color = clWhite;
    m.Brush.Color = clWhite;
    m.Brush.Style = BrushStyle::bsSolid;
    m.FillRect(all);
    m.Pen.Color = discColor;
    m.Brush.Color = discColor;
    m.Ellipse(disc);
    DrawDayTexts(m, texts, clWhite, -visible.left, -visible.top);
    canvas.CopyMode = copyMode;
    canvas.CopyRect(visible, m, all);
  };
  paint(clBlack, cmMergePaint);
  paint(canvas.Font.Color, cmSrcAnd);
}

// The font of a weekday (1 = Sunday), wherever the week starts.
const TCalFont& WeekdayFont(const TCalFonts& fonts, int weekday) {
  return weekday == 1 ? fonts.Sunday : weekday == 7 ? fonts.Saturday : fonts.Weekday;
}

// Each day's font, worked out as the days come one after another from the header's: a record
// without a face name keeps the face of the day before.
DayGrid<TFont> DayFonts(const MonthGrid& grid, const TFont& header, const TCalFonts& fonts,
                        const Scale& pointsToPixels) {
  DayGrid<TFont> dayFonts;
  const TFont* before = &header;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayCell& day = grid[week][column];
      if (day.Day == 0) continue;
      TFont& font = dayFonts[week][column];
      font.Assign(*before);
      ApplyCalFont(font, WeekdayFont(fonts, day.DayOfWeekNo), pointsToPixels);
      if (day.HolidayFlag) ApplyCalFont(font, fonts.Holiday, pointsToPixels);
      before = &font;
    }
  }
  return dayFonts;
}

// What each day's line of notes says.
DayGrid<std::string> NotesOfDays(const MonthGrid& grid, const GridDates& dates, const GridRules& rules,
                                 const DayNoteChoice& notes) {
  DayGrid<std::string> texts;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayCell& day = grid[week][column];
      if (day.Day != 0) texts[week][column] = DayNote(dates[week][column], day.HolidayFlag, rules, notes);
    }
  }
  return texts;
}

// How high each day's number is, measured in its font on the canvas, once for each shape.
DayGrid<int64_t> NumberHeights(TCanvas& canvas, const MonthGrid& grid, const DayGrid<TFont>& fonts) {
  DayGrid<int64_t> heights{};
  int64_t height = 0;
  const TFont* measured = nullptr;  // whose height the next font of its shape shares
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      if (grid[week][column].Day == 0) continue;
      const TFont& font = fonts[week][column];
      if (!measured || !font.SameShapes(*measured)) {
        canvas.Font.Assign(font);
        height = canvas.TextExtent("0").cy;
        measured = &font;
      }
      heights[week][column] = height;
    }
  }
  return heights;
}

// How many lines under a day's number its events and notes take together at most, and its notes.
struct LineCounts {
  int all = 1;
  int notes = 1;
};

// Each day's number, alone in its cell or with its lines of events and notes (as many for every
// day, though they say nothing), measured before any is drawn: first the numbers, then the notes,
// so that the canvas's font changes only where the next day's differs, and each font's height and
// each note once.
DayGrid<DayTexts> LayDays(TCanvas& canvas, const MonthGrid& grid, const CalendarLayout& layout,
                          const DayGrid<TFont>& fonts, const DayGrid<std::string>* notes,
                          const DayGrid<std::vector<std::string>>* events, int leastNoteHeight, LineCounts lines) {
  DayGrid<DayTexts> days;
  auto number = [&](int week, int column) {
    char digits[8];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, grid[week][column].Day).ptr);
  };
  if (!notes && !events) {
    for (int week = 0; week < 6; ++week) {
      for (int column = 0; column < 7; ++column) {
        if (grid[week][column].Day != 0)
          days[week][column] = NumberAlone(layout.DayCell(week, column), number(week, column));
      }
    }
    return days;
  }
  const DayGrid<int64_t> numberHeights = NumberHeights(canvas, grid, fonts);
  Measurements measured;  // the notes and events of the font last measured in
  TFont noteFont;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      if (grid[week][column].Day == 0) continue;
      SetNoteFont(noteFont, fonts[week][column], leastNoteHeight);
      if (!noteFont.SameShapes(canvas.Font)) measured.clear();
      canvas.Font.Assign(noteFont);
      const std::string& note = notes ? (*notes)[week][column] : std::string();
      // An empty note is as high as any other.
      const MeasuredText noteMeasured = MeasureOnce(canvas, note.empty() ? "0" : note, measured);
      const Rect cell = layout.DayCell(week, column);
      // Only the events that have a line are measured.
      const std::vector<MeasuredLine> eventLines =
          events ? MeasureLines(canvas, (*events)[week][column],
                                PlaceDayTexts(cell, numberHeights[week][column], noteMeasured.size.cy, lines.all).lines,
                                measured)
                 : std::vector<MeasuredLine>();
      days[week][column] = LayDayTexts(cell, number(week, column), numberHeights[week][column], note, noteMeasured,
                                       noteFont, lines.all, eventLines, lines.notes);
    }
  }
  return days;
}

// The Moon in the top-right corner of each day of its phases, in the day's colour, its size from
// the height its notes' font has (whether or not they are shown).
void DrawMoons(TCanvas& canvas, const MonthGrid& grid, const GridDates& dates, const CalendarLayout& layout,
               const DayGrid<TFont>& fonts, int leastNoteHeight) {
  TFont noteFont;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayCell& day = grid[week][column];
      if (day.Day == 0) continue;
      const auto phase = MoonPhaseOn(dates[week][column]);
      if (!phase) continue;
      SetNoteFont(noteFont, fonts[week][column], leastNoteHeight);
      if (const auto box = MoonBox(layout.DayCell(week, column), std::abs(noteFont.Height()))) {
        DrawMoon(canvas, *box, *phase, fonts[week][column].Color);
      }
    }
  }
}

// What the days are drawn with, besides their grid and where they lie.
struct DaysToDraw {
  const TCalendarSettings& settings;
  const GridRules& rules;
  const GridDates& dates;
  const TFont& header;  // the font the days' own are worked out from
  const Scale& pointsToPixels;
  const DayEvents* events = nullptr;  // none when the calendar shows no events
  DayRange drawn;                     // the days `events` has, first to last
};

// The days of a grid: their numbers in their fonts with today's mark, then the lines of their
// events and notes, then the Moon of the days of its phases. Gives where each week's numbers lie.
WeekRows DrawDays(TCanvas& canvas, TextRun& texts, const MonthGrid& grid, const CalendarLayout& layout,
                  const DaysToDraw& d) {
  const TCalendarSettings& settings = d.settings;
  const DayGrid<TFont> dayFonts = DayFonts(grid, d.header, settings.Fonts, d.pointsToPixels);
  const DayNoteChoice choice = DayNotesOf(settings);
  std::optional<DayGrid<std::string>> notes;
  if (choice.Any()) notes = NotesOfDays(grid, d.dates, d.rules, choice);
  std::optional<DayGrid<std::vector<std::string>>> events;
  if (d.events) events = EventLinesOfCells(grid, d.dates, *d.events, d.drawn);
  if (notes || events) texts.Flush();  // measuring the texts changes the canvas's font
  // The almanac's texts are long: with any of them chosen, a note goes on to further lines where
  // the cell is high enough; without them the notes stay on one line as they always have. Events
  // take the lines first, as many as the cell holds.
  const int noteLines = choice.zassetsu || choice.eto || choice.kaiun ? kMostNoteLines : 1;
  const LineCounts lines{events ? std::max(kMostEventLines, noteLines) : noteLines, noteLines};
  const int leastNoteHeight = static_cast<int>(d.pointsToPixels(kLeastNotePoints));
  const DayGrid<DayTexts> days = LayDays(canvas, grid, layout, dayFonts, notes ? &*notes : nullptr,
                                         events ? &*events : nullptr, leastNoteHeight, lines);

  DayGrid<bool> marked{};  // today's cell, its texts drawn with its mark
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayCell& day = grid[week][column];
      if (day.Day == 0) continue;
      const TFont& dayFont = dayFonts[week][column];
      if (!dayFont.SameShapes(canvas.Font)) texts.Flush();
      canvas.Font.Assign(dayFont);

      const DayTexts& shown = days[week][column];
      const Rect cell = layout.DayCell(week, column);
      const bool markable = cell.width() <= kLargestMark && cell.height() <= kLargestMark;
      marked[week][column] = day.TodayFlag && markable && (settings.TodayStyle == 0 || settings.TodayStyle == 1);
      if (marked[week][column]) {
        texts.Flush();
        const bool outlined = std::exchange(canvas.Outline.Enabled, false);  // the mark has no outline
        if (settings.TodayStyle == 0) {
          DrawTransparentMark(canvas, cell, shown);
        } else {
          DrawColouredMark(canvas, cell, shown, settings.TodayColor);
        }
        canvas.Outline.Enabled = outlined;
      } else {
        // Any other TodayStyle shows today's number plainly, so that today never vanishes.
        texts.DrawCentred(shown.numberBox, shown.number);
      }
    }
  }
  // The lines of notes after all the numbers, so that the font changes twice, not at every week.
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayTexts& shown = days[week][column];
      if (shown.note.empty() || marked[week][column]) continue;
      if (!shown.noteFont.SameShapes(canvas.Font)) texts.Flush();
      canvas.Font.Assign(shown.noteFont);
      if (shown.noteMeasured.ends.size() == shown.note.size()) {
        texts.DrawCentred(shown.noteBox, shown.note, shown.noteMeasured.size, shown.noteMeasured.ends);
      } else {
        texts.DrawCentred(shown.noteBox, shown.note);
      }
      for (size_t k = 0; k < shown.moreLines.size(); ++k) texts.DrawCentred(shown.LineBox(k + 1), shown.moreLines[k]);
    }
  }
  if (events) DrawEventLines(canvas, texts, days, dayFonts, marked, EventColour(settings));
  texts.Flush();
  if (MoonPhasesShown(settings)) DrawMoons(canvas, grid, d.dates, layout, dayFonts, leastNoteHeight);
  WeekRows rows;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7 && !rows[week]; ++column) {
      if (grid[week][column].Day != 0) rows[week] = days[week][column].numberBox;
    }
  }
  return rows;
}

// The calendar straight onto the canvas, or into its recording.
void DrawCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings, TDateTime today,
                  const CalendarScale& scale, const std::optional<DayEvents>& events) {
  const int firstWeekday = FirstWeekday(settings);
  const GridRules rules{HolidayRulesOf(settings), firstWeekday, &settings.OwnDays};
  const MonthGrid grid = BuildMonthGrid(today, rules);
  const int title = TitleStyle(settings);
  const CalendarLayout layout(rectangle, title != 0, WeekNumbersShown(settings));
  const TCalFonts& fonts = settings.Fonts;
  const Scale& pointsToPixels = scale.pointsToPixels;

  // The panel lies under everything else, so that the texts read on any picture.
  if (const int percent = PanelPercent(settings)) canvas.BlendRect(rectangle, settings.PanelColor, percent);
  canvas.Outline = {Outlined(settings), settings.OutlineColor, static_cast<int>(std::max<int64_t>(1, scale.pixels(1)))};

  // Texts that share a font on a line go out together; whatever else is drawn, and any change of
  // font, first lets the waiting texts out.
  TextRun texts(canvas);

  // The title and the header take the face, size and style of the DayOfWeek font; the title the
  // Weekday colour, each name the colour of its weekday.
  ApplyCalFont(canvas.Font, fonts.DayOfWeek, pointsToPixels);
  if (title != 0) {
    const auto day = CalendarDay(today);
    canvas.Font.Color = fonts.Weekday.Color;
    if (day) {
      const auto form = static_cast<TitleForm>(title);
      texts.DrawCentred(layout.TitleCell(), MonthTitle(std::chrono::year_month_day{*day}, form, SystemEras()));
    }
  }
  const auto& names = settings.DayOfWeekStyle == 1 ? DayNamesEnglish : DayNamesJapanese;
  for (int column = 0; column < 7; ++column) {
    const int weekday = WeekdayOfColumn(column, firstWeekday);
    canvas.Font.Color = WeekdayFont(fonts, weekday).Color;
    texts.DrawCentred(layout.HeaderCell(column), names[weekday - 1]);
  }
  const GridDates dates = DatesOfGrid(today, firstWeekday);

  const bool adjacent = AdjacentDaysShown(settings);
  const DayRange drawn = DrawnDays(today, firstWeekday, adjacent);
  TFont header;
  header.Assign(canvas.Font);
  const DaysToDraw days{settings, rules, dates, header, pointsToPixels, events ? &*events : nullptr, drawn};
  const WeekRows rows = DrawDays(canvas, texts, grid, layout, days);
  if (WeekNumbersShown(settings)) {
    ApplyCalFont(canvas.Font, fonts.DayOfWeek, pointsToPixels);
    DrawWeekNumbers(canvas, texts, layout, dates, rows, firstWeekday, fonts.Weekday.Color);
  }
  texts.Flush();
  // The neighbouring months' days, half transparent, with everything a day shows but today's mark.
  if (adjacent) {
    const MonthGrid around = AdjacentDaysGrid(today, rules);
    DrawHalfOpaque(canvas, rectangle, [&](TCanvas& layer, int64_t dx, int64_t dy) {
      const CalendarLayout moved(Offset(rectangle, dx, dy), title != 0, WeekNumbersShown(settings));
      TextRun layerTexts(layer);
      DrawDays(layer, layerTexts, around, moved, days);
      layerTexts.Flush();
    });
  }
}

}  // namespace

void ApplyCalFont(TFont& font, const TCalFont& record, const Scale& pointsToPixels) {
  font.SetName(record.Name);
  font.SetSize(record.Size, pointsToPixels);
  font.Color = record.Color;
  font.SetStyle(record.Style);
}

void CaptureCalFont(TCalFont& record, const TFont& font) {
  record.Name = font.Name();
  record.Size = font.Size();
  record.Color = font.Color;
  record.Style = font.Style();
}

void RenderCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings, TDateTime today,
                    const CalendarScale& scale) {
  if (rectangle.width() < 0 || rectangle.height() < 0) return;
  // The key holds the events read; the drawing takes them from there, not from a copy of their own.
  const CalendarKey key = CalendarKeyOf(canvas, rectangle, settings, today, scale, EventsShown(settings, today));
  DrawKeptCalendar(canvas, key,
                   [&](TCanvas& recording) { DrawCalendar(recording, rectangle, settings, today, scale, key.events); });
}

}  // namespace tezun
