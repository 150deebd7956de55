#include "exif_orientation.h"

namespace tezun::desk {
namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;

// The TIFF structure inside the Exif block, in the byte order its header names.
class Tiff {
 public:
  Tiff(const uint8_t* data, size_t size)
      : data_(data), size_(size), little_(size >= 2 && data[0] == 'I' && data[1] == 'I') {}

  uint32_t Orientation() const {
    if (size_ < 8) return 1;
    if (!little_ && !(data_[0] == 'M' && data_[1] == 'M')) return 1;
    if (Short(2) != 42) return 1;
    const uint64_t directory = Long(4);
    const uint64_t firstEntry = directory + 2;
    if (firstEntry > size_) return 1;
    const uint32_t entries = Short(directory);
    for (uint32_t i = 0; i < entries; ++i) {
      const uint64_t entry = firstEntry + static_cast<uint64_t>(i) * 12;
      if (entry + 12 > size_) return 1;
      if (Short(entry) != kOrientationTag) continue;
      if (Short(entry + 2) != kShortType || Long(entry + 4) != 1) return 1;
      const uint32_t value = Short(entry + 8);
      return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
  }

 private:
  uint32_t Short(uint64_t at) const {
    const uint32_t a = data_[at], b = data_[at + 1];
    return little_ ? a | b << 8 : a << 8 | b;
  }
  uint64_t Long(uint64_t at) const {
    const uint64_t low = Short(at + (little_ ? 0 : 2)), high = Short(at + (little_ ? 2 : 0));
    return high << 16 | low;
  }

  const uint8_t* data_;
  size_t size_;
  bool little_;
};

}  // namespace

uint32_t ExifOrientation(const uint8_t* data, size_t size) {
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return 1;
  size_t at = 2;
  // The marker segments before the picture's data, each FF xx and a big-endian length.
  while (at + 4 <= size && data[at] == 0xFF) {
    const uint8_t marker = data[at + 1];
    if (marker == 0xD9 || marker == 0xDA) return 1;  // end, or the scan: no tag came before it
    const size_t length = static_cast<size_t>(data[at + 2]) << 8 | data[at + 3];
    if (length < 2 || at + 2 + length > size) return 1;
    const uint8_t* body = data + at + 4;
    const size_t bodySize = length - 2;
    constexpr uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    if (marker == 0xE1 && bodySize >= sizeof kExif) {
      bool exif = true;
      for (size_t i = 0; i < sizeof kExif; ++i) exif = exif && body[i] == kExif[i];
      if (exif) return Tiff(body + sizeof kExif, bodySize - sizeof kExif).Orientation();
    }
    at += 2 + length;
  }
  return 1;
}

}  // namespace tezun::desk
