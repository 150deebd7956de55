// The calendar as drawn into real bitmaps: cells, colours, fonts and today's marks.
#include "render/calendar_renderer.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "graphics/bitmap.h"
#include "render/system_eras.h"
#include "render/text_run.h"
#include "support/bytes.h"
#include "support/pixels.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Pixels;

TDateTime Date(int y, unsigned m, unsigned d) { return DateOf(year{y} / month{m} / day{d}); }

constexpr uint32_t kPaper = 0xF0F0F0;  // as read back: 0x00RRGGBB

// Distinct colours for every font (0x00BBGGRR as settings hold them).
TCalendarSettings Coloured() {
  TCalendarSettings settings = DefaultSettings();
  settings.Fonts.Weekday.Color = 0x000000;
  settings.Fonts.Saturday.Color = 0xFF0000;   // blue
  settings.Fonts.Sunday.Color = 0x0000FF;     // red
  settings.Fonts.Holiday.Color = 0x00A000;    // green
  settings.Fonts.DayOfWeek.Color = 0xFF00FF;  // never drawn
  settings.TodayColor = 0x00FFFF;             // yellow
  return settings;
}

uint32_t Seen(int32_t color) { return test::FromColorRef(static_cast<COLORREF>(color)); }

// Renders onto a picture of the given size: plain paper, or the pattern picture when patterned.
Pixels Render(const TCalendarSettings& settings, const Rect& rect, TDateTime today, SIZE size = {240, 240},
              bool patterned = false) {
  TBitmap picture;
  if (patterned) {
    picture.Adopt(test::MakePatternBitmap(size.cx, size.cy));
  } else {
    picture.SetPixelFormat24();
    picture.SetSize(size.cx, size.cy);
    picture.Canvas().Brush.Color = 0xF0F0F0;
    picture.Canvas().FillRect({0, 0, size.cx, size.cy});
  }
  RenderCalendar(picture.Canvas(), rect, settings, today);
  BitmapHandle drawn(picture.Detach());
  return test::ReadPixels(drawn.get());
}

struct Ink {
  std::set<uint32_t> colours;
  RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  int count = 0;
};

// What differs from the paper inside a rectangle.
Ink InkIn(const Pixels& pixels, const Rect& r, uint32_t paper = kPaper) {
  Ink ink;
  for (int64_t y = std::max<int64_t>(r.top, 0); y < std::min<int64_t>(r.bottom, pixels.height); ++y) {
    for (int64_t x = std::max<int64_t>(r.left, 0); x < std::min<int64_t>(r.right, pixels.width); ++x) {
      const uint32_t c = pixels.at(static_cast<int>(x), static_cast<int>(y));
      if (c == paper) continue;
      ink.colours.insert(c);
      ink.box.left = std::min<LONG>(ink.box.left, static_cast<LONG>(x));
      ink.box.top = std::min<LONG>(ink.box.top, static_cast<LONG>(y));
      ink.box.right = std::max<LONG>(ink.box.right, static_cast<LONG>(x + 1));
      ink.box.bottom = std::max<LONG>(ink.box.bottom, static_cast<LONG>(y + 1));
      ++ink.count;
    }
  }
  return ink;
}

// Whether every ink pixel lies between the paper and the colour in each channel, as the
// smoothed edges of larger glyphs do, and the colour itself is the most common.
::testing::AssertionResult InkIsBlendOf(const Pixels& pixels, const Rect& r, uint32_t colour) {
  std::map<uint32_t, int> counts;
  for (int64_t y = r.top; y < r.bottom; ++y) {
    for (int64_t x = r.left; x < r.right; ++x) {
      const uint32_t c = pixels.at(static_cast<int>(x), static_cast<int>(y));
      if (c == kPaper) continue;
      for (int shift : {0, 8, 16}) {
        const uint32_t seen = (c >> shift) & 0xFF, paper = (kPaper >> shift) & 0xFF, ink = (colour >> shift) & 0xFF;
        if (seen < std::min(paper, ink) || seen > std::max(paper, ink)) {
          return ::testing::AssertionFailure() << std::hex << c << " is no blend of " << colour;
        }
      }
      ++counts[c];
    }
  }
  if (counts.empty()) return ::testing::AssertionFailure() << "no ink";
  const auto most =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  if (most->first != colour) return ::testing::AssertionFailure() << "mostly " << std::hex << most->first;
  return ::testing::AssertionSuccess();
}

