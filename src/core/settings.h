// The settings record: what the user chose for the calendar and the wallpaper, with its defaults.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "holiday_rules.h"
#include "texts.h"

namespace tezun {

// Bits of TCalFont::Style. Bits 4 to 7 mean nothing but are kept through load and save.
inline constexpr uint8_t fsBold = 1 << 0;
inline constexpr uint8_t fsItalic = 1 << 1;
inline constexpr uint8_t fsUnderline = 1 << 2;
inline constexpr uint8_t fsStrikeOut = 1 << 3;

// Colours are 0x00BBGGRR; a value with the top byte 0xFF names the system colour of its low byte.
inline constexpr int32_t clBackground = static_cast<int32_t>(0xFF000001);
inline constexpr int32_t clWhite = 0x00FFFFFF;
inline constexpr int32_t clBlack = 0;

struct TCalFont {
  std::string Name;  // face name, Shift-JIS
  int32_t Size = 0;  // points
  int32_t Color = 0;
  uint8_t Style = 0;
  bool operator==(const TCalFont&) const = default;
};

struct TCalFonts {
  TCalFont Saturday;
  TCalFont Sunday;
  TCalFont Holiday;
  TCalFont Weekday;
  TCalFont DayOfWeek;
  bool operator==(const TCalFonts&) const = default;
};

struct TCalendarSettings {
  TCalFonts Fonts;
  int32_t Style1 = 0;  // 0 centred, else tiled
  int32_t Style2 = 0;  // tiled: 0 from the top-left corner, else about the centre
  int32_t Left = 0;    // calendar rectangle on the screen-sized picture
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t DayOfWeekStyle = 0;  // 1 English day names, else Japanese
  int32_t TodayStyle = 0;      // 0 transparent digits, 1 digits in TodayColor
  int32_t TodayColor = 0;
  int32_t BgColor = 0;       // background of the placement window only
  int32_t HolidayRules = 0;  // 1 the holiday law in force on each date, else the built-in table
  bool operator==(const TCalendarSettings&) const = default;
};

inline constexpr int32_t kDefaultFontSize = 9;

// One integer of the "Option" section: its value name, its field and its default.
struct OptionEntry {
  const char* name;
  int32_t TCalendarSettings::*field;
  int32_t fallback;
};

// One font section: its key path, its record and the default colour of its text.
struct FontSectionEntry {
  const char* section;
  TCalFont TCalFonts::*font;
  int32_t defaultColor;
};

// The order in which settings are loaded and saved.
extern const std::array<OptionEntry, 10> kOptionEntries;
extern const std::array<FontSectionEntry, 5> kFontSections;

// The record as a fresh load from an empty key leaves it.
TCalendarSettings DefaultSettings();

// The holiday rules the record chooses.
HolidayRuleSet HolidayRulesOf(const TCalendarSettings& settings);

}  // namespace tezun
