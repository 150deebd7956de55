// The preview's picture for displays of 256 colours or fewer.
#pragma once

#include "graphics/bitmap.h"

namespace tezun {

// Turns a 24-bit picture into an 8-bit one of the same size, whose palette is the (at most 236)
// colours the JPEG codec chose for it. Codec errors raise EJPEG and leave the picture as it was.
void ReduceForLowColourDisplay(TBitmap& picture);

// Whether the screen shows so few colours that the preview is reduced first.
bool IsLowColourDisplay(int bitsPerPixel);

}  // namespace tezun