std::vector<uint32_t> PixelsOf(const Pixels& pixels, const Rect& r) {
  std::vector<uint32_t> values;
  for (int64_t y = r.top; y < r.bottom; ++y) {
    for (int64_t x = r.left; x < r.right; ++x) values.push_back(pixels.at(static_cast<int>(x), static_cast<int>(y)));
  }
  return values;
}

Rect Cell(int64_t row, int64_t column, int64_t size = 28) {  // row 0: the header
  return {column * size, row * size, (column + 1) * size, (row + 1) * size};
}

// May 2026: the 1st is a Friday; Sunday the 3rd is a holiday, so are Monday 4 and Tuesday 5.
const TDateTime kWednesday13May = Date(2026, 5, 13);

TEST(RenderCalendar, TwoHundredSquareGivesTwentyEightPixelCells) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 2;  // today drawn like any day
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  // Header and the days 1 to 31 from column 5 of week 0: ink centred in each cell, none elsewhere.
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 7; ++column) {
      const int index = (row - 1) * 7 + column - 5;  // day number - 1
      const bool filled = row == 0 || (index >= 0 && index < 31);
      const Ink ink = InkIn(pixels, Cell(row, column));
      SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
      if (!filled) {
        EXPECT_EQ(ink.count, 0);
        continue;
      }
      ASSERT_GT(ink.count, 0);
      EXPECT_NEAR((ink.box.left + ink.box.right) / 2.0, column * 28 + 14, 3.0);
      EXPECT_NEAR((ink.box.top + ink.box.bottom) / 2.0, row * 28 + 14, 3.0);
    }
  }
  EXPECT_EQ(InkIn(pixels, {196, 0, 240, 240}).count, 0) << "the columns 196 to 199 belong to no cell";
  EXPECT_EQ(InkIn(pixels, {0, 196, 240, 240}).count, 0);
}

TEST(RenderCalendar, HeaderTakesTheColumnColoursNeverItsOwn) {
  const TCalendarSettings settings = Coloured();
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  EXPECT_EQ(InkIn(pixels, Cell(0, 0)).colours, std::set{Seen(settings.Fonts.Sunday.Color)});
  for (int column = 1; column <= 5; ++column) {
    EXPECT_EQ(InkIn(pixels, Cell(0, column)).colours, std::set{Seen(settings.Fonts.Weekday.Color)}) << column;
  }
  EXPECT_EQ(InkIn(pixels, Cell(0, 6)).colours, std::set{Seen(settings.Fonts.Saturday.Color)});

  TCalendarSettings recoloured = settings;
  recoloured.Fonts.DayOfWeek.Color = 0x123456;
  EXPECT_EQ(Render(recoloured, {0, 0, 200, 200}, kWednesday13May), pixels);
}

TEST(RenderCalendar, JapaneseNamesUnlessEnglishIsChosen) {
  TCalendarSettings settings = Coloured();
  const Pixels japanese = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  settings.DayOfWeekStyle = 2;
  EXPECT_EQ(Render(settings, {0, 0, 200, 200}, kWednesday13May), japanese);
  settings.DayOfWeekStyle = 1;
  const Pixels english = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  EXPECT_NE(InkIn(english, Cell(0, 0)).box.right - InkIn(english, Cell(0, 0)).box.left,
            InkIn(japanese, Cell(0, 0)).box.right - InkIn(japanese, Cell(0, 0)).box.left);
}

