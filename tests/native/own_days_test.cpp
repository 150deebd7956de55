#include "core/own_days.h"

#include <gtest/gtest.h>

#include "core/month_grid.h"
#include "support/bytes.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Bytes;

TDateTime Date(int y, unsigned m, unsigned d) { return DateOf(year{y} / month{m} / day{d}); }

// Every form of a line, and each kind of line that does not parse.
TEST(OwnDayLine, TheGrammar) {
  const std::string nenmatsu = Bytes("94 4E 96 96 94 4E 8E 6E");  // 年末年始
  const struct {
    std::string line;
    bool working;
    bool yearly;
    std::string name;
  } entries[] = {
      {"2026-08-13", false, false, ""},
      {"2026-08-13..2026-08-16 " + Bytes("82 A8 94 7E"), false, false, Bytes("82 A8 94 7E")},
      {"12-29..01-03 " + nenmatsu, false, true, nenmatsu},
      {"-2026-11-23 work, not a holiday", true, false, "work, not a holiday"},
      {"-05-01", true, true, ""},
      {"02-29 leap day", false, true, "leap day"},
      {"2026-08-13 " + std::string(244, 'x'), false, false, std::string(244, 'x')},  // 255 bytes
  };
  for (const auto& c : entries) {
    SCOPED_TRACE(c.line);
    const auto entry = ParseOwnDayLine(c.line);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->workingDay, c.working);
    EXPECT_EQ(entry->yearly, c.yearly);
    EXPECT_EQ(entry->name, c.name);
  }
  const std::string rejected[] = {
      "2026-02-29",  // no such day
      "02-30",       // no such day in any year
      "2026-13-01",
      "0000-01-01",
      "2026-08-16..2026-08-13",  // the end before the start
      "2026-08-13..08-16",       // a full date and a yearly one
      "2026-8-13",               // two digits for the month
      "2026/08/13",
      " 2026-08-13",
      "2026-08-13\tname",
      "--2026-08-13",
      "2026-08-13 " + std::string(245, 'x'),  // 256 bytes
  };
  for (const std::string& line : rejected) EXPECT_FALSE(ParseOwnDayLine(line).has_value()) << line;
}

TEST(OwnDayList, DaysCoveredAndTheLinesKeptAsTheyStand) {
  const OwnDayList list(
      "12-29..01-03 year end\r\n"
      "2026-08-13..2026-08-16 summer\n"
      "\r\n"
      "02-29 leap\r\n"
      "02-30 nonsense\r\n"
      "-2026-12-30 on duty\r\n"
      "-2026-08-15");
  ASSERT_EQ(list.Entries().size(), 5u);
  EXPECT_EQ(list.Rejected(), (std::vector<OwnDayLine>{{5, "02-30 nonsense"}}));
  const auto kind = [&](int y, unsigned m, unsigned d) { return list.KindOf(sys_days{year{y} / month{m} / day{d}}); };
  EXPECT_EQ(kind(2026, 12, 28), OwnDayKind::None);
  EXPECT_EQ(kind(2026, 12, 29), OwnDayKind::DayOff);
  EXPECT_EQ(kind(2026, 12, 30), OwnDayKind::WorkingDay) << "a working day wins";
  EXPECT_EQ(kind(2027, 1, 3), OwnDayKind::DayOff) << "across the year's end";
  EXPECT_EQ(kind(2027, 1, 4), OwnDayKind::None);
  EXPECT_EQ(kind(2026, 8, 14), OwnDayKind::DayOff);
  EXPECT_EQ(kind(2026, 8, 15), OwnDayKind::WorkingDay);
  EXPECT_EQ(kind(2027, 8, 14), OwnDayKind::None) << "that year only";
  EXPECT_EQ(kind(2028, 2, 29), OwnDayKind::DayOff);
  EXPECT_EQ(kind(2027, 2, 28), OwnDayKind::None) << "no leap day in a common year";
  EXPECT_EQ(kind(2027, 3, 1), OwnDayKind::None);
  EXPECT_EQ(OwnDayList("a\nb\n").Rejected().size(), 2u);
  EXPECT_EQ(OwnDayList("2026-01-02\n").Rejected().size(), 0u) << "a line end at the end is no line";
}

