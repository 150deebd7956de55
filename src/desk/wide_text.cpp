#include <windows.h>

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

}  // namespace tezun::desk
