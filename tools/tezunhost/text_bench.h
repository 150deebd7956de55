// tezunhost bench: the calendar's drawing against the floor of its texts, each text it puts on the
// picture drawn again by a bare ExtTextOut call with fonts made beforehand.
#pragma once

#include <windows.h>

namespace tezunhost {

// Rows over the whole picture of the screen's size and in the default 200 x 200 rectangle: plain,
// every option that puts texts, and those with the almanac, each with and without the outline.
void CalendarAgainstBareTexts(SIZE screen);

}  // namespace tezunhost
