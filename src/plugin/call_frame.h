// What the settings dialog's entry call runs around its work: the settings store of this call,
// opened at the host's key, and the owner of the module's windows.
#pragma once

#include <windows.h>

#include <memory>

#include "core/registry.h"
#include "core/settings_store.h"

namespace tezun {

class CallFrame {
 public:
  // Opens (and creates) the settings key; a null key text counts as empty. The host window is
  // the owner of every window the module creates during the call.
  CallFrame(HWND hostWindow, const char* registryKey);
  CallFrame(const CallFrame&) = delete;
  CallFrame& operator=(const CallFrame&) = delete;
  // Closes the settings key, then the user's key.
  ~CallFrame() = default;

  SettingsStore& store() { return store_; }
  HWND owner() const { return owner_; }

 private:
  std::unique_ptr<RegistryKey> currentUser_;
  SettingsStore store_;
  HWND owner_;
};

// Runs an entry point's work so that nothing escapes into the host: any failure ends the work
// where it happened, and the caller still returns normally.
template <class Work>
void Contained(Work&& work) noexcept {
  try {
    work();
  } catch (...) {
  }
}

}  // namespace tezun
