#include "day_notes.h"

#include "holidays.h"
#include "kaiun.h"
#include "kanshi.h"
#include "koyomi.h"
#include "texts.h"
#include "zassetsu.h"

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

namespace {

// Adds a text to a line, a space before it unless it is the first.
void Add(std::string& line, std::string_view text) {
  if (!line.empty()) line += ' ';
  line += text;
}

bool InRange(sys_days day) { return day >= kKoyomiFirstDay && day <= kKoyomiLastDay; }

void AddZassetsu(std::string& line, sys_days day) {
  for (Zassetsu z : ZassetsuOn(day)) Add(line, kZassetsuNames[static_cast<int>(z)]);
}

void AddKaiun(std::string& line, sys_days day) {
  for (Kaiun k : KaiunOn(day)) Add(line, kKaiunNames[static_cast<int>(k)]);
}

}  // namespace

std::string DayNote(sys_days day, bool marked, const GridRules& rules, const DayNoteChoice& choice) {
  std::string note;
  auto add = [&](std::string_view text) { Add(note, text); };
  if (choice.names) {
    if (const auto name = DayName(day, marked, rules)) add(*name);
  }
  if (choice.terms) {
    if (const auto term = SolarTermOn(day)) add(kSolarTermNames[*term]);
  }
  if (choice.zassetsu) AddZassetsu(note, day);
  if (choice.rokuyo) {
    if (const auto old = OldDateOn(day)) add(kRokuyoNames[static_cast<int>(RokuyoOf(*old))]);
  }
  if (choice.eto && InRange(day)) add(KanshiText(KanshiOf(day)));
  if (choice.kaiun) AddKaiun(note, day);
  return note;
}

std::string KoyomiMarks(sys_days day) {
  std::string marks;
  if (!InRange(day)) return marks;
  Add(marks, KanshiText(KanshiOf(day)));
  AddZassetsu(marks, day);
  AddKaiun(marks, day);
  if (const auto phase = MoonPhaseOn(day)) Add(marks, kMoonPhaseNames[static_cast<int>(*phase)]);
  return marks;
}

}  // namespace tezun
