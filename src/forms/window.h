// A small base for the module's windows: creation in a class of the window's own, messages routed
// to a member function, destruction with the object, and a modal loop.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/window_reach.h"

namespace tezun {

// Modal results, as the buttons of the settings dialog give them.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// A window class of the module's: each window says which it is made in. A class is registered while
// a window of it exists and removed with the last one, so that the host may unload and reload the
// module without a class pointing into freed code.
struct WindowClass {
  const char* name = nullptr;
  UINT style = 0;
  int background = 0;  // system colour + 1; 0 for a window that paints every pixel itself
};

HINSTANCE ModuleInstance();

// The window procedure of the module's classes: it hands each message to its Window object.
LRESULT CALLBACK FormProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  // The outer frame in screen coordinates, and the client area's size.
  RECT Bounds() const;
  SIZE ClientSize() const;
  void SetBounds(int left, int top, int width, int height);
  void SetClientSize(int width, int height);
  void Hide() { ShowWindow(hwnd_, SW_HIDE); }
  // Moves the window, whole, into the work area of the nearest monitor when less than `reach` of
  // its `grip` (screen coordinates) lies on any monitor's work area; elsewhere it stays.
  void KeepWithinReach(const RECT& grip, const Reach& reach);

  // Shows the window and runs messages until EndModal; the thread's other windows that were
  // visible and enabled are disabled meanwhile. Returns the modal result.
  int ShowModal();
  void EndModal(int result) { modalResult_ = result; }

 protected:
  Window() = default;
  // Creates the window; `text` is Shift-JIS. Child windows take `parent` as parent, top-level
  // ones as owner.
  void Create(const WindowClass& windowClass, DWORD exStyle, DWORD style, std::string_view text, const RECT& bounds,
              HWND parent, int id = 0);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called by ShowModal just before the window becomes visible, just after, and once it has
  // closed and is hidden.
  virtual void FormShow() {}
  virtual void FormShown() {}
  virtual void FormClose() {}
  // A message of the modal loop that the window handles itself instead of dispatching it. The
  // loop has no dialog keys of its own: a window that wants Tab, Enter or Escape handles them here.
  virtual bool PreTranslateMessage(const MSG&) { return false; }
  // Destroys the window now, before the derived object's members go.
  void Destroy();
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd_, message, wParam, lParam); }

 private:
  friend LRESULT CALLBACK FormProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  const char* className_ = nullptr;  // the class this window holds registered
  int modalResult_ = mrNone;
};

// The work areas of the monitors: the desktop but for task bars and docked bars.
std::vector<Rect> MonitorWorkAreas();

// Tells the user about an error of a command, in a message box owned by the window.
void ShowError(HWND owner, const char* message);

}  // namespace tezun
