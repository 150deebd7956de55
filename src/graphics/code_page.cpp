#include "code_page.h"

#include <windows.h>

namespace tezun {

std::optional<std::string> ToCodePage932(std::u16string_view text) {
  if (text.empty()) return std::string();
  const std::wstring wide(text.begin(), text.end());  // wchar_t holds UTF-16 on Windows
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int size =
      WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(size), '\0');
  if (WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), length, out.data(), size, nullptr, &usedDefault) !=
          size ||
      usedDefault) {
    return std::nullopt;
  }
  return out;
}

}  // namespace tezun
