// The picture to decorate, and the copy of it TezunDesk keeps in its own folder: a picture the
// user deleted from Downloads, or a cloud file not on the disk now, still makes the wallpaper.
#pragma once

#include <string>

#include "handles.h"

namespace tezun::desk {

// Makes `path` the picture to decorate: read whole, decoded, then its very bytes kept as a copy
// (written whole, atomically) and both stored. A DeskError when it cannot be read, and then
// nothing is stored; when the copy cannot be written, `mustKeep` says whether that fails too.
// Returns the picture.
Bitmap KeepPicture(const std::wstring& path, const std::wstring& folder, bool mustKeep);

// No picture to decorate from now on (the user chose a solid colour): its copy goes too.
void KeepNoPicture();

// The picture to decorate, `original`: read from it, else from the copy kept of it. The first
// failure when neither can be read. An original read well that has no copy yet gets one. An
// empty `original` is no picture: the calendar goes on the desktop colour, and none is stored.
Bitmap ReadPictureToDecorate(const std::wstring& original, const std::wstring& folder);

}  // namespace tezun::desk
