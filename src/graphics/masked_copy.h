// Copies 1:1 by bitwise raster operations onto one rectangle (D = S, D OR NOT S, D AND S, one
// after another, as today's mark makes its two), folded into one: each byte of the rectangle
// becomes (D AND keep) OR set. Kept as runs of each row's bytes: those set outright, and those
// that keep some of what was there; the bytes left as they were take no room and no time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tezun {

class MaskedCopy {
 public:
  // Whether a copy by this raster operation folds.
  static bool Folds(DWORD rop) { return rop == SRCCOPY || rop == MERGEPAINT || rop == SRCAND; }
  // The bytes of a 24-bit row of pixels, in whole words, as the copies' pixels come.
  static size_t RowBytes(int64_t width) { return static_cast<size_t>((width * 3 + 3) / 4 * 4); }

  // Leaves every byte of the rectangle as it is.
  MaskedCopy(POINT at, SIZE size) : at_(at), size_(size) {}

  bool Covers(POINT at, SIZE size) const {
    return at.x == at_.x && at.y == at_.y && size.cx == size_.cx && size.cy == size_.cy;
  }
  // One more copy onto the rectangle: its pixels in 24-bit rows of RowBytes, the top first.
  void Fold(const std::vector<BYTE>& pixels, DWORD rop);
  // On the bytes of a 24-bit picture of our own where the DC draws on one (exactly GDI's pixels,
  // without the cost of its blits under Wine), else by GDI: AND with what is kept, OR what is set.
  void DrawOn(HDC dc) const;
  size_t Bytes() const;

 private:
  struct Run {
    int row = 0;
    size_t offset = 0;  // the first byte, from the rectangle's left edge
    size_t length = 0;
    size_t set = 0;   // where its bytes to set begin
    size_t keep = 0;  // where its bytes to keep begin; kOutright where none is kept
  };
  static constexpr size_t kOutright = SIZE_MAX;

  // The whole rectangle's bytes to keep and to set, row after row (3 bytes a pixel), and back.
  void Planes(std::vector<BYTE>& keep, std::vector<BYTE>& set) const;
  void FromPlanes(const std::vector<BYTE>& keep, const std::vector<BYTE>& set);

  POINT at_;
  SIZE size_;
  std::vector<Run> runs_;  // by row, left to right
  std::vector<BYTE> set_;
  std::vector<BYTE> keep_;
};

}  // namespace tezun
