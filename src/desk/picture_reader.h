// The picture to decorate, read through the Windows Imaging Component (the platform's own
// decoders: BMP, JPEG, PNG, GIF's first frame, TIFF) into a 32-bit DIB section, turned as its
// orientation tag says.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "handles.h"

namespace tezun::desk {

// The picture in the bytes of a `file`, read from `path`; COM must be initialised on the thread. A
// DeskError with kExitUnreadable names the file and the reason when it cannot be decoded or is
// too large to hold.
Bitmap DecodePicture(const std::vector<uint8_t>& file, const std::wstring& path);

// The picture at `path`, read whole and decoded.
Bitmap ReadPicture(const std::wstring& path);

}  // namespace tezun::desk
