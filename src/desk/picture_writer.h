// The composed wallpaper, written losslessly as PNG through the Windows Imaging Component.
#pragma once

#include <windows.h>

#include <string>

namespace tezun::desk {

// Writes `bitmap` to `path`: whole into a temporary file beside it, flushed to the disk, then moved
// into place, so that a failure or a power cut leaves either the old file or the new one, never a
// part. COM must be initialised. A DeskError with kExitUnwritable says why it could not.
void WritePicture(HBITMAP bitmap, const std::wstring& path);

}  // namespace tezun::desk
