// The calendar with the user's events, the neighbouring months' days and the week numbers: real
// pixels of real GDI, a calendar file read from the disk; and nothing changed without them.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "core/calendar_layout.h"
#include "render/calendar_events.h"
#include "support/calendar_pixels.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::InkBands;
using test::InkCount;
using test::Pixels;

// December 2026 begins on a Tuesday and takes five weeks; New Year's Day is a Friday.
const TDateTime kToday = DateOf(2026y / December / 15);
constexpr int32_t kGreen = 0x00B000;  // the events' colour in the tests: no font has it

TCalendarSettings Plain() { return test::PlainSettings(); }

// A calendar file in the temporary folder, for the test's life.
class CalendarFileOnDisk {
 public:
  CalendarFileOnDisk(const char* name, const std::string& events) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "tezun-" + std::to_string(GetCurrentProcessId()) + "-" + name + ".ics";
    std::ofstream(path_, std::ios::binary) << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" << events << "END:VCALENDAR\r\n";
  }
  CalendarFileOnDisk(const CalendarFileOnDisk&) = delete;
  CalendarFileOnDisk& operator=(const CalendarFileOnDisk&) = delete;
  ~CalendarFileOnDisk() { DeleteFileA(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

std::string Event(const char* start, const char* title) {
  return std::string("BEGIN:VEVENT\r\nUID:") + title + "\r\nDTSTART" + start + "\r\nSUMMARY:" + title +
         "\r\nEND:VEVENT\r\n";
}

int PixelsOf(const Pixels& pixels, const Rect& r, uint32_t colour) {
  int count = 0;
  for (int64_t y = r.top; y < r.bottom; ++y) {
    for (int64_t x = r.left; x < r.right; ++x) count += pixels.at(static_cast<int>(x), static_cast<int>(y)) == colour;
  }
  return count;
}

TEST(EventsRender, NothingChangesWithoutTheNewValues) {
  const Rect rect{0, 0, 420, 700};
  const Pixels before = test::RenderOnPaper(Plain(), rect, kToday);
  TCalendarSettings settings = Plain();
  settings.EventColor = kGreen;  // a colour, and no file to draw in it
  settings.AdjacentDays = 2;
  settings.WeekNumbers = -1;
  EXPECT_TRUE(test::RenderOnPaper(settings, rect, kToday) == before);
}

// Titles and times in the events' colour on the notes' lines, first; the notes after them; a
// floating time on its own day, an instant on the machine's.
TEST(EventsRender, TitlesAndTimesOnTheNotesLinesAt96And144Dpi) {
  const CalendarFileOnDisk file("titles", Event(":20261210T093000", "Meeting") + Event(";VALUE=DATE:20261210", "Off") +
                                              Event(":20261211T003000Z", "Call"));
  FixLocalClockForTesting({[](int64_t utc) { return utc + int64_t{9} * 3600; }, "UTC+9"});
  for (const int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    const int64_t width = 60 * dpi / 96, height = 100 * dpi / 96;
    const Rect rect{0, 0, 7 * width, 7 * height};
    TCalendarSettings settings = Plain();
    settings.Events = file.Path();
    settings.EventColor = kGreen;
    const Pixels pixels = test::RenderOnPaper(settings, rect, kToday, dpi);
    const CalendarLayout layout(rect);
    const Rect tenth = layout.DayCell(1, 4), eleventh = layout.DayCell(1, 5), ninth = layout.DayCell(1, 3);
    EXPECT_EQ(InkBands(pixels, tenth).size(), 3u) << "the number and two events";
    EXPECT_EQ(InkBands(pixels, eleventh).size(), 2u) << "the number and the call, at 9:30 there";
    EXPECT_EQ(InkBands(pixels, ninth).size(), 1u) << "the number alone";
    const auto bands = InkBands(pixels, tenth);
    const Rect lines{tenth.left, bands[1].first, tenth.right, bands.back().second};
    EXPECT_GT(PixelsOf(pixels, lines, test::FromColorRef(kGreen)), 10);
    EXPECT_EQ(PixelsOf(pixels, {tenth.left, bands[0].first, tenth.right, bands[0].second}, test::FromColorRef(kGreen)),
              0)
        << "the number in its own colour";
    settings.EventColor = kCellColour;
    const Pixels ownColour = test::RenderOnPaper(settings, rect, kToday, dpi);
    EXPECT_EQ(PixelsOf(ownColour, lines, test::FromColorRef(kGreen)), 0);
    EXPECT_GT(PixelsOf(ownColour, lines, 0), 10) << "the day's own black";
  }
  FixLocalClockForTesting({});
}

// A low cell holds fewer lines than the day has events (one of three), or none: a mark in the
// events' colour at the number's bottom-left says so; where they all have a line there is none.
// What three events draw beyond what the first alone (or none) draws is that mark alone.
TEST(EventsRender, TheMarkOfEventsWithoutALine) {
  const std::string first = Event(":20261210T090000", "One");
  const CalendarFileOnDisk none("none", ""), one("one", first),
      three("three", first + Event(":20261210T100000", "Two") + Event(":20261210T110000", "Three"));
  const struct {
    int64_t height;
    const CalendarFileOnDisk& fewer;
    bool marked;
  } cases[] = {{28, one, true}, {16, none, true}, {100, one, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    const Rect rect{0, 0, 420, 7 * c.height};
    TCalendarSettings settings = Plain();
    settings.EventColor = kGreen;
    settings.Events = three.Path();
    const Pixels all = test::RenderOnPaper(settings, rect, kToday);
    settings.Events = c.fewer.Path();
    const Pixels fewer = test::RenderOnPaper(settings, rect, kToday);
    const Rect tenth = CalendarLayout(rect).DayCell(1, 4);
    const int64_t belowFirstLine = c.marked ? tenth.bottom : InkBands(fewer, tenth)[1].second;
    auto isMark = [&](int x, int y) {
      return x >= tenth.left && x < tenth.left + 30 && y >= tenth.top && y < belowFirstLine &&
             all.at(x, y) == test::FromColorRef(kGreen);
    };
    const int mark = test::ChangedPixels(all, fewer, isMark);
    const int elsewhere = test::ChangedPixels(all, fewer, [&](int x, int y) { return !isMark(x, y); });
    EXPECT_EQ(mark >= 4, c.marked) << mark;
    if (c.marked) {
      EXPECT_EQ(elsewhere, 0);
    }
  }
}

// The neighbouring months' days at half opacity: no pixel of their full colours, the month's cells
// as they were; at two densities.
TEST(EventsRender, TheNeighbouringDaysAtHalfOpacity) {
  for (const int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    const int64_t cell = 40 * dpi / 96;
    const Rect rect{0, 0, 7 * cell, 7 * cell};
    TCalendarSettings settings = Plain();
    const Pixels without = test::RenderOnPaper(settings, rect, kToday, dpi);
    settings.AdjacentDays = 1;
    const Pixels with = test::RenderOnPaper(settings, rect, kToday, dpi);
    const CalendarLayout layout(rect);
    const Rect sunday = layout.DayCell(0, 0), newYear = layout.DayCell(4, 5);
    EXPECT_EQ(InkCount(without, sunday), 0);
    EXPECT_GT(InkCount(with, sunday), 5) << "29 November";
    EXPECT_EQ(PixelsOf(with, sunday, test::FromColorRef(settings.Fonts.Sunday.Color)), 0) << "never the full red";
    EXPECT_GT(InkCount(with, newYear), 5) << "1 January, a holiday";
    EXPECT_EQ(InkCount(with, layout.DayCell(5, 0)), 0) << "no sixth week";
    EXPECT_EQ(test::ChangedPixels(with, without,
                                  [&](int x, int y) {
                                    const bool neighbouring =
                                        (y >= sunday.top && y < sunday.bottom && x < layout.DayCell(0, 2).left) ||
                                        (y >= newYear.top && y < newYear.bottom && x >= newYear.left);
                                    return !neighbouring;
                                  }),
              0);
  }
}

// A column of week numbers before the weekdays, headed 週: the rectangle in eight columns.
TEST(EventsRender, TheWeekColumnAt96And144Dpi) {
  for (const int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    const int64_t cell = 40 * dpi / 96;
    const Rect rect{0, 0, 8 * cell, 7 * cell};
    TCalendarSettings settings = Plain();
    settings.WeekNumbers = 1;
    const Pixels pixels = test::RenderOnPaper(settings, rect, kToday, dpi);
    const CalendarLayout layout(rect, false, true);
    EXPECT_GT(InkCount(pixels, layout.WeekHeaderCell()), 5) << "週";
    for (int week = 0; week < 5; ++week) EXPECT_GT(InkCount(pixels, layout.WeekCell(week)), 5) << week;
    EXPECT_EQ(InkCount(pixels, layout.WeekCell(5)), 0);
    EXPECT_EQ(InkCount(pixels, layout.DayCell(0, 1)), 0) << "the 1st is a Tuesday, in the third column";
    EXPECT_GT(InkCount(pixels, layout.DayCell(0, 2)), 5);
  }
}

}  // namespace
}  // namespace tezun
