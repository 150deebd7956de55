// The Japanese eras as this system lists them.
#pragma once

#include <vector>

#include "core/month_title.h"

namespace tezun {

// The list Windows keeps under HKEY_LOCAL_MACHINE and extends through its updates when an era
// begins (Windows 10 1809 and later), so that a new era needs no new Tezun; Meiji to Reiwa where
// the system keeps none.
std::vector<Era> ReadSystemEras();

// The same, read once while the module is loaded: an era begins with an update of Windows, after
// which the host starts anew, and reading the list costs some ten round trips to the registry.
const std::vector<Era>& SystemEras();

}  // namespace tezun
