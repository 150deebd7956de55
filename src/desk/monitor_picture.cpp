#include "monitor_picture.h"

#include "desk_error.h"
#include "picture_reader.h"

namespace tezun::desk {
namespace {

// A memory device context with one bitmap selected, both given back in reverse order.
class SelectedBitmap {
 public:
  explicit SelectedBitmap(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) previous_ = SelectObject(dc_, bitmap);
  }
  SelectedBitmap(const SelectedBitmap&) = delete;
  SelectedBitmap& operator=(const SelectedBitmap&) = delete;
  ~SelectedBitmap() {
    if (!dc_) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

void Fill(HDC dc, DeskSize size, HBRUSH brush) {
  const RECT all{0, 0, static_cast<LONG>(size.width), static_cast<LONG>(size.height)};
  FillRect(dc, &all, brush);
}

// A 24-bit picture of `size` in one colour; a DeskError when there is no memory for it.
Bitmap Blank(DeskSize size, COLORREF colour) {
  void* bits = nullptr;
  Bitmap bitmap = TopDownDib(static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height), 24, &bits);
  if (!bitmap) throw DeskError{kExitUnwritable, ErrorText(ERROR_NOT_ENOUGH_MEMORY)};
  const SelectedBitmap target(bitmap.get());
  const Brush brush(CreateSolidBrush(colour));
  Fill(target.dc(), size, brush.get());
  return bitmap;
}

// A tile's corner as a brush's origin, which lies within one tile.
int Within(int64_t value, int64_t period) {
  const int64_t rest = period > 0 ? value % period : 0;
  return static_cast<int>(rest < 0 ? rest + period : rest);
}

}  // namespace

DeskSize SizeOf(HBITMAP bitmap) {
  BITMAP shape{};
  if (!bitmap || !GetObjectW(bitmap, sizeof shape, &shape)) return {};
  return {shape.bmWidth, shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight};
}

Bitmap CopyOfPicture(HBITMAP picture) {
  if (!picture) return {};
  Bitmap copy(static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!copy) throw DeskError{kExitUnwritable, ErrorText(ERROR_NOT_ENOUGH_MEMORY)};
  return copy;
}

Bitmap MonitorPicture(HBITMAP picture, const DeskSize& size, const PictureLayout& layout, COLORREF colour) {
  Bitmap bitmap = Blank(size, colour);
  const DeskSize shape = SizeOf(picture);
  if (shape.width <= 0 || shape.height <= 0) return bitmap;
  const SelectedBitmap target(bitmap.get());
  if (layout.tiled) {
    // A pattern brush of the whole picture tiles it from its origin in every direction.
    const Brush tiles(CreatePatternBrush(picture));
    if (!tiles) throw DeskError{kExitUnwritable, ErrorText(ERROR_NOT_ENOUGH_MEMORY)};
    SetBrushOrgEx(target.dc(), Within(layout.x, shape.width), Within(layout.y, shape.height), nullptr);
    Fill(target.dc(), size, tiles.get());
  } else {
    const SelectedBitmap source(picture);
    BitBlt(target.dc(), static_cast<int>(layout.x), static_cast<int>(layout.y), static_cast<int>(shape.width),
           static_cast<int>(shape.height), source.dc(), 0, 0, SRCCOPY);
  }
  return bitmap;
}

Bitmap SpannedPicture(const CompositionPlan& plan, const std::vector<HBITMAP>& pictures, COLORREF colour) {
  Bitmap bitmap = Blank(plan.file, colour);
  const SelectedBitmap target(bitmap.get());
  for (size_t i = 0; i < plan.parts.size() && i < pictures.size(); ++i) {
    const DeskSize shape = SizeOf(pictures[i]);
    const SelectedBitmap source(pictures[i]);
    for (const DeskPoint& at : plan.parts[i].at) {
      BitBlt(target.dc(), static_cast<int>(at.x), static_cast<int>(at.y), static_cast<int>(shape.width),
             static_cast<int>(shape.height), source.dc(), 0, 0, SRCCOPY);
    }
  }
  return bitmap;
}

}  // namespace tezun::desk
