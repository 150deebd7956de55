#include "own_days.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace tezun {
namespace {

using namespace std::chrono;

// Exactly `digits` decimal digits at the start of `text`, taken off it.
std::optional<unsigned> Digits(std::string_view& text, size_t digits) {
  if (text.size() < digits) return std::nullopt;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
  if (error != std::errc{} || end != text.data() + digits) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

bool Take(std::string_view& text, std::string_view what) {
  if (!text.starts_with(what)) return false;
  text.remove_prefix(what.size());
  return true;
}

// YYYY-MM-DD or MM-DD at the start of `text`, taken off it.
struct Date {
  std::optional<year_month_day> full;
  month_day yearly{};
};
std::optional<Date> TakeDate(std::string_view& text) {
  std::string_view rest = text;
  const auto first = Digits(rest, 4);
  if (first && Take(rest, "-")) {
    const auto m = Digits(rest, 2);
    if (!m || !Take(rest, "-")) return std::nullopt;
    const auto d = Digits(rest, 2);
    const year_month_day day{year{static_cast<int>(*first)}, month{*m}, std::chrono::day{d.value_or(0)}};
    if (!d || *first == 0 || !day.ok()) return std::nullopt;
    text = rest;
    return Date{day, {}};
  }
  rest = text;
  const auto m = Digits(rest, 2);
  if (!m || !Take(rest, "-")) return std::nullopt;
  const auto d = Digits(rest, 2);
  const month_day day{month{*m}, std::chrono::day{d.value_or(0)}};
  if (!d || !day.ok()) return std::nullopt;  // 02-29 is a day: it comes in leap years
  text = rest;
  return Date{std::nullopt, day};
}

}  // namespace

bool OwnDayEntry::Covers(sys_days day) const {
  if (!yearly) return from <= day && day <= to;
  const year_month_day ymd{day};
  const month_day md{ymd.month(), ymd.day()};
  return yearlyFrom <= yearlyTo ? yearlyFrom <= md && md <= yearlyTo : md >= yearlyFrom || md <= yearlyTo;
}

std::optional<OwnDayEntry> ParseOwnDayLine(std::string_view line) {
  if (line.size() > kMaxOwnDayLineBytes) return std::nullopt;
  OwnDayEntry entry;
  entry.workingDay = Take(line, "-");
  const auto first = TakeDate(line);
  if (!first) return std::nullopt;
  Date last = *first;
  if (Take(line, "..")) {
    const auto second = TakeDate(line);
    if (!second || second->full.has_value() != first->full.has_value()) return std::nullopt;
    last = *second;
  }
  if (!line.empty() && !Take(line, " ")) return std::nullopt;
  entry.name = line;
  entry.yearly = !first->full;
  if (entry.yearly) {
    entry.yearlyFrom = first->yearly;
    entry.yearlyTo = last.yearly;
  } else {
    entry.from = sys_days{*first->full};
    entry.to = sys_days{*last.full};
    if (entry.to < entry.from) return std::nullopt;
  }
  return entry;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

OwnDayList::OwnDayList(std::string text) : text_(std::move(text)) {
  const std::vector<std::string_view> lines = SplitLines(text_);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    if (auto entry = ParseOwnDayLine(lines[i])) {
      entries_.push_back(std::move(*entry));
    } else {
      rejected_.push_back({i + 1, std::string(lines[i])});
    }
  }
}

const OwnDayEntry* OwnDayList::EntryOn(sys_days day) const {
  const OwnDayEntry* found = nullptr;
  for (const OwnDayEntry& entry : entries_) {
    if (!entry.Covers(day)) continue;
    if (entry.workingDay) return &entry;
    if (!found) found = &entry;
  }
  return found;
}

OwnDayKind OwnDayList::KindOf(sys_days day) const {
  const OwnDayEntry* entry = EntryOn(day);
  if (!entry) return OwnDayKind::None;
  return entry->workingDay ? OwnDayKind::WorkingDay : OwnDayKind::DayOff;
}

namespace {

// "YYYY/M/D,NAME[,...]", the Cabinet Office's form, as a line of the list.
std::optional<std::string> FromCabinetOfficeForm(std::string_view line) {
  std::string_view rest = line;
  int numbers[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), numbers[i]);
    if (error != std::errc{} || end == rest.data()) return std::nullopt;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
    if (!Take(rest, i < 2 ? "/" : ",")) return std::nullopt;
  }
  const year_month_day day{year{numbers[0]}, month{static_cast<unsigned>(numbers[1])},
                           std::chrono::day{static_cast<unsigned>(numbers[2])}};
  if (numbers[0] < 1 || numbers[0] > 9999 || numbers[1] < 1 || numbers[2] < 1 || !day.ok()) return std::nullopt;
  std::string_view name = rest.substr(0, rest.find(','));
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", numbers[0], static_cast<unsigned>(numbers[1]),
                static_cast<unsigned>(numbers[2]));
  std::string converted = text;
  if (!name.empty()) converted += ' ' + std::string(name);
  if (!ParseOwnDayLine(converted)) return std::nullopt;  // too long a name
  return converted;
}

}  // namespace

OwnDayImport ImportOwnDays(std::string_view file) {
  OwnDayImport import;
  const std::vector<std::string_view> lines = SplitLines(file);
  bool first = true;
  std::optional<OwnDayLine> headerLine;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty()) continue;
    const bool header = std::exchange(first, false);
    if (ParseOwnDayLine(line)) {
      import.lines += line;
    } else if (const auto converted = FromCabinetOfficeForm(line)) {
      import.lines += *converted;
    } else if (header) {
      headerLine = OwnDayLine{i + 1, std::string(line)};
      continue;  // "国民の祝日・休日月日,国民の祝日・休日名称", or a title of a list's own
    } else {
      return {{}, OwnDayLine{i + 1, std::string(line)}};
    }
    import.lines += "\r\n";
  }
  // A file with no day in it at all is no list either.
  if (import.lines.empty()) import.unreadable = headerLine.value_or(OwnDayLine{1, {}});
  return import;
}

}  // namespace tezun
