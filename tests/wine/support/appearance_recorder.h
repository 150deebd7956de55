// Every moment a window of the test's thread becomes visible, caught as the system shows it: the
// WM_SHOWWINDOW before, and the WM_WINDOWPOSCHANGED with SWP_SHOWWINDOW after. A window that is
// moved, sized or filled in only after it shows is seen here as it first appeared.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tezun::test {

struct Appearance {
  std::string className;
  RECT bounds{};  // screen coordinates
  SIZE client{};
};

// Records while it lives; one at a time per thread. `onAppear` runs at each of those moments, in
// the window's own thread, to read whatever else the test wants to know then.
class AppearanceRecorder {
 public:
  explicit AppearanceRecorder(std::function<void(HWND)> onAppear = nullptr);
  AppearanceRecorder(const AppearanceRecorder&) = delete;
  AppearanceRecorder& operator=(const AppearanceRecorder&) = delete;
  ~AppearanceRecorder();

  // In the order they happened.
  std::vector<Appearance> Of(const char* className) const;

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_;
  std::function<void(HWND)> onAppear_;
  std::vector<Appearance> appearances_;
};

}  // namespace tezun::test
