// Integer rectangles of picture geometry. Coordinates are computed in 64 bits, so that settings
// anywhere in the 32-bit range never overflow, and clamped to 32 bits where they meet GDI.
#pragma once

#include <algorithm>
#include <cstdint>

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

// Where a length sits centred in another: truncating toward zero, so the odd pixel of a
// negative difference goes to the right or bottom.
inline int64_t CentredOffset(int64_t outer, int64_t inner) { return (outer - inner) / 2; }

}  // namespace tezun