TEST(RenderCalendar, HolidayFontReplacesTheColumnFont) {
  TCalendarSettings settings = Coloured();
  settings.Fonts.Holiday.Size = 14;
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  const uint32_t holiday = Seen(settings.Fonts.Holiday.Color);
  EXPECT_EQ(InkIn(pixels, Cell(2, 0)).colours, std::set{Seen(settings.Fonts.Sunday.Color)}) << "Sunday the 3rd";
  const Ink tuesday = InkIn(pixels, Cell(2, 2)), wednesday = InkIn(pixels, Cell(2, 3));
  EXPECT_TRUE(InkIsBlendOf(pixels, Cell(2, 1), holiday)) << "the substitute Monday";
  EXPECT_TRUE(InkIsBlendOf(pixels, Cell(2, 2), holiday));
  EXPECT_EQ(wednesday.colours, std::set{Seen(settings.Fonts.Weekday.Color)});
  EXPECT_GT(tuesday.box.bottom - tuesday.box.top, wednesday.box.bottom - wednesday.box.top) << "the holiday's size";
}

TEST(RenderCalendar, HolidayFontWithoutAFaceKeepsTheColumnsFace) {
  TCalendarSettings settings = Coloured();
  settings.Fonts.Weekday.Name = "DejaVu Sans Mono";
  settings.Fonts.Holiday.Name = "";
  const Pixels empty = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  settings.Fonts.Holiday.Name = "DejaVu Sans Mono";
  const Pixels mono = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  settings.Fonts.Holiday.Name = DefaultSettings().Fonts.Holiday.Name;
  const Pixels gothic = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  EXPECT_EQ(empty, mono);
  EXPECT_NE(PixelsOf(empty, Cell(2, 2)), PixelsOf(gothic, Cell(2, 2))) << "the faces are told apart by their ink";
}

TEST(RenderCalendar, ColouredMarkIsADiscInTheDaysColourWithTheNumberInTodayColor) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 1;
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, Date(2026, 5, 16));  // a Saturday
  const Rect cell = Cell(3, 6);
  const Ink ink = InkIn(pixels, cell);
  EXPECT_EQ(ink.colours, (std::set{Seen(settings.Fonts.Saturday.Color), Seen(settings.TodayColor)}));
  EXPECT_EQ(pixels.at(6 * 28 + 14, 3 * 28 + 3), Seen(settings.Fonts.Saturday.Color)) << "the disc fills the cell";
  EXPECT_EQ(pixels.at(6 * 28, 3 * 28), kPaper) << "its corners stay";
}

// Every pixel of today's cell is the picture itself or the disc's colour; the corners are the
// picture, the middle of the disc shows both: the disc and, through the digits, the picture.
void ExpectTransparentMark(const Pixels& pixels, const Rect& cell, uint32_t disc) {
  int picture = 0, discPixels = 0;
  for (int64_t y = cell.top; y < cell.bottom; ++y) {
    for (int64_t x = cell.left; x < cell.right; ++x) {
      const uint32_t seen = pixels.at(static_cast<int>(x), static_cast<int>(y));
      const uint32_t original = test::PatternColor(static_cast<int>(x), static_cast<int>(y));
      if (seen == original) {
        ++picture;
      } else {
        EXPECT_EQ(seen, disc) << x << ", " << y;
        ++discPixels;
      }
    }
  }
  EXPECT_EQ(pixels.at(static_cast<int>(cell.left), static_cast<int>(cell.top)),
            test::PatternColor(static_cast<int>(cell.left), static_cast<int>(cell.top)));
  EXPECT_GT(discPixels, cell.width() * cell.height() / 2);
  const Rect middle{cell.left + 7, cell.top + 7, cell.right - 7, cell.bottom - 7};
  int throughDigits = 0;
  for (int64_t y = middle.top; y < middle.bottom; ++y) {
    for (int64_t x = middle.left; x < middle.right; ++x) {
      throughDigits += pixels.at(static_cast<int>(x), static_cast<int>(y)) ==
                       test::PatternColor(static_cast<int>(x), static_cast<int>(y));
    }
  }
  EXPECT_GT(throughDigits, 5) << "the digits show the picture underneath";
}

