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

// Wine reports no private commit of its own (PrivateUsage is 0), and what it reports instead is
// the Linux process's memory, which under CPU emulation holds the emulator's translated code
// too. The committed private pages of the process's own address space are what it allocated.
SIZE_T CommittedPrivateBytes() {
  SIZE_T bytes = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  }
  return bytes;
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
  resources.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : CommittedPrivateBytes();
  if (!GetProcessHandleCount(GetCurrentProcess(), &resources.handles) || resources.handles == 0) {
    resources.handles = ProbeHandleCount();
  }
  return resources;
}

}  // namespace tezunhost
