// The own-days list over any bytes, and the lookup of days in it. A first line "*SIZE" repeats the
// rest to exactly SIZE bytes (up to 1 KiB past the 64 KiB a stored list may hold: no list is
// longer, and each such input costs the fuzzer as much as hundreds of small ones). Every
// line that is not empty is either an entry or kept as rejected with its number; an entry written
// out again parses to the same entry; the text parses again to the same list; and the kind of a
// day (days at the ends of the calendar, a leap day, and the edges of the first entries) is what
// the entries say by a rule worked out here on plain numbers: a working day wins over a day off.
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "check.h"
#include "core/own_days.h"

namespace {

using namespace std::chrono;
using tezun::OwnDayEntry;
using tezun::OwnDayKind;
using tezun::OwnDayList;

constexpr int32_t kFirstDay = -719162;  // 0001-01-01, days from 1970-01-01
constexpr int32_t kLastDay = 2932896;   // 9999-12-31

std::string DateText(sys_days day) {
  const year_month_day ymd{day};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  return text;
}

std::string DateText(month_day day) {
  char text[8];
  std::snprintf(text, sizeof text, "%02u-%02u", static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text;
}

// The entry as a line of the list's own form, no longer than the line it came from: a range of
// one day as that day alone.
std::string LineOf(const OwnDayEntry& entry) {
  std::string line = entry.workingDay ? "-" : "";
  if (entry.yearly) {
    line += DateText(entry.yearlyFrom);
    if (entry.yearlyTo != entry.yearlyFrom) line += ".." + DateText(entry.yearlyTo);
  } else {
    line += DateText(entry.from);
    if (entry.to != entry.from) line += ".." + DateText(entry.to);
  }
  if (!entry.name.empty()) line += " " + entry.name;
  return line;
}

// Whether the entry covers the day, on month * 100 + day numbers for the yearly kind.
bool Covers(const OwnDayEntry& entry, sys_days day) {
  if (!entry.yearly) return entry.from <= day && day <= entry.to;
  const year_month_day ymd{day};
  const unsigned at = static_cast<unsigned>(ymd.month()) * 100 + static_cast<unsigned>(ymd.day());
  const unsigned from =
      static_cast<unsigned>(entry.yearlyFrom.month()) * 100 + static_cast<unsigned>(entry.yearlyFrom.day());
  const unsigned to = static_cast<unsigned>(entry.yearlyTo.month()) * 100 + static_cast<unsigned>(entry.yearlyTo.day());
  return from <= to ? from <= at && at <= to : at >= from || at <= to;
}

void CheckDay(const OwnDayList& list, sys_days day) {
  if (day < sys_days{days{kFirstDay}} || day > sys_days{days{kLastDay}}) return;
  OwnDayKind expected = OwnDayKind::None;
  for (const OwnDayEntry& entry : list.Entries()) {
    if (!Covers(entry, day)) continue;
    if (entry.workingDay) {
      expected = OwnDayKind::WorkingDay;
      break;
    }
    expected = OwnDayKind::DayOff;
  }
  FUZZ_CHECK(list.KindOf(day) == expected);
  const OwnDayEntry* decides = list.EntryOn(day);
  FUZZ_CHECK((decides == nullptr) == (expected == OwnDayKind::None));
  if (decides) {
    FUZZ_CHECK(decides >= list.Entries().data() && decides < list.Entries().data() + list.Entries().size());
    FUZZ_CHECK(decides->Covers(day) && decides->workingDay == (expected == OwnDayKind::WorkingDay));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string text(input);
  if (input.starts_with('*')) {
    size_t length = 0;
    const auto [end, error] = std::from_chars(input.data() + 1, input.data() + input.size(), length);
    if (error == std::errc{} && end < input.data() + input.size() && *end == '\n' &&
        length <= tezun::kMaxOwnDaysBytes + 1024) {
      const std::string_view piece = input.substr(static_cast<size_t>(end + 1 - input.data()));
      text.clear();
      while (!piece.empty() && text.size() < length) text += piece;
      text.resize(length, '\n');
    }
  }

  const OwnDayList list(text);
  FUZZ_CHECK(list.Text() == text);
  size_t lines = 0, entry = 0, rejected = 0;
  const auto split = tezun::SplitLines(text);
  for (size_t i = 0; i < split.size(); ++i) {
    if (split[i].empty()) continue;
    ++lines;
    if (const auto parsed = tezun::ParseOwnDayLine(split[i])) {
      FUZZ_CHECK(entry < list.Entries().size());
      const OwnDayEntry& kept = list.Entries()[entry++];
      FUZZ_CHECK(kept.workingDay == parsed->workingDay && kept.name == parsed->name);
      // Written out again, the entry reads as itself.
      const auto again = tezun::ParseOwnDayLine(LineOf(kept));
      FUZZ_CHECK(again.has_value());
      FUZZ_CHECK(again->workingDay == kept.workingDay && again->yearly == kept.yearly && again->name == kept.name);
      if (kept.yearly) {
        FUZZ_CHECK(kept.yearlyFrom.ok() && kept.yearlyTo.ok());
        FUZZ_CHECK(again->yearlyFrom == kept.yearlyFrom && again->yearlyTo == kept.yearlyTo);
      } else {
        FUZZ_CHECK(kept.from <= kept.to);
        FUZZ_CHECK(again->from == kept.from && again->to == kept.to);
      }
    } else {
      FUZZ_CHECK(rejected < list.Rejected().size());
      FUZZ_CHECK(list.Rejected()[rejected].number == i + 1 && list.Rejected()[rejected].text == split[i]);
      ++rejected;
    }
  }
  FUZZ_CHECK(entry == list.Entries().size() && rejected == list.Rejected().size());
  FUZZ_CHECK(lines == entry + rejected);

  // The same text makes the same list.
  const OwnDayList again(list.Text());
  FUZZ_CHECK(again == list && again.Entries().size() == entry && again.Rejected() == list.Rejected());

  // The lookups: the calendar's ends, a leap day, and the edges of the first entries.
  for (const sys_days day : {sys_days{days{kFirstDay}}, sys_days{days{kLastDay}}, sys_days{year{2024} / 2 / 29},
                             sys_days{year{2026} / 12 / 31}}) {
    CheckDay(list, day);
  }
  for (size_t i = 0; i < list.Entries().size() && i < 4; ++i) {
    const OwnDayEntry& e = list.Entries()[i];
    const sys_days from = e.yearly ? sys_days{year{2024} / e.yearlyFrom} : e.from;
    const sys_days to = e.yearly ? sys_days{year{2025} / e.yearlyTo} : e.to;
    for (const sys_days day : {from - days{1}, from, to, to + days{1}}) CheckDay(list, day);
  }
  return 0;
}