TEST(RenderCalendar, TransparentMarkShowsThePictureThroughTheDigits) {
  // Small sizes are drawn without smoothing, so that the masks are pure black and white.
  TCalendarSettings settings = Coloured();
  const Pixels pixels = Render(settings, {0, 0, 280, 280}, kWednesday13May, {300, 300}, true);
  ExpectTransparentMark(pixels, Cell(3, 3, 40), Seen(settings.Fonts.Weekday.Color));
}

TEST(RenderCalendar, TransparentMarkOnAHolidayTakesTheHolidayFont) {
  TCalendarSettings settings = Coloured();
  const Pixels pixels = Render(settings, {0, 0, 280, 280}, Date(2026, 5, 5), {300, 300}, true);
  ExpectTransparentMark(pixels, Cell(2, 2, 40), Seen(settings.Fonts.Holiday.Color));
}

TEST(RenderCalendar, OtherTodayStylesDrawTheNumberPlainly) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 7;
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  const Ink today = InkIn(pixels, Cell(3, 3));
  EXPECT_EQ(today.colours, std::set{Seen(settings.Fonts.Weekday.Color)});
  EXPECT_LT(today.count, 28 * 28 / 4);
}

TEST(RenderCalendar, ZeroWideCellsStillDrawEveryText) {
  TCalendarSettings settings = Coloured();
  const Pixels pixels = Render(settings, {100, 0, 106, 210}, kWednesday13May);
  const Ink ink = InkIn(pixels, {0, 0, 240, 240});
  EXPECT_GT(ink.count, 100);
  EXPECT_LT(ink.box.left, 100) << "texts centred in zero-wide cells spill to the left";
  EXPECT_EQ(ink.colours.count(Seen(settings.Fonts.Weekday.Color)), 1u);
}

TEST(RenderCalendar, NegativeSizeDrawsNothing) {
  EXPECT_EQ(InkIn(Render(Coloured(), {200, 0, 100, 200}, kWednesday13May), {0, 0, 240, 240}).count, 0);
  EXPECT_EQ(InkIn(Render(Coloured(), {0, 200, 200, 100}, kWednesday13May), {0, 0, 240, 240}).count, 0);
}

