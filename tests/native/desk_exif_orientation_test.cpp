#include <gtest/gtest.h>

#include <vector>

#include "desk/exif_orientation.h"

namespace tezun::desk {
namespace {

using Bytes = std::vector<uint8_t>;

// A JPEG's first segments: SOI, an optional other APP segment, then APP1 with `tiff` after
// "Exif\0\0", then the start of a scan.
Bytes Jpeg(const Bytes& tiff, bool otherSegmentFirst = false) {
  Bytes file = {0xFF, 0xD8};
  if (otherSegmentFirst) file.insert(file.end(), {0xFF, 0xE0, 0x00, 0x06, 'J', 'F', 'I', 'F'});
  const size_t length = 2 + 6 + tiff.size();
  file.insert(file.end(), {0xFF, 0xE1, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
  file.insert(file.end(), {'E', 'x', 'i', 'f', 0, 0});
  file.insert(file.end(), tiff.begin(), tiff.end());
  file.insert(file.end(), {0xFF, 0xDA, 0x00, 0x02});
  return file;
}

// One directory with the orientation entry, little- or big-endian.
Bytes Tiff(uint16_t value, bool little, uint16_t type = 3) {
  auto u16 = [little](uint16_t v) {
    return little ? Bytes{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}
                  : Bytes{static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
  };
  Bytes tiff = little ? Bytes{'I', 'I'} : Bytes{'M', 'M'};
  auto add = [&tiff](const Bytes& b) { tiff.insert(tiff.end(), b.begin(), b.end()); };
  add(u16(42));
  add(little ? Bytes{8, 0, 0, 0} : Bytes{0, 0, 0, 8});
  add(u16(2));  // two entries: another tag first, then the orientation
  add(u16(0x010F)), add(u16(2)), add(little ? Bytes{1, 0, 0, 0} : Bytes{0, 0, 0, 1}), add(Bytes{'x', 0, 0, 0});
  add(u16(0x0112)), add(u16(type)), add(little ? Bytes{1, 0, 0, 0} : Bytes{0, 0, 0, 1}), add(u16(value)), add(u16(0));
  add(Bytes{0, 0, 0, 0});
  return tiff;
}

TEST(DeskExifOrientation, TheTagInEitherByteOrder) {
  for (uint16_t value = 1; value <= 8; ++value) {
    const Bytes little = Jpeg(Tiff(value, true)), big = Jpeg(Tiff(value, false), true);
    EXPECT_EQ(ExifOrientation(little.data(), little.size()), value);
    EXPECT_EQ(ExifOrientation(big.data(), big.size()), value);
  }
}

TEST(DeskExifOrientation, AnythingUnreadableIsAsStored) {
  const Bytes good = Jpeg(Tiff(6, true));
  struct Case {
    const char* what = nullptr;
    Bytes file;
  };
  const Case cases[] = {
      {"no JPEG", Bytes{0x89, 'P', 'N', 'G', 0, 0, 0, 0}},
      {"no Exif block", Bytes{0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02}},
      {"a value of no meaning", Jpeg(Tiff(9, true))},
      {"a value of the wrong type", Jpeg(Tiff(6, true, 4))},
      {"cut inside the block", Bytes(good.begin(), good.begin() + 30)},
      {"a segment longer than the file", Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 'E', 'x'}},
      {"a segment of length 0", Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x00, 0xFF, 0xDA}},
      {"empty", Bytes{}},
  };
  for (const Case& c : cases) EXPECT_EQ(ExifOrientation(c.file.data(), c.file.size()), 1u) << c.what;
}

}  // namespace
}  // namespace tezun::desk
