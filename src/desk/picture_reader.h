// The picture to decorate, read through the Windows Imaging Component (the platform's own
// decoders: BMP, JPEG, PNG, GIF's first frame, TIFF) into a 32-bit DIB section, turned as its
// orientation tag says.
#pragma once

#include <string>

#include "handles.h"

namespace tezun::desk {

// The picture at `path`; COM must be initialised on the thread. A DeskError with kExitUnreadable
// names the file and the reason when it cannot be read or is too large to hold.
Bitmap ReadPicture(const std::wstring& path);

}  // namespace tezun::desk
