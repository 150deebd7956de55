#include "preview.h"

#include "graphics/screen.h"

namespace tezun {

TfrmPreview::TfrmPreview(HWND owner) {
  // 775 x 513 until shown; the class paints the desktop colour.
  Create(kPreviewClass, 0, WS_POPUP, "", RECT{0, 0, 775, 513}, owner);
  image_ = std::make_unique<ImageControl>(Handle(), RECT{0, 0, 775, 513});
  image_->Center = true;
  image_->OnMouse = [this](UINT message, WPARAM, POINT) {
    if (message == WM_LBUTTONUP) FormClick();  // Image1Click
  };
}

void TfrmPreview::FormShow() {
  const SIZE screen = ScreenSize();
  SetBounds(0, 0, screen.cx, screen.cy);
}

LRESULT TfrmPreview::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (image_) MoveWindow(image_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_LBUTTONUP:
      FormClick();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tezun
