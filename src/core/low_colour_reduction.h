// Reducing a true-colour picture to at most 236 colours for displays of 256 colours or fewer, by
// encoding it as JPEG and decoding that with the codec's two-pass colour quantization.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

namespace tezun {

// A codec error, with the message "JPEG エラー #code" in Shift-JIS.
class EJPEG : public std::runtime_error {
 public:
  explicit EJPEG(int code);
  int code() const { return code_; }

 private:
  int code_;
};

// Rows of pixels: row y begins at top + y * stride (the stride is negative for bottom-up rows).
struct BgrRows {
  const uint8_t* top = nullptr;
  ptrdiff_t stride = 0;  // bytes
  int width = 0;
  int height = 0;
};

struct JpegData {
  std::unique_ptr<uint8_t, void (*)(void*)> bytes{nullptr, [](void*) {}};
  size_t size = 0;
  std::span<const uint8_t> view() const { return {bytes.get(), size}; }
};

struct PalettizedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::array<uint8_t, 3>> palette;  // red, green, blue of each colour the codec chose
  std::vector<uint8_t> indices;                 // one palette index per pixel, rows top first
};

// Baseline JPEG at quality 90 with the floating-point DCT; the codec sees red as red.
JpegData EncodeJpeg(const BgrRows& picture);

// Full size, floating-point DCT, fancy upsampling and block smoothing, and two-pass quantization to
// at most 236 colours with Floyd-Steinberg dithering.
PalettizedPicture DecodeJpegPalettized(std::span<const uint8_t> jpeg);

inline PalettizedPicture ReduceColours(const BgrRows& picture) {
  return DecodeJpegPalettized(EncodeJpeg(picture).view());
}

}  // namespace tezun
