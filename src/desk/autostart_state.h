// Whether Windows starts TezunDesk at log-on: the Run value alone does not say it, since Task
// Manager's start-up list can disable the value without removing it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tezun::desk {

// `approved`: the bytes of TezunDesk's entry under Explorer's StartupApproved\Run, when there is
// one. Its first byte is even (2, 6) while enabled and odd (3, 7) once the user disabled it; a
// missing or empty entry leaves the Run value in force.
bool StartsWithWindows(bool runValue, const std::optional<std::vector<uint8_t>>& approved);

// Whether the entry says disabled.
bool DisabledByUser(const std::optional<std::vector<uint8_t>>& approved);

}  // namespace tezun::desk
