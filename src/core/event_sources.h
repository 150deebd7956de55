// Where the user's events come from: the "Events" value names iCalendar files and folders, `;`
// between their paths. A folder stands for the `.ics` files in it (not those of its subfolders),
// in the order of their names; a file is read whatever its name ends in; a path that names nothing
// that exists gives nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tezun {

// The paths of the value: spaces and tabs around each are dropped, and empty ones left out.
std::vector<std::string> EventPaths(std::string_view value);

// A stored path (Shift-JIS) as a path the file system takes: Windows reads it as code page 932;
// the native tests and fuzzers use it as it is.
using PathOfText = std::function<std::filesystem::path(std::string_view)>;

// The files to read for the value, each once, in the order the value names them.
std::vector<std::filesystem::path> EventFiles(std::string_view value, const PathOfText& toPath);

}  // namespace tezun
