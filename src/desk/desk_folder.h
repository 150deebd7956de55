// TezunDesk's own folder, %LOCALAPPDATA%\TezunDesk: its output, the copy of the picture it
// decorates, and its log.
#pragma once

#include <string>

namespace tezun::desk {

// The folder, created when missing; a DeskError with kExitUnwritable when it cannot be.
std::wstring DeskFolder();

// Adds a line to TezunDesk.log in the folder: when, how TezunDesk was run (`how`), and `words`.
// A log that cannot be written is no reason to fail what it was to tell: nothing is said then.
void WriteLog(const std::wstring& how, const std::wstring& words);

}  // namespace tezun::desk
