// The conversion from Unicode to code page 932 that Windows does in the product, done by the C
// library's iconv for the native tests and fuzzers: nothing when a character has no form there.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace tezun::test {

inline std::optional<std::string> IconvCodePage932(std::u16string_view text) {
  // One converter for the process: opening one costs more than most conversions.
  static const iconv_t converter = iconv_open("CP932", "UTF-16LE");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in;
  for (const char16_t unit : text) {
    in.push_back(static_cast<char>(unit & 0xFF));
    in.push_back(static_cast<char>(unit >> 8));
  }
  std::string out(in.size() * 2 + 8, '\0');  // at most two bytes a character
  char* inAt = in.data();
  size_t inLeft = in.size();
  char* outAt = out.data();
  size_t outLeft = out.size();
  iconv(converter, nullptr, nullptr, nullptr, nullptr);  // the initial state
  if (iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace tezun::test
