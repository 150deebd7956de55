// The composed wallpaper, written losslessly as a BMP file through the Windows Imaging Component.
// BMP, not PNG: every version of Windows shows it as the wallpaper as it is (Windows 7 converts
// other formats first, Wine shows no other), and a screen's pixels are written faster than they
// are compressed.
#pragma once

#include <windows.h>

#include <string>

namespace tezun::desk {

// Writes `bitmap` to `path`: whole into a temporary file beside it, flushed to the disk, then moved
// into place, so that a failure or a power cut leaves either the old file or the new one, never a
// part. COM must be initialised. A DeskError with kExitUnwritable says why it could not.
void WritePicture(HBITMAP bitmap, const std::wstring& path);

}  // namespace tezun::desk
