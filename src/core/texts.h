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

// Weekday names, Sunday first: one double-byte character each, and three ASCII letters each.
extern const char* const DayNamesJapanese[7];
extern const char* const DayNamesEnglish[7];

}  // namespace tezun
