#include "system_eras.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace tezun {

namespace {
// Made on first use; not a static inside the function, whose guard would leave per-thread data
// behind in a module that is unloaded.
std::optional<std::vector<Era>> systemEras;
}  // namespace

const std::vector<Era>& SystemEras() {
  if (!systemEras) systemEras = ReadSystemEras();
  return *systemEras;
}

std::vector<Era> ReadSystemEras() {
  constexpr char kEras[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras";
  std::vector<std::pair<std::string, std::string>> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEras, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    for (DWORD index = 0;; ++index) {
      char name[64];
      char data[256];
      DWORD nameLength = sizeof name, dataSize = sizeof data - 1, type = 0;
      const LSTATUS status =
          RegEnumValueA(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize);
      if (status == ERROR_NO_MORE_ITEMS) break;
      if (status != ERROR_SUCCESS || type != REG_SZ) continue;  // too long, or not text: not an era
      data[dataSize] = '\0';
      values.emplace_back(std::string(name, nameLength), std::string(data));
    }
    RegCloseKey(key);
  }
  std::vector<Era> eras = ParseEraList(values);
  if (eras.empty()) {
    const auto builtIn = BuiltInEras();
    eras.assign(builtIn.begin(), builtIn.end());
  }
  return eras;
}

}  // namespace tezun
