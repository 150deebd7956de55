// Integer rectangles of picture geometry. Coordinates are computed in 64 bits, so that settings
// anywhere in the 32-bit range never overflow, and clamped to 32 bits where they meet GDI.
#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace tezun {

struct Rect {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;  // exclusive
  int64_t bottom = 0;
  int64_t width() const { return right - left; }
  int64_t height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

inline bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

inline Rect Offset(const Rect& r, int64_t dx, int64_t dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

inline int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// A factor num / den applied to lengths and coordinates, rounded to the nearest integer with
// halves away from zero, as MulDiv rounds. Kept in lowest terms, so that 1 is exactly 1.
struct Scale {
  int64_t num = 1;
  int64_t den = 1;

  static Scale Of(int64_t num, int64_t den) {
    if (num <= 0 || den <= 0) return {};
    const int64_t common = std::gcd(num, den);
    return {num / common, den / common};
  }
  bool IsOne() const { return num == den; }
  int64_t operator()(int64_t value) const {
    const int64_t product = value * num;
    return product >= 0 ? (product + den / 2) / den : -((-product + den / 2) / den);
  }
  bool operator==(const Scale&) const = default;
};

// Where a length sits centred in another: truncating toward zero, so the odd pixel of a
// negative difference goes to the right or bottom.
inline int64_t CentredOffset(int64_t outer, int64_t inner) { return (outer - inner) / 2; }

}  // namespace tezun
