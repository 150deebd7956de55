// The integer text rules over any text: the parser agrees with a plain model of the rules, what
// parses formats back to text that parses to the same value, a digit run followed or broken by any
// other character never parses, and leading spaces change nothing.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "core/integer_text.h"

namespace {

using tezun::FormatSettingInteger;
using tezun::ParseSettingInteger;

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The rules written out character by character, with no library parsing: spaces, a sign, a hex
// prefix, then nothing but digits of the base up to the end.
std::optional<int32_t> Model(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;

  // Held just above every limit once it passes them, so that long digit runs cannot overflow.
  constexpr uint64_t kAboveEveryLimit = uint64_t{1} << 32;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = std::min(value * base + digit, kAboveEveryLimit);
  }
  if (base == 16) {
    if (value > UINT32_MAX) return std::nullopt;
    const uint32_t pattern = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    return static_cast<int32_t>(pattern);
  }
  if (value > (negative ? uint64_t{2147483648} : uint64_t{2147483647})) return std::nullopt;
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
}

// Canonical decimal: an optional minus, then "0" or digits without a leading zero; never "-0".
bool IsCanonicalDecimal(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty() || (text.size() > 1 && text.front() == '0')) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void CheckFormatReadsBack(int32_t value) {
  const std::string text = FormatSettingInteger(value);
  FUZZ_CHECK(IsCanonicalDecimal(text));
  FUZZ_CHECK(text != "-0");
  FUZZ_CHECK(ParseSettingInteger(text) == value);
}

// Characters that can neither extend a digit run nor turn what comes before into a prefix.
constexpr char kBreakers[] = {' ', '\0', '\t', '.', ',', '-', '+', '$', 'g', 'G', 'h', '\x82', '\xff'};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Longer texts show nothing that shorter ones do not, and each costs a pass per character below.
  if (size > 256) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<int32_t> parsed = ParseSettingInteger(text);
  FUZZ_CHECK(parsed == Model(text));
  FUZZ_CHECK(ParseSettingInteger(" " + std::string(text)) == parsed);

  if (size >= sizeof(int32_t)) {
    int32_t anyValue = 0;
    std::memcpy(&anyValue, data, sizeof anyValue);
    CheckFormatReadsBack(anyValue);
  }
  if (!parsed) return 0;
  CheckFormatReadsBack(*parsed);

  // Every text with a value holds a digit; from just after the first one, another character
  // anywhere, the end included, leaves no value.
  const size_t firstDigit = text.find_first_of("0123456789abcdefABCDEF");
  FUZZ_CHECK(firstDigit != std::string_view::npos);
  for (size_t at = firstDigit + 1; at <= text.size(); ++at) {
    for (const char breaker : kBreakers) {
      std::string broken(text);
      broken.insert(at, 1, breaker);
      FUZZ_CHECK(!ParseSettingInteger(broken));
    }
  }
  return 0;
}