// Texts that share a font, a colour and a line go out in one call; the picture must be the one
// that drawing every text by itself gives, whatever the fonts, styles and sizes.
TEST(RenderCalendar, TextsDrawnTogetherGiveThePictureOfTextsDrawnOneByOne) {
  struct Case {
    const char* what;
    std::function<void(TCalendarSettings&)> change;
    Rect rect;
  };
  const Case cases[] = {
      {"defaults", [](TCalendarSettings&) {}, {0, 0, 200, 200}},
      {"coloured, English, the law",
       [](TCalendarSettings& s) { s.DayOfWeekStyle = 1, s.HolidayRules = 1; },
       {5, 7, 230, 221}},
      {"bold italic 14 points, coloured mark",
       [](TCalendarSettings& s) {
         s.Fonts.Weekday = {"", 14, 0x404040, fsBold | fsItalic};
         s.TodayStyle = 1;
       },
       {0, 0, 240, 240}},
      {"underlined and struck-out, a plain today",
       [](TCalendarSettings& s) {
         s.Fonts.Weekday.Style = fsUnderline;
         s.Fonts.Holiday.Style = fsStrikeOut;
         s.TodayStyle = 5;
       },
       {0, 0, 200, 200}},
      {"texts wider than their cells", [](TCalendarSettings& s) { s.Fonts.Weekday.Size = 30; }, {0, 0, 150, 240}},
      {"zero-wide cells", [](TCalendarSettings&) {}, {100, 0, 106, 210}},
      {"outlined, with every note and a title",
       [](TCalendarSettings& s) { s.Outline = s.DayNames = s.SolarTerms = s.Rokuyo = 1, s.Title = 2; },
       {0, 0, 240, 240}},
      {"outlined, bold, 六曜 under the numbers",
       [](TCalendarSettings& s) {
         s.Outline = s.Rokuyo = 1;
         s.Fonts.Weekday.Style = fsBold;
       },
       {3, 2, 236, 238}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TCalendarSettings settings = Coloured();
    c.change(settings);
    const Pixels together = Render(settings, c.rect, kWednesday13May, {240, 240}, true);
    DrawTextsOneByOneForTesting(true);
    const Pixels oneByOne = Render(settings, c.rect, kWednesday13May, {240, 240}, true);
    DrawTextsOneByOneForTesting(false);
    EXPECT_TRUE(together == oneByOne);
  }
}

// Monday first: the columns run Monday to Sunday, and the fonts still go by weekday.
TEST(RenderCalendar, MondayFirstPutsSundayLastInItsOwnColours) {
  TCalendarSettings settings = Coloured();
  settings.WeekStart = 1;
  settings.TodayStyle = 2;
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  EXPECT_EQ(InkIn(pixels, Cell(0, 0)).colours, std::set{Seen(settings.Fonts.Weekday.Color)}) << "Monday";
  EXPECT_EQ(InkIn(pixels, Cell(0, 5)).colours, std::set{Seen(settings.Fonts.Saturday.Color)});
  EXPECT_EQ(InkIn(pixels, Cell(0, 6)).colours, std::set{Seen(settings.Fonts.Sunday.Color)});
  // The 1st, a Friday, in column 4; Sunday the 3rd, a holiday, in column 6 as a Sunday; its
  // substitute Monday the 4th at the start of the next row, in the holiday font.
  EXPECT_EQ(InkIn(pixels, Cell(1, 3)).count, 0);
  EXPECT_EQ(InkIn(pixels, Cell(1, 4)).colours, std::set{Seen(settings.Fonts.Weekday.Color)});
  EXPECT_EQ(InkIn(pixels, Cell(1, 6)).colours, std::set{Seen(settings.Fonts.Sunday.Color)});
  EXPECT_EQ(InkIn(pixels, Cell(2, 0)).colours, std::set{Seen(settings.Fonts.Holiday.Color)});
}

// The title row: the rectangle's height in eight rows, the month across its whole width in the
// header's face and the Weekday colour, the names and weeks a row lower.
TEST(RenderCalendar, TitleRowAboveTheNamesInEightRows) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 2;
  const Pixels plain = Render(settings, {0, 0, 238, 240}, kWednesday13May);
  settings.Title = 3;  // "May 2026"
  const Pixels titled = Render(settings, {0, 0, 238, 240}, kWednesday13May);
  const Ink title = InkIn(titled, {0, 0, 238, 30});
  EXPECT_EQ(title.colours, std::set{Seen(settings.Fonts.Weekday.Color)});
  EXPECT_NEAR((title.box.left + title.box.right) / 2.0, 119, 2.0) << "centred across the whole width";
  EXPECT_GT(title.box.right - title.box.left, 34) << "wider than a cell: the whole text";
  // 34 x 30 cells: the header's Sunday from y 30, the 1st (a Friday) in the next row.
  EXPECT_EQ(InkIn(titled, {0, 30, 34, 60}).colours, std::set{Seen(settings.Fonts.Sunday.Color)});
  EXPECT_GT(InkIn(titled, {170, 60, 204, 90}).count, 0);
  EXPECT_EQ(InkIn(titled, {0, 0, 238, 240}).count - title.count, InkIn(plain, {0, 0, 238, 240}).count)
      << "the same texts besides the title";
  settings.Title = 7;  // no form of title
  EXPECT_EQ(Render(settings, {0, 0, 238, 240}, kWednesday13May), plain);
}

