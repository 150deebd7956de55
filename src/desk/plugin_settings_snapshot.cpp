#include "plugin_settings_snapshot.h"

#include <windows.h>

#include <vector>

#include "handles.h"

namespace tezun::desk {
namespace {

// The key the plug-in uses when the host hands it an empty key text, and the section of its
// windows' places.
constexpr wchar_t kPluginKey[] = L"Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun";
constexpr wchar_t kPlacesSection[] = L"Position";

void Gather(HKEY key, const std::wstring& name, std::wstring& into) {
  std::vector<wchar_t> valueName(16384);
  std::vector<BYTE> data;
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(valueName.size()), type = 0, size = 0;
    LSTATUS result = RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) break;
    data.assign(size, 0);
    nameLength = static_cast<DWORD>(valueName.size());
    result = RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (result != ERROR_SUCCESS) break;
    into += name + L"\\" + std::wstring(valueName.data(), nameLength) + L"=" + std::to_wstring(type) + L":";
    for (DWORD i = 0; i < size; ++i) into.push_back(static_cast<wchar_t>(data[i] + 1));
    into.push_back(L'\n');
  }
  std::vector<wchar_t> subName(256);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(subName.size());
    if (RegEnumKeyExW(key, index, subName.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::wstring sub(subName.data(), length);
    if (name.empty() && lstrcmpiW(sub.c_str(), kPlacesSection) == 0) continue;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(key, sub.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) continue;
    const RegistryKey owner(opened);
    Gather(opened, name + L"\\" + sub, into);
  }
}

}  // namespace

std::wstring PluginSettingsSnapshot() {
  std::wstring snapshot;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kPluginKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return snapshot;
  const RegistryKey owner(opened);
  Gather(opened, L"", snapshot);
  return snapshot;
}

}  // namespace tezun::desk
