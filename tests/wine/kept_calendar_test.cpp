// The calendar kept from one drawing to the next: drawn again only while nothing it was drawn from
// has changed, and then to the pixel what drawing it anew gives.
#include "render/kept_calendar.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics_error.h"
#include "render/calendar_renderer.h"
#include "support/pixels.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Pixels;

TDateTime Date(int y, unsigned m, unsigned d) { return DateOf(year{y} / month{m} / day{d}); }

// What a drawing is drawn from, as RenderCalendar takes it, with the picture's size.
struct Drawn {
  TCalendarSettings settings;
  TDateTime today = 0;
  Rect rect;
  CalendarScale scale{Scale::Of(96, 72), {}};
  SIZE picture{300, 150};
  bool patterned = true;
};

// May 2026, today the 13th under the transparent mark, with notes, the Moon, a panel and an
// outline, in 40-pixel cells: the picture ends at the middle of today's week.
Drawn Base() {
  Drawn drawn{DefaultSettings(), Date(2026, 5, 13), {10, 6, 290, 286}};
  TCalendarSettings& s = drawn.settings;
  s.DayNames = s.Rokuyo = s.Eto = s.MoonPhases = 1;
  s.PanelOpacity = 40;
  s.Outline = 1;
  s.OutlineColor = 0xFFFFFF;
  s.OwnDays = OwnDayList("2026-05-07 own day");
  return drawn;
}

Pixels Draw(const Drawn& drawn) {
  TBitmap picture;
  if (drawn.patterned) {
    picture.Adopt(test::MakePatternBitmap(static_cast<int>(drawn.picture.cx), static_cast<int>(drawn.picture.cy)));
  } else {
    picture.SetPixelFormat24();
    picture.SetSize(drawn.picture.cx, drawn.picture.cy);
    picture.Canvas().Brush.Color = 0xF0F0F0;
    picture.Canvas().FillRect({0, 0, drawn.picture.cx, drawn.picture.cy});
  }
  RenderCalendar(picture.Canvas(), drawn.rect, drawn.settings, drawn.today, drawn.scale);
  BitmapHandle result(picture.Detach());
  return test::ReadPixels(result.get());
}

Pixels DrawAnew(const Drawn& drawn) {
  ForgetKeptCalendar();
  return Draw(drawn);
}

// Each thing a drawing is drawn from, changed after a drawing of the base has been kept: the
// drawing is the one drawn anew, which differs from the base's.
TEST(KeptCalendar, AnyChangeOfWhatItIsDrawnFromDrawsItAnew) {
  const struct {
    const char* what;
    std::function<void(Drawn&)> change;
  } cases[] = {
      {"the weekdays' face", [](Drawn& d) { d.settings.Fonts.Weekday.Name = "DejaVu Sans Mono"; }},
      {"the Saturdays' size", [](Drawn& d) { d.settings.Fonts.Saturday.Size = 12; }},
      {"the Sundays' colour", [](Drawn& d) { d.settings.Fonts.Sunday.Color = 0x00A000; }},
      {"the holidays' style", [](Drawn& d) { d.settings.Fonts.Holiday.Style = fsBold | fsItalic; }},
      {"the names' size", [](Drawn& d) { d.settings.Fonts.DayOfWeek.Size = 11; }},
      {"English names", [](Drawn& d) { d.settings.DayOfWeekStyle = 1; }},
      {"the coloured mark", [](Drawn& d) { d.settings.TodayStyle = 1; }},
      {"today's colour on its mark", [](Drawn& d) { d.settings.TodayStyle = 1, d.settings.TodayColor = 0x0080FF; }},
      {"the panel's colour", [](Drawn& d) { d.settings.PanelColor = 0x804000; }},
      {"the outline's colour", [](Drawn& d) { d.settings.OutlineColor = 0x0000FF; }},
      {"an own day more", [](Drawn& d) { d.settings.OwnDays = OwnDayList("2026-05-07 own day\r\n2026-05-08 more"); }},
      {"another day of the month", [](Drawn& d) { d.today = Date(2026, 5, 14); }},
      {"another month", [](Drawn& d) { d.today = Date(2026, 6, 13); }},
      {"the rectangle a pixel along", [](Drawn& d) { d.rect = Offset(d.rect, 1, 0); }},
      {"a larger rectangle", [](Drawn& d) { d.rect.bottom += 14; }},
      {"a denser screen", [](Drawn& d) { d.scale.pointsToPixels = Scale::Of(144, 72); }},
      {"a picture drawn larger: the outline's width", [](Drawn& d) { d.scale.pixels = Scale::Of(2, 1); }},
      {"the neighbouring months' days", [](Drawn& d) { d.settings.AdjacentDays = 1; }},
      {"week numbers", [](Drawn& d) { d.settings.WeekNumbers = 1; }},
      {"a larger picture, which cuts today's mark no more",
       [](Drawn& d) {
         d.picture = {300, 300};
       }},
  };
  const Drawn base = Base();
  const Pixels basePixels = DrawAnew(base);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Drawn changed = base;
    c.change(changed);
    EXPECT_TRUE(Draw(base) == basePixels) << "the kept drawing";
    const Pixels afterKept = Draw(changed);
    const Pixels anew = DrawAnew(changed);
    EXPECT_TRUE(afterKept == anew);
    EXPECT_FALSE(anew == basePixels) << "the change shows";
  }
}

