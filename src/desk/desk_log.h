// TezunDesk's log: a line for each failure, with when it happened and how TezunDesk was run, for
// the failures nobody saw (a scheduled /once, the resident at night). The file stays small: the
// oldest lines go first.
#pragma once

#include <cstddef>
#include <string>

#include "schedule.h"

namespace tezun::desk {

// The file is kept under this many bytes.
constexpr size_t kLogLimit = size_t{64} * 1024;

// "2026-12-09 07:30:05 /once: words", the words on one line, ended with CR LF.
std::wstring LogLine(const LocalClock& when, const std::wstring& how, const std::wstring& words);

// The log with `line` (UTF-8) added at its end, its oldest lines dropped until it is under
// `limit` bytes; a line that alone is too long is cut, never in the middle of a character.
std::string BoundedLog(const std::string& log, const std::string& line, size_t limit = kLogLimit);

}  // namespace tezun::desk
