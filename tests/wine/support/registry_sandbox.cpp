#include "registry_sandbox.h"

#include <gtest/gtest.h>

namespace tezun::test {
namespace {

class OpenKey {
 public:
  explicit OpenKey(const std::string& path) {
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

RegistrySandbox::RegistrySandbox() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  hostKey_ = "Software\\TezunTests\\" + std::string(info ? info->name() : "none") + "-" +
             std::to_string(GetCurrentProcessId());
  DeleteKeyTree(hostKey_);
}

RegistrySandbox::~RegistrySandbox() { DeleteKeyTree(hostKey_); }

std::string RegistrySandbox::SettingsPath(const std::string& section) const {
  return hostKey_ + "\\Tezun" + (section.empty() ? "" : "\\" + section);
}

void RegistrySandbox::Put(const std::string& section, const std::string& name, DWORD type,
                          const std::string& data) const {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsPath(section).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

std::optional<RawValue> RegistrySandbox::Get(const std::string& section, const std::string& name) const {
  OpenKey key(SettingsPath(section));
  if (!key.get()) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  std::string data(size, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(size);
  return RawValue{type, data};
}

bool KeyExists(const std::string& path) { return OpenKey(path).get() != nullptr; }

namespace {

// The names one of RegEnumKeyExA and RegEnumValueA lists under a key, index after index.
template <class Enumerate>
std::vector<std::string> Names(const std::string& path, Enumerate enumerate) {
  std::vector<std::string> names;
  OpenKey key(path);
  char name[256];
  for (DWORD i = 0; key.get(); ++i) {
    DWORD size = sizeof name;
    if (enumerate(key.get(), i, name, &size) != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  return names;
}

}  // namespace

std::vector<std::string> SubkeyNames(const std::string& path) {
  return Names(path, [](HKEY key, DWORD i, char* name, DWORD* size) {
    return RegEnumKeyExA(key, i, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

std::vector<std::string> ValueNames(const std::string& path) {
  return Names(path, [](HKEY key, DWORD i, char* name, DWORD* size) {
    return RegEnumValueA(key, i, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

void DeleteKeyTree(const std::string& path) { RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()); }

void RunReg(const std::string& arguments) {
  std::string command = "reg.exe " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &startup, &process))
      << command;
  WaitForSingleObject(process.hProcess, 30000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(code, 0u) << command;
}

}  // namespace tezun::test
