#include "integer_text.h"

#include <algorithm>
#include <charconv>

namespace tezun {
namespace {

// Parses [first, last) completely as an unsigned number of the given base, with at least one
// digit. from_chars would also take a sign, so the caller has consumed that already.
std::optional<uint64_t> ParseMagnitude(const char* first, const char* last, int base) {
  if (first == last || *first == '-' || *first == '+') return std::nullopt;
  uint64_t value = 0;
  auto [end, error] = std::from_chars(first, last, value, base);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

bool StartsWithHexPrefix(std::string_view text, size_t& prefix) {
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    prefix = 1;
    return true;
  }
  if (text.starts_with("0x") || text.starts_with("0X")) {
    prefix = 2;
    return true;
  }
  return false;
}

}  // namespace

std::optional<int32_t> ParseSettingInteger(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));

  bool negative = false;
  if (text.starts_with('-') || text.starts_with('+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }

  size_t prefix = 0;
  if (StartsWithHexPrefix(text, prefix)) {
    auto bits = ParseMagnitude(text.data() + prefix, text.data() + text.size(), 16);
    if (!bits || *bits > UINT32_MAX) return std::nullopt;
    // A 32-bit pattern: $FFFFFFFF is -1, and "-" negates the pattern modulo 2^32.
    uint32_t pattern = static_cast<uint32_t>(*bits);
    if (negative) pattern = 0u - pattern;
    return static_cast<int32_t>(pattern);
  }

  auto magnitude = ParseMagnitude(text.data(), text.data() + text.size(), 10);
  if (!magnitude) return std::nullopt;
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (*magnitude > limit) return std::nullopt;
  const int64_t value = negative ? -static_cast<int64_t>(*magnitude) : static_cast<int64_t>(*magnitude);
  return static_cast<int32_t>(value);
}

std::string FormatSettingInteger(int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace tezun
