// How the picture to decorate lies on a monitor other than the primary: as the plug-in lays it on
// the primary, by the plug-in's own two stored values, so that every monitor shows the same
// arrangement and only the primary has the calendar.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tezun::desk {

struct PictureLayout {
  bool tiled = false;
  // Centred: where the picture's top-left corner goes. Tiled: the corner of one tile; the others
  // follow at whole multiples of the picture's size in every direction.
  int64_t x = 0;
  int64_t y = 0;
  bool operator==(const PictureLayout&) const = default;
};

// The picture (`pictureWidth` x `pictureHeight`) on a monitor of its own size, by the plug-in's
// "Style1" (0 centred, else tiled) and "Style2" (tiled from the corner when 0, else so that one
// tile sits where the centred picture would). Halves are truncated toward zero, as the plug-in's.
PictureLayout LayPicture(int64_t monitorWidth, int64_t monitorHeight, int64_t pictureWidth, int64_t pictureHeight,
                         int32_t style1, int32_t style2);

// A value the plug-in stores as text, read by its rules: spaces before it, a sign, then decimal
// digits within 32 bits or "$", "x" or "0x" and up to 32 bits of hexadecimal; nothing for any
// other text, which the plug-in reads as its default.
std::optional<int32_t> StoredInteger(const std::wstring& text);

}  // namespace tezun::desk
