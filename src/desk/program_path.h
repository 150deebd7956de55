// Where this program's own file is: the plug-in is looked for beside it, and the Run value names it.
#pragma once

#include <string>

namespace tezun::desk {

// The full path of the running program, however long.
std::wstring ProgramPath();

}  // namespace tezun::desk
