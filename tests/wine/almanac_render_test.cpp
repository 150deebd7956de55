// The almanac in the calendar: notes that go on to further lines in tall cells, and the Moon drawn
// in the corner of the days of its phases.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/calendar_layout.h"
#include "support/calendar_pixels.h"
#include "support/pixels.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::InkBands;
using test::InkCount;
using test::kPaper;
using test::Pixels;

// January 2024 begins on a Monday: 下弦 on the 4th, 新月 the 11th, 上弦 the 18th, 満月 the 26th.
const TDateTime kToday = DateOf(2024y / January / 15);

TCalendarSettings Plain() { return test::PlainSettings(); }

Pixels Render(const TCalendarSettings& settings, const Rect& rect, int dpi = 96) {
  return test::RenderOnPaper(settings, rect, kToday, dpi);
}

// Day cells of a 7-row layout of `width` x `height` cells from the origin.
Rect Cell(int week, int column, int64_t width, int64_t height) {
  return CalendarLayout({0, 0, 7 * width, 7 * height}).DayCell(week, column);
}

uint32_t At(const Pixels& pixels, int64_t x, int64_t y) { return pixels.at(static_cast<int>(x), static_cast<int>(y)); }

// Seven rows of 40-pixel-wide cells, 100 and 28 pixels high.
constexpr Rect kTallCells{0, 0, 280, 700}, kLowCells{0, 0, 280, 196};

TCalendarSettings WithAllNotes() {
  TCalendarSettings settings = Plain();
  settings.DayNames = settings.SolarTerms = settings.Rokuyo = 1;
  settings.Zassetsu = settings.Eto = settings.Kaiun = 1;
  return settings;
}

// 2024-01-01: 元日 赤口 甲子 一粒万倍日 天赦日, far wider than a 40-pixel cell.
TEST(AlmanacRender, ALongNoteGoesOnToThreeLinesInATallCellAndIsCutInALowOne) {
  const Pixels tall = Render(WithAllNotes(), kTallCells);
  const Pixels low = Render(WithAllNotes(), kLowCells);
  const Rect newYear = Cell(0, 1, 40, 100), newYearLow = Cell(0, 1, 40, 28);
  EXPECT_EQ(InkBands(tall, newYear).size(), 4u) << "the number and three lines";

  EXPECT_EQ(InkBands(low, newYearLow).size(), 2u) << "the number and one line, cut";
  EXPECT_EQ(InkCount(tall, Cell(0, 0, 40, 100)), 0) << "nothing in the empty cell beside it";
  EXPECT_EQ(InkCount(low, Cell(0, 0, 40, 28)), 0);
  // The numbers of a row stay in line, however many lines each day's notes fill.
  for (int column = 2; column < 7; ++column) {
    EXPECT_EQ(InkBands(tall, Cell(0, column, 40, 100)).front().first, InkBands(tall, newYear).front().first) << column;
  }
  // Without the almanac's texts the notes keep to one line, as they always have.
  TCalendarSettings older = WithAllNotes();
  older.Zassetsu = older.Eto = older.Kaiun = 0;
  EXPECT_EQ(InkBands(Render(older, kTallCells), newYear).size(), 2u);
}

TEST(AlmanacRender, NothingChangesWithoutAOne) {
  TCalendarSettings settings = Plain();
  settings.DayNames = settings.Rokuyo = 1;
  const Pixels before = Render(settings, kTallCells);
  settings.Zassetsu = settings.Eto = settings.Kaiun = settings.MoonPhases = 2;
  EXPECT_TRUE(Render(settings, kTallCells) == before);
  settings.Zassetsu = settings.Eto = settings.Kaiun = settings.MoonPhases = -1;
  EXPECT_TRUE(Render(settings, kTallCells) == before);
}

// The Moon's disc in the corner, lit as its phase is, scaled with the fonts.
TEST(AlmanacRender, TheMoonInItsCornerAt96And144Dpi) {
  for (const int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    const int64_t cell = 40 * dpi / 96;
    TCalendarSettings settings = Plain();
    const Pixels without = Render(settings, {0, 0, 7 * cell, 7 * cell}, dpi);
    settings.MoonPhases = 1;
    const Pixels with = Render(settings, {0, 0, 7 * cell, 7 * cell}, dpi);
    // The note's height of a 9-point day: half the number's 12 pixels per 96 dpi, but 6 points at least.
    const int64_t noteHeight = 8 * dpi / 96;
    const struct {
      int week, column;
      int lit;  // -1 the left half, 0 none, 1 the right half, 2 all
    } phases[] = {{0, 4, -1}, {1, 4, 0}, {2, 4, 1}, {3, 5, 2}};
    std::vector<Rect> boxes;
    for (const auto& p : phases) {
      const auto box = MoonBox(Cell(p.week, p.column, cell, cell), noteHeight);
      ASSERT_TRUE(box.has_value());
      boxes.push_back(*box);
      const int64_t cx = box->left + box->width() / 2, cy = box->top + box->height() / 2;
      const int64_t quarter = std::max<int64_t>(1, box->width() / 5);  // inside the rim, either side of the middle
      auto inked = [&](int64_t x) { return At(with, x, cy) != kPaper; };
      EXPECT_EQ(inked(cx - quarter), p.lit == -1 || p.lit == 2) << p.week << ": the left half";
      EXPECT_EQ(inked(cx + quarter), p.lit == 1 || p.lit == 2) << p.week << ": the right half";
      EXPECT_TRUE(inked(box->left) && inked(box->right - 1)) << p.week << ": the rim";

      EXPECT_EQ(At(with, cx, box->top - 1), At(without, cx, box->top - 1)) << "nothing above";
    }
    EXPECT_GE(boxes[0].width(), dpi == 96 ? 6 : 9);
    // Every pixel that changed lies in one of the four discs.
    int changed = 0, outside = 0;
    for (int y = 0; y < with.height; ++y) {
      for (int x = 0; x < with.width; ++x) {
        if (with.at(x, y) == without.at(x, y)) continue;
        ++changed;
        outside += std::none_of(boxes.begin(), boxes.end(), [&](const Rect& b) {
          return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
        });
      }
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(outside, 0);
  }
}

TEST(AlmanacRender, TheMoonIsOutlinedAsTheTextsAre) {
  TCalendarSettings settings = Plain();
  settings.MoonPhases = settings.Outline = 1;
  settings.OutlineColor = 0x808000;
  const Pixels pixels = Render(settings, {0, 0, 280, 280});
  const auto box = MoonBox(Cell(3, 5, 40, 40), 8);
  ASSERT_TRUE(box.has_value());
  const uint32_t ring = test::FromColorRef(0x808000);
  bool ringSeen = false;
  for (int64_t x = box->left - 1; x <= box->right; ++x) ringSeen = ringSeen || At(pixels, x, box->top - 1) == ring;
  EXPECT_TRUE(ringSeen) << "the outline's colour just above the full moon";
  EXPECT_EQ(At(pixels, box->left + box->width() / 2, box->top + box->height() / 2), 0u) << "black inside";
}

}  // namespace
}  // namespace tezun
