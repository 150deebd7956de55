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

TCalendarSettings DefaultSettings() {
  TCalendarSettings settings;
  for (const auto& entry : kOptionEntries) settings.*entry.field = entry.fallback;
  for (const auto& entry : kFontSections) {
    settings.Fonts.*entry.font = TCalFont{kDefaultFontName, kDefaultFontSize, entry.defaultColor, 0};
  }
  return settings;
}

HolidayRuleSet HolidayRulesOf(const TCalendarSettings& settings) {
  return settings.HolidayRules == 1 ? HolidayRuleSet::Current : HolidayRuleSet::Table;
}

}  // namespace tezun
