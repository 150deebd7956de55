// A photograph's orientation tag (the Exif values 1 to 8): the picture as the camera stored it is
// turned and mirrored into the picture as it is meant to be seen.
#pragma once

#include <cstdint>
#include <vector>

namespace tezun::desk {

struct PictureSize {
  uint32_t width = 0;
  uint32_t height = 0;
  bool operator==(const PictureSize&) const = default;
};

// Whether the tag is one of the eight that change anything (1, and any unknown value, do not).
bool Reorients(uint32_t orientation);

// The size of the picture as seen: tags 5 to 8 turn it by a quarter.
PictureSize OrientedSize(PictureSize stored, uint32_t orientation);

// The stored pixels (32 bits each, rows top to bottom, no padding) as they are meant to be seen,
// written into `seen` (rows `seenStride` pixels apart, of OrientedSize's size).
void Reorient(const uint32_t* stored, PictureSize storedSize, uint32_t orientation, uint32_t* seen,
              uint32_t seenStride);

}  // namespace tezun::desk
