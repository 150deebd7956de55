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

}  // namespace tezun
