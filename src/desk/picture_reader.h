// The picture to decorate, read through the Windows Imaging Component (the platform's own
// decoders: BMP, JPEG, PNG, GIF's first frame, TIFF) into a 32-bit DIB section, turned as its
// orientation tag says.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "handles.h"

namespace tezun::desk {

// A device-independent bitmap of rows top to bottom, `bitCount` bits a pixel; `bits` receives
// where its pixels are. None when there is no memory for it.
Bitmap TopDownDib(uint32_t width, uint32_t height, WORD bitCount, void** bits);

// The picture in the bytes of a `file`, read from `path`; COM must be initialised on the thread. A
// DeskError with kExitUnreadable names the file and the reason when it cannot be decoded or is
// too large to hold.
Bitmap DecodePicture(const std::vector<uint8_t>& file, const std::wstring& path);

// The picture at `path`, read whole and decoded.
Bitmap ReadPicture(const std::wstring& path);

}  // namespace tezun::desk
