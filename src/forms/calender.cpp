#include "calender.h"

#include "graphics/bitmap.h"
#include "render/calendar_renderer.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr WindowClass kClass{kCalenderClass};  // the image covers the client area

// The form's size as it was drawn, never seen: the settings place it before it shows.
constexpr RECT kDesignBounds{0, 0, 165, 173};

}  // namespace

TfrmCalender::TfrmCalender(HWND owner, SettingsSession& session)
    : session_(session), listener_(session, [this] { RefreshCalendarWindow(); }) {
  Create(kClass, kExStyle, kStyle, kCalenderCaption, kDesignBounds, owner);
  image_ = std::make_unique<ImageControl>(Handle(), RECT{0, 0, ClientSize().cx, ClientSize().cy});
  image_->OnMouse = [this](UINT message, WPARAM keys, POINT at) { Image1MouseDown(message, keys, at); };
  RefreshCalendarWindow();
}

void TfrmCalender::Place(int left, int top, int width, int height) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetClientSize(width, height);
}

void TfrmCalender::RefreshCalendarWindow() {
  const SIZE client = image_->ClientSize();
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(client.cx, client.cy);
  TCanvas& canvas = picture.Canvas();
  const TCalendarSettings& settings = session_.Edited();
  canvas.Brush.Color = settings.BgColor;
  canvas.Brush.Style = BrushStyle::bsSolid;
  canvas.FillRect({0, 0, client.cx, client.cy});
  RenderCalendar(canvas, {0, 0, client.cx, client.cy}, settings);
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
  SendMessageA(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(at.x, at.y));
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
