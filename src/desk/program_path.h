// Where this program's own file is: the plug-in is looked for beside it, and the Run value names it.
#pragma once

#include <string>

namespace tezun::desk {

// The full path of the running program, however long.
std::wstring ProgramPath();

// The whole path Windows makes of `path` (a relative one from the current folder); the path as it
// is when Windows makes nothing of it.
std::wstring FullPath(const std::wstring& path);

}  // namespace tezun::desk
