#include "masked_copy.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/geometry.h"
#include "dib_pixels.h"

namespace tezun {

void MaskedCopy::Planes(std::vector<BYTE>& keep, std::vector<BYTE>& set) const {
  const size_t row = size_t{3} * size_.cx;
  keep.assign(row * size_.cy, 0xFF);
  set.assign(row * size_.cy, 0);
  for (const Run& run : runs_) {
    const size_t at = run.row * row + run.offset;
    std::memcpy(&set[at], &set_[run.set], run.length);
    if (run.keep == kOutright) {
      std::memset(&keep[at], 0, run.length);
    } else {
      std::memcpy(&keep[at], &keep_[run.keep], run.length);
    }
  }
}

void MaskedCopy::FromPlanes(const std::vector<BYTE>& keep, const std::vector<BYTE>& set) {
  runs_.clear();
  set_.clear();
  keep_.clear();
  const size_t row = size_t{3} * size_.cx;
  // A byte is set outright where no bit of what was there survives (each kept bit is set anyway),
  // and left where every bit is kept and none set.
  enum { kLeft, kSet, kKept };
  auto kind = [&](size_t i) {
    if ((keep[i] & ~set[i] & 0xFF) == 0) return kSet;
    return keep[i] == 0xFF && set[i] == 0 ? kLeft : kKept;
  };
  for (int y = 0; y < size_.cy; ++y) {
    for (size_t x = 0; x < row;) {
      const size_t first = y * row + x;
      const int k = kind(first);
      size_t end = x + 1;
      while (end < row && kind(y * row + end) == k) ++end;
      if (k != kLeft) {
        Run run{y, x, end - x, set_.size(), k == kSet ? kOutright : keep_.size()};
        set_.insert(set_.end(), &set[first], &set[first] + run.length);
        if (k == kKept) keep_.insert(keep_.end(), &keep[first], &keep[first] + run.length);
        runs_.push_back(run);
      }
      x = end;
    }
  }
}

void MaskedCopy::Fold(const std::vector<BYTE>& pixels, DWORD rop) {
  std::vector<BYTE> keep, set;
  Planes(keep, set);
  const size_t row = size_t{3} * size_.cx, stride = RowBytes(size_.cx);
  for (int y = 0; y < size_.cy; ++y) {
    for (size_t x = 0; x < row; ++x) {
      const size_t i = y * row + x;
      const BYTE s = pixels[y * stride + x];
      if (rop == SRCCOPY) {
        keep[i] = 0, set[i] = s;
      } else if (rop == MERGEPAINT) {
        set[i] |= static_cast<BYTE>(~s);
      } else {
        keep[i] &= s, set[i] &= s;
      }
    }
  }
  FromPlanes(keep, set);
}

void MaskedCopy::DrawOn(HDC dc) const {
  const Rect rect{at_.x, at_.y, int64_t{at_.x} + size_.cx, int64_t{at_.y} + size_.cy};
  if (const auto pixels = DibPixels::Of(dc)) {
    const Rect area = Intersect(rect, pixels->Drawable());
    if (IsEmpty(area)) return;
    const size_t from = static_cast<size_t>(area.left - rect.left) * 3,
                 to = static_cast<size_t>(area.right - rect.left) * 3;
    for (const Run& run : runs_) {
      const int64_t y = rect.top + run.row;
      if (y < area.top || y >= area.bottom) continue;
      const size_t begin = std::max(run.offset, from), end = std::min(run.offset + run.length, to);
      if (begin >= end) continue;
      BYTE* target = pixels->At(rect.left, y) + begin;
      const BYTE* set = &set_[run.set + begin - run.offset];
      if (run.keep == kOutright) {
        std::memcpy(target, set, end - begin);
        continue;
      }
      const BYTE* keep = &keep_[run.keep + begin - run.offset];
      for (size_t i = 0; i < end - begin; ++i) target[i] = static_cast<BYTE>((target[i] & keep[i]) | set[i]);
    }
    return;
  }
  // Elsewhere two copies of the planes, as 24-bit rows of whole words.
  std::vector<BYTE> keep, set;
  Planes(keep, set);
  const size_t row = size_t{3} * size_.cx, stride = RowBytes(size_.cx);
  std::vector<BYTE> rows(stride * size_.cy);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, size_.cx, -size_.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  for (const auto& [plane, rop] : {std::pair{&keep, SRCAND}, std::pair{&set, SRCPAINT}}) {
    for (int y = 0; y < size_.cy; ++y) std::memcpy(&rows[y * stride], &(*plane)[y * row], row);
    StretchDIBits(dc, at_.x, at_.y, size_.cx, size_.cy, 0, 0, size_.cx, size_.cy, rows.data(), &info, DIB_RGB_COLORS,
                  rop);
  }
}

size_t MaskedCopy::Bytes() const {
  return sizeof *this + runs_.capacity() * sizeof(Run) + set_.capacity() + keep_.capacity();
}

}  // namespace tezun
