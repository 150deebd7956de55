#include "single_instance.h"

#include <vector>

namespace tezun::desk {

const wchar_t kResidentClass[] = L"TezunDeskResident";

UINT ComposeNowMessage() {
  static const UINT message = RegisterWindowMessageW(L"TezunDesk.ComposeNow");
  return message;
}

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\TezunDesk.Resident")) {
  first_ = mutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
}

bool AskRunningToCompose(int attempts) {
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (HWND running = FindWindowW(kResidentClass, nullptr)) {
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      AllowSetForegroundWindow(process);  // the menu and dialogs it may open are the user's
      return PostMessageW(running, ComposeNowMessage(), 0, 0) != FALSE;
    }
    if (attempt + 1 < attempts) Sleep(100);
  }
  return false;
}

void EndRunningResidents() {
  constexpr UINT kPatience = 5000;
  std::vector<HWND> running;
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, kResidentClass, nullptr)) != nullptr;) {
    running.push_back(window);
  }
  for (HWND window : running) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const KernelHandle ending(OpenProcess(SYNCHRONIZE, FALSE, process));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kPatience, &ignored);
    if (ending && process != GetCurrentProcessId()) WaitForSingleObject(ending.get(), kPatience);
  }
}

}  // namespace tezun::desk
