// A failure of TezunDesk's work, in words, with the exit status it gives the command line.
#pragma once

#include <string>

#include "command_line.h"

namespace tezun::desk {

struct DeskError {
  DeskExit exit;
  std::wstring message;
};

// The words Windows has for an error code, else its number; `module` names a system module whose
// own codes it may be (winhttp.dll's).
std::wstring ErrorText(unsigned long code, const wchar_t* module = nullptr);

// The picture at `path` cannot be read, for `reason`.
DeskError UnreadablePicture(const std::wstring& path, const std::wstring& reason);
// The file at `path` cannot be written, for the error `code`; said with `what` (Shift-JIS), the
// words for a wallpaper's file when none.
DeskError UnwritableFile(const std::wstring& path, unsigned long code, const char* what = nullptr);

}  // namespace tezun::desk
