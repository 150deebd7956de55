// The text form of integers in the registry: how stored text reads as a number and how numbers
// are written back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tezun {

// Reads text the way the settings have always been read: leading spaces (0x20 only), an optional
// sign, then decimal digits within the signed 32-bit range, or one of the prefixes "$", "x", "X",
// "0x", "0X" and up to 32 significant bits of hexadecimal, taken as a signed 32-bit pattern. The
// whole text must match; anything else has no value.
std::optional<int32_t> ParseSettingInteger(std::string_view text);

// Signed decimal text without leading zeros or grouping.
std::string FormatSettingInteger(int32_t value);

}  // namespace tezun
