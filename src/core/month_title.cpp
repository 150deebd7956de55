#include "month_title.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "texts.h"

namespace tezun {
namespace {

using namespace std::chrono;

// "YYYY MM DD": three numbers separated by single spaces, a real day of the years 1 to 9999. The
// ranges are checked before the calendar types see the numbers: those keep a month or a day in a
// byte and a year in 16 bits, so 257 would wrap round to 1.
std::optional<sys_days> EraStart(std::string_view text) {
  int numbers[3] = {};
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i < 3; ++i) {
    if (i > 0 && (at == end || *at++ != ' ')) return std::nullopt;
    const auto [next, error] = std::from_chars(at, end, numbers[i]);
    if (error != std::errc{} || next == at) return std::nullopt;
    at = next;
  }
  if (at != end || numbers[0] < 1 || numbers[0] > 9999 || numbers[1] < 1 || numbers[1] > 12 || numbers[2] < 1 ||
      numbers[2] > 31) {
    return std::nullopt;
  }
  const year_month_day day{year{numbers[0]}, month{static_cast<unsigned>(numbers[1])},
                           std::chrono::day{static_cast<unsigned>(numbers[2])}};
  if (!day.ok()) return std::nullopt;
  return sys_days{day};
}

template <class Integer>
std::string Number(Integer value) {
  return std::to_string(value);
}

// Made when the module loads, not on first use behind a guard (see the note on ThreadDpiSwitch).
const Era kBuiltInEras[] = {
    {sys_days{year{1868} / 1 / 1}, kEraMeiji},   {sys_days{year{1912} / 7 / 30}, kEraTaisho},
    {sys_days{year{1926} / 12 / 25}, kEraShowa}, {sys_days{year{1989} / 1 / 8}, kEraHeisei},
    {sys_days{year{2019} / 5 / 1}, kEraReiwa},
};

}  // namespace

std::vector<Era> ParseEraList(std::span<const std::pair<std::string, std::string>> values) {
  std::vector<Era> eras;
  for (const auto& [name, data] : values) {
    const auto start = EraStart(name);
    const std::string eraName = data.substr(0, data.find('_'));
    if (start && !eraName.empty()) eras.push_back({*start, eraName});
  }
  std::sort(eras.begin(), eras.end(), [](const Era& a, const Era& b) { return a.start < b.start; });
  return eras;
}

std::span<const Era> BuiltInEras() { return kBuiltInEras; }

std::string MonthTitle(year_month_day today, TitleForm form, std::span<const Era> eras) {
  const int y = static_cast<int>(today.year());
  const unsigned m = static_cast<unsigned>(today.month());
  if (form == TitleForm::English) return std::string(kEnglishMonthNames[m - 1]) + " " + Number(y);
  if (form == TitleForm::Era) {
    const auto after = std::upper_bound(eras.begin(), eras.end(), sys_days{today},
                                        [](sys_days day, const Era& era) { return day < era.start; });
    if (after != eras.begin()) {
      const Era& era = *std::prev(after);
      const int eraYear = y - static_cast<int>(year_month_day{era.start}.year()) + 1;
      return era.name + (eraYear == 1 ? std::string(kFirstEraYear) : Number(eraYear) + kYearSuffix) + Number(m) +
             kMonthSuffix;
    }
  }
  return Number(y) + kYearSuffix + Number(m) + kMonthSuffix;
}

}  // namespace tezun
