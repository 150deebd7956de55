// The calendar placement window: borderless, always on top, showing the calendar where and as
// large as it will be drawn on the wallpaper. Dragged anywhere to move, its frame to resize.
#pragma once

#include <memory>

#include "core/settings.h"
#include "image_control.h"
#include "window.h"

namespace tezun {

class TfrmCalender : public Window {
 public:
  // Created hidden; its owner is the host's window.
  TfrmCalender(HWND owner, const TCalendarSettings& settings);

  // Left and top of the outer frame, client width and height.
  void Place(int left, int top, int width, int height);
  void FormShow() override;
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

  const TCalendarSettings& settings_;
  std::unique_ptr<ImageControl> image_;
};

}  // namespace tezun
