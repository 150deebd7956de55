// The settings as last loaded from a key, kept for as long as nothing under that key changes.
// Reading them afresh costs some forty round trips to the registry on every call, while they
// change only when the user or an administrator changes them.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/registry.h"
#include "core/settings.h"

namespace tezun {

class StoredSettings {
 public:
  // The settings stored under the host's key: the ones kept for that key while its watch says
  // nothing changed; otherwise read afresh exactly as a call always reads them: the key is created
  // when missing, the values read in order, a value that cannot be read an error (and nothing is
  // kept for the key). The watch is armed before the values are read, so that a change while they
  // are read is seen too; a key that cannot be watched is read afresh every time.
  const TCalendarSettings& Load(RegistryKey& currentUser, std::string_view hostKey);

 private:
  // One key's settings and the watch on it: on the key's whole subtree, names and values, and on
  // the names below its parent, which is where the key's own deletion shows.
  struct Kept {
    std::string path;
    TCalendarSettings settings;
    HKEY key = nullptr;
    HKEY parent = nullptr;
    HANDLE changed = nullptr;  // set by the system at any change either watch sees
    bool watched = false;

    explicit Kept(std::string keyPath);
    Kept(const Kept&) = delete;
    Kept& operator=(const Kept&) = delete;
    ~Kept();
    bool Unchanged() const { return watched && WaitForSingleObject(changed, 0) == WAIT_TIMEOUT; }
  };

  // Hosts keep their settings under one key; a few are kept all the same, for one that has more.
  static constexpr size_t kMostKept = 8;
  std::vector<std::unique_ptr<Kept>> kept_;  // the last used last
};

}  // namespace tezun
