#include "plugin_settings_snapshot.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "desk_registry.h"
#include "handles.h"
#include "picture_layout.h"

namespace tezun::desk {
namespace {

// The section of its windows' places.
constexpr wchar_t kPlacesSection[] = L"Position";

// Every value of `key`, by name, type and bytes, each on a line of its own.
void GatherValues(HKEY key, const std::wstring& name, std::wstring& into) {
  std::vector<wchar_t> valueName(16384);
  std::vector<BYTE> data;
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(valueName.size()), type = 0, size = 0;
    if (RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      break;
    }
    data.assign(size, 0);
    nameLength = static_cast<DWORD>(valueName.size());
    if (RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
      break;
    }
    into += name;
    into += L'\\';
    into.append(valueName.data(), nameLength);
    into += L'=';
    into += std::to_wstring(type);
    into += L':';
    for (DWORD i = 0; i < size; ++i) into.push_back(static_cast<wchar_t>(data[i] + 1));
    into.push_back(L'\n');
  }
}

}  // namespace

const wchar_t kPluginKey[] = L"Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun";
const wchar_t kPluginOptionKey[] = L"Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun\\Option";

std::wstring PluginSettingsSnapshot() {
  std::wstring snapshot;
  // The keys still to read, by their paths below the plug-in's key, in a fixed order.
  std::vector<std::wstring> pending = {L""};
  while (!pending.empty()) {
    const std::wstring path = pending.back();
    pending.pop_back();
    HKEY opened = nullptr;
    const std::wstring full = path.empty() ? kPluginKey : std::wstring(kPluginKey) + path;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, full.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) continue;
    const RegistryKey owner(opened);
    GatherValues(opened, path, snapshot);
    // The plug-in's sections, one or two levels deep.
    for (const std::wstring& sub : UserSubkeys(full.c_str())) {
      if (path.empty() && lstrcmpiW(sub.c_str(), kPlacesSection) == 0) continue;
      std::wstring below = path;
      below += L'\\';
      below += sub;
      pending.push_back(std::move(below));
    }
  }
  return snapshot;
}

PluginStyles StoredPluginStyles() {
  const auto read = [](const wchar_t* name) {
    return StoredInteger(ReadUserText(kPluginOptionKey, name).value_or(L"")).value_or(0);
  };
  return {read(L"Style1"), read(L"Style2")};
}

}  // namespace tezun::desk
