// What a day's cell shows under its number, and where its texts go.
#include "core/day_notes.h"

#include <gtest/gtest.h>

#include "core/calendar_layout.h"
#include "core/koyomi.h"
#include "core/texts.h"
#include "support/iconv_code_page.h"

namespace tezun {
namespace {

using namespace std::chrono;

std::string Joined(std::initializer_list<std::string_view> texts) {
  std::string joined;
  for (std::string_view text : texts) joined += (joined.empty() ? "" : " ") + std::string(text);
  return joined;
}

std::string_view RokuyoName(sys_days day) { return kRokuyoNames[static_cast<int>(RokuyoOf(*OldDateOn(day)))]; }

TEST(DayNote, NamesUnderEitherRulesAndTheUsersOwnDays) {
  const OwnDayList own("-2026-01-01 work\n-2026-11-03\n2026-08-13 obon\n2026-11-23 mine\n2026-12-01");
  struct Case {
    year_month_day day;
    HolidayRuleSet rules;
    bool marked;
    std::string expected;
    const char* why;
  };
  const Case cases[] = {
      {2026y / 5 / 4, HolidayRuleSet::Table, true, kCitizensHoliday, "the table's own row"},
      {2026y / 5 / 6, HolidayRuleSet::Table, false, "", "no day off under the table"},
      {2026y / 5 / 6, HolidayRuleSet::Current, true, kSubstituteHoliday, "the law's substitute"},
      {2025y / 11 / 24, HolidayRuleSet::Table, true, kSubstituteHoliday, "the Monday the grid marks"},
      {2025y / 11 / 24, HolidayRuleSet::Table, false, "", "a Monday the grid does not mark"},
      {2026y / 9 / 22, HolidayRuleSet::Current, true, kCitizensHoliday, "between two holidays"},
      {2026y / 2 / 23, HolidayRuleSet::Current, true, kEmperorsBirthday, "the law's"},
      {2026y / 2 / 23, HolidayRuleSet::Table, false, "", "not the table's"},
      {2026y / 3 / 20, HolidayRuleSet::Table, true, kVernalEquinoxDay, "the equinox the table computes"},
      {2026y / 1 / 1, HolidayRuleSet::Table, false, "work", "a working day's own name, never the holiday's"},
      {2026y / 11 / 3, HolidayRuleSet::Current, false, "", "a working day without one"},
      {2026y / 8 / 13, HolidayRuleSet::Current, true, "obon", "an own day off's name"},
      {2026y / 11 / 23, HolidayRuleSet::Current, true, kLabourThanksgivingDay, "a holiday's before an own day's"},
      {2026y / 12 / 1, HolidayRuleSet::Current, true, "", "an own day off without one"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const GridRules rules{c.rules, 1, &own};
    EXPECT_EQ(DayNote(sys_days{c.day}, c.marked, rules, {true, false, false}), c.expected);
  }
}

TEST(DayNote, TextsInTheirOrderWithOneSpaceAndOnlyWhereKnown) {
  const GridRules table{};
  const sys_days equinox{2026y / 3 / 20}, risshun{2026y / 2 / 4};
  EXPECT_EQ(DayNote(equinox, true, table, {true, true, true}),
            Joined({kVernalEquinoxDay, kSolarTermNames[5], RokuyoName(equinox)}));
  EXPECT_EQ(DayNote(equinox, true, table, {false, true, false}), kSolarTermNames[5]);
  EXPECT_EQ(DayNote(risshun, false, table, {true, true, true}), Joined({kSolarTermNames[2], kRokuyoNames[5]}))
      << "2026-02-04: 立春 仏滅, no name";
  EXPECT_EQ(DayNote(risshun, false, table, {}), "");
  // Terms and 六曜 end with the table of the old calendar; names do not.
  EXPECT_EQ(DayNote(sys_days{2101y / 1 / 1}, true, table, {true, true, true}), kNewYearsDay);
  EXPECT_EQ(DayNote(sys_days{1899y / 12 / 31}, false, table, {true, true, true}), "");
  EXPECT_EQ(DayNote(sys_days{1900y / 1 / 1}, false, table, {false, false, true}), RokuyoName(sys_days{1900y / 1 / 1}));
}

std::string Sjis(std::u16string_view text) { return test::IconvCodePage932(text).value(); }

// The six in the order name, term, 雑節, 六曜, 干支, 開運日: 2023-03-21, 春分の日 on 春分 and 社日,
// 戊寅 in 卯月, 一粒万倍日, 天赦日 and 寅の日 at once.
TEST(DayNote, AllSixInTheirOrder) {
  const GridRules table{};
  const sys_days day{2023y / 3 / 21};
  const DayNoteChoice all{true, true, true, true, true, true};
  EXPECT_EQ(DayNote(day, true, table, all),
            Sjis(u"春分の日 春分 社日 ") + std::string(RokuyoName(day)) + Sjis(u" 戊寅 一粒万倍日 天赦日 寅の日"));
  EXPECT_EQ(DayNote(day, true, table, {false, false, false, false, true, false}), Sjis(u"戊寅"));
  EXPECT_EQ(DayNote(day, true, table, {false, false, false, true, false, true}),
            Sjis(u"社日 一粒万倍日 天赦日 寅の日"));
  // 干支, 雑節 and 開運日 end with the table, as the terms do.
  EXPECT_EQ(DayNote(sys_days{2101y / 1 / 1}, true, table, all), kNewYearsDay);
  EXPECT_EQ(DayNote(sys_days{1899y / 12 / 31}, false, table, all), "");
  EXPECT_TRUE((DayNoteChoice{false, false, false, false, false, true}.Any())) << "開運日 alone is a line";
}

TEST(KoyomiMarks, WhatTheFullListingAdds) {
  const struct {
    year_month_day day;
    std::u16string_view marks;
  } cases[] = {
      {2024y / 1 / 1, u"甲子 一粒万倍日 天赦日"}, {2026y / 2 / 3, u"戊申 節分"},
      {2026y / 7 / 26, u"辛丑 土用の丑"},         {2024y / 4 / 9, u"癸卯 一粒万倍日 新月"},
      {2024y / 3 / 25, u"戊子 社日 満月"},        {2025y / 7 / 19, u"己丑 土用入り 土用の丑"},
  };
  for (const auto& c : cases) EXPECT_EQ(KoyomiMarks(sys_days{c.day}), Sjis(c.marks)) << static_cast<int>(c.day.year());
  EXPECT_EQ(KoyomiMarks(kKoyomiLastDay + days{1}), "");
  EXPECT_EQ(KoyomiMarks(kKoyomiFirstDay - days{1}), "");
}

TEST(DayTexts, NumberAndLineCentredAsAPairWhereBothFit) {
  struct Case {
    int64_t cellHeight = 0, numberHeight = 0, noteHeight = 0;
    Rect number;
    std::optional<Rect> note;
  };
  const Case cases[] = {
      {28, 12, 8, {0, 14, 28, 26}, Rect{0, 26, 28, 34}},  // 4 pixels above and below the pair
      {20, 12, 8, {0, 10, 28, 22}, Rect{0, 22, 28, 30}},  // just fits
      {19, 12, 8, {0, 10, 28, 29}, std::nullopt},         // too low: the number alone, in the whole cell
      {29, 12, 8, {0, 14, 28, 26}, Rect{0, 26, 28, 34}},  // the odd pixel below
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cellHeight);
    const DayTextBoxes boxes = PlaceDayTexts({0, 10, 28, 10 + c.cellHeight}, c.numberHeight, c.noteHeight);
    EXPECT_EQ(boxes.number, c.number);
    EXPECT_EQ(boxes.note, c.note);
  }
}

TEST(DayTexts, ALineIsCutAtACharacterBoundaryToTheWidth) {
  const std::string text = "ab\x91\xE5\x88\xC0";  // "ab大安"
  const int ends[] = {5, 10, 22, 22, 34, 34};
  struct Case {
    int64_t width;
    size_t bytes;
  };
  for (const Case c : {Case{100, 6}, Case{34, 6}, Case{33, 4}, Case{22, 4}, Case{21, 2}, Case{4, 0}, Case{-1, 0}}) {
    EXPECT_EQ(FittingBytes(text, ends, c.width), c.bytes) << c.width;
  }
  EXPECT_EQ(FittingBytes("a\x91", std::vector<int>{5, 9}, 100), 1u) << "a lead byte at the end is no character";
}

// Lines break at the last space that fits, else at a character; the last line is cut; one line is
// what FittingBytes gives.
TEST(DayTexts, ALongNoteWrapsAtSpacesThenCharacters) {
  const std::string text = "ab cd\x91\xE5\x88\xC0";  // "ab cd大安"
  const std::vector<int> ends = {5, 10, 13, 18, 23, 35, 35, 47, 47};
  using L = std::vector<TextLine>;
  const struct {
    int64_t width;
    int maxLines;
    L lines;
  } cases[] = {
      {100, 3, L{{0, 9}}},                 // whole
      {24, 3, L{{0, 2}, {3, 7}, {7, 9}}},  // "ab" / "cd大" / "安"
      {24, 2, L{{0, 2}, {3, 7}}},          // the rest cut
      {24, 1, L{{0, 5}}},                  // one line: cut at a character, as ever
      {12, 3, L{{0, 2}, {3, 5}, {5, 7}}},  // "ab" / "cd" / "大"
      {4, 3, L{}},                         // not one character fits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WrapText(text, ends, c.width, c.maxLines), c.lines) << c.width << " " << c.maxLines;
    if (c.maxLines == 1) EXPECT_EQ(c.lines.at(0).end, FittingBytes(text, ends, c.width));
  }
}

TEST(DayTexts, AsManyLinesAsTheCellHoldsUpToTheMost) {
  const struct {
    int64_t cellHeight;
    int maxLines, lines;
    int64_t numberTop;
  } cases[] = {
      {28, 1, 1, 14}, {27, 3, 1, 13},  // one line: the pair as ever
      {28, 3, 2, 10}, {31, 3, 2, 11},  // two, centred as a block with the number
      {36, 3, 3, 10}, {80, 3, 3, 32},  // three, the most
      {19, 3, 0, 10},                  // none: the number alone in the cell
  };
  for (const auto& c : cases) {
    const DayTextBoxes boxes = PlaceDayTexts({0, 10, 28, 10 + c.cellHeight}, 12, 8, c.maxLines);
    EXPECT_EQ(boxes.lines, c.lines) << c.cellHeight;
    EXPECT_EQ(boxes.number.top, c.numberTop) << c.cellHeight;
  }
}

TEST(DayTexts, TheMoonInTheTopRightCornerWhereItFits) {
  EXPECT_EQ(MoonBox({0, 0, 40, 40}, 8), (Rect{33, 1, 39, 7}));
  EXPECT_EQ(MoonBox({100, 50, 160, 110}, 16), (Rect{146, 52, 158, 64}));
  EXPECT_FALSE(MoonBox({0, 0, 7, 40}, 8).has_value()) << "too narrow";
  EXPECT_FALSE(MoonBox({0, 0, 40, 40}, 3).has_value()) << "too small to draw";
}

}  // namespace
}  // namespace tezun
