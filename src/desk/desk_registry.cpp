#include "desk_registry.h"

#include <windows.h>

#include "handles.h"
#include "program_path.h"

namespace tezun::desk {
namespace {

constexpr wchar_t kDeskKey[] = L"Software\\TezunDesk";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"TezunDesk";

std::wstring QuotedProgramPath() { return L"\"" + ProgramPath() + L"\""; }

}  // namespace

const wchar_t kPictureValue[] = L"Picture";
const wchar_t kRememberedWallpaperValue[] = L"RememberedWallpaper";
const wchar_t kRememberedStyleValue[] = L"RememberedWallpaperStyle";
const wchar_t kRememberedTileValue[] = L"RememberedTileWallpaper";

std::optional<std::wstring> ReadUserText(const wchar_t* key, const wchar_t* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
  const RegistryKey owner(opened);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(opened, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();  // stored with or without its NUL
  return text;
}

bool WriteUserText(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const RegistryKey owner(created);
  const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(created, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) == ERROR_SUCCESS;
}

std::optional<std::wstring> ReadDeskValue(const wchar_t* name) { return ReadUserText(kDeskKey, name); }
bool WriteDeskValue(const wchar_t* name, const std::wstring& value) { return WriteUserText(kDeskKey, name, value); }

bool AutostartIsOn() { return ReadUserText(kRunKey, kRunValue).has_value(); }

bool SetAutostart(bool on) {
  if (on) return WriteUserText(kRunKey, kRunValue, QuotedProgramPath());
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return true;
  const RegistryKey owner(opened);
  const LSTATUS result = RegDeleteValueW(opened, kRunValue);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace tezun::desk
