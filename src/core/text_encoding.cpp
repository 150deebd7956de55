#include "text_encoding.h"

#include "shift_jis.h"

namespace tezun {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no NUL.
std::optional<std::u16string> FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t at = 0;
  while (at < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    size_t length = 0;
    char32_t c = 0, least = 0;
    if (lead < 0x80) {
      length = 1, c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, c = lead & 0x07, least = 0x10000;
    } else {
      return std::nullopt;
    }
    if (bytes.size() - at < length) return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(bytes[at + i]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    if (c == 0 || c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    AppendUtf16(out, c);
    at += length;
  }
  return out;
}

// UTF-16 in either byte order: whole code units, surrogates in pairs, no NUL.
std::optional<std::u16string> FromUtf16(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    out[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  for (size_t i = 0; i < out.size(); ++i) {
    const char16_t unit = out[i];
    if (unit == 0 || (unit >= 0xDC00 && unit <= 0xDFFF)) return std::nullopt;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (i + 1 == out.size() || out[i + 1] < 0xDC00 || out[i + 1] > 0xDFFF) return std::nullopt;
      ++i;
    }
  }
  return out;
}

// Code page 932's shape: single bytes 0x01 to 0x7F and the half-width katakana 0xA1 to 0xDF, or a
// lead byte and a trail byte 0x40 to 0x7E or 0x80 to 0xFC. 0x80, 0xA0 and 0xFD to 0xFF are none.
bool IsShiftJisText(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size(); ++at) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (IsShiftJisLeadByte(byte)) {
      if (++at == bytes.size()) return false;
      const auto trail = static_cast<unsigned char>(bytes[at]);
      if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    } else if (byte == 0 || byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
      return false;
    }
  }
  return true;
}

std::optional<DecodedText> Unicode(TextEncoding encoding, std::optional<std::u16string> text) {
  if (!text) return std::nullopt;
  return DecodedText{encoding, {}, std::move(*text)};
}

}  // namespace

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

std::optional<DecodedText> DecodeText(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LittleEndianMark)) {
    return Unicode(TextEncoding::Utf16LittleEndian, FromUtf16(bytes.substr(2), false));
  }
  if (bytes.starts_with(kUtf16BigEndianMark)) {
    return Unicode(TextEncoding::Utf16BigEndian, FromUtf16(bytes.substr(2), true));
  }
  if (bytes.starts_with(kUtf8Mark)) return Unicode(TextEncoding::Utf8, FromUtf8(bytes.substr(kUtf8Mark.size())));
  bool ascii = true;
  for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  // ASCII alone is Shift-JIS as it stands, and needs no conversion.
  if (!ascii) {
    if (auto text = FromUtf8(bytes)) return DecodedText{TextEncoding::Utf8, {}, std::move(*text)};
  }
  if (!IsShiftJisText(bytes)) return std::nullopt;
  return DecodedText{TextEncoding::ShiftJis, std::string(bytes), {}};
}

}  // namespace tezun
