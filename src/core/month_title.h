// The title row's text: the month shown, in the Western form, by the Japanese era, or in English.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tezun {

// A Japanese era: the day it began and its name in Shift-JIS.
struct Era {
  std::chrono::sys_days start;
  std::string name;
  bool operator==(const Era&) const = default;
};

// The eras as Windows lists them (and extends through its updates when an era begins): value
// names "YYYY MM DD" with data "名前_略_English_E", in any order. What does not read as such is
// left out; the result is in order of the eras' beginnings.
std::vector<Era> ParseEraList(std::span<const std::pair<std::string, std::string>> values);

// Meiji to Reiwa, for systems that keep no list.
std::span<const Era> BuiltInEras();

// The titles' forms, as the "Title" option numbers them.
enum class TitleForm { Western = 1, Era = 2, English = 3 };

// The month of `today` as a title, in Shift-JIS: "2026年12月", "令和8年12月" ("令和元年5月" in an
// era's first year), "December 2026". The era is the one in force on `today`; before the first of
// `eras`, the Western form stands in.
std::string MonthTitle(std::chrono::year_month_day today, TitleForm form, std::span<const Era> eras);

}  // namespace tezun
