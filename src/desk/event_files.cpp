#include "event_files.h"

#include <algorithm>

#include "picture_choice.h"

namespace tezun::desk {
namespace {

bool Separator(wchar_t c) { return c == L'\\' || c == L'/'; }

void SortByPath(std::vector<FileStamp>& stamps) {
  std::sort(stamps.begin(), stamps.end(),
            [](const FileStamp& a, const FileStamp& b) { return FoldedPath(a.path) < FoldedPath(b.path); });
}

}  // namespace

std::wstring ParentFolder(const std::wstring& path) {
  size_t end = path.size();
  while (end > 0 && Separator(path[end - 1])) --end;
  while (end > 0 && !Separator(path[end - 1])) --end;  // the name
  if (end == 0) return L"";
  // A drive's root keeps its separator: "C:" alone is the drive's current folder.
  if (end == 3 && path[1] == L':') return path.substr(0, 3);
  while (end > 0 && Separator(path[end - 1])) --end;
  std::wstring parent = path.substr(0, end);
  // A drive without its root, or a server without a share, is no folder to watch.
  const bool server = parent.rfind(L"\\\\", 0) == 0 && std::none_of(parent.begin() + 2, parent.end(), Separator);
  if (parent.empty() || (parent.size() == 2 && parent[1] == L':') || server) return L"";
  return parent;
}

std::vector<std::wstring> WatchedFolders(const std::vector<NamedPath>& paths) {
  std::vector<std::wstring> folders;
  std::vector<std::wstring> folded;
  for (const NamedPath& named : paths) {
    const std::wstring folder = named.kind == PathKind::Folder ? named.path : ParentFolder(named.path);
    if (folder.empty()) continue;
    const std::wstring key = FoldedPath(folder);
    if (std::find(folded.begin(), folded.end(), key) != folded.end()) continue;
    folded.push_back(key);
    folders.push_back(folder);
  }
  return folders;
}

bool IsCalendarName(const std::wstring& name) {
  const std::wstring folded = FoldedPath(name);
  return folded.size() > 4 && folded.compare(folded.size() - 4, 4, L".ics") == 0;
}

bool EventFilesChanged(std::vector<FileStamp> composed, std::vector<FileStamp> now) {
  SortByPath(composed);
  SortByPath(now);
  return composed.size() != now.size() ||
         !std::equal(composed.begin(), composed.end(), now.begin(), [](const FileStamp& a, const FileStamp& b) {
           return SamePath(a.path, b.path) && a.size == b.size && a.written == b.written;
         });
}

}  // namespace tezun::desk
