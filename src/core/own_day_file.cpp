#include "own_day_file.h"

#include <cstdio>
#include <vector>

#include "text_encoding.h"
#include "texts.h"

namespace tezun {
namespace {

// The lines of a Unicode text, split as SplitLines splits a Shift-JIS one.
std::vector<std::u16string_view> SplitUnicodeLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find(u'\n');
    std::u16string_view line = text.substr(0, end);
    if (end != std::u16string_view::npos && line.ends_with(u'\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::u16string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The character at the start of a decoded text: one code unit, or a surrogate pair.
std::u16string_view CharacterAt(std::u16string_view text) {
  const bool surrogates = text.size() >= 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF;
  return text.substr(0, surrogates ? 2 : 1);
}

char32_t CodePoint(std::u16string_view character) {
  const char32_t first = character[0];
  if (character.size() == 1) return first;
  const char32_t second = character[1];
  return 0x10000u + ((first - 0xD800u) << 10) + (second - 0xDC00u);
}

// The line's first character that has no code page 932 form, and the line with "?" for each such.
OwnDayFileImport WithoutForm(size_t number, std::u16string_view line, const CodePage932Encoder& toCodePage932) {
  OwnDayFileImport refused;
  refused.fault = OwnDayFileFault::NoShiftJisForm;
  refused.line.number = number;
  for (size_t at = 0; at < line.size();) {
    const std::u16string_view character = CharacterAt(line.substr(at));
    at += character.size();
    if (const auto converted = toCodePage932(character)) {
      refused.line.text += *converted;
      continue;
    }
    refused.line.text += '?';
    if (refused.character == 0) refused.character = CodePoint(character);
  }
  return refused;
}

std::string Format(const char* pattern, size_t number, const std::string& text) {
  const int size = std::snprintf(nullptr, 0, pattern, static_cast<unsigned>(number), text.c_str());
  std::string message(static_cast<size_t>(size > 0 ? size : 0), '\0');
  std::snprintf(message.data(), message.size() + 1, pattern, static_cast<unsigned>(number), text.c_str());
  return message;
}

}  // namespace

OwnDayFileImport ImportOwnDayFile(std::string_view bytes, const CodePage932Encoder& toCodePage932) {
  const std::optional<DecodedText> decoded = DecodeText(bytes);
  if (!decoded) return {OwnDayFileFault::NotText, {}, {}, 0};
  std::string text = decoded->shiftJis;
  if (decoded->encoding != TextEncoding::ShiftJis) {
    // Line by line, so that a character without a form can be named with its line.
    const std::vector<std::u16string_view> lines = SplitUnicodeLines(decoded->unicode);
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::optional<std::string> line = toCodePage932(lines[i]);
      if (!line) return WithoutForm(i + 1, lines[i], toCodePage932);
      text += *line + "\r\n";
    }
  }
  OwnDayImport imported = ImportOwnDays(text);
  if (imported.unreadable) return {OwnDayFileFault::UnreadableLine, {}, std::move(*imported.unreadable), 0};
  return {OwnDayFileFault::None, std::move(imported.lines), {}, 0};
}

std::string OwnDayFileRefusal(const OwnDayFileImport& refused) {
  switch (refused.fault) {
    case OwnDayFileFault::NotText:
      return kOwnDayFileNotText;
    case OwnDayFileFault::NoShiftJisForm:
      return Format(kOwnDayFileNoShiftJisForm, refused.line.number, refused.line.text);
    case OwnDayFileFault::UnreadableLine:
      return Format(kOwnDayFileUnreadableLine, refused.line.number, refused.line.text);
    case OwnDayFileFault::None:
      break;
  }
  return {};
}

}  // namespace tezun
