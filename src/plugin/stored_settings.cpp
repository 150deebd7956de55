#include "stored_settings.h"

#include <algorithm>

#include "core/settings_store.h"

namespace tezun {
namespace {

// Windows 8 and later: the watch does not end with the thread that armed it. Earlier systems do
// not know the flag; there the watch ends, and signals, when that thread does.
constexpr DWORD kThreadAgnostic = 0x10000000;  // REG_NOTIFY_THREAD_AGNOSTIC

bool Notify(HKEY key, BOOL subtree, DWORD changes, HANDLE event) {
  for (const DWORD flags : {changes | kThreadAgnostic, changes}) {
    if (RegNotifyChangeKeyValue(key, subtree, flags, event, TRUE) == ERROR_SUCCESS) return true;
  }
  return false;
}

}  // namespace

StoredSettings::Kept::Kept(std::string keyPath) : path(std::move(keyPath)) {
  // No watch tells of its own key's deletion; the key's parent tells of it as a name gone below.
  const size_t slash = path.rfind('\\');
  const std::string parentPath = slash == std::string::npos ? std::string() : path.substr(0, slash);
  changed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  watched = changed && RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_NOTIFY, &key) == ERROR_SUCCESS &&
            RegOpenKeyExA(HKEY_CURRENT_USER, parentPath.c_str(), 0, KEY_NOTIFY, &parent) == ERROR_SUCCESS &&
            Notify(key, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, changed) &&
            Notify(parent, FALSE, REG_NOTIFY_CHANGE_NAME, changed);
}

StoredSettings::Kept::~Kept() {
  if (key) RegCloseKey(key);
  if (parent) RegCloseKey(parent);
  if (changed) CloseHandle(changed);
}

const TCalendarSettings& StoredSettings::Load(RegistryKey& currentUser, std::string_view hostKey) {
  const std::string path = SettingsKeyPath(hostKey);
  const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const auto& kept) { return kept->path == path; });
  if (found != kept_.end()) {
    std::unique_ptr<Kept> kept = std::move(*found);
    kept_.erase(found);
    if (kept->Unchanged()) return kept_.emplace_back(std::move(kept))->settings;
  }
  const SettingsStore store(currentUser, hostKey);  // creates the key, as every call does
  auto kept = std::make_unique<Kept>(path);
  LoadSettings(store, kept->settings);
  // Defaults read for want of a key are no record of it: the key may yet be opened next time.
  kept->watched = kept->watched && store.IsOpen();
  if (kept_.size() == kMostKept) kept_.erase(kept_.begin());
  return kept_.emplace_back(std::move(kept))->settings;
}

}  // namespace tezun
