#include "preview.h"

#include "graphics/screen.h"

namespace tezun {
namespace {

constexpr WindowClass kClass{kPreviewClass, 0, COLOR_BACKGROUND + 1};  // the desktop colour around the picture

// The form's client area as it was drawn, never seen: shown, it covers the screen.
constexpr RECT kDesignBounds{0, 0, 775, 513};

}  // namespace

TfrmPreview::TfrmPreview(HWND owner) {
  Create(kClass, 0, WS_POPUP, "", kDesignBounds, owner);
  image_ = std::make_unique<ImageControl>(Handle(), kDesignBounds);
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
