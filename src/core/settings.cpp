#include "settings.h"

namespace tezun {

const std::array<OptionEntry, 10> kOptionEntries{{
    {"Style1", &TCalendarSettings::Style1, 0},
    {"Style2", &TCalendarSettings::Style2, 0},
    {"Left", &TCalendarSettings::Left, 0},
    {"Top", &TCalendarSettings::Top, 0},
    {"Width", &TCalendarSettings::Width, 200},
    {"Height", &TCalendarSettings::Height, 200},
    {"DayOfWeekStyle", &TCalendarSettings::DayOfWeekStyle, 0},
    {"TodayStyle", &TCalendarSettings::TodayStyle, 0},
    {"TodayColor", &TCalendarSettings::TodayColor, clWhite},
    {"BgColor", &TCalendarSettings::BgColor, clWhite},
}};

const std::array<FontSectionEntry, 5> kFontSections{{
    {"Font\\Weekday", &TCalFonts::Weekday, 0x000000},      // black
    {"Font\\Saturday", &TCalFonts::Saturday, 0xFFFF00},    // cyan
    {"Font\\Sunday", &TCalFonts::Sunday, 0x0000FF},        // red
    {"Font\\Holiday", &TCalFonts::Holiday, 0x0000FF},      // red
    {"Font\\DayOfWeek", &TCalFonts::DayOfWeek, 0xFF0000},  // blue
}};

namespace {
int32_t OneOrNone(int32_t stored) { return stored == 1 ? 1 : 0; }
int32_t TitleMeaning(int32_t stored) { return stored >= 1 && stored <= 3 ? stored : 0; }
int32_t OpacityMeaning(int32_t stored) { return stored >= 1 && stored <= 100 ? stored : 0; }
int32_t Itself(int32_t stored) { return stored; }
int32_t ColourOrCell(int32_t stored) { return stored >= 0 && stored <= 0xFFFFFF ? stored : kCellColour; }
}  // namespace

const std::array<ExtraOptionEntry, 7> kExtraOptions{{
    {"HolidayRules", &TCalendarSettings::HolidayRules, 0, OneOrNone},
    {"WeekStart", &TCalendarSettings::WeekStart, 0, OneOrNone},
    {"Title", &TCalendarSettings::Title, 0, TitleMeaning},
    {"PanelOpacity", &TCalendarSettings::PanelOpacity, 0, OpacityMeaning},
    {"PanelColor", &TCalendarSettings::PanelColor, clWhite, Itself},
    {"Outline", &TCalendarSettings::Outline, 0, OneOrNone},
    {"OutlineColor", &TCalendarSettings::OutlineColor, clBlack, Itself},
}};

const std::array<ExtraOptionEntry, 7> kDayNoteOptions{{
    {"DayNames", &TCalendarSettings::DayNames, 0, OneOrNone},
    {"SolarTerms", &TCalendarSettings::SolarTerms, 0, OneOrNone},
    {"Rokuyo", &TCalendarSettings::Rokuyo, 0, OneOrNone},
    {"Zassetsu", &TCalendarSettings::Zassetsu, 0, OneOrNone},
    {"Eto", &TCalendarSettings::Eto, 0, OneOrNone},
    {"Kaiun", &TCalendarSettings::Kaiun, 0, OneOrNone},
    {"MoonPhases", &TCalendarSettings::MoonPhases, 0, OneOrNone},
}};

const std::array<ExtraOptionEntry, 3> kEventOptions{{
    {"EventColor", &TCalendarSettings::EventColor, kCellColour, ColourOrCell},
    {"AdjacentDays", &TCalendarSettings::AdjacentDays, 0, OneOrNone},
    {"WeekNumbers", &TCalendarSettings::WeekNumbers, 0, OneOrNone},
}};

TCalendarSettings DefaultSettings() {
  TCalendarSettings settings;
  for (const auto& entry : kOptionEntries) settings.*entry.field = entry.fallback;
  for (const auto& entry : kExtraOptions) settings.*entry.field = entry.fallback;
  for (const auto& entry : kDayNoteOptions) settings.*entry.field = entry.fallback;
  for (const auto& entry : kEventOptions) settings.*entry.field = entry.fallback;
  for (const auto& entry : kFontSections) {
    settings.Fonts.*entry.font = TCalFont{kDefaultFontName, kDefaultFontSize, entry.defaultColor, 0};
  }
  return settings;
}

HolidayRuleSet HolidayRulesOf(const TCalendarSettings& settings) {
  return settings.HolidayRules == 1 ? HolidayRuleSet::Current : HolidayRuleSet::Table;
}

}  // namespace tezun
