#include "stored_options.h"

#include <windows.h>

#include "host_error.h"

namespace tezunhost {

void StoreOptions(const std::string& hostKey, const OptionValues& values) {
  HKEY key = nullptr;
  const std::string path = hostKey + "\\Tezun\\Option";
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    throw HostError("cannot write settings under HKEY_CURRENT_USER\\" + path);
  }
  for (const auto& [name, text] : values) {
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
  }
  RegCloseKey(key);
}

}  // namespace tezunhost
