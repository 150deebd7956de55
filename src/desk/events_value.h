// The plug-in's documented "Events" value, as TezunDesk reads and writes it: the paths of
// iCalendar files and folders, `;` between them, in Shift-JIS. TezunDesk adds the folder of its
// subscriptions as a .reg file would, and keeps the user's own paths byte for byte: neither `;`
// nor a space or a tab is ever the second byte of a Shift-JIS character, so the bytes split where
// the characters do.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tezun::desk {

// The paths as the plug-in reads them: spaces and tabs around each dropped, empty ones skipped.
std::vector<std::string> EventsPaths(std::string_view value);

// Whether a path of the value (Shift-JIS) names the folder in question; the caller compares paths
// as Windows does.
using NamesFolder = std::function<bool(std::string_view path)>;

// The value with `folder` added after the user's paths; nothing when a path already names it.
std::optional<std::string> EventsNaming(std::string_view value, std::string_view folder, const NamesFolder& isIt);

// The value without the paths that name the folder, the others as they were; nothing when none
// does.
std::optional<std::string> EventsNotNaming(std::string_view value, const NamesFolder& isIt);

}  // namespace tezun::desk
