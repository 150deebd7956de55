// The plug-in's documented "Events" value, as TezunDesk reads and writes it: the paths of
// iCalendar files and folders, `;` between them, in Shift-JIS. TezunDesk adds the folder of its
// subscriptions as a .reg file would, and keeps the user's own paths byte for byte: neither `;`
// nor a space or a tab is ever the second byte of a Shift-JIS character, so the bytes split where
// the characters do.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tezun::desk {

// The longest value the plug-in reads, in bytes without its NUL; it takes a longer one for none,
// so a folder that would make the value longer is not added: the user's whole list would vanish.
constexpr size_t kLongestEvents = size_t{32} * 1024 - 1;

// Whether the plug-in reads the value as it is (a longer one it reads as none).
inline bool EventsReadable(std::string_view value) { return value.size() <= kLongestEvents; }

// The paths as the plug-in reads them: spaces and tabs around each dropped, empty ones skipped.
std::vector<std::string> EventsPaths(std::string_view value);

// Whether a path of the value (Shift-JIS) names the folder in question; the caller compares paths
// as Windows does.
using NamesFolder = std::function<bool(std::string_view path)>;

// The value with `folder` added after the user's paths; nothing when a path already names it.
// The caller refuses a value that is then no longer EventsReadable.
std::optional<std::string> EventsNaming(std::string_view value, std::string_view folder, const NamesFolder& isIt);

// The value without the paths that name the folder, the others as they were; nothing when none
// does.
std::optional<std::string> EventsNotNaming(std::string_view value, const NamesFolder& isIt);

}  // namespace tezun::desk
