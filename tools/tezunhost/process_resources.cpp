#include "process_resources.h"

// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <vector>

namespace tezunhost {
namespace {

// Wine reports no GDI object count. Its handle table hands out freed slots first, then new ones
// above all ever used; the low word of a handle is its slot. So when many probes are made at once,
// the highest slot they get, less their number, is about the count of objects alive.
DWORD EstimateGdiObjects() {
  constexpr DWORD kProbes = 4096;
  std::vector<HBRUSH> probes;
  DWORD highest = 0;
  for (DWORD i = 0; i < kProbes; ++i) {
    HBRUSH probe = CreateSolidBrush(0);
    if (!probe) break;
    probes.push_back(probe);
    highest = std::max<DWORD>(highest, LOWORD(reinterpret_cast<ULONG_PTR>(probe)));
  }
  for (HBRUSH probe : probes) DeleteObject(probe);
  return highest + 1 > probes.size() ? highest + 1 - static_cast<DWORD>(probes.size()) : 0;
}

// Wine reports no handle count either: count the handle values that name something.
DWORD ProbeHandleCount() {
  DWORD count = 0;
  for (ULONG_PTR value = 4; value < 65536; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources resources;
  // The GDI figure first: its probes grow the heap the first time, which the memory figure must
  // not count.
  resources.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  resources.gdiReported = resources.gdiObjects != 0;
  if (!resources.gdiReported) resources.gdiObjects = EstimateGdiObjects();
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  // Wine leaves PrivateUsage 0 and reports the private commit as PagefileUsage.
  resources.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
  if (!GetProcessHandleCount(GetCurrentProcess(), &resources.handles) || resources.handles == 0) {
    resources.handles = ProbeHandleCount();
  }
  return resources;
}

}  // namespace tezunhost
