// An image control: a child window that shows a picture, at its top-left corner or centred, and
// tells its owner about the mouse.
#pragma once

#include <functional>

#include "graphics/bitmap.h"
#include "window.h"

namespace tezun {

class ImageControl : public Window {
 public:
  ImageControl(HWND parent, const RECT& bounds);

  // The control keeps the picture (taking it over) and paints it from now on.
  void SetPicture(HBITMAP picture);
  const TBitmap& Picture() const { return picture_; }

  bool Center = false;
  // Mouse messages as they arrive (WM_LBUTTONDOWN, WM_RBUTTONDOWN, ...), at client coordinates.
  // The class takes double clicks: a press soon after a click comes as WM_LBUTTONDBLCLK (or the
  // right or middle one) instead of a press.
  std::function<void(UINT message, WPARAM keys, POINT at)> OnMouse;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  POINT Origin() const;

  TBitmap picture_;
  GdiObject<HPALETTE> palette_;  // an 8-bit picture's own colours, for displays of 256 colours
};

}  // namespace tezun
