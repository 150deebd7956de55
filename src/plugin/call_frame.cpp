#include "call_frame.h"

#include "win32_registry.h"

namespace tezun {

CallFrame::CallFrame(HWND hostWindow, const char* registryKey)
    : currentUser_(CurrentUserKey()),
      store_(OpenSettingsStore(*currentUser_, registryKey ? registryKey : "")),
      owner_(hostWindow) {}

}  // namespace tezun
