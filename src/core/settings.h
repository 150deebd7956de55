// The settings record: what the user chose for the calendar and the wallpaper, with its defaults.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "holiday_rules.h"
#include "own_days.h"
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
  int32_t BgColor = 0;  // background of the placement window only
  // Options beyond the thirty, each read after them and written only when the user changed it.
  int32_t HolidayRules = 0;  // 1 the holiday law in force on each date, else the built-in table
  int32_t WeekStart = 0;     // 1 the week starts on Monday, else on Sunday
  int32_t Title = 0;         // a row with the month above the names: 1 Western, 2 the era's, 3 English
  int32_t PanelOpacity = 0;  // 1 to 100: a panel of PanelColor behind the calendar, that opaque
  int32_t PanelColor = 0;
  int32_t Outline = 0;  // 1: every text outlined in OutlineColor
  int32_t OutlineColor = 0;
  OwnDayList OwnDays;           // the user's own days off and working days
  bool OwnDaysTooLong = false;  // the stored list was too long to read, and reads as empty
  // Under each day's number, 1: the name of its holiday or own day; its solar term; its 六曜.
  int32_t DayNames = 0;
  int32_t SolarTerms = 0;
  int32_t Rokuyo = 0;
  // Under each day's number too, 1: its 雑節, its 干支, its 開運日; and a drawn Moon on the days of
  // its four phases.
  int32_t Zassetsu = 0;
  int32_t Eto = 0;
  int32_t Kaiun = 0;
  int32_t MoonPhases = 0;
  // The user's events: iCalendar files and folders, `;` between their paths (Shift-JIS), and the
  // colour of their lines (outside 0 to 0xFFFFFF: each day's own).
  std::string Events;
  int32_t EventColor = 0;
  // 1: the neighbouring months' days in the first and last weeks; 1: a column of week numbers.
  int32_t AdjacentDays = 0;
  int32_t WeekNumbers = 0;
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

// An "Option" value beyond the thirty: loaded after them with the same rules, never written by a
// save, and written by the settings dialog only when the user changed what it means.
struct ExtraOptionEntry {
  const char* name;
  int32_t TCalendarSettings::*field;
  int32_t fallback;
  int32_t (*meaning)(int32_t stored);  // what the drawing makes of a stored value
};

// The order in which settings are loaded and saved: the thirty; the extra options, then the own
// days, then the day notes' options, then the events and the options that follow them.
extern const std::array<OptionEntry, 10> kOptionEntries;
extern const std::array<FontSectionEntry, 5> kFontSections;
extern const std::array<ExtraOptionEntry, 7> kExtraOptions;
extern const std::array<ExtraOptionEntry, 7> kDayNoteOptions;
extern const std::array<ExtraOptionEntry, 3> kEventOptions;

// The longest "Events" value that is read: longer, it reads as none.
inline constexpr size_t kMaxEventsBytes = size_t{32} * 1024;
// The stored EventColor of no colour of its own, as a load from an empty key leaves it.
inline constexpr int32_t kCellColour = -1;

// The record as a fresh load from an empty key leaves it.
TCalendarSettings DefaultSettings();

// The holiday rules the record chooses.
HolidayRuleSet HolidayRulesOf(const TCalendarSettings& settings);

// What the options mean, whatever was stored: the day the week starts on (1 Sunday, 2 Monday, the
// numbering of weekdays), the title's form (0 none), the panel's opacity in percent (0 none), and
// whether texts are outlined.
inline int FirstWeekday(const TCalendarSettings& s) { return s.WeekStart == 1 ? 2 : 1; }
inline int TitleStyle(const TCalendarSettings& s) { return s.Title >= 1 && s.Title <= 3 ? s.Title : 0; }
inline int PanelPercent(const TCalendarSettings& s) {
  return s.PanelOpacity >= 1 && s.PanelOpacity <= 100 ? s.PanelOpacity : 0;
}
inline bool Outlined(const TCalendarSettings& s) { return s.Outline == 1; }

// What the lines under each day's number show; nothing at all when none is chosen.
struct DayNoteChoice {
  bool names = false;
  bool terms = false;
  bool rokuyo = false;
  bool zassetsu = false;
  bool eto = false;
  bool kaiun = false;
  bool Any() const { return names || terms || rokuyo || zassetsu || eto || kaiun; }
};
inline DayNoteChoice DayNotesOf(const TCalendarSettings& s) {
  return {s.DayNames == 1, s.SolarTerms == 1, s.Rokuyo == 1, s.Zassetsu == 1, s.Eto == 1, s.Kaiun == 1};
}
// Whether a drawn Moon marks the days of its phases.
inline bool MoonPhasesShown(const TCalendarSettings& s) { return s.MoonPhases == 1; }

// Whether the calendar reads events at all; the colour of their lines, or none for each day's own.
inline bool EventsChosen(const TCalendarSettings& s) { return !s.Events.empty(); }
inline std::optional<int32_t> EventColour(const TCalendarSettings& s) {
  return s.EventColor >= 0 && s.EventColor <= 0xFFFFFF ? std::optional<int32_t>(s.EventColor) : std::nullopt;
}
// Whether the first and last weeks show the neighbouring months' days, and whether a column of
// week numbers goes before the weekdays.
inline bool AdjacentDaysShown(const TCalendarSettings& s) { return s.AdjacentDays == 1; }
inline bool WeekNumbersShown(const TCalendarSettings& s) { return s.WeekNumbers == 1; }

}  // namespace tezun
