// The picture the settings dialog's preview shows.
#pragma once

#include "core/settings.h"
#include "graphics/bitmap.h"
#include "graphics/gdi_handles.h"

namespace tezun {

// The wallpaper composed as the main job composes it, at the screen's real pixels, then shown in
// the pixels the calling thread sees: on a scaled screen the picture is larger than the preview and
// is shown whole, smaller. On a display of 256 colours or fewer it is reduced to its own palette.
// `wallpaper` is left as it is.
BitmapHandle ComposePreview(const TBitmap& wallpaper, const TCalendarSettings& settings);

}  // namespace tezun