// Working day over holiday over own day off over Sunday: a working day is drawn in its column's
// font even on a holiday, an own day off as a holiday unless it is a Sunday, and own days have no
// substitutes; the holiday rules beneath are unchanged.
TEST(OwnDayList, TheMonthGridUnderEitherRules) {
  // May 2026: Sunday 3 (Constitution Day), 4 and 5 holidays, 6 the law's substitute day off.
  const OwnDayList list(
      "2026-05-01 foundation day\r\n"  // a Friday
      "2026-05-10 a Sunday off\r\n"    // a Sunday: drawn as one, and no substitute on the 11th
      "-2026-05-04 on duty\r\n"        // the table's substitute for the 3rd, and a holiday itself
      "-05-06\r\n"                     // the law's substitute, worked
      "05-20..05-21\r\n");
  const auto marked = [&](HolidayRuleSet rules) {
    std::vector<unsigned> days;
    for (const auto& row : BuildMonthGrid(Date(2026, 5, 13), GridRules{rules, 1, &list})) {
      for (const DayCell& cell : row) {
        if (cell.HolidayFlag) days.push_back(cell.Day);
      }
    }
    return days;
  };
  EXPECT_EQ(marked(HolidayRuleSet::Table), (std::vector<unsigned>{1, 5, 20, 21}));
  EXPECT_EQ(marked(HolidayRuleSet::Current), (std::vector<unsigned>{1, 5, 20, 21}));
  const OwnDayList none;
  EXPECT_EQ(BuildMonthGrid(Date(2026, 5, 13), GridRules{HolidayRuleSet::Table, 2, &none}),
            BuildMonthGrid(Date(2026, 5, 13), GridRules{HolidayRuleSet::Table, 2}));
}

// The Cabinet Office's file (a header, then "YYYY/M/D,NAME" in Shift-JIS), a list of the list's
// own, and a file that is neither.
TEST(ImportOwnDays, TheOfficialFormAndTheListsOwn) {
  const std::string gantan = Bytes("8C B3 93 FA");  // 元日
  const std::string header = Bytes(
      "8D 91 96 AF 82 CC 8F 6A 93 FA 81 45 8B 78 93 FA 8C 8E 93 FA 2C 8D 91 96 AF 82 CC 8F 6A 93 FA 81 45 8B 78 93 FA "
      "96 BC 8F CC");  // 国民の祝日・休日月日,国民の祝日・休日名称
  const std::string official = header + "\r\n2026/1/1," + gantan + "\r\n2026/1/12," + Bytes("90 AC 90 6C 82 CC 93 FA") +
                               "\r\n2026/11/3," + Bytes("95 B6 89 BB 82 CC 93 FA") + "\r\n";
  const OwnDayImport imported = ImportOwnDays(official);
  EXPECT_FALSE(imported.unreadable.has_value());
  EXPECT_EQ(imported.lines, "2026-01-01 " + gantan + "\r\n2026-01-12 " + Bytes("90 AC 90 6C 82 CC 93 FA") +
                                "\r\n2026-11-03 " + Bytes("95 B6 89 BB 82 CC 93 FA") + "\r\n");

  EXPECT_EQ(ImportOwnDays("12-29..01-03 year end\n-2026-05-06\n").lines, "12-29..01-03 year end\r\n-2026-05-06\r\n");

  const OwnDayImport broken = ImportOwnDays(header + "\r\n2026/1/1," + gantan + "\r\n2026/2/30,x\r\n2026/3/1,y");
  ASSERT_TRUE(broken.unreadable.has_value());
  EXPECT_EQ(*broken.unreadable, (OwnDayLine{3, "2026/2/30,x"}));
  EXPECT_TRUE(broken.lines.empty()) << "nothing of a file that cannot be read";

  EXPECT_EQ(ImportOwnDays("just some text\r\n").unreadable, (OwnDayLine{1, "just some text"}));
  EXPECT_TRUE(ImportOwnDays("").unreadable.has_value());
}

}  // namespace
}  // namespace tezun
