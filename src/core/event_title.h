// An event's title as the calendar draws it: iCalendar texts are UTF-8, the calendar's Shift-JIS.
#pragma once

#include <string>
#include <string_view>

#include "own_day_file.h"

namespace tezun {

// The title in Shift-JIS on one line: a character code page 932 cannot hold (or bytes that are no
// UTF-8) becomes "・", line breaks, tabs and other control characters a space, and spaces at
// either end are dropped.
std::string EventTitle(std::string_view utf8, const CodePage932Encoder& toCodePage932);

}  // namespace tezun
