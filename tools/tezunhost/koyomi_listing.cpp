#include "koyomi_listing.h"

#include <charconv>
#include <chrono>
#include <cstdio>

#include "core/day_notes.h"
#include "core/koyomi.h"
#include "core/texts.h"
#include "date_text.h"
#include "host_error.h"

namespace tezunhost {

using namespace std::chrono;

namespace {

// The year of the text, when it is a whole number of the table's range and nothing else.
int TableYear(const std::string& yearText) {
  int value = 0;
  const char* end = yearText.data() + yearText.size();
  const auto [stop, error] = std::from_chars(yearText.data(), end, value);
  // Compared as ints: std::chrono::year keeps only 16 bits of what it is given.
  const int first = static_cast<int>(year_month_day{tezun::kKoyomiFirstDay}.year());
  const int last = static_cast<int>(year_month_day{tezun::kKoyomiLastDay}.year());
  if (error != std::errc{} || stop != end || value < first || value > last) {
    throw HostError("--year " + yearText + " is not a year from " + std::to_string(first) + " to " +
                    std::to_string(last));
  }
  return value;
}

}  // namespace

int PrintKoyomi(const std::string& yearText, bool all) {
  const year listed{TableYear(yearText)};
  const sys_days last{listed / December / 31};
  for (sys_days day{listed / January / 1}; day <= last; day += days{1}) {
    // Every day of the range has an old-calendar date; the year was checked against the range.
    const tezun::OldDate old = tezun::OldDateOn(day).value();
    std::string line = DateText(year_month_day{day}) + " " + tezun::OldDateText(old) + " " +
                       tezun::kRokuyoNames[static_cast<int>(tezun::RokuyoOf(old))];
    if (const auto term = tezun::SolarTermOn(day)) line += std::string(" ") + tezun::kSolarTermNames[*term];
    if (all) line += " / " + tezun::KoyomiMarks(day);
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

}  // namespace tezunhost
