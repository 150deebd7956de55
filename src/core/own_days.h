// The user's own days: days off of their own (a company's holidays, the year-end break) and
// working days on which the holiday rules would give a day off. One entry per line:
//
//   DATE[..DATE][ NAME]      a day off, or every day from the first DATE to the second
//   -DATE[..DATE][ NAME]     a working day, or days
//
// A DATE is YYYY-MM-DD (that day) or MM-DD (that day every year); a yearly range may wrap the
// year's end (12-29..01-03). NAME is free Shift-JIS text to the line's end. Lines end in CR LF or
// a lone LF. A line that does not parse is kept as it stands and counts for nothing.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tezun {

// The longest line that can parse, and the longest list that is read at all.
inline constexpr size_t kMaxOwnDayLineBytes = 255;
inline constexpr size_t kMaxOwnDaysBytes = size_t{64} * 1024;

struct OwnDayEntry {
  bool workingDay = false;
  bool yearly = false;
  std::chrono::sys_days from{}, to{};               // full dates, to >= from
  std::chrono::month_day yearlyFrom{}, yearlyTo{};  // yearly: wraps the year's end when to < from
  std::string name;                                 // Shift-JIS, may be empty

  bool Covers(std::chrono::sys_days day) const;
};

// A line of the text that does not parse: its number (from 1) and its bytes.
struct OwnDayLine {
  size_t number = 0;
  std::string text;
  bool operator==(const OwnDayLine&) const = default;
};

enum class OwnDayKind { None, DayOff, WorkingDay };

// The list as stored: its text, and the entries it gives.
class OwnDayList {
 public:
  OwnDayList() = default;
  explicit OwnDayList(std::string text);

  const std::string& Text() const { return text_; }
  const std::vector<OwnDayEntry>& Entries() const { return entries_; }
  // The lines that do not parse; empty lines are no entries but no faults either.
  const std::vector<OwnDayLine>& Rejected() const { return rejected_; }

  // What the list makes of a day: a working day wins over a day off.
  OwnDayKind KindOf(std::chrono::sys_days day) const;
  // The entry that decides it (the first working day that covers the day, or else the first day
  // off); nothing for a day no entry covers.
  const OwnDayEntry* EntryOn(std::chrono::sys_days day) const;

  bool operator==(const OwnDayList& other) const { return text_ == other.text_; }

 private:
  std::string text_;
  std::vector<OwnDayEntry> entries_;
  std::vector<OwnDayLine> rejected_;
};

// One line (without its line end), or nothing when it does not parse.
std::optional<OwnDayEntry> ParseOwnDayLine(std::string_view line);

// Lines of a file to add to the list: in the Cabinet Office's form ("2026/1/1,元日", after a
// header line) or in the list's own. Either the lines in the list's form, CR LF after each, or
// the first line that is neither.
struct OwnDayImport {
  std::string lines;
  std::optional<OwnDayLine> unreadable;
};
OwnDayImport ImportOwnDays(std::string_view file);

// The text split into its lines, without their line ends (a CR before an LF); a last line that
// is empty is no line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tezun