// The panel lies over the whole rectangle, under the texts, at its opacity: not at all at 0, half
// the picture's colour at 50, none of it at 100.
TEST(RenderCalendar, PanelOverTheRectangleAtItsOpacity) {
  TCalendarSettings settings = Coloured();
  settings.PanelColor = 0x00FFFF;  // yellow
  const Rect outside{200, 0, 240, 240};
  const Rect panelOnly{196, 0, 200, 196};  // the columns that belong to no cell
  const struct {
    int32_t opacity;
    uint32_t expected;
  } cases[] = {{0, kPaper}, {101, kPaper}, {50, 0xF7F778}, {100, 0xFFFF00}};
  for (const auto& c : cases) {
    settings.PanelOpacity = c.opacity;
    const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
    const Ink panel = InkIn(pixels, panelOnly, 0);
    ASSERT_EQ(panel.colours.size(), 1u) << c.opacity << "%: one colour";
    for (int shift : {0, 8, 16}) {
      EXPECT_NEAR((*panel.colours.begin() >> shift) & 0xFF, (c.expected >> shift) & 0xFF, 1) << c.opacity << "%";
    }
    EXPECT_EQ(InkIn(pixels, outside).count, 0) << c.opacity << "%: nothing beside the rectangle";
    EXPECT_TRUE(InkIn(pixels, Cell(0, 0), *panel.colours.begin()).colours.contains(Seen(settings.Fonts.Sunday.Color)))
        << "the texts lie on the panel";
  }
}

// The outline: every text gets a ring in its colour one pixel around it, drawn under the text;
// today's mark gets none.
TEST(RenderCalendar, OutlineRingsEveryTextButTodaysMark) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 1;
  const Pixels plain = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  settings.Outline = 1;
  settings.OutlineColor = 0x808000;  // teal
  const Pixels outlined = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  const uint32_t ring = Seen(settings.OutlineColor);
  auto nearPlainInk = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (x + dx >= 0 && y + dy >= 0 && x + dx < 240 && y + dy < 240 && plain.at(x + dx, y + dy) != kPaper)
          return true;
      }
    }
    return false;
  };
  int ringPixels = 0, stray = 0;
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 240; ++x) {
      if (outlined.at(x, y) == kPaper) continue;
      ringPixels += outlined.at(x, y) == ring;
      stray += !nearPlainInk(x, y);
    }
  }
  EXPECT_EQ(stray, 0) << "ink further than a pixel from a text";
  for (int column = 0; column < 7; ++column) {
    EXPECT_TRUE(InkIn(outlined, Cell(0, column)).colours.contains(ring)) << "the name in column " << column;
  }
  EXPECT_TRUE(InkIn(outlined, Cell(1, 5)).colours.contains(ring)) << "the 1st";
  EXPECT_FALSE(InkIn(outlined, Cell(3, 3)).colours.contains(ring)) << "today, the 13th";
  EXPECT_EQ(PixelsOf(outlined, Cell(3, 3)), PixelsOf(plain, Cell(3, 3)));
  EXPECT_GT(ringPixels, 500);
}

// The rows of a cell that hold ink, top to bottom.
std::vector<int64_t> InkRows(const Pixels& pixels, const Rect& cell) {
  std::vector<int64_t> rows;
  for (int64_t y = cell.top; y < cell.bottom; ++y) {
    if (InkIn(pixels, {cell.left, y, cell.right, y + 1}).count > 0) rows.push_back(y);
  }
  return rows;
}

// The first row of a cell's second cluster of ink (its line of notes), or its bottom.
int64_t LineTop(const Pixels& pixels, const Rect& cell) {
  const std::vector<int64_t> rows = InkRows(pixels, cell);
  for (size_t i = 1; i < rows.size(); ++i) {
    if (rows[i] > rows[i - 1] + 1) return rows[i];
  }
  return cell.bottom;
}

