// A file's bytes, read whole or written whole: a picture is decoded from the very bytes TezunDesk
// keeps a copy of, and no reader ever meets a file half written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tezun::desk {

// The whole file; a DeskError with kExitUnreadable names it and says why not (gone, too large to
// be a picture, unreadable).
std::vector<uint8_t> ReadWholeFile(const std::wstring& path);

// Writes `bytes` whole into a temporary file beside `path`, flushed to the disk, then moved into
// place, so that a failure or a power cut leaves either the old file or the new one, never a
// part. A DeskError with kExitUnwritable says why it could not, with `what` (Shift-JIS words for
// the file; a wallpaper's when none).
void WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes, const char* what = nullptr);

}  // namespace tezun::desk