// Drawn again on another picture, the kept drawing gives what drawing anew there gives: the panel
// and today's mark lie over the picture of the time.
TEST(KeptCalendar, DrawnAgainOnAnotherPictureAsAnewOnIt) {
  Drawn paper = Base();
  paper.patterned = false;
  const Drawn patterned = Base();
  Draw(paper);
  const Pixels again = Draw(patterned);
  EXPECT_TRUE(again == DrawAnew(patterned));
}

// A drawing with nothing changed makes no mask for today's mark (nor anything else); one that fails
// while it is recorded leaves what it drew before the failure, and keeps nothing.
TEST(KeptCalendar, NothingIsMadeAgainAndAFailedDrawingIsNotKept) {
  const Drawn base = Base();
  const Pixels first = DrawAnew(base);
  FailBitmapCreationForTesting(0);
  EXPECT_TRUE(Draw(base) == first) << "drawn again without a new mask";

  Drawn changed = base;
  changed.today = Date(2026, 5, 14);
  TBitmap picture;
  picture.Adopt(test::MakePatternBitmap(300, 150));
  EXPECT_THROW(RenderCalendar(picture.Canvas(), changed.rect, changed.settings, changed.today, changed.scale),
               EOutOfResources);
  FailBitmapCreationForTesting(std::nullopt);
  const BitmapHandle failed(picture.Detach());
  const Pixels partial = test::ReadPixels(failed.get());
  const Pixels whole = Draw(changed);
  EXPECT_TRUE(whole == DrawAnew(changed)) << "nothing kept of the failed drawing";
  // The panel and the names lie under today's mark, in the rows above it: drawn before the failure.
  const auto rows = [](const Pixels& p, std::ptrdiff_t to) {
    return std::vector(p.values.begin(), p.values.begin() + 300 * to);
  };
  const BitmapHandle untouched(test::MakePatternBitmap(300, 150));
  EXPECT_TRUE(rows(partial, 46) == rows(whole, 46));
  EXPECT_FALSE(rows(partial, 46) == rows(test::ReadPixels(untouched.get()), 46));
}

// An events file rewritten between two drawings is drawn anew, as is a change of the events' colour;
// while it stays as it is, the drawing kept is drawn again (no mask made anew), to the same pixels.
// With the neighbouring months' days and the week numbers, whose layer is made again too.
TEST(KeptCalendar, AnEventsFileRewrittenDrawsItAnewAndAnUnchangedOneDoesNot) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "tezun-kept-" + std::to_string(GetCurrentProcessId()) + ".ics";
  const auto write = [&path](const char* day, const char* title) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:kept\r\nDTSTART;VALUE=DATE:" << day
        << "\r\nSUMMARY:" << title << "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  };
  for (const bool around : {false, true}) {
    SCOPED_TRACE(around ? "the neighbouring days and week numbers" : "the month alone");
    write("20260513", "Meeting");
    Drawn drawn = Base();
    drawn.settings.Events = path;
    drawn.settings.AdjacentDays = drawn.settings.WeekNumbers = around ? 1 : 0;
    const Pixels first = DrawAnew(drawn);
    if (!around) FailBitmapCreationForTesting(0);
    EXPECT_TRUE(Draw(drawn) == first) << "the file unchanged";
    FailBitmapCreationForTesting(std::nullopt);

    write("20260512", "Meetings");  // the day before, and another size
    const Pixels rewritten = Draw(drawn);
    EXPECT_TRUE(rewritten == DrawAnew(drawn));
    EXPECT_FALSE(rewritten == first) << "the event moved";
    EXPECT_TRUE(Draw(drawn) == rewritten);
    drawn.settings.EventColor = 0x00B000;
    const Pixels coloured = Draw(drawn);
    EXPECT_TRUE(coloured == DrawAnew(drawn));
    EXPECT_FALSE(coloured == rewritten) << "the events' colour";
  }
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace tezun