// May 2026 in 40-pixel cells: Tuesday the 5th is a holiday (こどもの日), Thursday the 7th none.
TEST(RenderCalendar, NotesGoUnderTheNumbersInTheirCellsColoursAndTheNumbersStayInLine) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 7;
  const Rect rect{0, 0, 280, 280};
  const Pixels plain = Render(settings, rect, kWednesday13May, {300, 300});
  settings.DayNames = 1;
  const Pixels names = Render(settings, rect, kWednesday13May, {300, 300});
  settings.DayNames = 0;
  settings.Rokuyo = 1;
  const Pixels rokuyo = Render(settings, rect, kWednesday13May, {300, 300});
  settings.Outline = 1;
  settings.OutlineColor = 0x808000;
  const Pixels outlined = Render(settings, rect, kWednesday13May, {300, 300});

  const Rect holiday = Cell(2, 2, 40), plainDay = Cell(2, 4, 40);
  const int64_t line = LineTop(rokuyo, plainDay);
  ASSERT_LT(line, plainDay.bottom) << "a line under the 7th";
  EXPECT_EQ(LineTop(names, holiday), line) << "the name on the same line as the 六曜";
  EXPECT_EQ(InkIn(names, {plainDay.left, line, plainDay.right, plainDay.bottom}).count, 0) << "the 7th has no name";
  // The number lies where a line of any text, or none, puts it: higher than alone, by half the line.
  const Rect number{plainDay.left, plainDay.top, plainDay.right, line};
  EXPECT_EQ(InkIn(names, plainDay).box.top, InkIn(rokuyo, number).box.top);
  EXPECT_LT(InkIn(names, plainDay).box.top, InkIn(plain, plainDay).box.top);
  // In the cell's colour (the holiday font's for the holiday), outlined as every text.
  const std::set<uint32_t> holidayLine = InkIn(names, {holiday.left, line, holiday.right, holiday.bottom}).colours;
  EXPECT_TRUE(holidayLine.contains(Seen(settings.Fonts.Holiday.Color)));
  const Rect weekdayLine{plainDay.left, line, plainDay.right, plainDay.bottom};
  EXPECT_TRUE(InkIn(rokuyo, weekdayLine).colours.contains(Seen(settings.Fonts.Weekday.Color)));
  EXPECT_TRUE(InkIn(outlined, weekdayLine).colours.contains(Seen(settings.OutlineColor)));
}

TEST(RenderCalendar, ALongNoteIsCutToItsCell) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 7;
  settings.DayNames = 1;
  std::string doubleBytes;
  for (int i = 0; i < 30; ++i) doubleBytes += "\x88\x9F";  // 亜
  settings.OwnDays = OwnDayList("2026-05-07 " + std::string(60, 'W') + "\r\n2026-05-21 " + doubleBytes);
  const Pixels pixels = Render(settings, {0, 0, 200, 200}, kWednesday13May);
  for (const auto& [row, column] : {std::pair{2, 4}, std::pair{4, 4}}) {
    const Rect cell = Cell(row, column);
    const int64_t line = LineTop(pixels, cell);
    ASSERT_LT(line, cell.bottom) << "a line in row " << row;
    EXPECT_GE(InkIn(pixels, {cell.left, line, cell.right, cell.bottom}).count, 20);
    for (const int neighbour : {column - 1, column + 1}) {
      const Rect beside = Cell(row, neighbour);
      EXPECT_EQ(InkIn(pixels, {beside.left, line, beside.right, beside.bottom}).count, 0) << row << ", " << neighbour;
    }
  }
}

// Cells too low for a number and a line show the number as they always have; values that are not
// 1 show nothing.
TEST(RenderCalendar, NoLineInCellsTooLowAndNoneUnlessChosen) {
  TCalendarSettings settings = Coloured();
  const Pixels plainLow = Render(settings, {0, 0, 280, 126}, kWednesday13May);
  const Pixels plain = Render(settings, {0, 0, 280, 280}, kWednesday13May, {300, 300});
  settings.DayNames = settings.SolarTerms = settings.Rokuyo = 2;
  EXPECT_TRUE(Render(settings, {0, 0, 280, 280}, kWednesday13May, {300, 300}) == plain);
  settings.DayNames = settings.SolarTerms = settings.Rokuyo = 1;
  EXPECT_TRUE(Render(settings, {0, 0, 280, 126}, kWednesday13May) == plainLow) << "18-pixel cells";
}

