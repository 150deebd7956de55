#include "day_notes.h"

#include "holidays.h"
#include "koyomi.h"
#include "texts.h"

namespace tezun {

using namespace std::chrono;

std::optional<std::string_view> DayName(sys_days day, bool marked, const GridRules& rules) {
  const OwnDayEntry* own = rules.ownDays ? rules.ownDays->EntryOn(day) : nullptr;
  if (own && own->workingDay) return own->name.empty() ? std::nullopt : std::optional<std::string_view>(own->name);
  if (const auto name = HolidayName(DateOf(day), rules.holidays)) return name;
  if (rules.holidays == HolidayRuleSet::Table && marked && weekday{day} == Monday &&
      TableHolidayName(DateOf(day - days{1}))) {
    return kSubstituteHoliday;
  }
  if (own && !own->name.empty()) return own->name;
  return std::nullopt;
}

std::string DayNote(sys_days day, bool marked, const GridRules& rules, const DayNoteChoice& choice) {
  std::string note;
  auto add = [&](std::string_view text) {
    if (!note.empty()) note += ' ';
    note += text;
  };
  if (choice.names) {
    if (const auto name = DayName(day, marked, rules)) add(*name);
  }
  if (choice.terms) {
    if (const auto term = SolarTermOn(day)) add(kSolarTermNames[*term]);
  }
  if (choice.rokuyo) {
    if (const auto old = OldDateOn(day)) add(kRokuyoNames[static_cast<int>(RokuyoOf(*old))]);
  }
  return note;
}

}  // namespace tezun
