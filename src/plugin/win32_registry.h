// The settings store's registry on Windows: the ANSI registry functions under HKEY_CURRENT_USER.
#pragma once

#include <memory>

#include "core/registry.h"

namespace tezun {

// HKEY_CURRENT_USER; the predefined key itself is never closed.
std::unique_ptr<RegistryKey> CurrentUserKey();

}  // namespace tezun
