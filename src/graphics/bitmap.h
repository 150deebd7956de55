// A picture that owns at most one GDI bitmap and has a canvas of its own.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "canvas.h"
#include "gdi_handles.h"

namespace tezun {

enum class PixelFormat {
  Device,  // the display's format: what a new, empty bitmap makes
  Bits24,  // device-independent, blue-green-red bytes
  Other,   // an adopted or reduced device-independent bitmap of another depth
};

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return !bitmap_; }
  PixelFormat Format() const { return format_; }
  HBITMAP Handle() const { return bitmap_.get(); }
  // Whether the canvas draws on the picture and reads it: not when there is none, nor when the
  // bitmap is still selected into another device context (a host's), which ours cannot select.
  bool Readable();

  // Converts the picture, if there is one, to 24 bits per pixel; its size stays.
  void SetPixelFormat24();
  // A new picture of this size in the current format; callers fill it before use. A size of 0
  // (or less) in either direction leaves the bitmap empty.
  void SetSize(int width, int height);
  // Takes over the bitmap with its size and format. A handle that is no bitmap (0, deleted,
  // another kind of object) leaves this empty and stays the caller's.
  void Adopt(HBITMAP handle);
  // Hands the bitmap to the caller, selected into no device context; this is left empty.
  HBITMAP Detach();
  // An independent copy of the other picture in its format; an empty one empties this.
  void Assign(const TBitmap& other);
  // A picture larger than the box either way is replaced by a 24-bit one of the box's size,
  // stretched with halftone (averaged, not dropped, pixels); any other stays as it is.
  void ShrinkToFit(SIZE box);

  TCanvas& Canvas();

 private:
  void Replace(BitmapHandle bitmap, int width, int height, PixelFormat format);
  void Select();
  void Deselect();

  BitmapHandle bitmap_;
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Device;
  std::unique_ptr<MemoryDC> dc_;
  HGDIOBJ dcBitmap_ = nullptr;  // the bitmap the DC was made with
  bool selected_ = false;       // bitmap_ is selected into the DC
  std::unique_ptr<TCanvas> canvas_;
};

// A new 24-bit device-independent bitmap; throws EOutOfResources when it cannot be made.
BitmapHandle CreateBitmap24(int width, int height);

// Tests make the bitmap creation after `creations` more ones fail (nothing: never); nothing outside
// the module's own code can reach it.
void FailBitmapCreationForTesting(std::optional<int> creations);

}  // namespace tezun
