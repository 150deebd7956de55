#include "ui_driver.h"

#include <thread>

namespace tezun::test {

void MoveMouse(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  std::this_thread::sleep_for(30ms);
}

void PressMouse(DWORD downOrUp) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = downOrUp;
  SendInput(1, &input, sizeof input);
  std::this_thread::sleep_for(30ms);
}

void PressKey(WORD key, bool shift) {
  auto send = [](WORD code, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    std::this_thread::sleep_for(30ms);
  };
  if (shift) send(VK_SHIFT, 0);
  send(key, 0);
  send(key, KEYEVENTF_KEYUP);
  if (shift) send(VK_SHIFT, KEYEVENTF_KEYUP);
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

}  // namespace tezun::test
