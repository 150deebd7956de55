// Byte rules of Shift-JIS (code page 932) texts.
#pragma once

#include <cstddef>
#include <string_view>

namespace tezun {

// Whether the byte begins a double-byte character in code page 932.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The longest prefix of at most maxBytes bytes that does not cut a double-byte character in half.
std::string_view TruncateShiftJis(std::string_view text, size_t maxBytes);

}  // namespace tezun
