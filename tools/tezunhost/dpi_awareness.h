// Old hosts declare no DPI awareness: on a scaled screen they see a smaller, virtual screen.
// tezunhost imitates one by switching its calling thread (Windows 10 1607 and later, and Wine).
#pragma once

#include <windows.h>

namespace tezunhost {

// The thread's awareness context, as SetThreadDpiAwarenessContext takes and gives it.
using DpiContext = HANDLE;

// Switches the calling thread to DPI-unaware and returns what it was; null where the system
// cannot switch threads.
DpiContext SetThreadDpiUnaware();
// Puts back what SetThreadDpiUnaware returned.
void RestoreThreadDpi(DpiContext previous);
inline bool MakeThreadDpiUnaware() { return SetThreadDpiUnaware() != nullptr; }
// Whether the calling thread declares no DPI awareness (on systems without per-thread awareness,
// whether the process does not).
bool ThreadIsDpiUnaware();

}  // namespace tezunhost
