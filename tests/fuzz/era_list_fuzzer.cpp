// The parser of the system's list of eras over any value names and data, given as text: a first
// line with the year of the title's day, then a value a line, "NAME=DATA" (the value name up to
// the first "="). It keeps exactly the values whose name is "YYYY MM DD" of a real day of the
// years 1 to 9999 (worked out here on plain numbers: signs, zeros in front and numbers beyond
// every range are the parser's to get right) and whose data has a name before its first "_",
// with that day and that name, in order of their days; the month's title names the era in force.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check.h"
#include "core/month_title.h"
#include "core/own_days.h"  // SplitLines

namespace {

using namespace std::chrono;
using tezun::Era;

// A decimal number that fits an int: an optional "-" and digits, as a parser of ints reads one.
std::optional<int64_t> TakeNumber(std::string_view& text) {
  size_t at = text.starts_with('-') ? 1 : 0;
  int64_t value = 0;
  const size_t first = at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + (text[at++] - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (at == first) return std::nullopt;
  if (first == 1) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  text.remove_prefix(at);
  return value;
}

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// The day a value name gives, by the rule above; its year, month and day.
std::optional<std::array<int64_t, 3>> ExpectedStart(std::string_view name) {
  std::array<int64_t, 3> numbers{};
  for (int i = 0; i < 3; ++i) {
    if (i > 0 && !name.starts_with(' ')) return std::nullopt;
    if (i > 0) name.remove_prefix(1);
    const auto number = TakeNumber(name);
    if (!number) return std::nullopt;
    numbers[i] = *number;
  }
  if (!name.empty()) return std::nullopt;
  const auto [y, m, d] = numbers;
  constexpr int64_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return std::nullopt;
  if (d > kDays[m - 1] + (m == 2 && IsLeap(y) ? 1 : 0)) return std::nullopt;
  return numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string_view> lines = tezun::SplitLines(input);
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 1; i < lines.size() && values.size() < 64; ++i) {
    const size_t equals = lines[i].find('=');
    values.emplace_back(lines[i].substr(0, equals),
                        equals == std::string_view::npos ? std::string_view() : lines[i].substr(equals + 1));
  }

  const std::vector<Era> eras = tezun::ParseEraList(values);

  std::vector<Era> expected;
  for (const auto& [name, value] : values) {
    const auto start = ExpectedStart(name);
    const std::string eraName = value.substr(0, value.find('_'));
    if (!start || eraName.empty()) continue;
    const year_month_day day{year{static_cast<int>((*start)[0])}, month{static_cast<unsigned>((*start)[1])},
                             std::chrono::day{static_cast<unsigned>((*start)[2])}};
    FUZZ_CHECK(day.ok());
    expected.push_back({sys_days{day}, eraName});
  }
  FUZZ_CHECK(eras.size() == expected.size());
  FUZZ_CHECK(std::is_sorted(eras.begin(), eras.end(), [](const Era& a, const Era& b) { return a.start < b.start; }));
  for (const Era& era : eras) {
    FUZZ_CHECK(std::find(expected.begin(), expected.end(), era) != expected.end());
    FUZZ_CHECK(!era.name.empty() && era.name.find('_') == std::string::npos);
  }

  // A month's title by these eras: the era in force on the day, or the Western form before any.
  std::string_view first = lines.empty() ? std::string_view() : lines[0];
  const auto number = TakeNumber(first);
  const int todayYear = number && *number >= 1 && *number <= 9999 ? static_cast<int>(*number) : 2026;
  const year_month_day today{year{todayYear}, month{1}, day{1}};
  const std::string title = tezun::MonthTitle(today, tezun::TitleForm::Era, eras);
  const std::string western = tezun::MonthTitle(today, tezun::TitleForm::Western, eras);
  const auto inForce =
      std::find_if(eras.rbegin(), eras.rend(), [&](const Era& e) { return e.start <= sys_days{today}; });
  if (inForce == eras.rend()) {
    FUZZ_CHECK(title == western);
  } else {
    FUZZ_CHECK(title.starts_with(inForce->name));
  }
  return 0;
}
