// The import of a file of own days as people will hand one over: the Cabinet Office's
// syukujitsu.csv or a list of the list's own form, saved as Shift-JIS, UTF-8 or UTF-16 "Unicode"
// text (see text_encoding.h). The list stores Shift-JIS, so a Unicode file is converted to code
// page 932; a character that has no form there (an emoji, a rare kanji) refuses the whole file,
// naming its line: nothing is changed behind the user's back, and they can mend the line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "own_days.h"

namespace tezun {

// Unicode text as code page 932, or nothing when a character of it has no form there. The core
// cannot convert by itself: Windows does it in the product (graphics/code_page.h), iconv in the
// native tests and fuzzers.
using CodePage932Encoder = std::function<std::optional<std::string>(std::u16string_view)>;

enum class OwnDayFileFault {
  None,
  NotText,         // none of the encodings: a picture, a spreadsheet's own format, a cut-off file
  NoShiftJisForm,  // `line` holds `character`, which code page 932 cannot hold
  UnreadableLine,  // `line` is neither a day of the Cabinet Office's form nor one of the list's
};

struct OwnDayFileImport {
  OwnDayFileFault fault = OwnDayFileFault::None;
  // Without a fault: the lines to append in the list's form, CR LF after each, Shift-JIS.
  std::string lines;
  // The line at fault, its number from 1 and its text in Shift-JIS ("?" for a character that
  // has no form there).
  OwnDayLine line;
  char32_t character = 0;
};

OwnDayFileImport ImportOwnDayFile(std::string_view bytes, const CodePage932Encoder& toCodePage932);

// What a refusal says to the user, in Shift-JIS, ending with "nothing was added".
std::string OwnDayFileRefusal(const OwnDayFileImport& refused);

}  // namespace tezun
