#include "image_control.h"

#include <windowsx.h>

#include "core/geometry.h"

namespace tezun {
namespace {

// Double clicks come as such: a press soon after a click is still a press (see OnMouse).
constexpr WindowClass kClass{"TezunImage", CS_DBLCLKS};

// A logical palette of an 8-bit picture's colour table, or none.
GdiObject<HPALETTE> PaletteOf(TBitmap& picture) {
  if (picture.Format() != PixelFormat::Other) return {};
  RGBQUAD colors[256];
  const UINT count = GetDIBColorTable(picture.Canvas().Handle(), 0, 256, colors);
  if (count == 0) return {};
  struct {
    WORD version;
    WORD entries;
    PALETTEENTRY entry[256];
  } palette{0x300, static_cast<WORD>(count), {}};
  for (UINT i = 0; i < count; ++i) palette.entry[i] = {colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
  return GdiObject<HPALETTE>(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette)));
}

}  // namespace

ImageControl::ImageControl(HWND parent, const RECT& bounds) {
  Create(kClass, 0, WS_CHILD | WS_VISIBLE, "", bounds, parent);
}

void ImageControl::SetPicture(HBITMAP picture) {
  picture_.Adopt(picture);
  palette_ = PaletteOf(picture_);
  InvalidateRect(Handle(), nullptr, FALSE);
}

POINT ImageControl::Origin() const {
  if (!Center) return {0, 0};
  const SIZE client = ClientSize();
  return {static_cast<LONG>(CentredOffset(client.cx, picture_.Width())),
          static_cast<LONG>(CentredOffset(client.cy, picture_.Height()))};
}

void ImageControl::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  HPALETTE previous = nullptr;
  if (palette_) {
    previous = SelectPalette(dc, palette_.get(), FALSE);
    RealizePalette(dc);
  }
  // The picture, and the parent's background colour around it: every pixel painted once, so
  // nothing flickers while the window is resized.
  const POINT origin = Origin();
  const SIZE client = ClientSize();
  const int width = picture_.Width(), height = picture_.Height();
  if (!picture_.Empty()) {
    BitBlt(dc, origin.x, origin.y, width, height, picture_.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  const HBRUSH background = reinterpret_cast<HBRUSH>(GetClassLongPtrA(GetParent(Handle()), GCLP_HBRBACKGROUND));
  if (background) {
    const RECT bands[] = {
        {0, 0, client.cx, origin.y},
        {0, origin.y + height, client.cx, client.cy},
        {0, origin.y, origin.x, origin.y + height},
        {origin.x + width, origin.y, client.cx, origin.y + height},
    };
    for (const RECT& band : bands) {
      if (band.right > band.left && band.bottom > band.top) FillRect(dc, &band, background);
    }
  }
  if (previous) SelectPalette(dc, previous, FALSE);
  EndPaint(Handle(), &paint);
}

LRESULT ImageControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // Paint covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (OnMouse) OnMouse(message, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tezun
