#include "autostart_state.h"

namespace tezun::desk {

bool DisabledByUser(const std::optional<std::vector<uint8_t>>& approved) {
  return approved && !approved->empty() && (approved->front() & 1) != 0;
}

bool StartsWithWindows(bool runValue, const std::optional<std::vector<uint8_t>>& approved) {
  return runValue && !DisabledByUser(approved);
}

}  // namespace tezun::desk
