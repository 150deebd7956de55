// The windows' Japanese texts, in Shift-JIS; texts.cpp is compiled as code page 932.
#pragma once

namespace tezun {

extern const char kCalenderCaption[];  // "サイズ設定": size setting

// The settings dialog.
extern const char kSettingCaption[];  // "カレンダーの設定": calendar settings
extern const char kDialogFontName[];  // "ＭＳ Ｐゴシック": the dialog's font, also the font dialog's first face
extern const char kWallpaperGroup[];  // how the wallpaper is shown
extern const char kCenter[];          // centred
extern const char kTile[];            // tiled
extern const char kCenterAnchor[];    // tiles about the centre
extern const char kCalendarGroup[];   // the calendar's attributes
extern const char kDayOfWeekGroup[];  // weekday names
extern const char kJapaneseNames[];   // in Japanese
extern const char kEnglishNames[];    // in English
extern const char kTodayGroup[];      // how today is marked (digit colour)
extern const char kTransparent[];     // transparent
extern const char kColoured[];        // in a chosen colour
extern const char kChoose[];          // choose...
extern const char kFontGroup[];       // fonts
extern const char kDayOfWeekFont[];   // weekday names (no colour of their own)
extern const char kWeekdayFont[];     // weekdays
extern const char kSaturdayFont[];    // Saturdays
extern const char kSundayFont[];      // Sundays
extern const char kHolidayFont[];     // holidays
extern const char kBgColor[];         // background colour
extern const char kPreview[];         // preview
extern const char kMemoText[];        // the nine lines of advice, CR LF between them
extern const char kHolidayLawItem[];  // system menu: show the holidays of the law in force
extern const char kOptionsButton[];   // "詳細設定...": more settings

// The calendar's options.
extern const char kOptionsCaption[];    // "カレンダーの詳細設定": the calendar's detailed settings
extern const char kWeekStartGroup[];    // the first day of the week
extern const char kWeekStartsSunday[];  // Sunday
extern const char kWeekStartsMonday[];  // Monday
extern const char kTitleGroup[];        // the month's title
extern const char kTitleNone[];         // not shown
extern const char kTitleWestern[];      // the Western year
extern const char kTitleEra[];          // the Japanese era
extern const char kTitleEnglish[];      // in English
extern const char kPanelGroup[];        // a panel behind the calendar
extern const char kOpacity[];           // opacity
extern const char kColourButton[];      // colour...
extern const char kOutlineGroup[];      // the texts' outline
extern const char kOutlineCheck[];      // outline the texts
extern const char kOwnDaysButton[];     // "自分の休日...": your own days off
extern const char kDayNotesGroup[];     // "日付の下に表示": shown under the date
extern const char kDayNamesCheck[];     // "祝日・休日の名前": the names of holidays and days off
extern const char kSolarTermsCheck[];   // "二十四節気": the 24 solar terms
extern const char kRokuyoCheck[];       // "六曜"
extern const char kZassetsuCheck[];     // "雑節": 節分, 彼岸, 土用 and the other seasonal days
extern const char kEtoCheck[];          // "干支": the day's place in the sixty-day cycle
extern const char kKaiunCheck[];        // "開運日": 一粒万倍日, 天赦日, 寅の日, 巳の日
extern const char kMoonPhasesCheck[];   // "月の満ち欠け": the Moon's phases

// The month's edges and the events, in the calendar's options.
extern const char kAdjacentDaysCheck[];  // "前後の月の日付": the neighbouring months' days
extern const char kWeekNumbersCheck[];   // "週番号": week numbers
extern const char kEventsGroup[];        // "予定": events
extern const char kAddEvents[];          // "追加...": add
extern const char kRemoveEvents[];       // "削除": remove

// Choosing a calendar for the events.
extern const char kAddEventFile[];       // "ファイル...": a file (the menu under "追加...")
extern const char kAddEventFolder[];     // "フォルダー...": a folder
extern const char kEventFileFilter[];    // the Open dialog's file types, NUL between, two NULs at the end
extern const char kEventFolderTitle[];   // choose a folder that holds calendar files
extern const char kPathNotShiftJis[];    // Shift-JIS cannot hold a character of the path
extern const char kPathWithSemicolon[];  // a path with ";" cannot be one of the list
extern const char kEventsTooLong[];      // the list of paths would pass 32 KiB

// The own days' editor.
extern const char kOwnDaysCaption[];  // "自分の休日": your own days off
extern const char kOwnDaysHint[];     // how a line is written
extern const char kImportButton[];    // "読み込み...": import
extern const char kImportFilter[];    // the Open dialog's file types, NUL between, two NULs at the end
extern const char kBadLines[];        // these lines cannot be read; mend them, then OK
extern const char kBadLine[];         // "%u 行目: %s": a line's number and text
extern const char kMoreBadLines[];    // "ほか %u 行": and that many more
extern const char kCannotReadFile[];  // the file cannot be read
extern const char kOwnDaysTooLong[];  // the list is longer than 64 KiB

}  // namespace tezun