// Today's line is part of its mark, in TodayColor on the disc as its number is.
TEST(RenderCalendar, TodaysLineIsOnItsDiscAsItsNumberIs) {
  TCalendarSettings settings = Coloured();
  settings.TodayStyle = 1;
  settings.Rokuyo = 1;
  const Pixels pixels = Render(settings, {0, 0, 280, 280}, Date(2026, 5, 7), {300, 300});
  const Rect today = Cell(2, 4, 40);
  const int64_t line = LineTop(Render(settings, {0, 0, 280, 280}, kWednesday13May, {300, 300}), today);
  EXPECT_TRUE(
      InkIn(pixels, {today.left + 8, line, today.right - 8, line + 6}).colours.contains(Seen(settings.TodayColor)));
}

// The eras come from the list Windows keeps, where it keeps one: an era it adds needs no new
// Tezun. Wine keeps none, so the test lays one down (and takes it away again).
TEST(ReadSystemEras, TheSystemsListWhereItKeepsOneElseMeijiToReiwa) {
  constexpr char kEras[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras";
  const auto builtIn = BuiltInEras();
  ASSERT_EQ(ReadSystemEras(), std::vector<Era>(builtIn.begin(), builtIn.end())) << "this prefix keeps no list";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kEras, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::pair<const char*, std::string> values[] = {
      {"1989 01 08", test::Bytes("95 BD 90 AC") + "_" + test::Bytes("95 BD") + "_Heisei_H"},
      {"2019 05 01", test::Bytes("97 DF 98 61") + "_" + test::Bytes("97 DF") + "_Reiwa_R"},
      {"2031 04 01", "Mirai_M_Mirai_M"},
  };
  for (const auto& [name, data] : values) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  }
  const std::vector<Era> eras = ReadSystemEras();
  RegCloseKey(key);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kEras);
  ASSERT_EQ(eras.size(), 3u);
  EXPECT_EQ(MonthTitle(year{2031} / 5 / 1, TitleForm::Era, eras), "Mirai" + test::Bytes("8C B3 94 4E 35 8C 8E"));
}

TEST(ApplyCalFont, SizeNameColourAndStyle) {
  TFont font;
  ApplyCalFont(font, TCalFont{"DejaVu Sans Mono", 9, 0x123456, fsBold | fsUnderline});
  EXPECT_EQ(font.Height(), 12) << "9 points at 96 pixels per inch";
  EXPECT_EQ(font.Size(), 9);
  EXPECT_EQ(font.Name(), "DejaVu Sans Mono");
  EXPECT_EQ(font.Color, 0x123456);
  EXPECT_EQ(font.Log().lfWeight, FW_BOLD);
  EXPECT_TRUE(font.Log().lfUnderline);
  EXPECT_FALSE(font.Log().lfItalic);
  EXPECT_EQ(font.Log().lfCharSet, DEFAULT_CHARSET);

  ApplyCalFont(font, TCalFont{"", 11, 0, fsItalic});
  EXPECT_EQ(font.Name(), "DejaVu Sans Mono") << "an empty name leaves the face";
  EXPECT_EQ(font.Height(), 15);
  EXPECT_EQ(font.Log().lfWeight, FW_NORMAL);

  const std::string gothic = test::Bytes("82 6C 82 72 20 83 53 83 56 83 62 83 4E");  // 13 bytes
  ApplyCalFont(font, TCalFont{gothic + gothic + gothic, 9, 0, 0});
  EXPECT_EQ(font.Name(), gothic + gothic + gothic.substr(0, 5)) << "31 bytes: two names, two characters, a space";
  ApplyCalFont(font, TCalFont{gothic + gothic + gothic.substr(0, 6), 9, 0, 0});
  EXPECT_EQ(font.Name(), gothic + gothic + gothic.substr(0, 5)) << "32 bytes would cut a character";
  EXPECT_STREQ(font.Log().lfFaceName, font.Name().c_str());
}

}  // namespace
}  // namespace tezun
