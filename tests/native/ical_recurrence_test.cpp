// Recurrence as libical follows it for the calendar: the examples of RFC 5545 (3.8.5.3), each
// checked on the days of one month, with RDATE, EXDATE and the instances a file moves or cancels.
#include <gtest/gtest.h>

#include <set>

#include "support/event_listing.h"

namespace tezun {
namespace {

using namespace std::chrono;

// The days of the month an event's occurrences fall on, in New York as the RFC's examples are.
std::vector<unsigned> DaysOf(const std::string& lines, year_month month) {
  std::set<unsigned> days;
  for (const std::string& line : test::ListEvents(test::Calendar(lines), month, "America/New_York")) {
    days.insert(static_cast<unsigned>(std::stoi(line.substr(8, 2))));
  }
  return {days.begin(), days.end()};
}

std::string Rule(const char* start, const char* rule) {
  return std::string("BEGIN:VEVENT\nUID:x\nSUMMARY:x\nDTSTART;TZID=America/New_York:") + start + "\nRRULE:" + rule +
         "\nEND:VEVENT";
}

TEST(IcalRecurrence, TheExamplesOfRfc5545) {
  const struct {
    const char* start;
    const char* rule;
    year_month month;
    std::vector<unsigned> days;
  } cases[] = {
      {"19970902T090000", "FREQ=DAILY;COUNT=10", 1997y / 9, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"19970902T090000", "FREQ=DAILY;UNTIL=19971224T000000Z", 1997y / 12, {1,  2,  3,  4,  5,  6,  7,  8,
                                                                            9,  10, 11, 12, 13, 14, 15, 16,
                                                                            17, 18, 19, 20, 21, 22, 23}},
      {"19970902T090000",
       "FREQ=DAILY;INTERVAL=2",
       1997y / 10,
       {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30}},
      {"19970902T090000", "FREQ=DAILY;INTERVAL=10;COUNT=5", 1997y / 10, {2, 12}},
      {"19980101T090000",
       "FREQ=YEARLY;UNTIL=20000131T140000Z;BYMONTH=1;BYDAY=SU,MO,TU,WE,TH,FR,SA",
       2000y / 1,
       {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
        17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}},
      {"19970902T090000", "FREQ=WEEKLY;COUNT=10", 1997y / 10, {7, 14, 21, 28}},
      {"19970901T090000",
       "FREQ=WEEKLY;INTERVAL=2;UNTIL=19971224T000000Z;WKST=SU;BYDAY=MO,WE,FR",
       1997y / 12,
       {8, 10, 12, 22}},
      {"19970905T090000", "FREQ=MONTHLY;COUNT=10;BYDAY=1FR", 1998y / 6, {5}},
      {"19970922T090000", "FREQ=MONTHLY;COUNT=6;BYDAY=-2MO", 1998y / 2, {16}},
      {"19970922T090000", "FREQ=MONTHLY;COUNT=6;BYDAY=-2MO", 1998y / 3, {}},
      {"19970928T090000", "FREQ=MONTHLY;BYMONTHDAY=-3", 1998y / 2, {26}},
      {"19970610T090000", "FREQ=YEARLY;COUNT=10;BYMONTH=6,7", 2001y / 7, {10}},
      {"19970519T090000", "FREQ=YEARLY;BYDAY=20MO", 1999y / 5, {17}},
      {"19970512T090000", "FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", 1999y / 5, {17}},
      {"19970902T090000", "FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13", 1998y / 11, {13}},
      {"19970913T090000", "FREQ=MONTHLY;BYDAY=SA;BYMONTHDAY=7,8,9,10,11,12,13", 1998y / 2, {7}},
      {"19961105T090000", "FREQ=YEARLY;INTERVAL=4;BYMONTH=11;BYDAY=TU;BYMONTHDAY=2,3,4,5,6,7,8", 2004y / 11, {2}},
      {"19970904T090000", "FREQ=MONTHLY;COUNT=3;BYDAY=TU,WE,TH;BYSETPOS=3", 1997y / 10, {7}},
      {"19970929T090000", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2", 1998y / 1, {29}},
      {"19970902T090000", "FREQ=HOURLY;INTERVAL=3;UNTIL=19970902T170000Z", 1997y / 9, {2}},
      {"19970902T090000", "FREQ=MINUTELY;INTERVAL=15;COUNT=6", 1997y / 9, {2}},
      {"19970805T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=MO", 1997y / 8, {5, 10, 19, 24}},
      {"19970805T090000", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=SU", 1997y / 8, {5, 17, 19, 31}},
      {"20070115T090000", "FREQ=MONTHLY;BYMONTHDAY=15,30;COUNT=5", 2007y / 2, {15}},
      {"20070115T090000", "FREQ=MONTHLY;BYMONTHDAY=15,30;COUNT=5", 2007y / 3, {15, 30}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DaysOf(Rule(c.start, c.rule), c.month), c.days)
        << c.rule << " in " << static_cast<int>(c.month.year()) << "-" << static_cast<unsigned>(c.month.month());
  }
}

// However long ago a rule began and however far it would go, the days drawn are all that is
// followed; one that never matches, or repeats every second, gives what can be given.
TEST(IcalRecurrence, EndlessAndImpossibleRules) {
  EXPECT_EQ(DaysOf(Rule("19900101T090000", "FREQ=DAILY"), 2026y / 2).size(), 28u);
  EXPECT_EQ(DaysOf(Rule("19900101T090000", "FREQ=DAILY;COUNT=20000"), 2026y / 2).size(), 28u);
  EXPECT_EQ(DaysOf(Rule("19900101T090000", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30"), 2026y / 2),
            (std::vector<unsigned>{}));
  // Every second from 1990 with a count: not followed that far; its first occurrence stays.
  EXPECT_EQ(DaysOf(Rule("19900101T090000", "FREQ=SECONDLY;COUNT=999999999;BYMONTH=2;BYMONTHDAY=30"), 1990y / 1),
            (std::vector<unsigned>{1}));
  EXPECT_EQ(DaysOf(Rule("20260201T090000", "FREQ=MINUTELY;INTERVAL=7"), 2026y / 2).size(), 28u);
  EXPECT_EQ(DaysOf(Rule("20260201T090000", "FREQ=NOTAFREQUENCY"), 2026y / 2), (std::vector<unsigned>{1}));
}

// RDATE adds days (a date, or a period), EXDATE takes them away; the file's RECURRENCE-ID moves an
// occurrence or cancels it; a cancelled event is gone with its instances.
TEST(IcalRecurrence, ExtraExcludedMovedAndCancelledOccurrences) {
  const std::string weekly =
      "BEGIN:VEVENT\nUID:w\nSUMMARY:Weekly\nDTSTART;TZID=America/New_York:20261201T100000\n"
      "DTEND;TZID=America/New_York:20261201T110000\nRRULE:FREQ=WEEKLY;COUNT=5\n"
      "EXDATE;TZID=America/New_York:20261208T100000\n"
      "RDATE;VALUE=PERIOD:20261219T150000Z/20261219T160000Z\nRDATE;VALUE=DATE:20261230\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:w\nSUMMARY:Weekly, moved\nRECURRENCE-ID;TZID=America/New_York:20261215T100000\n"
      "DTSTART;TZID=America/New_York:20261216T140000\nDTEND;TZID=America/New_York:20261216T150000\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:w\nSUMMARY:Weekly\nRECURRENCE-ID:20261222T150000Z\nSTATUS:CANCELLED\n"
      "DTSTART:20261222T150000Z\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:gone\nSUMMARY:Gone\nDTSTART:20261210T150000Z\nRRULE:FREQ=DAILY\nSTATUS:CANCELLED\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:gone\nSUMMARY:Gone too\nRECURRENCE-ID:20261211T150000Z\nDTSTART:20261211T170000Z\nEND:VEVENT";
  EXPECT_EQ(test::ListEvents(test::Calendar(weekly), 2026y / 12, "America/New_York"),
            (std::vector<std::string>{"2026-12-01 10:00 Weekly", "2026-12-16 14:00 Weekly, moved",
                                      "2026-12-19 10:00 Weekly", "2026-12-29 10:00 Weekly"}))
      << "the 8th excluded, the 15th moved to the 16th, the 22nd cancelled; the RDATEs' period on the 19th; "
         "a date RDATE of a timed event is no instant it can be at";
}

}  // namespace
}  // namespace tezun
