#include "desk_error.h"

#include <windows.h>

#include <cwchar>

#include "texts.h"

namespace tezun::desk {

std::wstring ErrorText(unsigned long code, const wchar_t* module) {
  wchar_t* text = nullptr;
  HMODULE source = module ? GetModuleHandleW(module) : nullptr;
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS | (source ? FORMAT_MESSAGE_FROM_HMODULE : 0),
                                      source, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring words = length ? std::wstring(text, length) : L"";
  if (text) LocalFree(text);
  while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' ')) words.pop_back();
  wchar_t number[24];
  std::swprintf(number, sizeof number / sizeof number[0], L"0x%08lX", code);
  return words.empty() ? Wide(kErrorCode) + number : words + L" (" + number + L")";
}

DeskError UnreadablePicture(const std::wstring& path, const std::wstring& reason) {
  return {kExitUnreadable, Wide(kCannotReadPicture) + path + L"\n" + reason};
}

DeskError UnwritableFile(const std::wstring& path, unsigned long code, const char* what) {
  return {kExitUnwritable, Wide(what ? what : kCannotWrite) + path + L"\n" + ErrorText(code)};
}

}  // namespace tezun::desk
