#include "calendar_renderer.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

#include "core/calendar_layout.h"
#include "core/month_grid.h"
#include "core/month_title.h"
#include "core/texts.h"
#include "graphics/bitmap.h"
#include "system_eras.h"
#include "text_run.h"

namespace tezun {
namespace {

// Cells larger than this either way get no disc for today, only the number: no screen shows more
// of such a disc than a sliver of its edge, and GDI takes time in proportion to its size, so a
// calendar stored with an enormous size would stall the host.
constexpr int64_t kLargestMark = 1 << 16;

void DrawCentred(TCanvas& canvas, const Rect& cell, std::string_view text) {
  canvas.Brush.Style = BrushStyle::bsClear;
  const SIZE size = canvas.TextExtent(text);
  canvas.TextOut(cell.left + CentredOffset(cell.width(), size.cx), cell.top + CentredOffset(cell.height(), size.cy),
                 text);
}

// A solid disc in the day's colour with the number in TodayColor on it.
void DrawColouredMark(TCanvas& canvas, const Rect& cell, std::string_view text, int32_t todayColor) {
  canvas.Pen.Color = canvas.Font.Color;
  canvas.Brush.Color = canvas.Font.Color;
  canvas.Brush.Style = BrushStyle::bsSolid;
  canvas.Ellipse(cell);
  canvas.Font.Color = todayColor;
  DrawCentred(canvas, cell, text);
}

// A solid disc in the day's colour with the digits cut out of it, so that the picture shows
// through them. Two masks do it: the first whitens the disc except under the digits (D OR NOT S),
// the second colours it there (D AND S); under the digits and outside the disc both keep D.
// Only the part of the cell that lies on the picture is masked: the pixels are the same as with
// a mask of the whole cell, and the mask is never larger than the picture however large the cell.
void DrawTransparentMark(TCanvas& canvas, const Rect& cell, std::string_view text) {
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
    m.Font.Color = clWhite;
    DrawCentred(m, disc, text);
    canvas.CopyMode = copyMode;
    canvas.CopyRect(visible, m, all);
  };
  paint(clBlack, cmMergePaint);
  paint(canvas.Font.Color, cmSrcAnd);
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
  const int firstWeekday = FirstWeekday(settings);
  const MonthGrid grid = BuildMonthGrid(today, GridRules{HolidayRulesOf(settings), firstWeekday, &settings.OwnDays});
  const int title = TitleStyle(settings);
  const CalendarLayout layout(rectangle, title != 0);
  const TCalFonts& fonts = settings.Fonts;
  const Scale& pointsToPixels = scale.pointsToPixels;
  // Fonts go by weekday (1 = Sunday), wherever the week starts.
  auto weekdayFont = [&](int weekday) -> const TCalFont& {
    return weekday == 1 ? fonts.Sunday : weekday == 7 ? fonts.Saturday : fonts.Weekday;
  };

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
    canvas.Font.Color = weekdayFont(weekday).Color;
    texts.DrawCentred(layout.HeaderCell(column), names[weekday - 1]);
  }

  TFont dayFont;  // the next day's font, worked out before it replaces the canvas's
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      const DayCell& day = grid[week][column];
      if (day.Day == 0) continue;
      dayFont.Assign(canvas.Font);
      ApplyCalFont(dayFont, weekdayFont(day.DayOfWeekNo), pointsToPixels);
      if (day.HolidayFlag) ApplyCalFont(dayFont, fonts.Holiday, pointsToPixels);
      if (!dayFont.SameShapes(canvas.Font)) texts.Flush();
      canvas.Font.Assign(dayFont);

      char digits[8];
      const std::string_view text(digits, std::to_chars(digits, digits + sizeof digits, day.Day).ptr - digits);
      const Rect cell = layout.DayCell(week, column);
      const bool markable = cell.width() <= kLargestMark && cell.height() <= kLargestMark;
      if (day.TodayFlag && markable && (settings.TodayStyle == 0 || settings.TodayStyle == 1)) {
        texts.Flush();
        const bool outlined = std::exchange(canvas.Outline.Enabled, false);  // the mark has no outline
        if (settings.TodayStyle == 0) {
          DrawTransparentMark(canvas, cell, text);
        } else {
          DrawColouredMark(canvas, cell, text, settings.TodayColor);
        }
        canvas.Outline.Enabled = outlined;
      } else {
        // Any other TodayStyle shows today's number plainly, so that today never vanishes.
        texts.DrawCentred(cell, text);
      }
    }
  }
  texts.Flush();
}

}  // namespace tezun
