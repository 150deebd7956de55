// What a text file is written in, as people's programs save one: Shift-JIS (code page 932, what
// Japanese Windows programs and the Cabinet Office write), UTF-8 with or without its byte-order
// mark, or UTF-16 with its mark ("Unicode text" in a spreadsheet's Save As), either byte order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tezun {

enum class TextEncoding { ShiftJis, Utf8, Utf16LittleEndian, Utf16BigEndian };

// A file's text as found: Shift-JIS bytes as they stand (a text of ASCII alone is that too), or
// the characters of a Unicode file, without its byte-order mark.
struct DecodedText {
  TextEncoding encoding = TextEncoding::ShiftJis;
  std::string shiftJis;
  std::u16string unicode;
};

// The text of the bytes, or nothing when they are none of those encodings: not valid as the one
// their byte-order mark names, nor (without a mark) as UTF-8 or Shift-JIS, or holding a NUL
// character, which no line of text holds. Without a mark, valid UTF-8 is taken for UTF-8: by
// chance a Shift-JIS text of any length is hardly ever valid UTF-8.
std::optional<DecodedText> DecodeText(std::string_view bytes);

// A character (U+0000 to U+10FFFF) as UTF-16: one unit, or a surrogate pair.
void AppendUtf16(std::u16string& out, char32_t c);

}  // namespace tezun
