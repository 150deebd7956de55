#include "host_error.h"

#include <windows.h>

namespace tezunhost {

std::string Utf8(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), length, out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace tezunhost
