#include "window.h"

#include <exception>
#include <map>
#include <string>
#include <utility>

#include "graphics/graphics_error.h"

// The linker's name for the start of this module's own image: its instance handle.
extern "C" IMAGE_DOS_HEADER __ImageBase;  // NOLINT(bugprone-reserved-identifier)

namespace tezun {
namespace {

// How many windows of each of the module's classes exist; a class is registered while any does.
std::map<std::string, int, std::less<>> classUsers;

void UseClass(const WindowClass& windowClass) {
  if (classUsers[windowClass.name]++ > 0) return;
  WNDCLASSEXA registered{};
  registered.cbSize = sizeof registered;
  registered.style = windowClass.style;
  registered.lpfnWndProc = FormProcedure;
  registered.hInstance = ModuleInstance();
  registered.hCursor = LoadCursor(nullptr, IDC_ARROW);
  registered.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(windowClass.background));
  registered.lpszClassName = windowClass.name;
  // One left behind by an earlier load of the module points into code that is gone: replaced.
  if (!RegisterClassExA(&registered) && GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
    UnregisterClassA(windowClass.name, ModuleInstance());
    RegisterClassExA(&registered);
  }
}

void ReleaseClass(const char* name) {
  const auto users = classUsers.find(name);
  if (users == classUsers.end() || --users->second > 0) return;
  classUsers.erase(users);
  UnregisterClassA(name, ModuleInstance());
}

struct EnabledWindows {
  HWND except;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& work = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(data)->push_back({work.left, work.top, work.right, work.bottom});
  }
  return TRUE;
}

BOOL CALLBACK CollectEnabled(HWND hwnd, LPARAM data) {
  auto& walk = *reinterpret_cast<EnabledWindows*>(data);
  if (hwnd != walk.except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) walk.windows.push_back(hwnd);
  return TRUE;
}

// A modal run of a window while it lives: the thread's other visible, enabled top-level windows
// (the host's among them) are disabled, and enabled again however the run ends, before the window
// hides so that activation goes back to them.
class ModalScope {
 public:
  explicit ModalScope(HWND window) : window_(window) {
    EnabledWindows walk{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&walk));
    disabled_ = std::move(walk.windows);
    for (HWND hwnd : disabled_) EnableWindow(hwnd, FALSE);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
  ~ModalScope() {
    for (HWND hwnd : disabled_) EnableWindow(hwnd, TRUE);
    ShowWindow(window_, SW_HIDE);
  }

 private:
  HWND window_;
  std::vector<HWND> disabled_;
};

}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

Window::~Window() {
  Destroy();
  if (className_) ReleaseClass(className_);
}

void Window::Destroy() {
  if (!hwnd_) return;
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);  // no more messages to a half-destroyed object
  DestroyWindow(std::exchange(hwnd_, nullptr));
}

void Window::Create(const WindowClass& windowClass, DWORD exStyle, DWORD style, std::string_view text,
                    const RECT& bounds, HWND parent, int id) {
  if (!className_) UseClass(windowClass);
  className_ = windowClass.name;
  const std::string caption(text);
  hwnd_ = CreateWindowExA(exStyle, windowClass.name, caption.c_str(), style, bounds.left, bounds.top,
                          bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(), this);
  if (!hwnd_) throw EOutOfResources("cannot create a window");
}

LRESULT CALLBACK FormProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {  // destroyed from outside, with its owner: forget the handle
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // Nothing may unwind through the system's frames: an error of a command is shown, and the
  // window goes on.
  try {
    return window->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    ShowError(hwnd, error.what());
  } catch (...) {
    ShowError(hwnd, "?");
  }
  return 0;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

RECT Window::Bounds() const {
  RECT bounds{};
  GetWindowRect(hwnd_, &bounds);
  return bounds;
}

SIZE Window::ClientSize() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return {client.right, client.bottom};
}

void Window::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<Rect> MonitorWorkAreas() {
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

void Window::KeepWithinReach(const RECT& grip, const Reach& reach) {
  const RECT bounds = Bounds();
  const Rect window{bounds.left, bounds.top, bounds.right, bounds.bottom};
  const Rect placed = WithinReach(window, {grip.left, grip.top, grip.right, grip.bottom}, reach, MonitorWorkAreas());
  if (placed == window) return;
  SetWindowPos(hwnd_, nullptr, static_cast<int>(placed.left), static_cast<int>(placed.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::ShowModal() {
  modalResult_ = mrNone;
  {
    const ModalScope modal(hwnd_);
    // Ready before anyone sees it: placed, sized and filled in first, then shown. The windows
    // FormShown shows come after the others are disabled, so they stay usable.
    FormShow();
    ShowWindow(hwnd_, SW_SHOW);
    FormShown();
    MSG msg{};
    while (modalResult_ == mrNone) {
      const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns it
        modalResult_ = mrCancel;
        break;
      }
      if (!PreTranslateMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  FormClose();
  return modalResult_;
}

void ShowError(HWND owner, const char* message) { MessageBoxA(owner, message, "Tezun", MB_OK | MB_ICONSTOP); }

}  // namespace tezun
