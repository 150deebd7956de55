#include "calender.h"

#include "graphics/bitmap.h"
#include "render/calendar_renderer.h"
#include "texts.h"

namespace tezun {

TfrmCalender::TfrmCalender(HWND owner, const TCalendarSettings& settings) : settings_(settings) {
  // 165 x 173 until the settings place it.
  Create(kCalenderClass, kExStyle, kStyle, kCalenderCaption, RECT{0, 0, 165, 173}, owner);
  image_ = std::make_unique<ImageControl>(Handle(), RECT{0, 0, ClientSize().cx, ClientSize().cy});
  image_->OnMouse = [this](UINT message, WPARAM keys, POINT at) { Image1MouseDown(message, keys, at); };
}

void TfrmCalender::Place(int left, int top, int width, int height) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetClientSize(width, height);
}

void TfrmCalender::FormShow() {
  RefreshCalendarWindow();  // drawn before it shows, never a stale or empty picture first
  ShowWindow(Handle(), SW_SHOWNA);
}

void TfrmCalender::RefreshCalendarWindow() {
  const SIZE client = image_->ClientSize();
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(client.cx, client.cy);
  TCanvas& canvas = picture.Canvas();
  canvas.Brush.Color = settings_.BgColor;
  canvas.Brush.Style = BrushStyle::bsSolid;
  canvas.FillRect({0, 0, client.cx, client.cy});
  RenderCalendar(canvas, {0, 0, client.cx, client.cy}, settings_);
  image_->SetPicture(picture.Detach());
  UpdateWindow(image_->Handle());  // at once, so a resize drag never shows a stale picture
}

void TfrmCalender::FormResize() {
  const SIZE client = ClientSize();
  MoveWindow(image_->Handle(), 0, 0, client.cx, client.cy, FALSE);
  RefreshCalendarWindow();
}

void TfrmCalender::Image1MouseDown(UINT message, WPARAM keys, POINT at) {
  // Any button pressed while the left one is down, the left one itself included. A press soon
  // after a click arrives as a double click, and is a press all the same: every drag moves.
  const bool buttonDown = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                          message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  if (!buttonDown || !(keys & MK_LBUTTON)) return;
  // Let the system drag the window as if by its caption; it follows the cursor from where it is.
  ReleaseCapture();
  SendMessageA(Handle(), WM_SYSCOMMAND, 0xF012, MAKELPARAM(at.x, at.y));
}

LRESULT TfrmCalender::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (image_) FormResize();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the image covers the client area
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tezun
