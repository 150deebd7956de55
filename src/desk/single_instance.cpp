#include "single_instance.h"

namespace tezun::desk {

const wchar_t kResidentClass[] = L"TezunDeskResident";

UINT ComposeNowMessage() {
  static const UINT message = RegisterWindowMessageW(L"TezunDesk.ComposeNow");
  return message;
}

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\TezunDesk.Resident")) {
  first_ = mutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
}

bool AskRunningToCompose() {
  // The first one may still be making its window: give it a few seconds to appear.
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (HWND running = FindWindowW(kResidentClass, nullptr)) {
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      AllowSetForegroundWindow(process);  // the menu and dialogs it may open are the user's
      return PostMessageW(running, ComposeNowMessage(), 0, 0) != FALSE;
    }
    Sleep(100);
  }
  return false;
}

}  // namespace tezun::desk
