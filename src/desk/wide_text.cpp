#include <windows.h>

#include <utility>

#include "texts.h"

namespace tezun::desk {

std::wstring Wide(const char* shiftJis) {
  // Code page 932 by name, not the machine's ANSI code page: the texts are Shift-JIS everywhere.
  const int size = MultiByteToWideChar(932, 0, shiftJis, -1, nullptr, 0);
  if (size <= 1) return L"";
  std::wstring text(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(932, 0, shiftJis, -1, text.data(), size);
  text.resize(static_cast<size_t>(size) - 1);
  return text;
}

std::optional<std::string> ShiftJis(const std::wstring& text) {
  if (text.empty()) return std::string();
  BOOL lost = FALSE;
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), length, nullptr, 0, nullptr, &lost);
  if (size <= 0 || lost) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), length, bytes.data(), size, nullptr, &lost);
  return lost ? std::nullopt : std::optional<std::string>(std::move(bytes));
}

}  // namespace tezun::desk
