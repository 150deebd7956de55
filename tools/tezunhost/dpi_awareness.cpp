#include "dpi_awareness.h"

namespace tezunhost {
namespace {

using SetContext = DpiContext(WINAPI*)(DpiContext);

template <class Function>
Function Find(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

SetContext Switch() {
  static const auto function = Find<SetContext>("SetThreadDpiAwarenessContext");
  return function;
}

}  // namespace

bool ThreadIsDpiUnaware() {
  using GetContext = DpiContext(WINAPI*)();
  using AwarenessOf = int(WINAPI*)(DpiContext);
  static const auto getContext = Find<GetContext>("GetThreadDpiAwarenessContext");
  static const auto awarenessOf = Find<AwarenessOf>("GetAwarenessFromDpiAwarenessContext");
  if (!getContext || !awarenessOf) return IsProcessDPIAware() == FALSE;
  return awarenessOf(getContext()) == 0;  // DPI_AWARENESS_UNAWARE
}

DpiContext SetThreadDpiUnaware() {
  const DpiContext kUnaware = reinterpret_cast<DpiContext>(static_cast<INT_PTR>(-1));
  return Switch() ? Switch()(kUnaware) : nullptr;
}

void RestoreThreadDpi(DpiContext previous) {
  if (previous && Switch()) Switch()(previous);
}

}  // namespace tezunhost
