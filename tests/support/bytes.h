// Expected Shift-JIS bytes written as hex, so a test does not depend on how the compiler encodes
// its own literals.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

namespace tezun::test {

// "82 6C 82 72" -> the four bytes.
inline std::string Bytes(std::string_view hex) {
  std::string out;
  for (size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(std::strtoul(std::string(hex.substr(i, 2)).c_str(), nullptr, 16)));
    i += 2;
  }
  return out;
}

}  // namespace tezun::test
