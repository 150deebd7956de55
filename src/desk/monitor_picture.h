// The pictures a composition makes besides the plug-in's: each other monitor's, the picture to
// decorate laid on the desktop colour at that monitor's size, as the plug-in lays it on the
// primary but without a calendar; and the one picture of the whole virtual screen.
#pragma once

#include <windows.h>

#include <vector>

#include "handles.h"
#include "monitor_plan.h"
#include "picture_layout.h"

namespace tezun::desk {

// The size of a bitmap; 0 x 0 for none.
DeskSize SizeOf(HBITMAP bitmap);

// A copy of `picture` (none for none), for the plug-in, which takes over what it is given.
Bitmap CopyOfPicture(HBITMAP picture);

// `picture` (none for the colour alone) laid on `colour` at `size`, centred or tiled by `layout`.
Bitmap MonitorPicture(HBITMAP picture, const DeskSize& size, const PictureLayout& layout, COLORREF colour);

// The plan's one file: each part's picture (`pictures`, in the plan's order) at each of its
// places, and `colour` where no monitor is.
Bitmap SpannedPicture(const CompositionPlan& plan, const std::vector<HBITMAP>& pictures, COLORREF colour);

}  // namespace tezun::desk
