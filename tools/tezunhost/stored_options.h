// Settings that tezunhost's own runs give the plug-in: "Option" values in a key of their own.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tezunhost {

using OptionValues = std::vector<std::pair<std::string, std::string>>;

// Stores the values as text under HKEY_CURRENT_USER\<hostKey>\Tezun\Option, creating the keys;
// a HostError when the section cannot be made.
void StoreOptions(const std::string& hostKey, const OptionValues& values);

}  // namespace tezunhost
