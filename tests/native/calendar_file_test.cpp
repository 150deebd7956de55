// Reading iCalendar files as the calendar does: the shapes that Google, Outlook, Apple and
// Thunderbird export (written here), encodings and folding, time zones and daylight saving, the
// days an event is on, titles in Shift-JIS, and files that are bad in every way.
#include "core/calendar_file.h"

#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/event_listing.h"
#include "support/sample_calendar.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Calendar;
using test::ListEvents;
using Lines = std::vector<std::string>;

// One event of the given lines.
std::string Event(const std::string& lines) { return Calendar("BEGIN:VEVENT\nUID:e\n" + lines + "\nEND:VEVENT"); }

TEST(CalendarFile, TheDaysAnEventIsOn) {
  const struct {
    const char* what;
    const char* lines;
    Lines listed;
  } cases[] = {
      {"all day, DTEND the day after the last",
       "DTSTART;VALUE=DATE:20261223\nDTEND;VALUE=DATE:20261226\nSUMMARY:Trip",
       {"2026-12-23 終日 Trip", "2026-12-24 終日 Trip", "2026-12-25 終日 Trip"}},
      {"all day without an end: its day", "DTSTART;VALUE=DATE:20261224\nSUMMARY:Eve", {"2026-12-24 終日 Eve"}},
      {"ending at midnight: not the next day",
       "DTSTART:20261210T220000\nDTEND:20261211T000000\nSUMMARY:Late",
       {"2026-12-10 22:00 Late"}},
      {"a minute past midnight: the next day too",
       "DTSTART:20261210T220000\nDTEND:20261211T000100\nSUMMARY:Later",
       {"2026-12-10 22:00 Later", "2026-12-11 続き Later"}},
      {"over three days",
       "DTSTART:20261218T190000\nDURATION:P2DT1H\nSUMMARY:Party",
       {"2026-12-18 19:00 Party", "2026-12-19 続き Party", "2026-12-20 続き Party"}},
      {"no end, no length", "DTSTART:20261201T093000\nSUMMARY:Call", {"2026-12-01 09:30 Call"}},
      {"begun last month",
       "DTSTART;VALUE=DATE:20261130\nDTEND;VALUE=DATE:20261203\nSUMMARY:Leave",
       {"2026-12-01 終日 Leave", "2026-12-02 終日 Leave"}},
      {"cancelled", "DTSTART:20261201T093000\nSTATUS:CANCELLED\nSUMMARY:Off", {}},
      {"no date at all", "SUMMARY:When?", {}},
      {"a date that is none", "DTSTART:2026133T0900\nSUMMARY:Bad", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ListEvents(Event(c.lines), 2026y / 12), c.listed) << c.what;
}

// The order drawn: all-day events and later days first, by when they began; then timed ones by
// their start; the same time by title.
TEST(CalendarFile, EventsOfADayInTheOrderDrawn) {
  const std::string file = Calendar(
      "BEGIN:VEVENT\nUID:1\nDTSTART:20261210T093000\nSUMMARY:B meeting\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:2\nDTSTART:20261210T093000\nSUMMARY:A meeting\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:3\nDTSTART;VALUE=DATE:20261210\nSUMMARY:Holiday\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:4\nDTSTART:20261209T230000\nDTEND:20261210T010000\nSUMMARY:Night\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:5\nDTSTART:20261210T080000\nSUMMARY:Early\nEND:VEVENT");
  const Lines listed = ListEvents(file, 2026y / 12);
  EXPECT_EQ(Lines(listed.begin() + 1, listed.end()),
            (Lines{"2026-12-10 続き Night", "2026-12-10 終日 Holiday", "2026-12-10 08:00 Early",
                   "2026-12-10 09:30 A meeting", "2026-12-10 09:30 B meeting"}));
}

// The days are the machine's: UTC, a zone the file defines (also by a Windows name, as Outlook
// writes), an IANA name it does not define (as Google writes), or floating, anywhere.
TEST(CalendarFile, TimeZonesAndDaylightSaving) {
  const std::string tokyo =
      "BEGIN:VTIMEZONE\nTZID:Tokyo Standard Time\nBEGIN:STANDARD\nDTSTART:16010101T000000\nTZOFFSETFROM:+0900\n"
      "TZOFFSETTO:+0900\nEND:STANDARD\nEND:VTIMEZONE\n";
  const struct {
    const char* what;
    std::string file;
    const char* machine;
    Lines listed;
  } cases[] = {
      {"UTC, in Tokyo", Event("DTSTART:20261209T160000Z\nSUMMARY:x"), "Asia/Tokyo", {"2026-12-10 01:00 x"}},
      {"UTC, in New York", Event("DTSTART:20261210T030000Z\nSUMMARY:x"), "America/New_York", {"2026-12-09 22:00 x"}},
      {"Outlook's zone, in New York",
       Calendar(tokyo +
                "BEGIN:VEVENT\nUID:o\nDTSTART;TZID=\"Tokyo Standard Time\":20261210T100000\nSUMMARY:x\nEND:VEVENT"),
       "America/New_York",
       {"2026-12-09 20:00 x"}},
      {"an IANA name, in Tokyo",
       Event("DTSTART;TZID=America/New_York:20261209T090000\nSUMMARY:x"),
       "Asia/Tokyo",
       {"2026-12-09 23:00 x"}},
      {"libical's own form of a name",
       Event("DTSTART;TZID=/citadel.org/20220930_1/Asia/Tokyo:20261210T100000\nSUMMARY:x"),
       "UTC",
       {"2026-12-10 01:00 x"}},
      {"a name nobody knows: floating",
       Event("DTSTART;TZID=Mars/Olympus:20261210T100000\nSUMMARY:x"),
       "UTC",
       {"2026-12-10 10:00 x"}},
      {"floating, in New York",
       Event("DTSTART:20261210T100000\nSUMMARY:x"),
       "America/New_York",
       {"2026-12-10 10:00 x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ListEvents(c.file, 2026y / 12, c.machine), c.listed) << c.what;

  // A weekly meeting at nine in New York, across the end of daylight saving (1 November 2026):
  // nine o'clock in New York throughout, 22:00 in Tokyo before it and 23:00 after.
  const std::string weekly = Event("DTSTART;TZID=America/New_York:20261022T090000\nRRULE:FREQ=WEEKLY\nSUMMARY:w");
  EXPECT_EQ(ListEvents(weekly, 2026y / 11, "America/New_York").front(), "2026-11-05 09:00 w");
  EXPECT_EQ(ListEvents(weekly, 2026y / 10, "Asia/Tokyo"), (Lines{"2026-10-22 22:00 w", "2026-10-29 22:00 w"}));
  EXPECT_EQ(ListEvents(weekly, 2026y / 11, "Asia/Tokyo").front(), "2026-11-05 23:00 w");
  // And the next spring's start (14 March 2027): 23:00 in Tokyo before it, 22:00 after.
  EXPECT_EQ(ListEvents(weekly, 2027y / 3, "Asia/Tokyo"),
            (Lines{"2027-03-04 23:00 w", "2027-03-11 23:00 w", "2027-03-18 22:00 w", "2027-03-25 22:00 w"}));
}

// Titles in Shift-JIS: what it cannot hold is "・"; line breaks and escapes as RFC 5545 writes them.
TEST(CalendarFile, TitlesInShiftJis) {
  const struct {
    const char* summary;
    std::string shiftJis;
  } cases[] = {
      {"会議", test::Bytes("89 EF 8B 63")},
      {"🎉忘年会", test::Bytes("81 45 96 59 94 4E 89 EF")},
      {"Café ①", "Caf" + test::Bytes("81 45 20 87 40")},
      {"a\\, b\\; c\\nd", "a, b; c d"},
      {"  padded  ", "padded"},
      {"\xE4\xBC\x9A\xFF", test::Bytes("89 EF 81 45")},  // a byte that is no UTF-8
  };
  for (const auto& c : cases) {
    const CalendarFile file = CalendarFile::Parse(Event(std::string("DTSTART:20261210T100000\nSUMMARY:") + c.summary),
                                                  test::IconvCodePage932);
    ASSERT_EQ(file.EventCount(), 1u) << c.summary;
    EXPECT_EQ(file.Title(0), c.shiftJis) << c.summary;
  }
}

// UTF-8 with or without its mark, CR LF or LF, lines folded anywhere, even inside a character.
TEST(CalendarFile, EncodingsAndFolding) {
  const std::string plain = Event("DTSTART:20261210T100000\nSUMMARY:忘年会の打ち合わせ");
  std::string lf = plain;
  std::erase(lf, '\r');
  // 忘 is E5 BF 98: folded after its first byte, and after its second.
  std::string folded = Event("DTSTART:20261210T100000\nSUMMARY:\xE5\n \xBF\x98年会の\n\t打ち合\xE3\x82\n \x8Fせ");
  for (const auto& [what, file] : {std::pair<const char*, std::string>{"CR LF", plain},
                                   {"LF", lf},
                                   {"with its mark", "\xEF\xBB\xBF" + plain},
                                   {"folded", folded}}) {
    EXPECT_EQ(ListEvents(file, 2026y / 12), (Lines{"2026-12-10 10:00 忘年会の打ち合わせ"})) << what;
  }
}

// What can be read is read: a truncated file gives the events before the cut, a file that is
// no calendar gives nothing, an event outside VCALENDAR is read all the same.
TEST(CalendarFile, BadFilesGiveWhatCanBeRead) {
  const std::string two = Calendar(
      "BEGIN:VEVENT\nUID:1\nDTSTART:20261210T100000\nSUMMARY:first\nEND:VEVENT\n"
      "BEGIN:VEVENT\nUID:2\nDTSTART:20261211T100000\nSUMMARY:second\nEND:VEVENT");
  EXPECT_EQ(ListEvents(two.substr(0, two.find("SUMMARY:second")), 2026y / 12), (Lines{"2026-12-10 10:00 first"}));
  EXPECT_EQ(ListEvents(two.substr(0, two.find("END:VCALENDAR")), 2026y / 12).size(), 2u) << "no end of the calendar";
  EXPECT_EQ(ListEvents(test::Bytes("89 50 4E 47 0D 0A 1A 0A 00 00 00 0D"), 2026y / 12), Lines{});
  const char garbage[] = "BEGIN:VCALENDAR\r\n\0\0garbage\r\nEND:VEVENT\r\nBEGIN:\r\nEND:VCALENDAR\r\nEND:X\r\n";
  EXPECT_EQ(ListEvents(std::string(garbage, sizeof garbage - 1), 2026y / 12), Lines{});
  EXPECT_EQ(ListEvents("BEGIN:VEVENT\r\nDTSTART:20261210T100000\r\nSUMMARY:loose\r\nEND:VEVENT\r\n", 2026y / 12),
            (Lines{"2026-12-10 10:00 loose"}));
  std::string withNul = two;
  withNul.insert(withNul.find("SUMMARY:first") + 9, std::string(1, '\0'));
  EXPECT_EQ(ListEvents(withNul, 2026y / 12).size(), 2u) << "a NUL ends nothing";
}

// The shapes of the exports people hand over, written here: Outlook's (a Windows zone, its
// all-day form, an exception), Apple's (VALUE=DATE, an alarm inside), Thunderbird's (Mozilla's
// zone names defined in the file); and a Google export of some years (as the bench's calendar).
TEST(CalendarFile, TheShapesOfExports) {
  const std::string outlook = Calendar(
      "METHOD:PUBLISH\nX-WR-CALNAME:予定表\nBEGIN:VTIMEZONE\nTZID:Tokyo Standard Time\nBEGIN:STANDARD\n"
      "DTSTART:16010101T000000\nTZOFFSETFROM:+0900\nTZOFFSETTO:+0900\nEND:STANDARD\nEND:VTIMEZONE\n"
      "BEGIN:VEVENT\nCLASS:PUBLIC\nDTEND;TZID=\"Tokyo Standard Time\":20261207T110000\n"
      "DTSTART;TZID=\"Tokyo Standard Time\":20261207T100000\nRRULE:FREQ=WEEKLY;BYDAY=MO\n"
      "EXDATE;TZID=\"Tokyo Standard Time\":20261228T100000\nSUMMARY;LANGUAGE=ja:週次会議\nUID:040000008200E00074C5B7\n"
      "X-MICROSOFT-CDO-BUSYSTATUS:BUSY\nEND:VEVENT\n"
      "BEGIN:VEVENT\nDTEND;VALUE=DATE:20261226\nDTSTART;VALUE=DATE:20261225\nSUMMARY;LANGUAGE=ja:休暇\n"
      "UID:040000008200E00074C5B8\nX-MICROSOFT-CDO-ALLDAYEVENT:TRUE\nEND:VEVENT");
  EXPECT_EQ(ListEvents(outlook, 2026y / 12), (Lines{"2026-12-07 10:00 週次会議", "2026-12-14 10:00 週次会議",
                                                    "2026-12-21 10:00 週次会議", "2026-12-25 終日 休暇"}));
  const std::string apple = Calendar(
      "CALSCALE:GREGORIAN\nX-WR-CALNAME:Home\nX-APPLE-CALENDAR-COLOR:#1BADF8\nBEGIN:VEVENT\nCREATED:20261101T000000Z\n"
      "DTEND;VALUE=DATE:20261203\nDTSTART;VALUE=DATE:20261202\nSUMMARY:誕生日\nRRULE:FREQ=YEARLY\nUID:A1B2-C3\n"
      "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-PT15M\nDESCRIPTION:Reminder\nEND:VALARM\nEND:VEVENT");
  EXPECT_EQ(ListEvents(apple, 2027y / 12), (Lines{"2027-12-02 終日 誕生日"}));
  const std::string thunderbird = Calendar(
      "PRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN\nBEGIN:VTIMEZONE\nTZID:Europe/Berlin\n"
      "BEGIN:DAYLIGHT\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0200\nTZNAME:CEST\nDTSTART:19700329T020000\n"
      "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\nEND:DAYLIGHT\nBEGIN:STANDARD\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
      "TZNAME:CET\nDTSTART:19701025T030000\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\nEND:STANDARD\nEND:VTIMEZONE\n"
      "BEGIN:VEVENT\nUID:tb-1\nSUMMARY:Stammtisch\nDTSTART;TZID=Europe/Berlin:20261210T190000\n"
      "DTEND;TZID=Europe/Berlin:20261210T230000\nEND:VEVENT");
  EXPECT_EQ(ListEvents(thunderbird, 2026y / 12), (Lines{"2026-12-11 03:00 Stammtisch"})) << "in Tokyo";
  const std::string google = test::SampleCalendar(1000, 2026y / 12);
  EXPECT_EQ(CalendarFile::Parse(google, test::IconvCodePage932).EventCount(), 1000u);
  EXPECT_GT(ListEvents(google, 2026y / 12).size(), 10u);
}

}  // namespace
}  // namespace tezun
