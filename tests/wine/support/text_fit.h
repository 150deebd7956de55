// Whether a control shows the whole of its text, measured in its own font the way the system lays
// it out: a push button's inside the frame it draws, a check box's or radio button's beside its
// box, a group box's along its top edge, a label's over as many lines as it wraps to, and an edit
// of many lines all of its lines unless it scrolls with a visible scroll bar.
#pragma once

#include <windows.h>

#include <string>

namespace tezun::test {

// Empty when the text fits; otherwise what does not, for a failure message.
std::string TextThatDoesNotFit(HWND control);

// The same for every child control of a window, one line each.
std::string TextsThatDoNotFit(HWND window);

}  // namespace tezun::test
