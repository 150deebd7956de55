// Which folders TezunDesk watches for the events the plug-in shows, and whether what it finds
// there has changed since the wallpaper was composed: decided from paths and time stamps alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tezun::desk {

// What a path of the plug-in's "Events" value names now.
enum class PathKind { Missing, File, Folder };

struct NamedPath {
  std::wstring path;  // whole, as Windows names it
  PathKind kind = PathKind::Missing;
};

// The folders whose changes may change the events: each folder named, the folder of each file
// named, and the folder that a path naming nothing yet would appear in; each once, in the order
// named.
std::vector<std::wstring> WatchedFolders(const std::vector<NamedPath>& paths);

// The folder a path lies in ("C:\" for a file at a drive's root); empty for a root itself.
std::wstring ParentFolder(const std::wstring& path);

// Whether a file in a folder named is one the plug-in reads: its name ends in .ics, in any case.
bool IsCalendarName(const std::wstring& name);

// A calendar file as last seen: a file written again has another size or time.
struct FileStamp {
  std::wstring path;
  uint64_t size = 0;
  uint64_t written = 0;  // the last write, in the file system's own units
  bool operator==(const FileStamp&) const = default;
};

// Whether the calendar files seen now differ from those the wallpaper was composed with: one
// added, removed or written. The order they were found in does not matter.
bool EventFilesChanged(std::vector<FileStamp> composed, std::vector<FileStamp> now);

}  // namespace tezun::desk
