#include "appearance_recorder.h"

#include <utility>

namespace tezun::test {
namespace {

// A hook has no data of its own: the recorder of this thread.
thread_local AppearanceRecorder* recording = nullptr;

bool BecomesVisible(const CWPSTRUCT& call) {
  if (call.message == WM_SHOWWINDOW) return call.wParam != FALSE;
  if (call.message == WM_WINDOWPOSCHANGED)
    return (reinterpret_cast<const WINDOWPOS*>(call.lParam)->flags & SWP_SHOWWINDOW) != 0;
  return false;
}

}  // namespace

AppearanceRecorder::AppearanceRecorder(std::function<void(HWND)> onAppear)
    : hook_(SetWindowsHookExA(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId())), onAppear_(std::move(onAppear)) {
  recording = this;
}

AppearanceRecorder::~AppearanceRecorder() {
  if (hook_) UnhookWindowsHookEx(hook_);
  recording = nullptr;
}

std::vector<Appearance> AppearanceRecorder::Of(const char* className) const {
  std::vector<Appearance> found;
  for (const Appearance& appearance : appearances_) {
    if (appearance.className == className) found.push_back(appearance);
  }
  return found;
}

LRESULT CALLBACK AppearanceRecorder::Watch(int code, WPARAM wParam, LPARAM lParam) {
  const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && recording && BecomesVisible(call) && !(GetWindowLongPtrA(call.hwnd, GWL_STYLE) & WS_CHILD)) {
    Appearance appearance;
    char name[64] = {};
    GetClassNameA(call.hwnd, name, sizeof name);
    appearance.className = name;
    GetWindowRect(call.hwnd, &appearance.bounds);
    RECT client{};
    GetClientRect(call.hwnd, &client);
    appearance.client = {client.right, client.bottom};
    recording->appearances_.push_back(appearance);
    if (recording->onAppear_) recording->onAppear_(call.hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tezun::test
