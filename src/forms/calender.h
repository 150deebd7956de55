// The calendar placement window: borderless, always on top, showing the calendar where and as
// large as it will be drawn on the wallpaper. Dragged anywhere to move, its frame to resize.
#pragma once

#include <memory>

#include "image_control.h"
#include "settings_session.h"
#include "window.h"

namespace tezun {

inline constexpr char kCalenderClass[] = "TezunCalender";

class TfrmCalender : public Window {
 public:
  // Created hidden; its owner is the host's window. It shows the session's settings, drawn anew
  // at each change of them and of its size, so that it is always ready to be seen.
  TfrmCalender(HWND owner, SettingsSession& session);

  // Left and top of the outer frame, client width and height.
  void Place(int left, int top, int width, int height);
  // Shown without taking the activation from the dialog that floats beside it.
  void ShowWithoutActivating() { ShowWindow(Handle(), SW_SHOWNA); }
  // Draws the calendar anew at the client's size on the background colour.
  void RefreshCalendarWindow();

  ImageControl& Image1() { return *image_; }

  static constexpr DWORD kStyle = WS_POPUP | WS_THICKFRAME;
  static constexpr DWORD kExStyle = WS_EX_TOPMOST;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormResize();
  void Image1MouseDown(UINT message, WPARAM keys, POINT at);

  SettingsSession& session_;
  std::unique_ptr<ImageControl> image_;
  SettingsSession::Listener listener_;
};

}  // namespace tezun
