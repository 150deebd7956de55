#include "orientation.h"

namespace tezun::desk {

bool Reorients(uint32_t orientation) { return orientation >= 2 && orientation <= 8; }

PictureSize OrientedSize(PictureSize stored, uint32_t orientation) {
  if (orientation >= 5 && orientation <= 8) return {stored.height, stored.width};
  return stored;
}

void Reorient(const uint32_t* stored, PictureSize storedSize, uint32_t orientation, uint32_t* seen,
              uint32_t seenStride) {
  const PictureSize size = OrientedSize(storedSize, orientation);
  const uint64_t w = storedSize.width, h = storedSize.height;
  for (uint64_t y = 0; y < size.height; ++y) {
    for (uint64_t x = 0; x < size.width; ++x) {
      // The stored pixel that is seen at (x, y). Tags, as Exif defines them: 2 mirrored left to
      // right, 3 turned half round, 4 mirrored top to bottom, 5 mirrored about the diagonal from
      // top-left, 6 to be turned a quarter clockwise, 7 mirrored about the other diagonal,
      // 8 to be turned a quarter anticlockwise.
      uint64_t sx = x, sy = y;
      switch (orientation) {
        case 2:
          sx = w - 1 - x;
          break;
        case 3:
          sx = w - 1 - x;
          sy = h - 1 - y;
          break;
        case 4:
          sy = h - 1 - y;
          break;
        case 5:
          sx = y;
          sy = x;
          break;
        case 6:
          sx = y;
          sy = h - 1 - x;
          break;
        case 7:
          sx = w - 1 - y;
          sy = h - 1 - x;
          break;
        case 8:
          sx = w - 1 - y;
          sy = x;
          break;
        default:
          break;
      }
      seen[y * seenStride + x] = stored[sy * w + sx];
    }
  }
}

}  // namespace tezun::desk
