// The process's resources as the platform reports them, and estimated where Wine does not.
#pragma once

#include <windows.h>

namespace tezunhost {

struct ProcessResources {
  SIZE_T privateBytes = 0;
  DWORD handles = 0;
  DWORD gdiObjects = 0;
  bool gdiReported = false;  // false: estimated from the GDI handle table's slots
};

ProcessResources MeasureProcessResources();

}  // namespace tezunhost
