#include "picture_layout.h"

#include <cstdint>

namespace tezun::desk {
namespace {

// The centred place of a length on another, or, tiled about the centre, that place stepped back by
// whole tiles to the last one not past the start.
int64_t Centred(int64_t monitor, int64_t picture) { return (monitor - picture) / 2; }

int64_t FirstTileAboutCentre(int64_t monitor, int64_t picture) {
  const int64_t centred = Centred(monitor, picture);
  if (centred <= 0 || picture <= 0) return centred;
  const int64_t tilesBefore = (centred + picture - 1) / picture;
  return centred - tilesBefore * picture;
}

int DigitValue(wchar_t c, int base) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (base == 16 && c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (base == 16 && c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

PictureLayout LayPicture(int64_t monitorWidth, int64_t monitorHeight, int64_t pictureWidth, int64_t pictureHeight,
                         int32_t style1, int32_t style2) {
  if (style1 == 0) return {false, Centred(monitorWidth, pictureWidth), Centred(monitorHeight, pictureHeight)};
  if (style2 == 0) return {true, 0, 0};
  return {true, FirstTileAboutCentre(monitorWidth, pictureWidth), FirstTileAboutCentre(monitorHeight, pictureHeight)};
}

std::optional<int32_t> StoredInteger(const std::wstring& text) {
  size_t at = text.find_first_not_of(L' ');
  if (at == std::wstring::npos) return std::nullopt;
  const bool negative = text[at] == L'-';
  if (negative || text[at] == L'+') ++at;
  int base = 10;
  if (text.compare(at, 2, L"0x") == 0 || text.compare(at, 2, L"0X") == 0) {
    base = 16;
    at += 2;
  } else if (at < text.size() && (text[at] == L'$' || text[at] == L'x' || text[at] == L'X')) {
    base = 16;
    at += 1;
  }
  if (at >= text.size()) return std::nullopt;
  // Hexadecimal is a 32-bit pattern; decimal reaches 2^31 only as a negative number.
  const uint64_t largest = base == 16 ? UINT32_MAX : (negative ? uint64_t{1} << 31 : INT32_MAX);
  uint64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > largest) return std::nullopt;
  }
  if (base == 16) {
    const uint32_t pattern = static_cast<uint32_t>(magnitude);
    return static_cast<int32_t>(negative ? 0u - pattern : pattern);
  }
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
}

}  // namespace tezun::desk
