#include "desk_registry.h"

#include <windows.h>

#include <cstring>

#include "autostart_state.h"
#include "handles.h"
#include "program_path.h"

namespace tezun::desk {
namespace {

constexpr wchar_t kDeskKey[] = L"Software\\TezunDesk";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kRunValue[] = L"TezunDesk";

std::wstring QuotedProgramPath() { return L"\"" + ProgramPath() + L"\""; }

std::wstring DeskKey(const wchar_t* section) {
  return section ? std::wstring(kDeskKey) + L"\\" + section : std::wstring(kDeskKey);
}

// A value's type and bytes; nothing when the key or the value is missing.
std::optional<std::vector<BYTE>> ReadRaw(const wchar_t* key, const wchar_t* name, DWORD& type) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
  const RegistryKey owner(opened);
  DWORD size = 0;
  if (RegQueryValueExW(opened, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  std::vector<BYTE> data(size + sizeof(wchar_t), 0);  // room for a NUL the text may lack
  size = static_cast<DWORD>(data.size());
  if (RegQueryValueExW(opened, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
  data.resize(size);
  return data;
}

std::wstring TextOf(const std::vector<BYTE>& data) {
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();  // stored with or without its NUL
  return text;
}

}  // namespace

const wchar_t kPictureValue[] = L"Picture";
const wchar_t kKeptPictureValue[] = L"KeptPicture";
const wchar_t kKeptFromValue[] = L"KeptPictureOf";
const wchar_t kChosenOverValue[] = L"PictureChosenOver";
const wchar_t kRememberedWallpaperValue[] = L"RememberedWallpaper";
const wchar_t kRememberedStyleValue[] = L"RememberedWallpaperStyle";
const wchar_t kRememberedTileValue[] = L"RememberedTileWallpaper";
const wchar_t kRememberedColourValue[] = L"RememberedBackground";
const wchar_t kRememberedPositionValue[] = L"RememberedPosition";
const wchar_t kRememberedMonitorsSection[] = L"RememberedMonitors";

std::optional<std::wstring> ReadUserText(const wchar_t* key, const wchar_t* name) {
  DWORD type = 0;
  const auto data = ReadRaw(key, name, type);
  if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  return TextOf(*data);
}

std::optional<unsigned long> ReadUserNumber(const wchar_t* key, const wchar_t* name) {
  DWORD type = 0;
  const auto data = ReadRaw(key, name, type);
  if (!data || type != REG_DWORD || data->size() < sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  std::memcpy(&value, data->data(), sizeof value);
  return value;
}

std::optional<std::vector<uint8_t>> ReadUserBytes(const wchar_t* key, const wchar_t* name) {
  DWORD type = 0;
  auto data = ReadRaw(key, name, type);
  if (!data || type != REG_BINARY) return std::nullopt;
  return std::vector<uint8_t>(data->begin(), data->end());
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

bool DeleteUserValue(const wchar_t* key, const wchar_t* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return true;
  const RegistryKey owner(opened);
  const LSTATUS result = RegDeleteValueW(opened, name);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::optional<std::wstring> ReadDeskValue(const wchar_t* name, const wchar_t* section) {
  return ReadUserText(DeskKey(section).c_str(), name);
}
bool WriteDeskValue(const wchar_t* name, const std::wstring& value, const wchar_t* section) {
  return WriteUserText(DeskKey(section).c_str(), name, value);
}
bool DeleteDeskValue(const wchar_t* name, const wchar_t* section) {
  return DeleteUserValue(DeskKey(section).c_str(), name);
}

std::vector<std::pair<std::wstring, std::wstring>> ReadDeskSection(const wchar_t* section) {
  std::vector<std::pair<std::wstring, std::wstring>> values;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, DeskKey(section).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return values;
  }
  const RegistryKey owner(opened);
  std::vector<wchar_t> name(16384);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumValueW(opened, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::wstring valueName(name.data(), length);
    if (auto text = ReadDeskValue(valueName.c_str(), section)) values.emplace_back(valueName, std::move(*text));
  }
  return values;
}

bool DeleteDeskSection(const wchar_t* section) {
  const LSTATUS result = RegDeleteKeyW(HKEY_CURRENT_USER, DeskKey(section).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::vector<std::wstring> UserSubkeys(const wchar_t* key) {
  std::vector<std::wstring> names;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_ENUMERATE_SUB_KEYS, &opened) != ERROR_SUCCESS) return names;
  const RegistryKey owner(opened);
  std::vector<wchar_t> name(256);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(opened, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), length);
  }
  return names;
}

std::vector<std::wstring> DeskSections(const wchar_t* section) { return UserSubkeys(DeskKey(section).c_str()); }

bool AutostartIsOn() {
  return StartsWithWindows(ReadUserText(kRunKey, kRunValue).has_value(), ReadUserBytes(kApprovedKey, kRunValue));
}

bool SetAutostart(bool on) {
  // A mark of disabled left behind would keep the value from starting anything.
  if (on) return WriteUserText(kRunKey, kRunValue, QuotedProgramPath()) && DeleteUserValue(kApprovedKey, kRunValue);
  return DeleteUserValue(kRunKey, kRunValue) && DeleteUserValue(kApprovedKey, kRunValue);
}

}  // namespace tezun::desk
