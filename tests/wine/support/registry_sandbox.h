// A key of the real registry of one test, under HKEY_CURRENT_USER\Software\TezunTests, removed
// again when the test ends. Values are read and written with the raw Win32 functions, so a test
// never checks the store through the store itself.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tezun::test {

struct RawValue {
  DWORD type = 0;
  std::string data;
};

class RegistrySandbox {
 public:
  RegistrySandbox();  // named after the running test and the process
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;
  ~RegistrySandbox();

  // The text to hand the plug-in as the host's key; the settings live at HostKey() + "\Tezun".
  const std::string& HostKey() const { return hostKey_; }
  std::string SettingsPath(const std::string& section = "") const;

  void Put(const std::string& section, const std::string& name, DWORD type, const std::string& data) const;
  void PutText(const std::string& section, const std::string& name, const std::string& text) const {
    Put(section, name, REG_SZ, text + '\0');
  }
  std::optional<RawValue> Get(const std::string& section, const std::string& name) const;

 private:
  std::string hostKey_;
};

// Keys of HKEY_CURRENT_USER by their whole path.
bool KeyExists(const std::string& path);
std::vector<std::string> SubkeyNames(const std::string& path);
std::vector<std::string> ValueNames(const std::string& path);
// Removes a key with everything below it.
void DeleteKeyTree(const std::string& path);

// Runs reg.exe with the arguments as another program would, and waits for it; a failure is a
// test failure.
void RunReg(const std::string& arguments);

}  // namespace tezun::test
