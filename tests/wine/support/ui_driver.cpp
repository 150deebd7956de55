#include "ui_driver.h"

#include <atomic>
#include <thread>

namespace tezun::test {
namespace {

// A WM_NULL with this parameter, posted to the window last: a hook on its thread's queue sees it
// taken, and looks whether anything else is still waiting there then.
constexpr WPARAM kIdleMarker = 0x1D1E;
enum class Marker { Posted, TakenBusy, TakenIdle };
std::atomic<Marker> marker = Marker::Posted;

LRESULT CALLBACK WatchQueue(int code, WPARAM removal, LPARAM message) {
  const MSG& taken = *reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && taken.message == WM_NULL && taken.wParam == kIdleMarker) {
    const DWORD waiting = HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT));
    marker = waiting ? Marker::TakenBusy : Marker::TakenIdle;
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace

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

bool WaitUntilIdle(HWND window, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, WatchQueue, nullptr, GetWindowThreadProcessId(window, nullptr));
  if (!hook) return false;
  bool idle = false;
  while (!idle) {
    marker = Marker::Posted;
    if (!PostMessageA(window, WM_NULL, kIdleMarker, 0)) break;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    // A window destroyed meanwhile takes its messages with it.
    if (left.count() <= 0 || !WaitUntil([&] { return marker != Marker::Posted || !IsWindow(window); }, left)) break;
    idle = marker == Marker::TakenIdle;
  }
  UnhookWindowsHookEx(hook);
  return idle;
}

}  // namespace tezun::test
