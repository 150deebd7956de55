#include "bitmap.h"

#include <string>

#include "graphics_error.h"

namespace tezun {
namespace {

std::optional<int> creationsBeforeFailure;

// Every bitmap the layer makes passes here.
HBITMAP Made(HBITMAP bitmap) {
  if (creationsBeforeFailure && (*creationsBeforeFailure)-- <= 0) {
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

// What kind of picture a bitmap handle holds.
PixelFormat FormatOf(HBITMAP bitmap) {
  DIBSECTION section{};
  if (GetObjectA(bitmap, sizeof section, &section) != static_cast<int>(sizeof section)) return PixelFormat::Device;
  return section.dsBm.bmBitsPixel == 24 ? PixelFormat::Bits24 : PixelFormat::Other;
}

}  // namespace

BitmapHandle CreateBitmap24(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(Made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
  if (!bitmap)
    throw EOutOfResources("cannot create a bitmap of " + std::to_string(width) + " x " + std::to_string(height));
  return bitmap;
}

void FailBitmapCreationForTesting(std::optional<int> creations) { creationsBeforeFailure = creations; }

TBitmap::~TBitmap() { Deselect(); }

void TBitmap::Deselect() {
  // Putting back the DC's own first bitmap frees ours for deleting or handing on.
  if (selected_) SelectObject(dc_->get(), dcBitmap_);
  selected_ = false;
}

void TBitmap::Select() {
  // Fails for a bitmap that another device context holds: the canvas then draws on the DC's own.
  selected_ = dc_ && bitmap_ && SelectObject(dc_->get(), bitmap_.get()) != nullptr;
}

void TBitmap::Replace(BitmapHandle bitmap, int width, int height, PixelFormat format) {
  Deselect();
  bitmap_ = std::move(bitmap);
  width_ = bitmap_ ? width : 0;
  height_ = bitmap_ ? height : 0;
  format_ = format;
  Select();
}

void TBitmap::SetPixelFormat24() {
  if (format_ == PixelFormat::Bits24) return;
  if (!bitmap_) {
    format_ = PixelFormat::Bits24;
    return;
  }
  BitmapHandle converted = CreateBitmap24(width_, height_);
  {
    MemoryDC target;
    if (!target) throw EOutOfResources("cannot create a device context");
    const Selection selected(target.get(), converted.get());
    BitBlt(target.get(), 0, 0, width_, height_, Canvas().Handle(), 0, 0, SRCCOPY);
  }
  Replace(std::move(converted), width_, height_, PixelFormat::Bits24);
}

void TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) {
    Replace(BitmapHandle(), 0, 0, format_);
    return;
  }
  if (format_ == PixelFormat::Bits24) {
    Replace(CreateBitmap24(width, height), width, height, format_);
    return;
  }
  const ScreenDC screen;
  BitmapHandle bitmap(Made(CreateCompatibleBitmap(screen.get(), width, height)));
  if (!bitmap) throw EOutOfResources("cannot create a bitmap");
  Replace(std::move(bitmap), width, height, PixelFormat::Device);
}

void TBitmap::Adopt(HBITMAP handle) {
  BITMAP shape{};
  if (!handle || GetObjectType(handle) != OBJ_BITMAP || !GetObjectA(handle, sizeof shape, &shape)) {
    Replace(BitmapHandle(), 0, 0, format_);
    return;
  }
  Replace(BitmapHandle(handle), shape.bmWidth, shape.bmHeight, FormatOf(handle));
}

HBITMAP TBitmap::Detach() {
  Deselect();
  width_ = height_ = 0;
  return bitmap_.release();
}

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) return;
  if (!other.bitmap_) {
    Replace(BitmapHandle(), 0, 0, other.format_);
    return;
  }
  // Copied from the other's pixels through GDI, which keeps depth and colour table.
  const UINT flags = other.format_ == PixelFormat::Device ? 0 : LR_CREATEDIBSECTION;
  BitmapHandle copy(Made(static_cast<HBITMAP>(CopyImage(other.bitmap_.get(), IMAGE_BITMAP, 0, 0, flags))));
  if (!copy) throw EOutOfResources("cannot copy a bitmap");
  Replace(std::move(copy), other.width_, other.height_, other.format_);
}

void TBitmap::ShrinkToFit(SIZE box) {
  if (!bitmap_ || box.cx <= 0 || box.cy <= 0 || (width_ <= box.cx && height_ <= box.cy)) return;
  BitmapHandle shrunk = CreateBitmap24(box.cx, box.cy);
  {
    MemoryDC target;
    if (!target) throw EOutOfResources("cannot create a device context");
    const Selection selected(target.get(), shrunk.get());
    SetStretchBltMode(target.get(), HALFTONE);
    SetBrushOrgEx(target.get(), 0, 0, nullptr);  // as HALFTONE requires
    StretchBlt(target.get(), 0, 0, box.cx, box.cy, Canvas().Handle(), 0, 0, width_, height_, SRCCOPY);
  }
  Replace(std::move(shrunk), box.cx, box.cy, PixelFormat::Bits24);
}

TCanvas& TBitmap::Canvas() {
  if (!dc_) {
    auto dc = std::make_unique<MemoryDC>();
    if (!*dc) throw EOutOfResources("cannot create a device context");
    canvas_ = std::make_unique<TCanvas>(dc->get());
    dcBitmap_ = GetCurrentObject(dc->get(), OBJ_BITMAP);
    dc_ = std::move(dc);
    Select();
  }
  return *canvas_;
}

bool TBitmap::Readable() {
  if (!bitmap_) return false;
  Canvas();
  return selected_;
}

}  // namespace tezun
