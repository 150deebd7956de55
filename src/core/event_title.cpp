#include "event_title.h"

#include "text_encoding.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next character of possibly broken UTF-8 at `at`, which it moves past; a byte that begins no
// whole character is the replacement character.
char32_t NextCharacter(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  size_t length = 0;
  char32_t c = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 1, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 2, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return kReplacement;
  }
  size_t i = 0;
  for (; i < length && at + i < text.size(); ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) break;
    c = (c << 6) | (next & 0x3F);
  }
  if (i < length) {
    at += i;
    return kReplacement;
  }
  at += length;
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  return c;
}

}  // namespace

std::string EventTitle(std::string_view utf8, const CodePage932Encoder& toCodePage932) {
  std::u16string text;
  text.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const char32_t c = NextCharacter(utf8, at);
    AppendUtf16(text, c < 0x20 || c == 0x7F ? U' ' : c);
  }
  const size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
  // Most titles convert whole; one that does not is converted a character at a time.
  if (auto whole = toCodePage932(text)) return std::move(*whole);
  std::string out;
  for (size_t at = 0; at < text.size();) {
    const size_t units = text[at] >= 0xD800 && text[at] <= 0xDBFF && at + 1 < text.size() ? 2 : 1;
    const std::u16string_view character = std::u16string_view{text}.substr(at, units);
    const auto one = toCodePage932(character);
    out += one ? *one : std::string(kUnshownCharacter);
    at += units;
  }
  return out;
}

}  // namespace tezun
