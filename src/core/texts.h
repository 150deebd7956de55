// The core's Japanese texts, in Shift-JIS (code page 932). They live in texts.cpp, the one file
// of the folder compiled with that execution character set.
#pragma once

namespace tezun {

extern const char kDefaultFontName[];  // "ＭＳ ゴシック": fullwidth M and S, an ASCII space, katakana

// The settings store's messages; %s stands for the section path or the value name.
extern const char kCreateKeyFailed[];   // key %s could not be created
extern const char kSetValueFailed[];    // '%s' could not be set
extern const char kFetchValueFailed[];  // '%s' could not be fetched
extern const char kBadValueType[];      // '%s' has the wrong data type

// The codec's errors: "JPEG エラー #%d" with the codec's message code.
extern const char kJpegErrorFormat[];

// The holiday rules, one row per line, CR LF between rows: 495 bytes.
extern const char kHolidayTableText[];
extern const unsigned kHolidayTableTextSize;

// The equinox days' names, which no table row holds: 春分の日 (March) and 秋分の日 (September).
extern const char kVernalEquinoxDay[];
extern const char kAutumnalEquinoxDay[];

// The holidays of the holiday law, each law's own name.
extern const char kNewYearsDay[];            // 元日
extern const char kComingOfAgeDay[];         // 成人の日
extern const char kFoundationDay[];          // 建国記念の日, as the law spells it (the table has 建国記念日)
extern const char kEmperorsBirthday[];       // 天皇誕生日
extern const char kGreeneryDay[];            // みどりの日
extern const char kShowaDay[];               // 昭和の日
extern const char kConstitutionDay[];        // 憲法記念日
extern const char kChildrensDay[];           // こどもの日
extern const char kMarineDay[];              // 海の日
extern const char kMountainDay[];            // 山の日
extern const char kAgedPeoplesDay[];         // 敬老の日
extern const char kHealthAndSportsDay[];     // 体育の日
extern const char kSportsDay[];              // スポーツの日
extern const char kCultureDay[];             // 文化の日
extern const char kLabourThanksgivingDay[];  // 勤労感謝の日
// Days made holidays by laws of their own: two royal weddings, a state funeral, two enthronements.
extern const char kCrownPrinceAkihitosWedding[];   // 皇太子明仁親王の結婚の儀 (1959)
extern const char kEmperorShowasFuneral[];         // 昭和天皇の大喪の礼 (1989)
extern const char kEnthronementCeremony[];         // 即位礼正殿の儀 (1990 and 2019)
extern const char kCrownPrinceNaruhitosWedding[];  // 皇太子徳仁親王の結婚の儀 (1993)
extern const char kEnthronementDay[];              // 天皇の即位の日 (2019)
// The law's days off that are no holidays themselves.
extern const char kSubstituteHoliday[];  // 振替休日: for a holiday on a Sunday
extern const char kCitizensHoliday[];    // 国民の休日: a day between two holidays

// The title row: "年" after a year, "月" after a month, "元年" for an era's first year, the five
// eras from Meiji to Reiwa, and the months in English.
extern const char kYearSuffix[];
extern const char kMonthSuffix[];
extern const char kFirstEraYear[];
extern const char kEraMeiji[];   // 明治
extern const char kEraTaisho[];  // 大正
extern const char kEraShowa[];   // 昭和
extern const char kEraHeisei[];  // 平成
extern const char kEraReiwa[];   // 令和
extern const char* const kEnglishMonthNames[12];

// The traditional calendar: "旧" before an old-calendar date, "閏" before a leap month's number,
// "日" after the day (kMonthSuffix follows the month), the six 六曜 in the order of enum Rokuyo, and
// the 24 solar terms, 小寒 to 冬至.
extern const char kOldCalendarMark[];
extern const char kLeapMonthMark[];
extern const char kDaySuffix[];
extern const char* const kRokuyoNames[6];      // 大安 赤口 先勝 友引 先負 仏滅
extern const char* const kSolarTermNames[24];  // 小寒 大寒 立春 ... 大雪 冬至

// The day's 干支 is a stem and a branch; the 雑節, the 開運日 and the Moon's phases in the order of
// their enums (zassetsu.h, kaiun.h, koyomi.h).
extern const char* const kStemNames[10];      // 甲 乙 丙 丁 戊 己 庚 辛 壬 癸
extern const char* const kBranchNames[12];    // 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
extern const char* const kZassetsuNames[11];  // 節分 彼岸入り 彼岸明け 社日 ... 土用入り 土用の丑
extern const char* const kKaiunNames[5];      // 一粒万倍日 天赦日 寅の日 巳の日 己巳の日
extern const char* const kMoonPhaseNames[4];  // 新月 上弦 満月 下弦

// The refusals of a file of own days, each ending with "nothing was added"; %u is a line's
// number, %s its text.
extern const char kOwnDayFileNotText[];         // not Shift-JIS, UTF-8 or UTF-16 (Unicode) text
extern const char kOwnDayFileNoShiftJisForm[];  // line %u holds a character Shift-JIS has not (the "?")
extern const char kOwnDayFileUnreadableLine[];  // line %u cannot be read

// Events: what stands for a character of a title that Shift-JIS cannot hold (・); what the
// listing of a month's events says of an all-day event (終日) and of a later day of a timed one
// (続き); the head of the column of week numbers (週).
extern const char kUnshownCharacter[];
extern const char kAllDay[];
extern const char kContinued[];
extern const char kWeekHeader[];

// Weekday names, Sunday first: one double-byte character each, and three ASCII letters each.
extern const char* const DayNamesJapanese[7];
extern const char* const DayNamesEnglish[7];

}  // namespace tezun
