// The settings store's registry on Windows: the ANSI registry functions under HKEY_CURRENT_USER.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/registry.h"

namespace tezun {

// HKEY_CURRENT_USER; the predefined key itself is never closed.
std::unique_ptr<RegistryKey> CurrentUserKey();

// Tests make value writes or key openings fail here; nothing outside the module's own code can
// reach it. An empty function clears the fault.
void FailRegistryWritesForTesting(std::function<bool(const std::string& valueName)> fails);
void FailRegistryKeysForTesting(std::function<bool(const std::string& path)> fails);

}  // namespace tezun
