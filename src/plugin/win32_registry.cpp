#include "win32_registry.h"

#include <windows.h>

namespace tezun {
namespace {

std::function<bool(const std::string&)> failingWrites;
std::function<bool(const std::string&)> failingKeys;

bool KeyFails(const std::string& path) { return failingKeys && failingKeys(path); }

class Win32Key final : public RegistryKey {
 public:
  Win32Key(HKEY key, bool owned) : key_(key), owned_(owned) {}
  Win32Key(const Win32Key&) = delete;
  Win32Key& operator=(const Win32Key&) = delete;
  ~Win32Key() override {
    if (owned_) RegCloseKey(key_);
  }

  std::unique_ptr<RegistryKey> CreateKey(const std::string& path) override {
    if (KeyFails(path)) return nullptr;
    HKEY key = nullptr;
    if (RegCreateKeyExA(key_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return nullptr;
    }
    return std::make_unique<Win32Key>(key, true);
  }

  std::unique_ptr<RegistryKey> OpenKey(const std::string& path, RegistryAccess access) override {
    if (KeyFails(path)) return nullptr;
    HKEY key = nullptr;
    const REGSAM rights = access == RegistryAccess::Read ? KEY_READ : KEY_ALL_ACCESS;
    if (RegOpenKeyExA(key_, path.c_str(), 0, rights, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key, true);
  }

  std::optional<RegistryValue> QueryValue(const std::string& name, std::span<char> data) override {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    auto* bytes = data.empty() ? nullptr : reinterpret_cast<BYTE*>(data.data());
    const LSTATUS status = RegQueryValueExA(key_, name.c_str(), nullptr, &type, bytes, &size);
    if (status == ERROR_MORE_DATA) return RegistryValue{type, size, false};
    if (status != ERROR_SUCCESS) return std::nullopt;
    return RegistryValue{type, size, bytes != nullptr || size == 0};
  }

  bool SetStringValue(const std::string& name, std::string_view text) override {
    if (failingWrites && failingWrites(name)) return false;
    const std::string bytes(text);  // c_str() supplies the terminating NUL
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.c_str()),
                          static_cast<DWORD>(bytes.size() + 1)) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
  bool owned_;
};

}  // namespace

void FailRegistryWritesForTesting(std::function<bool(const std::string&)> fails) { failingWrites = std::move(fails); }
void FailRegistryKeysForTesting(std::function<bool(const std::string&)> fails) { failingKeys = std::move(fails); }

std::unique_ptr<RegistryKey> CurrentUserKey() { return std::make_unique<Win32Key>(HKEY_CURRENT_USER, false); }

}  // namespace tezun
